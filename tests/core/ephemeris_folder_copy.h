#pragma once
// An ephemeris folder of a test's own, such as a user may give the program: every file of the program's
// ephemeris folder linked in but the star catalogue, which the test writes or leaves out. The folder
// goes when the object does.
#include <filesystem>
#include <string>

#include "core/data_folder.h"

class EphemerisFolderCopy {
public:
    explicit EphemerisFolderCopy(std::filesystem::path folder) : m_folder(std::move(folder)) {
        namespace fs = std::filesystem;
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        for (const fs::directory_entry& file : fs::directory_iterator(EphemerisFolder())) {
            const std::string name = file.path().filename().string();
            if (name != "sefstars.txt" && name != "fixstars.cat")
                fs::create_symlink(file.path(), m_folder / name);
        }
    }
    ~EphemerisFolderCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    EphemerisFolderCopy(const EphemerisFolderCopy&) = delete;
    EphemerisFolderCopy& operator=(const EphemerisFolderCopy&) = delete;

    std::string Path() const { return m_folder.string(); }
    std::string Catalogue() const { return (m_folder / "sefstars.txt").string(); }

private:
    std::filesystem::path m_folder;
};
