#include "core/data_folder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <swephexp.h>

#include "core/ayanamsa_cache.h"
#include "core/private_folder.h"
#include "core/star_catalogue_copy.h"

namespace fs = std::filesystem;

namespace {

fs::path ExecutablePath() {
    std::error_code ec;
    auto path = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() / "bin" / "unknown" : path;
}

// `name` in the private folder, whatever stood there removed; empty without a private folder.
fs::path FreshPrivatePath(const std::string& name) {
    std::string failure;
    const std::string& folder = PrivateFolder(failure);
    if (folder.empty()) return {};
    std::error_code ignored;
    fs::remove_all(fs::path(folder) / name, ignored);
    return fs::path(folder) / name;
}

// Hands the library `folders`, the first searched first. The library takes SE_EPHE_PATH from the
// environment in place of the path it is given, which would take it around the checked star catalogue:
// the variable goes first.
void SetLibraryPath(const std::vector<std::string>& folders) {
    ::unsetenv("SE_EPHE_PATH");
    std::string path;
    for (const std::string& folder : folders) path += (path.empty() ? "" : ":") + folder;
    // swe_set_ephe_path keeps its own copy but takes a non-const pointer.
    std::vector<char> buffer(path.begin(), path.end());
    buffer.push_back('\0');
    swe_set_ephe_path(buffer.data());
    ForgetCachedAyanamsas();
}

void SetEphemerisPath(const std::string& folder) {
    // The library opens each file from the first folder of its path that holds it: the checked star
    // catalogue stands before the folder's own.
    const std::string stars = CheckedStarFolder();
    // The library splits its path at some characters, and past its longest path it takes its built-in
    // one instead: such a folder is named through a link of short name.
    std::string reached = folder;
    if (LibrarySplitsPath(folder) || stars.size() + 1 + folder.size() > kLongestEphemerisPath) {
        const fs::path link = FreshPrivatePath("e");
        std::error_code ec;
        fs::create_directory_symlink(folder, link, ec);
        if (!ec) reached = link.string();
    }
    if (stars.empty()) return SetLibraryPath({reached});
    SetLibraryPath({stars, reached});
}

bool LibraryReadsFiles(std::int32_t flags) {
    return flags >= 0 && (flags & SEFLG_SWIEPH) != 0;
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

StarCatalogueCheck UseEphemerisFolder(const std::string& folder) {
    StarCatalogueCheck check = UseCheckedStarCatalogue(folder);
    SetEphemerisPath(folder);
    return check;
}

std::string LibraryEphemerisFolder() {
    return StarCatalogueChecked() ? CheckedEphemerisFolder() : EphemerisFolder();
}

void InitialiseEphemeris() {
    if (!StarCatalogueChecked()) UseCheckedStarCatalogue(EphemerisFolder());
    SetEphemerisPath(CheckedEphemerisFolder());
}

bool PlanetFileServes(const std::string& planetFile, double jdUt) {
    const fs::path file(planetFile);
    // Without a folder of its own the file is read where it lies, with its moon file.
    std::string folder = file.parent_path().string();
    const fs::path alone = FreshPrivatePath("planet-file");
    std::error_code ec;
    if (!alone.empty() && fs::create_directory(alone, ec)) {
        fs::create_symlink(fs::absolute(file, ec), alone / file.filename(), ec);
        if (!ec) folder = alone.string();
    }
    SetLibraryPath({folder});
    double x[6];
    char error[AS_MAXCH] = "";
    // Jupiter seen from the Sun needs the planet file alone (the Moon then comes from the built-in
    // ephemeris).
    const std::int32_t flags = swe_calc_ut(jdUt, SE_JUPITER, SEFLG_SWIEPH | SEFLG_HELCTR, x, error);
    InitialiseEphemeris();
    return LibraryReadsFiles(flags);
}

bool MoonFileServes(const std::string& folder, double jdUt) {
    SetEphemerisPath(folder);
    double x[6];
    char error[AS_MAXCH] = "";
    const std::int32_t flags = swe_calc_ut(jdUt, SE_MOON, SEFLG_SWIEPH, x, error);
    InitialiseEphemeris();
    return LibraryReadsFiles(flags);
}

void CloseEphemeris() {
    swe_close();
    ForgetCachedAyanamsas();
}
