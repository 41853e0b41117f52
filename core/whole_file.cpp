#include "core/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <filesystem>
#include <random>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40; // as the kernel's own limit on symbolic links in a path

std::string Failure(const std::string& what, const std::string& path, int error) {
    return what + " \"" + path + "\": " + std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    int get() const { return m_fd; }
    // Hands the descriptor over; it is no longer closed here.
    int Release() { return std::exchange(m_fd, -1); }
    // Closes now; false (errno set) when the close reports a failed write.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// What a file that is not a regular one is, for messages.
std::string KindOfFile(mode_t mode) {
    if (S_ISFIFO(mode)) return "a fifo";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

bool WriteAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The file a path names after following symbolic links (a dangling link gives its target).
// Empty, with errno set, when the links loop or cannot be read.
std::string FollowLinks(const std::string& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(current, ec)) return current.string();
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            errno = ec.value();
            return {};
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    errno = ELOOP;
    return {};
}

// A new file beside `path` that no one else has: path.tmp-<random>. Created with mode 0666 so that
// the umask applies as for any new file.
int CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".tmp-" + std::to_string(random());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Removes the temporaries of `target` that interrupted writes left in `folder`; ours is renamed by now.
void RemoveStaleTemporaries(const std::string& folder, const std::string& target) {
    const std::string prefix = fs::path(target).filename().string() + ".tmp-";
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || name.size() == prefix.size()) continue;
        if (name.find_first_not_of("0123456789", prefix.size()) != std::string::npos) continue;
        ::unlink(entry.path().c_str());
    }
}

// The replaced file's owner and group go to its successor where the process may give them (root
// saving a user's file); else its group alone, where the process belongs to it.
void KeepOwnerAndGroup(int fd, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
}

int SyncFolder(const std::string& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0) return errno;
    return 0;
}

} // namespace

FileWriteResult WriteFileWhole(const std::string& path, const std::string& text) {
    const std::string target = FollowLinks(path);
    if (target.empty()) return {false, Failure("Cannot follow the link", path, errno)};
    std::string folder = fs::path(target).parent_path().string();
    if (folder.empty()) folder = ".";

    std::string temporary;
    Descriptor fd(CreateTemporaryBeside(target, temporary));
    if (fd.get() < 0) return {false, Failure("Cannot create a file beside", target, errno)};
    const auto fail = [&](const char* what, int error) {
        ::unlink(temporary.c_str());
        return FileWriteResult{false, Failure(what, target, error)};
    };

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        KeepOwnerAndGroup(fd.get(), existing);
        // After the owner: a change of owner clears the set-id bits.
        if (::fchmod(fd.get(), existing.st_mode & 07777) != 0)
            return fail("Cannot keep the permissions of", errno);
    }
    if (!WriteAll(fd.get(), text) || ::fsync(fd.get()) != 0) return fail("Cannot write", errno);
    if (!fd.Close()) return fail("Cannot write", errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail("Cannot replace", errno);
    // The rename itself lasts only once the folder's entry is on the disk.
    if (const int error = SyncFolder(folder); error != 0)
        return {false, Failure("Cannot sync", folder, error)};
    RemoveStaleTemporaries(folder, target);
    return {};
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    return (status.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

FileWriteResult CreateFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return {false, Failure("Cannot create the folder", folder, ec.value())};
    return {};
}

int OpenRegularFile(const std::string& path, FileReadResult& failure) {
    using Outcome = FileReadResult::Outcome;
    // Not blocking, so that opening a fifo returns at once; the descriptor blocks again once checked.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        failure = {error == ENOENT ? Outcome::kMissing : Outcome::kUnreadable,
                   {},
                   Failure("Cannot read", path, error)};
        return -1;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        failure = {Outcome::kUnreadable, {}, Failure("Cannot read", path, errno)};
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        failure = {Outcome::kUnreadable,
                   {},
                   S_ISDIR(status.st_mode) ? Failure("Cannot read", path, EISDIR)
                                           : "Cannot read \"" + path + "\": it is not a regular file (" +
                                                 KindOfFile(status.st_mode) + ")"};
        return -1;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        failure = {Outcome::kUnreadable, {}, Failure("Cannot read", path, errno)};
        return -1;
    }
    return fd.Release();
}

std::string SizeText(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double size = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    for (; size >= 1024.0 && unit + 1 < std::size(kUnits); ++unit) size /= 1024.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.3g %s", size, kUnits[unit]);
    return text;
}

std::string FileTooLargeMessage(const std::string& path, std::uint64_t size, FileSizeLimit limit) {
    std::string held = SizeText(size);
    std::string most = SizeText(limit.bytes);
    // Just past the limit both round alike, and the message would not show why the file is refused.
    if (held == most) {
        held = std::to_string(size) + " bytes";
        most = std::to_string(limit.bytes) + " bytes";
    }
    return "Cannot read \"" + path + "\": it holds " + held + ", and " + limit.kind + " holds at most " +
           most + ".";
}

FileReadResult ReadFileWhole(const std::string& path, FileSizeLimit limit) {
    using Outcome = FileReadResult::Outcome;
    FileReadResult result;
    Descriptor fd(OpenRegularFile(path, result));
    if (fd.get() < 0) return result;
    const auto tooLarge = [&](std::uint64_t size) {
        return FileReadResult{Outcome::kUnreadable, {}, FileTooLargeMessage(path, size, limit)};
    };
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) return {Outcome::kUnreadable, {}, Failure("Cannot read", path, errno)};
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > limit.bytes) return tooLarge(size);
    result.text.reserve(size);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {Outcome::kUnreadable, {}, Failure("Cannot read", path, errno)};
        if (n == 0) return result;
        result.text.append(buffer, static_cast<size_t>(n));
        if (result.text.size() > limit.bytes) return tooLarge(result.text.size()); // it grew meanwhile
    }
}
