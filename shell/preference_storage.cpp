#include "shell/preference_storage.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string FileIn(const std::string& folder) {
    return (fs::path(folder) / kPreferenceFileName).string();
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
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
