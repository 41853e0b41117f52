#include "shell/preference_storage.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/data_folder.h"
#include "shell/ephemeris_range.h"
#include "shell/preferences.h"
#include "shell_test_helpers.h"
#include "tests/core/fifo_file.h"

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("kh-prefs-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::string str() const { return path_.string(); }
    void Touch(const std::string& name) const { std::ofstream(path_ / name) << "x"; }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

TEST(PreferenceStorage, FileIsKeptInTheUsersFolderWhenTheDataFolderIsNotWritable) {
    TempFolder data, user;
    EXPECT_EQ(PreferencesPathForWriting(data.str(), user / "kh"), data / "tavro.ini");
    EXPECT_EQ(PreferencesPathForReading(data.str(), user / "kh"), data / "tavro.ini");

    // A data folder that cannot be written (here: a path through a plain file).
    data.Touch("plain");
    const std::string unwritable = data / "plain/tvcore";
    EXPECT_EQ(PreferencesPathForWriting(unwritable, user / "kh"), user / "kh/tavro.ini");

    // Once the user's copy exists, it is read first and saved to, whatever the data folder.
    fs::create_directory(user / "kh");
    std::ofstream(user / "kh/tavro.ini") << "";
    EXPECT_EQ(PreferencesPathForReading(data.str(), user / "kh"), user / "kh/tavro.ini");
    EXPECT_EQ(PreferencesPathForWriting(data.str(), user / "kh"), user / "kh/tavro.ini");
}

TEST(PreferenceStorage, UsersFolderFollowsXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(UserPreferencesFolder(), "/tmp/cfg/kalomithra-hora");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_NE(UserPreferencesFolder().find("/.config/kalomithra-hora"), std::string::npos);
    if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST(PreferenceStorage, IniExtension) {
    EXPECT_EQ(WithIniExtension("/home/a/mine"), "/home/a/mine.ini");
    EXPECT_EQ(WithIniExtension("/home/a/mine.ini"), "/home/a/mine.ini");
    EXPECT_EQ(WithIniExtension("/home/a/mine.ini.bak"), "/home/a/mine.ini.bak");
}

TEST(EphemerisRange, FollowsTheFilesPresent) {
    struct Case {
        std::vector<std::string> files;
        YearRange expected;
    };
    const Case kCases[] = {
        {{}, {-2900, 2800}},
        {{"seplm132.se1", "semom132.se1", "sepl_162.se1"}, {-2900, 2800}}, // three of the four
        {{"seplm132.se1", "semom132.se1", "sepl_162.se1", "semo_162.se1"}, {-12900, 16600}},
        {{"sepl_18.se1", "semo_18.se1"}, {-2900, 2800}}, // the analytical range is wider
        {{"sepl_18.se1", "semo_18.se1", "sepl_24.se1", "semo_24.se1", "sepl_30.se1", "semo_30.se1"},
         {-2900, 3400}},
        {{"sepl_18.se1", "sepl_24.se1", "semo_24.se1", "sepl_30.se1", "semo_30.se1"},
         {-2900, 2800}}, // no moon
        {{"seplm36.se1", "semom36.se1", "seplm30.se1", "semom30.se1", "seplm24.se1",
          "semom24.se1", "seplm18.se1", "semom18.se1", "seplm12.se1", "semom12.se1",
          "seplm06.se1", "semom06.se1", "sepl_00.se1", "semo_00.se1", "sepl_06.se1",
          "semo_06.se1", "sepl_12.se1", "semo_12.se1", "sepl_18.se1", "semo_18.se1"},
         {-3500, 2800}},
    };
    for (const auto& c : kCases) {
        TempFolder folder;
        for (const auto& file : c.files) folder.Touch(file);
        const YearRange range = EphemerisYearRange(folder.str());
        SCOPED_TRACE(testing::PrintToString(c.files));
        EXPECT_EQ(range.min, c.expected.min);
        EXPECT_EQ(range.max, c.expected.max);
    }
}

TEST(EphemerisRange, AFifoAmongTheFilesIsNotWaitedOn) {
    TempFolder folder;
    folder.Touch("sepl_18.se1");
    FifoFile moon(folder / "semo_18.se1");
    ASSERT_TRUE(moon.made());
    const YearRange range = moon.ReadAside([&] { return EphemerisYearRange(folder.str()); });
    EXPECT_FALSE(moon.readerWaited());
    EXPECT_EQ(range.min, -2900); // as without the moon's file
    EXPECT_EQ(range.max, 2800);
}

// At start-up the program names each atlas or ephemeris file that is missing or damaged, and says
// what still works; with its own files it says nothing.
TEST(DataFolderNotice, NamesMissingAndDamagedFilesAndWhatStillWorks) {
    const std::string debian = "/usr/share/libswe/ephe";
    if (!fs::exists(debian + "/seplm06.se1")) GTEST_SKIP() << "Debian ephemeris files not installed";
    EXPECT_EQ(DataFolderNotice(AtlasFilePath(), EphemerisFolder()), "");

    TempFolder folder;
    const std::string atlas = folder / "tvworld.adb", ephe = folder / "ephe";
    fs::create_directory(ephe);
    const auto link = [&](const std::string& name) {
        fs::create_symlink(debian + "/" + name, ephe + "/" + name);
    };
    link("sepl_18.se1");
    link("semo_18.se1");
    link("semom06.se1");
    link("sepl_24.se1"); // without its moon
    const auto cutShort = [&](const std::string& name, std::size_t bytes) {
        std::ifstream whole(debian + "/" + name, std::ios::binary);
        std::string head(bytes, '\0');
        whole.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(ephe + "/" + name, std::ios::binary) << head;
    };
    cutShort("seplm06.se1", 20000);
    // A damaged moon file beside a sound planet file: the library names the planet file for both.
    link("sepl_12.se1");
    cutShort("semo_12.se1", 652385);
    // Where the built-in Moon cannot stand in for the moon file, the two cannot be told apart.
    link("seplm48.se1");
    cutShort("semom48.se1", 652385);
    FifoFile special(ephe + "/semo_30.se1");
    link("sepl_30.se1");
    ASSERT_TRUE(special.made());
    std::ofstream(atlas) << "no atlas at all";

    const std::string notice = special.ReadAside([&] {
        std::string found = DataFolderNotice(atlas, ephe);
        CloseEphemeris();
        return found;
    });
    EXPECT_FALSE(special.readerWaited());
    const std::string kParts[] = {
        "The atlas of places \"" + atlas + "\" is damaged: places cannot be looked up",
        "longitude, latitude and time zone can still be typed in",
        "\"" + ephe + "/seplm06.se1\" is damaged (years -600 to -1)",
        "\n\"" + ephe + "/semo_12.se1\" is damaged (years 1200 to 1799)",
        "\"" + ephe + "/seplm48.se1\" or \"" + ephe + "/semom48.se1\" is damaged (years -4800 to -4201)",
        "\"semo_24.se1\" is missing beside \"sepl_24.se1\" (years 2400 to 2999)",
        "\"" + ephe + "/semo_30.se1\": it is not a regular file (a fifo) (years 3000 to 3599)",
        "charts of all other years are calculated as usual",
    };
    for (const std::string& part : kParts)
        EXPECT_NE(notice.find(part), std::string::npos) << part << "\n" << notice;
    for (const char* sound : {"sepl_18", "semo_18", "semom06", "sepl_12"})
        EXPECT_EQ(notice.find(sound), std::string::npos) << sound << "\n" << notice;

    fs::remove_all(ephe);
    fs::create_directory(ephe);
    const std::string empty = DataFolderNotice(folder / "none.adb", ephe);
    EXPECT_NE(empty.find("\"" + folder / "none.adb" + "\" is missing or cannot be read"), std::string::npos)
        << empty;
    EXPECT_NE(empty.find("\"" + ephe + "\" holds no Swiss Ephemeris files"), std::string::npos) << empty;
    EXPECT_NE(empty.find("dates run from 2900 BC to AD 2800 only"), std::string::npos) << empty;
}

// Debian's swe-basic-data and swe-standard-data: 600-year files from 5400 BC to AD 5400.
TEST(EphemerisRange, DebianFiles) {
    if (!fs::exists("/usr/share/libswe/ephe/seplm54.se1"))
        GTEST_SKIP() << "Debian ephemeris files not installed";
    const YearRange range = EphemerisYearRange("/usr/share/libswe/ephe");
    EXPECT_EQ(range.min, -5300);
    EXPECT_EQ(range.max, 5200);
}

} // namespace
