#include "core/data_folder.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include <swephexp.h>

#include "core/ayanamsa_cache.h"
#include "core/star_catalogue_copy.h"

namespace {

std::filesystem::path ExecutablePath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() / "bin" / "unknown" : path;
}

void SetEphemerisPath(const std::string& folder) {
    // The library opens each file from the first folder of its path that holds it: the checked star
    // catalogue stands before the folder's own.
    const std::string stars = CheckedStarFolder();
    const std::string path = stars.empty() ? folder : stars + ":" + folder;
    // swe_set_ephe_path keeps its own copy but takes a non-const pointer.
    std::vector<char> buffer(path.begin(), path.end());
    buffer.push_back('\0');
    swe_set_ephe_path(buffer.data());
    ForgetCachedAyanamsas();
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
    if (!StarCatalogueChecked()) UseCheckedStarCatalogue(EphemerisFolder());
    SetEphemerisPath(EphemerisFolder());
}

bool EphemerisFilesServe(const std::string& folder, bool moon, double jdUt) {
    SetEphemerisPath(folder);
    double x[6];
    char error[AS_MAXCH] = "";
    // Jupiter seen from the Sun needs the planet file alone; the Moon needs both files.
    const std::int32_t flags = moon ? swe_calc_ut(jdUt, SE_MOON, SEFLG_SWIEPH, x, error)
                                    : swe_calc_ut(jdUt, SE_JUPITER, SEFLG_SWIEPH | SEFLG_HELCTR, x, error);
    InitialiseEphemeris();
    return flags >= 0 && (flags & SEFLG_SWIEPH) != 0;
}

void CloseEphemeris() {
    swe_close();
    ForgetCachedAyanamsas();
}
