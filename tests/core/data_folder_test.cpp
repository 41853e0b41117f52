#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/ayanamsa_cache.h"
#include "core/data_folder.h"
#include "core/ephemeris_flags.h"
#include "core/private_folder.h"
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

// Each copy of the program holds a lock on its private folder for as long as it runs. A copy that starts
// removes the folders whose lock it can take, those of copies gone without their exit, and no other:
// asking whether a process of the folder's number still lived removed the folders of copies running in
// another process namespace.
TEST(PrivateFolder, AStartRemovesTheFoldersOfCopiesGoneAndNoOther) {
    std::string failure;
    const std::string own = PrivateFolder(failure);
    ASSERT_FALSE(own.empty()) << failure;
    const int ownLock = ::open((own + "/lock").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(ownLock, 0);
    EXPECT_NE(::flock(ownLock, LOCK_EX | LOCK_NB), 0); // this copy holds it
    ::close(ownLock);

    const fs::path temporary = fs::temp_directory_path() / ("kh-copies-" + std::to_string(::getpid()));
    fs::remove_all(temporary);
    for (const char* folder : {"kh-stars-gone01", "kh-stars-runs01", "kh-stars-made01"})
        fs::create_directories(temporary / folder);
    std::ofstream(temporary / "kh-stars-gone01/lock");
    std::ofstream(temporary / "kh-stars-runs01/lock");
    const int running = ::open((temporary / "kh-stars-runs01/lock").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(running, LOCK_EX | LOCK_NB), 0); // a copy elsewhere, running

    // Another copy starts with its temporary folder there, and ends.
    const pid_t copy = ::fork();
    ASSERT_GE(copy, 0);
    if (copy == 0) {
        ::setenv("TMPDIR", temporary.c_str(), 1);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::execl("/proc/self/exe", "core_tests", "--gtest_filter=DataFolder.BuildTreeHasTheInstalledShape",
                static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(copy, &status, 0), copy);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ::close(running);

    EXPECT_FALSE(fs::exists(temporary / "kh-stars-gone01"));
    EXPECT_TRUE(fs::exists(temporary / "kh-stars-runs01"));
    EXPECT_TRUE(fs::exists(temporary / "kh-stars-made01")); // no lock yet: being made
    EXPECT_EQ(std::distance(fs::directory_iterator(temporary), fs::directory_iterator()),
              2) // the copy's own went
        << temporary;
    fs::remove_all(temporary);
}

} // namespace
