#include "core/private_folder.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include <dirent.h>
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

// The places the folder may lie in, the first tried first: the temporary folder, then /tmp.
std::vector<fs::path> Places() {
    std::error_code ec;
    const fs::path temporary = fs::temp_directory_path(ec);
    if (ec || temporary == "/tmp") return {"/tmp"};
    return {temporary, "/tmp"};
}

// The signals that end the program at its user's or the system's word: SIGTERM (a shut-down, `kill`),
// SIGHUP (its terminal closed) and SIGINT (Ctrl+C in its terminal).
constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// What the handlers of kEndingSignals remove, kept where they may read it without allocating.
char g_endedFolder[kLongestPrivateFolder + 1] = "";
volatile std::sig_atomic_t g_endedFolderSet = 0;
volatile pid_t g_endedFolderOwner = 0;

// Removes `name` in the folder `parent`, and what it holds `depth` levels down, with calls a signal
// handler may make: a link is removed, never followed.
void RemoveEntry(int parent, const char* name, int depth) {
    if (::unlinkat(parent, name, 0) == 0 || errno != EISDIR || depth == 0) return;
    const int folder = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return;
    alignas(dirent64) char entries[4096];
    for (ssize_t size; (size = ::getdents64(folder, entries, sizeof entries)) > 0;) {
        for (ssize_t at = 0; at < size;) {
            const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
            at += entry->d_reclen;
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                RemoveEntry(folder, entry->d_name, depth - 1);
        }
    }
    ::close(folder);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

// A copy ended by one of kEndingSignals leaves no folder behind, as at a normal end; the signal then ends
// it as it would have (the handler was reset on entry, and the signal waits until the handler returns).
void RemoveFolderAndEnd(int signal) {
    const int savedErrno = errno;
    // The folder holds links and a folder of links: two levels below it.
    if (g_endedFolderSet && g_endedFolderOwner == ::getpid()) RemoveEntry(AT_FDCWD, g_endedFolder, 2);
    ::raise(signal);
    errno = savedErrno;
}

// Hands `folder` to the signal handlers, which are put in place at the first call; a signal the
// process ignores stays ignored.
void RemoveAtSignal(const std::string& folder) {
    g_endedFolderSet = 0;
    folder.copy(g_endedFolder, kLongestPrivateFolder);
    g_endedFolder[std::min(folder.size(), kLongestPrivateFolder)] = '\0';
    g_endedFolderOwner = ::getpid();
    g_endedFolderSet = !folder.empty();
    [[maybe_unused]] static const bool installed = [] {
        struct sigaction action = {};
        action.sa_handler = RemoveFolderAndEnd;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (const int signal : kEndingSignals) sigaddset(&action.sa_mask, signal);
        for (const int signal : kEndingSignals) {
            struct sigaction previous = {};
            if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_DFL)
                ::sigaction(signal, &action, nullptr);
        }
        return true;
    }();
}

class Folder {
public:
    ~Folder() { Remove(); }

    const std::string& Get(std::string& failure) {
        if (m_path.empty()) Make(0, failure);
        return m_path;
    }

    const std::string& Elsewhere(std::string& failure) {
        const std::size_t next = m_place + 1;
        if (m_path.empty() || next >= Places().size()) return m_nowhere;
        Remove();
        Make(next, failure);
        return m_path;
    }

private:
    // Makes the folder in the first of the places from `first` on that takes it.
    void Make(std::size_t first, std::string& failure) {
        const std::vector<fs::path> places = Places();
        for (std::size_t place = first; place < places.size(); ++place) {
            const fs::path& base = places[place];
            std::string pattern = (base / (std::string(kFolderPrefix) + "XXXXXX")).string();
            if (pattern.size() > kLongestPrivateFolder) {
                failure = "The temporary folder \"" + base.string() + "\" has too long a path.";
                continue;
            }
            if (LibrarySplitsPath(pattern)) {
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
                m_place = place;
                RemoveAtSignal(m_path);
                return;
            }
            std::error_code ignored;
            fs::remove_all(pattern, ignored);
        }
    }

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

    // Removes the folder when this process made it (never in a child that inherited it).
    void Remove() {
        if (m_path.empty() || m_owner != ::getpid()) return;
        RemoveAtSignal({});
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
        m_path.clear();
        if (m_lock >= 0) ::close(m_lock);
        m_lock = -1;
    }

    std::string m_path;
    const std::string m_nowhere;
    std::size_t m_place = 0; // in Places()
    pid_t m_owner = 0;
    int m_lock = -1;
};

Folder g_folder;

} // namespace

bool LibrarySplitsPath(std::string_view path) {
    return path.find_first_of(":;\n\r") != std::string_view::npos;
}

const std::string& PrivateFolder(std::string& failure) {
    return g_folder.Get(failure);
}

const std::string& PrivateFolderElsewhere(std::string& failure) {
    return g_folder.Elsewhere(failure);
}
