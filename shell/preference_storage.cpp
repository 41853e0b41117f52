#include "shell/preference_storage.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string FileIn(const std::string& folder) {
    return (fs::path(folder) / kPreferenceFileName).string();
}

// Whatever is there counts, not only a regular file: a fifo, folder or device in the place of the user's
// file is then read and reported, never passed over for the data folder's file and later replaced.
bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

} // namespace

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
    return FileIn(userFolder);
}

std::string WithIniExtension(const std::string& name) {
    return name.find(".ini") == std::string::npos ? name + ".ini" : name;
}
