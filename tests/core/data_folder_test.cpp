#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/ayanamsa_cache.h"
#include "core/data_folder.h"
#include "core/ephemeris_flags.h"
#include "tests/core/ephemeris_folder_copy.h"

namespace fs = std::filesystem;

namespace {

TEST(DataFolder, BuildTreeHasTheInstalledShape) {
    EXPECT_EQ(fs::path(DataFolder()).filename(), "tvcore");
    EXPECT_TRUE(fs::exists(fs::path(EphemerisFolder()) / "sepl_18.se1")) << EphemerisFolder();
}

// A star line no other catalogue holds.
std::string StarOfItsOwn(const std::string& nomenclature) {
    return "Mine," + nomenclature + ",ICRS,01,00,00,+10,00,00,0,0,0,10,5\n";
}

bool LibraryFinds(const std::string& star) {
    StarPlace place;
    return LibraryStarPlace(star, 2451545.0, kFlagSidereal, place).ok();
}

// The library takes the folders of SE_EPHE_PATH in place of the path it is given: a catalogue there went
// around the check, and one ending in a stray byte crashed every start. The program's folder stands.
TEST(EphemerisPath, TheEnvironmentNeverTakesTheLibraryElsewhere) {
    const EphemerisFolderCopy elsewhere(fs::temp_directory_path() /
                                        ("kh-env-ephe-" + std::to_string(::getpid())));
    std::ofstream(elsewhere.Catalogue()) << StarOfItsOwn("xxEnv");
    ::setenv("SE_EPHE_PATH", elsewhere.Path().c_str(), 1);
    UseEphemerisFolder(LibraryEphemerisFolder());
    EXPECT_FALSE(LibraryFinds(",xxEnv"));
    EXPECT_TRUE(LibraryFinds(",alVir"));
    EXPECT_EQ(std::getenv("SE_EPHE_PATH"), nullptr);
    ::unsetenv("SE_EPHE_PATH");
    UseEphemerisFolder(LibraryEphemerisFolder());
}

// The library takes a path of at most 242 characters, else its built-in one without a word: an ephemeris
// folder of 209 characters behind the private folder lost the user's stars. Folders of any length are
// read.
TEST(EphemerisPath, AnEphemerisFolderOfAnyLengthIsTheOneRead) {
    const std::string kept = LibraryEphemerisFolder();
    const fs::path base = fs::temp_directory_path() / ("kh-long-" + std::to_string(::getpid()));
    for (const std::size_t length : {209u, 240u, 300u}) {
        SCOPED_TRACE(length);
        std::string path = base.string();
        ASSERT_LT(path.size() + 2, length);
        while (path.size() < length) {
            const std::size_t room = length - path.size() - 1; // a name may hold 255 bytes at most
            path += "/" + std::string(room > 100 ? 60 : room, 'e');
        }
        const EphemerisFolderCopy folder(path);
        ASSERT_EQ(folder.Path().size(), length);
        const std::string star = "xxLong" + std::to_string(length);
        std::ofstream(folder.Catalogue()) << StarOfItsOwn(star);
        UseEphemerisFolder(folder.Path());
        EXPECT_TRUE(LibraryFinds("," + star));
    }
    UseEphemerisFolder(kept);
    fs::remove_all(base);
}

// The library splits its path at ':' and ';' and ends it at a line end: an installation under such a
// folder lost its ephemeris files (every planet and moon file was named damaged, and the chart came from
// the library's built-in ephemeris).
TEST(EphemerisPath, AnEphemerisFolderWhosePathHoldsASeparatorIsTheOneRead) {
    const fs::path base = fs::temp_directory_path() / ("kh-separator-" + std::to_string(::getpid()));
    for (const char* installation :
         {"co:lon/inst", "se;mi/inst", "a:b;c/inst", "new\nline/inst", "carriage\rreturn/inst"}) {
        SCOPED_TRACE(installation);
        const EphemerisFolderCopy folder(base / installation / "tvcore/ephe");
        EXPECT_TRUE(MoonFileServes(folder.Path(), 2451545.0));
    }
    fs::remove_all(base);
}

} // namespace
