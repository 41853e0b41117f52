#include "core/private_folder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderPrefix = "kh-stars-";
constexpr const char* kLockName = "lock";
// The lock is made under this name and takes kLockName once it is held, so that a lock file that can
// be taken always belongs to a copy that is gone.
constexpr const char* kLockInTheMaking = "lock-in-the-making";

// Removes the folders whose lock no process holds; the lock is held while the folder goes. A folder
// without a lock is being made, or is not ours to look into.
void RemoveFoldersOfGoneProcesses(const fs::path& temporary) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(temporary, ec)) {
        if (!entry.path().filename().string().starts_with(kFolderPrefix) || !entry.is_directory(ec) ||
            entry.is_symlink(ec))
            continue;
        const int lock = ::open((entry.path() / kLockName).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (lock < 0) continue;
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0) fs::remove_all(entry.path(), ec);
        ::close(lock);
    }
}

class Folder {
public:
    ~Folder() {
        std::error_code ignored;
        if (!m_path.empty() && m_owner == ::getpid()) fs::remove_all(m_path, ignored);
        if (m_lock >= 0) ::close(m_lock);
    }

    const std::string& Get(std::string& failure) {
        if (!m_path.empty()) return m_path;
        std::error_code ec;
        const fs::path temporary = fs::temp_directory_path(ec);
        for (const fs::path& base : {ec ? fs::path("/tmp") : temporary, fs::path("/tmp")}) {
            std::string pattern = (base / (std::string(kFolderPrefix) + "XXXXXX")).string();
            if (pattern.size() > kLongestPrivateFolder) {
                failure = "The temporary folder \"" + base.string() + "\" has too long a path.";
                continue;
            }
            if (pattern.find_first_of(":;") != std::string::npos) {
                failure =
                    "The temporary folder \"" + base.string() + "\" cannot stand in the ephemeris path.";
                continue;
            }
            RemoveFoldersOfGoneProcesses(base);
            if (::mkdtemp(pattern.data()) == nullptr) {
                failure = "Cannot make the folder \"" + pattern + "\": " + std::strerror(errno) + ".";
                continue;
            }
            if (Lock(pattern, failure)) {
                m_path = pattern;
                m_owner = ::getpid();
                break;
            }
            fs::remove_all(pattern, ec);
        }
        return m_path;
    }

private:
    bool Lock(const std::string& folder, std::string& failure) {
        const fs::path making = fs::path(folder) / kLockInTheMaking;
        const int lock = ::open(making.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (lock < 0 || ::flock(lock, LOCK_EX) != 0 ||
            ::rename(making.c_str(), (fs::path(folder) / kLockName).c_str()) != 0) {
            failure = "Cannot lock the folder \"" + folder + "\": " + std::strerror(errno) + ".";
            if (lock >= 0) ::close(lock);
            return false;
        }
        m_lock = lock;
        return true;
    }

    std::string m_path;
    pid_t m_owner = 0;
    int m_lock = -1;
};

Folder g_folder;

} // namespace

const std::string& PrivateFolder(std::string& failure) {
    return g_folder.Get(failure);
}
