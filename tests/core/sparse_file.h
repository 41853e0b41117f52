#pragma once
// A huge file that takes no room on the disk (sparse: its size set with truncate, no byte written),
// for tests of readers that must refuse it by its size alone, and the bytes this process has read so
// far, to show that they did not read it. The file is removed when the object goes.
#include <cstdint>
#include <fstream>
#include <string>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

class SparseFile {
public:
    SparseFile(std::string path, std::uint64_t size) : m_path(std::move(path)) {
        const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        m_made = fd >= 0 && ::ftruncate(fd, static_cast<off_t>(size)) == 0;
        if (fd >= 0) ::close(fd);
    }
    ~SparseFile() { ::unlink(m_path.c_str()); }
    SparseFile(const SparseFile&) = delete;
    SparseFile& operator=(const SparseFile&) = delete;

    bool made() const { return m_made; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    bool m_made = false;
};

// The bytes this process has read through read() and its kin so far ("rchar" of /proc/self/io).
inline std::uint64_t BytesReadByThisProcess() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t value = 0;
    while (io >> name >> value)
        if (name == "rchar:") return value;
    return 0;
}
