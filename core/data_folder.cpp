#include "core/data_folder.h"

#include <filesystem>
#include <vector>

#include <swephexp.h>

#include "core/ayanamsa_cache.h"

namespace {

std::filesystem::path ExecutablePath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() / "bin" / "unknown" : path;
}

} // namespace

std::string InstallationFolder() {
    return ExecutablePath().parent_path().parent_path().string();
}

std::string DataFolder() {
    return InstallationFolder() + "/tvcore";
}

std::string EphemerisFolder() {
    return DataFolder() + "/ephe";
}

std::string AtlasFilePath() {
    return DataFolder() + "/atlas/tvworld.adb";
}

void InitialiseEphemeris() {
    // swe_set_ephe_path keeps its own copy but takes a non-const pointer.
    std::string path = EphemerisFolder();
    std::vector<char> buffer(path.begin(), path.end());
    buffer.push_back('\0');
    swe_set_ephe_path(buffer.data());
    ForgetCachedAyanamsas();
}

void CloseEphemeris() {
    swe_close();
    ForgetCachedAyanamsas();
}
