#include "shell/preference_storage.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "shell/ephemeris_range.h"
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

// Debian's swe-basic-data and swe-standard-data: 600-year files from 5400 BC to AD 5400.
TEST(EphemerisRange, DebianFiles) {
    if (!fs::exists("/usr/share/libswe/ephe/seplm54.se1"))
        GTEST_SKIP() << "Debian ephemeris files not installed";
    const YearRange range = EphemerisYearRange("/usr/share/libswe/ephe");
    EXPECT_EQ(range.min, -5300);
    EXPECT_EQ(range.max, 5200);
}

} // namespace
