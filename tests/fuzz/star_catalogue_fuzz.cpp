// libFuzzer entry for the star catalogue check: whatever a catalogue holds, the Swiss Ephemeris reads
// the lines the check lets through whole, once: it neither crashes on them nor rereads the file at
// every star it is asked for; and it places them rightly: it finds every one of their stars by its
// nomenclature, at a place that is a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

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

// True when the library finds the star and gives it a place that is a number, away from the epoch of
// the catalogue (where a number out of all measure may still leave the place whole).
bool AskForStar(const std::string& star) {
    char name[2 * SE_MAX_STNAME + 1] = {};
    star.copy(name, sizeof name - 1);
    double position[6];
    char error[AS_MAXCH];
    return swe_fixstar2(name, 2460000.5, SEFLG_SWIEPH, position, error) >= 0 && std::isfinite(position[0]) &&
           std::isfinite(position[1]);
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
    for (std::size_t start = 0; start < check.text.size();) {
        const std::size_t end = check.text.find('\n', start);
        if (end == std::string::npos) std::abort(); // every line the library is given ends
        const std::string_view line = std::string_view(check.text).substr(start, end - start + 1);
        start = end + 1;
        if (!IsStarLine(line)) continue;
        const std::string_view nomenclature =
            WithoutBlanks(StarLineFields(StarLineBody(line))[kStarNomenclature]);
        if (!AskForStar("," + std::string(nomenclature))) std::abort();
    }
    return 0;
}
