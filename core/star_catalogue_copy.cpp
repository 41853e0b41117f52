#include "core/star_catalogue_copy.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <swephexp.h>

#include "core/ayanamsa.h"
#include "core/private_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCatalogueNames[] = {"sefstars.txt", "fixstars.cat"};

bool g_checked = false;
std::string g_checkedFolder; // the ephemeris folder of the check in force, and what it found wrong
std::string g_checkedFault;
bool g_copyWritten = false;
std::string g_refusal;

// Writes the check's text under the name the library looks for in `folder`; false with `failure` set
// when it cannot. A copy of an earlier check goes first, so the library never reads a stale one.
bool WriteCopyIn(const std::string& folder, const StarCatalogueCheck& check, std::string& failure) {
    std::error_code ignored;
    for (const char* name : kCatalogueNames) fs::remove(fs::path(folder) / name, ignored);
    // The anchor stars stand under the library's first name, before whatever the folder holds.
    const std::string name = check.read ? fs::path(check.path).filename().string() : kCatalogueNames[0];
    const fs::path copy = fs::path(folder) / name;
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out << check.text;
    out.close();
    if (out) return true;
    failure = "Cannot write \"" + copy.string() + "\": " + std::strerror(errno) + ".";
    fs::remove(copy, ignored);
    return false;
}

// Writes the copy to the private folder, which moves to the next place while the copy cannot be written
// where it stands (a full temporary folder).
bool WriteCopy(const StarCatalogueCheck& check, std::string& failure) {
    for (std::string folder = PrivateFolder(failure); !folder.empty();
         folder = PrivateFolderElsewhere(failure))
        if (WriteCopyIn(folder, check, failure)) return true;
    return false;
}

} // namespace

StarCatalogueCheck UseCheckedStarCatalogue(const std::string& ephemerisFolder) {
    StarCatalogueCheck check = CheckStarCatalogue(ephemerisFolder);
    swe_close(); // the library forgets the stars it has read, and its sidereal mode
    SetAyanamsaSettings(g_ayanamsaSettings);
    std::string failure;
    g_copyWritten = WriteCopy(check, failure);
    g_refusal.clear();
    if (!g_copyWritten && !check.asFound) {
        g_refusal = (check.fault.empty() ? "" : check.fault + "\n") + failure + " No star can be computed.";
    }
    g_checked = true;
    g_checkedFolder = ephemerisFolder;
    g_checkedFault = check.fault;
    return check;
}

bool StarCatalogueChecked() {
    return g_checked;
}

std::string StarCatalogueFault(const std::string& ephemerisFolder) {
    if (g_checked && ephemerisFolder == g_checkedFolder) return g_checkedFault;
    return CheckStarCatalogue(ephemerisFolder).fault;
}

std::string CheckedStarFolder() {
    std::string unused;
    return g_copyWritten ? PrivateFolder(unused) : std::string();
}

const std::string& CheckedEphemerisFolder() {
    return g_checkedFolder;
}

const std::string& StarCatalogueRefusal() {
    return g_refusal;
}
