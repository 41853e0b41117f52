// libFuzzer entry for the star catalogue check: whatever a catalogue holds, the Swiss Ephemeris reads
// the lines the check lets through whole, once: it neither crashes on them nor rereads the file at
// every star it is asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <swephexp.h>
#include <unistd.h>

#include "core/star_catalogue_check.h"
#include "tests/core/sparse_file.h"

namespace fs = std::filesystem;

namespace {

// A folder for the catalogue as found and one for what the library reads of it.
struct Folders {
    fs::path base = fs::temp_directory_path() / ("kh-star-fuzz-" + std::to_string(::getpid()));
    fs::path found, checked;
    Folders() {
        found = base / "found";
        checked = base / "checked";
        fs::create_directories(found);
        fs::create_directories(checked);
    }
    ~Folders() { fs::remove_all(base); }
};

void AskForStar(const char* star) {
    char name[2 * SE_MAX_STNAME + 1] = {};
    std::string(star).copy(name, sizeof name - 1);
    double position[6];
    char error[AS_MAXCH];
    swe_fixstar2(name, 2451545.0, SEFLG_SWIEPH, position, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folders folders;
    std::ofstream(folders.found / "sefstars.txt", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const StarCatalogueCheck check = CheckStarCatalogue(folders.found.string());
    std::ofstream(folders.checked / "sefstars.txt", std::ios::binary) << check.text;

    swe_close();
    std::string path = folders.checked.string();
    swe_set_ephe_path(path.data());
    AskForStar("Spica"); // the library reads the catalogue
    const std::uint64_t before = BytesReadByThisProcess();
    AskForStar(",alVir");
    AskForStar("NoSuchStar");
    // Each look at /proc/self/io reads some hundred bytes; a second reading of the catalogue, more.
    if (BytesReadByThisProcess() - before > 400 + check.text.size()) std::abort();
    return 0;
}
