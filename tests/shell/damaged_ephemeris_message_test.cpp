#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/chart_core.h"
#include "core/data_folder.h"
#include "core/ephemeris_flags.h"
#include "core/fixed_stars.h"
#include "core/option_snapshot.h"
#include "shell/preferences.h"
#include "tests/core/core_test_helpers.h"
#include "tests/core/ephemeris_folder_copy.h"

namespace fs = std::filesystem;

namespace {

constexpr double kJan2025 = 2460676.5; // 2025-01-01 0h UT, within sepl_18 and semo_18

// A sound planet file beside a moon file cut in half. Once the library has opened the moon file it
// blames the planet file for each failure ("Ephemeris file .../sepl_18.se1 is damaged (2)."): the first
// chart said so while the start-up notice named the moon file. Every message names the moon file, in the
// ephemeris folder, also where the library reaches that folder through a link in the private folder
// (its path holds a character where the library splits its path): the messages named the link.
TEST(DamagedEphemerisFile, EveryMessageNamesTheFileTheCheckFoundDamaged) {
    CScopedOptions options;
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    for (const char* name : {"kh-damaged-moon-", "kh-damaged:moon-", "kh-damaged\nmoon-"}) {
        SCOPED_TRACE(name);
        EphemerisFolderCopy ephe(fs::temp_directory_path() / (name + std::to_string(::getpid())));
        {
            std::ifstream whole(fs::path(EphemerisFolder()) / "semo_18.se1", std::ios::binary);
            std::string half(fs::file_size(fs::path(EphemerisFolder()) / "semo_18.se1") / 2, '\0');
            whole.read(half.data(), static_cast<std::streamsize>(half.size()));
            fs::remove(fs::path(ephe.Path()) / "semo_18.se1");
            std::ofstream(fs::path(ephe.Path()) / "semo_18.se1", std::ios::binary) << half;
        }
        LoadFixedStarList(ephe.Path());
        const std::string moonFile = (fs::path(ephe.Path()) / "semo_18.se1").string();
        const std::string notice = DataFolderNotice(AtlasFilePath(), ephe.Path());
        EXPECT_NE(notice.find("\"" + moonFile + "\" is damaged (years 1800 to 2399)"), std::string::npos)
            << notice;

        CChartCore chart = ChartAt(kJan2025, 0.0, 0.0);
        const CalcStatus planets = chart.CalcPlanets();
        const CalcValue star = CalcStarCorrection(*StarAnchorOf(kAyanamsaTrueLahiri), kJan2025,
                                                  SetTopocentric(0, 0, 0) | kFlagSidereal);
        for (const std::string& message : {planets.error, star.status.error}) {
            EXPECT_NE(message.find("Ephemeris file " + moonFile + " is damaged"), std::string::npos)
                << message;
            EXPECT_EQ(message.find("sepl_18"), std::string::npos) << message;
        }
    }
    LoadFixedStarList();
}

} // namespace
