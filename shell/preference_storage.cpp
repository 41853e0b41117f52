#include "shell/preference_storage.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Failure(const std::string& what, const std::string& path, int error) {
    return what + " \"" + path + "\": " + std::strerror(error);
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

std::string FileIn(const std::string& folder) {
    return (fs::path(folder) / kPreferenceFileName).string();
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

FileWriteResult WriteFileWhole(const std::string& path, const std::string& text) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return {false, Failure("Cannot create a file beside", path, errno)};
    const std::string temporary(name.data());

    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return {false, Failure("Cannot write", path, written ? errno : writeError)};
    }
    ::chmod(temporary.c_str(), 0644); // mkstemp creates it private
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return {false, Failure("Cannot replace", path, error)};
    }
    return {};
}

std::string UserPreferencesFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (config && *config) {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : ".") / ".config";
    }
    return (base / "kalomithra-hora").string();
}

std::string PreferencesPathForReading(const std::string& dataFolder, const std::string& userFolder) {
    return Exists(FileIn(userFolder)) ? FileIn(userFolder) : FileIn(dataFolder);
}

std::string PreferencesPathForWriting(const std::string& dataFolder, const std::string& userFolder) {
    if (!Exists(FileIn(userFolder)) && ::access(dataFolder.c_str(), W_OK) == 0) return FileIn(dataFolder);
    std::error_code ec;
    fs::create_directories(userFolder, ec); // a failure shows when the file is written
    return FileIn(userFolder);
}

std::string WithIniExtension(const std::string& name) {
    return name.find(".ini") == std::string::npos ? name + ".ini" : name;
}
