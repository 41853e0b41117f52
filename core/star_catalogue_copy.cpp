#include "core/star_catalogue_copy.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include <signal.h>
#include <swephexp.h>
#include <unistd.h>

#include "core/ayanamsa.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCatalogueNames[] = {"sefstars.txt", "fixstars.cat"};

constexpr std::string_view kFolderPrefix = "kalomithra-stars-";

// Removes the folders that processes gone without their exit (killed, crashed) left behind: their
// names carry the process id after kFolderPrefix.
void RemoveFoldersOfGoneProcesses(const fs::path& temporary) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(temporary, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kFolderPrefix)) continue;
        const long pid = std::strtol(name.c_str() + kFolderPrefix.size(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            fs::remove_all(entry.path(), ec);
    }
}

// A folder of this process under the temporary folder, made when first needed and removed at exit by
// the process that made it (never by a child that inherited it).
class PrivateFolder {
public:
    ~PrivateFolder() {
        std::error_code ignored;
        if (!m_path.empty() && m_owner == ::getpid()) fs::remove_all(m_path, ignored);
    }

    // The folder, or empty with `failure` saying why it cannot be made.
    const std::string& Get(std::string& failure) {
        if (!m_path.empty()) return m_path;
        std::error_code ec;
        fs::path temporary = fs::temp_directory_path(ec);
        if (ec) temporary = "/tmp";
        RemoveFoldersOfGoneProcesses(temporary);
        std::string pattern =
            (temporary / (std::string(kFolderPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            failure = "Cannot make the folder \"" + pattern + "\": " + std::strerror(errno) + ".";
        } else if (pattern.find_first_of(":;") != std::string::npos) {
            // The library splits its path at these.
            failure = "The folder \"" + pattern + "\" cannot stand in the ephemeris path.";
            fs::remove(pattern, ec);
        } else {
            m_path = pattern;
            m_owner = ::getpid();
        }
        return m_path;
    }

private:
    std::string m_path;
    pid_t m_owner = 0;
};

PrivateFolder g_privateFolder;
bool g_checked = false;
std::string g_checkedFolder; // the ephemeris folder of the check in force, and what it found wrong
std::string g_checkedFault;
bool g_copyWritten = false;
std::string g_refusal;

// Writes the check's text under the name the library looks for; false with `failure` set when it
// cannot. A copy of an earlier check goes first, so the library never reads a stale one.
bool WriteCopy(const StarCatalogueCheck& check, std::string& failure) {
    const std::string& folder = g_privateFolder.Get(failure);
    if (folder.empty()) return false;
    std::error_code ignored;
    for (const char* name : kCatalogueNames) fs::remove(fs::path(folder) / name, ignored);
    if (check.path.empty()) return true; // nothing to shadow: the library finds no catalogue either
    // The anchor stars stand under the library's first name, before whatever the folder holds.
    const std::string name = check.read ? fs::path(check.path).filename().string() : kCatalogueNames[0];
    const fs::path copy = fs::path(folder) / name;
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out << check.text;
    out.close();
    if (out) return true;
    failure = "Cannot write \"" + copy.string() + "\": " + std::strerror(errno) + ".";
    fs::remove(copy, ignored);
    return false;
}

} // namespace

StarCatalogueCheck UseCheckedStarCatalogue(const std::string& ephemerisFolder) {
    StarCatalogueCheck check = CheckStarCatalogue(ephemerisFolder);
    swe_close(); // the library forgets the stars it has read, and its sidereal mode
    SetAyanamsaSettings(g_ayanamsaSettings);
    std::string failure;
    g_copyWritten = WriteCopy(check, failure);
    g_refusal.clear();
    if (!g_copyWritten && !check.fault.empty()) {
        g_refusal = check.fault + "\n" + failure + " No star can be computed.";
    }
    g_checked = true;
    g_checkedFolder = ephemerisFolder;
    g_checkedFault = check.fault;
    return check;
}

bool StarCatalogueChecked() {
    return g_checked;
}

std::string StarCatalogueFault(const std::string& ephemerisFolder) {
    if (g_checked && ephemerisFolder == g_checkedFolder) return g_checkedFault;
    return CheckStarCatalogue(ephemerisFolder).fault;
}

std::string CheckedStarFolder() {
    std::string unused;
    return g_copyWritten ? g_privateFolder.Get(unused) : std::string();
}

const std::string& StarCatalogueRefusal() {
    return g_refusal;
}
