#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/data_folder.h"
#include "core/fixed_stars.h"
#include "core/option_appliers.h"
#include "core/varga_options.h"
#include "shell/calculation_presets.h"
#include "shell/display_options.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"
#include "shell/window_sizes.h"
#include "shell_test_helpers.h"
#include "tests/core/fifo_file.h"

namespace fs = std::filesystem;

namespace {

std::string FormatCurrent() {
    return FormatPreferences(PreferenceKeys());
}

// The option state as the program starts, before any test changes it.
class StartValues : public testing::Environment {
public:
    void SetUp() override { text = FormatCurrent(); }
    static inline std::string text;
};
[[maybe_unused]] testing::Environment* const kStartValues =
    testing::AddGlobalTestEnvironment(new StartValues);

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class PreferenceFile : public testing::Test {
protected:
    PreferenceFile() {
        folder = fs::temp_directory_path() / ("kh-pref-file-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        ApplyPreferenceDefaults(PreferenceKeys());
        g_bWindowSizesSaved = false;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
    }
    ~PreferenceFile() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }
    std::string Save(const std::string& name = "tavro.ini") {
        EXPECT_TRUE(WritePreferencesFile(Path(name)).ok);
        return Slurp(Path(name));
    }
    void ReadText(const std::string& text) {
        std::ofstream(Path("in.ini"), std::ios::binary) << text;
        ASSERT_EQ(ReadPreferencesFile(Path("in.ini")).state, PreferenceFileState::kRead);
    }

    fs::path folder;
};

TEST_F(PreferenceFile, DefaultFileHoldsEverySectionInOrderWithEveryKey) {
    const std::string file = Save();
    std::vector<std::string> sections;
    std::map<std::string, std::set<std::string>> keys;
    for (const auto& line : Lines(file)) {
        if (line.starts_with("["))
            sections.push_back(line);
        else if (!line.empty())
            keys[sections.back()].insert(line.substr(0, line.find('=')));
    }
    EXPECT_EQ(sections,
              (std::vector<std::string>{"[Directory]", "[CalculationPreferences]", "[DisplayPreferences]",
                                        "[CurrentState]", "[Address]", "[BodiesToShow]", "[Colors]"}));
    EXPECT_EQ(keys["[Directory]"].size(), 2u);
    EXPECT_EQ(keys["[CalculationPreferences]"].size(), 141u);
    EXPECT_EQ(keys["[DisplayPreferences]"].size(), 11u);
    EXPECT_EQ(keys["[CurrentState]"].size(), 43u);
    EXPECT_EQ(keys["[Address]"].size(), 1u);
    EXPECT_EQ(keys["[BodiesToShow]"].size(), 30u);
    EXPECT_EQ(keys["[Colors]"].size(), 125u);
    EXPECT_TRUE(file.starts_with("[Directory]\n\nTavroDirectory="));
    EXPECT_NE(file.find("\n\n[CalculationPreferences]\n\nDefaultLongitude="), std::string::npos);

    // Defaults the program writes into a new preference file.
    for (const char* line : {"TavroVersion=8.0.0.0",
                             "DefaultLongitude=-75.768333",
                             "DefaultLatitude=23.180000",
                             "DefaultAltitude=491.000000",
                             "DefaultTimeZone=-5.500000",
                             "DefaultSummerTimeZone=-5.500000",
                             "DefaultLocationCountryCode=105",
                             "DefaultLocationCityName=Ujjain",
                             "HoraPreference=6",
                             "UpagrahaRiseMethod=5 0",
                             "UserSelectedAyanamsa=17",
                             "DeltaFromUserSelectedAyanamsa=0.000000",
                             "UseDasaSeedFromNatalInTajaka=44 1",
                             "UseDasaSeedFromNatalInTajaka=45 0",
                             "ProgressDasaSeedInTajaka=45 1",
                             "YearDefinition=74 3",
                             "YearLength=0 365.242190",
                             "LifeCycleYears=144.000000",
                             "KalachakraDasaCalculation=5",
                             "AspectValueMax=60.000000",
                             "CustomStarCode=,alVir",
                             "PushkaraBhagaJP=1",
                             "ChartLanguage=2",
                             "MaskedPrintPageMap=2047",
                             "FontSizeSelection=3",
                             "RasiDasaToBeDisplayed=25",
                             "DisplayVarga=2 16",
                             "DisplayVarga=14 0",
                             "SpecialLagnaName=Su5",
                             "SpecialPointName=Special Point",
                             "SpecialPointSymbol=SP",
                             "AmsaRulerVarga=25",
                             "NakshatraDasaStartPoint=12 4",
                             "NakshatraDasaStartPoint=11 0",
                             "TranTimeAdjBase=4",
                             "DmDnChartDm=9",
                             "BodyTypeOuterPlanet=0",
                             "BodyTypeYoga=1",
                             "ShowNodesInCharts=1",
                             "ShowOuterPlanetsInCharts=0",
                             "ShowMandiInCharts=1",
                             "ColorListViewTitle=4066421",
                             "ColorSelectedTab=210"}) {
        EXPECT_NE(file.find(std::string("\n") + line + "\n"), std::string::npos) << line;
    }
}

TEST_F(PreferenceFile, ReadingTheSavedFileAndSavingAgainGivesTheSameBytes) {
    const std::string first = Save("first.ini");
    g_nHoraPreference = 2;
    g_dDasaYearLength[7] = 360;
    g_colors[5] = g_savedColors[5] = 1;
    ASSERT_EQ(ReadPreferencesFile(Path("first.ini")).state, PreferenceFileState::kRead);
    EXPECT_EQ(Save("second.ini"), first);

    // And with every value away from its default.
    g_strDefaultLocationCityName = "Rio de Janeiro";
    g_strJyotishiAddress = "Name\nStreet 1\nTown";
    g_dDefaultLongitude = 43.2;
    g_nPaneVarga[14] = 28;
    g_bWindowSizesSaved = true;
    g_windowSizes[1] = {"WndSzClient", 1280, 1024};
    const std::string changed = Save("third.ini");
    ApplyPreferenceDefaults(PreferenceKeys());
    ASSERT_EQ(ReadPreferencesFile(Path("third.ini")).state, PreferenceFileState::kRead);
    EXPECT_EQ(Save("fourth.ini"), changed);
    EXPECT_EQ(g_strDefaultLocationCityName, "Rio de Janeiro");
    EXPECT_NE(changed.find("\nDefaultLocationCityName=Rio^de^Janeiro\n"), std::string::npos);
    EXPECT_NE(changed.find("\nJyotishiAddress=Name^~^Street 1^~^Town\n"), std::string::npos);
}

TEST_F(PreferenceFile, StartValuesOfTheGlobalsAreTheirDefaults) {
    // Objects that start empty and take their defaults at start-up.
    const std::set<std::string> startEmpty = {"DefaultLongitude",        "DefaultLatitude",
                                              "DefaultAltitude",         "DefaultTimeZone",
                                              "DefaultSummerTimeZone",   "DefaultLocationCountryCode",
                                              "DefaultLocationCityName", "DefaultLocationCountryName",
                                              "TavroDirectory"};
    const auto start = Lines(StartValues::text);
    const auto defaults = Lines(FormatCurrent());
    ASSERT_EQ(start.size(), defaults.size());
    for (size_t i = 0; i < start.size(); ++i) {
        const std::string key = start[i].substr(0, start[i].find('='));
        if (startEmpty.count(key) || key.starts_with("Show") || key.starts_with("WndSz")) continue;
        EXPECT_EQ(start[i], defaults[i]);
    }
}

TEST_F(PreferenceFile, ReadingRulesOnTheRealKeys) {
    ReadText(
        "[Colors]\nTrueNodes=5\nAmsaRulerVarga=22\ncolorselectedtab=1\nFontSizeSelection=9\nYearLength=3 0\n"
        "YearLength=4 354.36708\nDisplayVarga=15 3\nDisplayVarga=1 29\nMoreChartsOnBigDisplay=0\n");
    EXPECT_TRUE(g_bTrueNodes);
    EXPECT_EQ(g_nAmsaRulerVarga, 1);
    EXPECT_EQ(g_savedColors[124], g_defaultColors[124]);
    EXPECT_EQ(g_nFontSizeSelection, 3);
    EXPECT_DOUBLE_EQ(g_dDasaYearLength[3], kMeanTropicalYearDays);
    EXPECT_DOUBLE_EQ(g_dDasaYearLength[4], 354.36708);
    EXPECT_EQ(g_nPaneVarga[1], 1);
    EXPECT_FALSE(g_bMoreChartsOnBigDisplay);
    EXPECT_FALSE(g_bMoreChartsOnWideDisplay);

    ReadText("TrueNodes=\nAmsaRulerVarga=25\nColorSelectedTab=255\nDefaultLongitude=-77.208889\n");
    EXPECT_FALSE(g_bTrueNodes);
    EXPECT_EQ(g_nAmsaRulerVarga, 25);
    EXPECT_EQ(g_colors[124], 255u);
    EXPECT_EQ(g_savedColors[124], 255u);
    // Split on reading: 77 deg 12' 32" east.
    EXPECT_EQ(g_defaultLongitude.m_bPositive, 0);
    EXPECT_EQ(g_defaultLongitude.m_nDegrees, 77);
    EXPECT_EQ(g_defaultLongitude.m_nMinutes, 12);
    EXPECT_NEAR(g_defaultLongitude.m_dSeconds, 32.0, 0.01);
}

// Every number the file holds has its range: a value far outside it takes the default, so that the
// saved file is the file of defaults again (a correction of 1e300 once put every body at -0.0 degrees
// and was saved back).
TEST_F(PreferenceFile, EveryNumberOutsideItsRangeTakesTheDefault) {
    const std::string defaults = FormatCurrent();
    for (const auto& key : PreferenceKeys()) {
        const auto& b = key.binding;
        const bool indexed =
            std::holds_alternative<IntListBinding>(b) || std::holds_alternative<DoubleListBinding>(b);
        std::vector<std::string> values;
        if (std::holds_alternative<IntBinding>(b) || std::holds_alternative<IntListBinding>(b) ||
            std::holds_alternative<ColorBinding>(b))
            values = {"-2147483648"};
        else if (std::holds_alternative<DoubleBinding>(b) ||
                 std::holds_alternative<DoubleAccessorBinding>(b) ||
                 std::holds_alternative<DoubleListBinding>(b))
            values = {"1e300", "-1e300"};
        else if (std::holds_alternative<SizeBinding>(b))
            values = {"-2147483648 0", "0 2147483647"};
        for (const auto& value : values) {
            SCOPED_TRACE(key.key + "=" + value);
            std::istringstream line(key.key + "=" + (indexed ? "0 " : "") + value + "\n");
            ReadPreferenceLines(line, PreferenceKeys());
            EXPECT_EQ(FormatCurrent(), defaults);
        }
    }
    EXPECT_EQ(g_ayanamsaSettings.m_correction.m_nDegrees, 0);
}

TEST_F(PreferenceFile, DevaDattaCorrectionIsSavedAsEntered) {
    ReadText("UserSelectedAyanamsa=3\nDeltaFromUserSelectedAyanamsa=0.5\n");
    EXPECT_NEAR(g_ayanamsaSettings.m_correction.m_dValue, 0.5 - kDevaDattaShift, 1e-12);
    EXPECT_NE(Save().find("\nDeltaFromUserSelectedAyanamsa=0.500000\n"), std::string::npos);
}

TEST_F(PreferenceFile, ReadingAFileWithoutTheCorrectionShiftsDevaDattaOnlyOnce) {
    ReadText("UserSelectedAyanamsa=3\nDeltaFromUserSelectedAyanamsa=0.5\n");
    ReadText("HoraPreference=2\n"); // an imported file that says nothing of the ayanamsa
    EXPECT_NEAR(g_ayanamsaSettings.m_correction.m_dValue, 0.5 - kDevaDattaShift, 1e-12);
    EXPECT_NE(Save().find("\nDeltaFromUserSelectedAyanamsa=0.500000\n"), std::string::npos);
}

TEST_F(PreferenceFile, WindowSizesAreWrittenOnlyOnceSaved) {
    EXPECT_EQ(Save().find("[WindowSizes]"), std::string::npos);
    ReadText("WndSzClient=1280 1024\n");
    EXPECT_TRUE(g_bWindowSizesSaved);
    EXPECT_EQ(g_windowSizes[1].cx, 1280);
    const std::string file = Save();
    const auto at = file.find("\n\n[WindowSizes]\n\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Lines(file.substr(at + 17)).size(), 52u);
    EXPECT_NE(file.find("\nWndSzClient=1280 1024\n"), std::string::npos);
}

TEST_F(PreferenceFile, AMissingFileChangesNothing) {
    g_nHoraPreference = 2;
    EXPECT_EQ(ReadPreferencesFile(Path("missing.ini")).state, PreferenceFileState::kMissing);
    EXPECT_EQ(g_nHoraPreference, 2);
}

TEST_F(PreferenceFile, AFifoInThePlaceOfTheFileIsUnreadableAndNamed) {
    FifoFile fifo(Path("pipe.ini"));
    ASSERT_TRUE(fifo.made());
    const PreferenceFileRead read = fifo.ReadAside([&] { return ReadPreferencesFile(fifo.path()); });
    EXPECT_EQ(read.state, PreferenceFileState::kUnreadable);
    EXPECT_NE(read.message.find("pipe.ini\": it is not a regular file"), std::string::npos) << read.message;
}

TEST_F(PreferenceFile, DamagedFilesNeverCrashAndAFailedSaveKeepsTheGoodFile) {
    const std::string good = Save();
    for (size_t cut = 0; cut < good.size(); cut += 97) {
        std::string damaged = good.substr(0, cut);
        damaged += std::string("\0\xff=\n[", 5) + good.substr(cut, 40);
        std::ofstream(Path("in.ini"), std::ios::binary) << damaged;
        const PreferenceFileState state = ReadPreferencesFile(Path("in.ini")).state;
        EXPECT_TRUE(state == PreferenceFileState::kRead || state == PreferenceFileState::kHoldsNoKey);
    }
    ApplyPreferenceDefaults(PreferenceKeys());
    fs::create_directory(Path("blocked.ini"));
    EXPECT_FALSE(WritePreferencesFile(Path("blocked.ini")).ok);
    EXPECT_EQ(Slurp(Path("tavro.ini")), good);
}

TEST_F(PreferenceFile, ImportAndExportThroughTheChosenFile) {
    g_nChartStyle = 4;
    const auto exported = ExportPreferences([&](bool forImport) {
        EXPECT_FALSE(forImport);
        return std::optional<std::string>(Path("mine"));
    });
    ASSERT_TRUE(exported && exported->ok);
    EXPECT_TRUE(fs::exists(Path("mine.ini")));
    g_nChartStyle = 0;
    const auto imported =
        ImportPreferences([&](bool) { return std::optional<std::string>(Path("mine.ini")); });
    ASSERT_TRUE(imported);
    EXPECT_EQ(imported->state, PreferenceFileState::kRead);
    EXPECT_EQ(imported->message, "");
    EXPECT_EQ(g_nChartStyle, 4);
    EXPECT_FALSE(ImportPreferences([](bool) { return std::optional<std::string>(); }));
    EXPECT_FALSE(ExportPreferences([](bool) { return std::optional<std::string>(); }));
}

TEST(InitPreferences, StartsFromDefaultsThenTheUsersFileThenTheSideEffects) {
    const fs::path config = fs::temp_directory_path() / ("kh-init-" + std::to_string(::getpid()));
    fs::create_directories(config / "kalomithra-hora");
    std::ofstream(config / "kalomithra-hora/tavro.ini")
        << "SanskritPlanetNames=1\nNodalExaltationParasara=1\nPushkaraBhagaJP=0\nYearDefinition=2 7\n";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    InitPreferences();
    fs::remove_all(config);

    EXPECT_TRUE(g_bPreferencesInitialised);
    EXPECT_EQ(g_strDataDirectory, DataFolder());
    EXPECT_EQ(g_strDefaultLocationCityName, "Ujjain");
    EXPECT_EQ(g_defaultLatitude.m_nDegrees, 23);
    EXPECT_EQ(g_defaultLatitude.m_nMinutes, 10);
    EXPECT_DOUBLE_EQ(g_dDefaultPressure, 1013.25);
    EXPECT_EQ(g_nDasaYearDefinition[2], 7);
    EXPECT_EQ(g_nDasaYearDefinition[3], 3);
    for (int code = 0; code < kDasaCodeCount; ++code) {
        EXPECT_DOUBLE_EQ(g_dDasaYearLength[code], 365.24219);
        EXPECT_EQ(g_bUseDasaSeedFromNatalInTajaka[code], code != 45) << code;
    }
    EXPECT_EQ(g_exaltationSigns[8], 1);
    EXPECT_EQ(g_pPushkaraBhagaDegrees, &g_pushkaraBhagaByElement);
    EXPECT_EQ(g_pszPlanetNames, g_planetNamesSanskrit);
    // The build tree's Debian ephemeris files: 5400 BC to AD 5400.
    EXPECT_EQ(g_nMinYear, -5300);
    EXPECT_EQ(g_nMaxYear, 5200);
}

TEST_F(PreferenceFile, RestoreDefaultPreset) {
    g_nHoraPreference = 2;
    g_nKalachakraDasaCalculation = 5;
    g_bWindowSizesSaved = true;
    g_nFontSizeSelection = 6;
    g_nChartStyle = 3; // not a calculation option
    ApplyCalculationPreset(CalculationPreset::kRestoreDefault);
    EXPECT_EQ(g_nHoraPreference, 6);
    EXPECT_EQ(g_nKalachakraDasaCalculation, 4);
    EXPECT_DOUBLE_EQ(g_dAspectValueMax, 100.0);
    EXPECT_EQ(g_nBhavaChartRef, 0);
    EXPECT_EQ(g_nCustDivSettings.nCustDivN, 57);
    EXPECT_TRUE(g_nCustDivSettings.bHouseAsSeed);
    EXPECT_EQ(g_nAspTblPosRight, 752);
    EXPECT_EQ(g_nAspTblPosBottom, 448);
    EXPECT_EQ(g_nFontSizeSelection, 3);
    EXPECT_EQ(g_nChartStyle, 3);
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, 17);
    EXPECT_EQ(g_nPaneVarga, (std::array<int, 15>{0, 1, 9, 13, 7, 19, 2, 11, 16, 3, 12, 14, 0, 0, 0}));
    EXPECT_EQ(g_nDasaYearDefinition[10], 3);
    EXPECT_FALSE(g_bUseDasaSeedFromNatalInTajaka[45]);
    EXPECT_TRUE(g_bProgressDasaSeedInTajaka[45]);
    EXPECT_EQ(g_strCustomStarCode, ",alVir");
    EXPECT_FALSE(g_bShowInCharts[1]);
    EXPECT_TRUE(g_bShowInCharts[10]);
    EXPECT_EQ(Save().find("[WindowSizes]"), std::string::npos);
}

TEST_F(PreferenceFile, RecommendedPreset) {
    g_nHoraPreference = 2;
    g_nFontSizeSelection = 6;
    g_nAspTblPosRight = 10;
    g_nCustDivSettings.nCustDivN = 12;
    g_nPaneVarga[0] = 5;
    g_bWindowSizesSaved = true;
    ApplyCalculationPreset(CalculationPreset::kRecommended);
    EXPECT_EQ(g_nHoraPreference, 6);
    EXPECT_EQ(g_nD3Preference, 4);
    EXPECT_EQ(g_nD60Preference, 2);
    EXPECT_EQ(g_nD24Preference, 0);
    EXPECT_TRUE(g_bTrueNodes);
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, 21);
    EXPECT_EQ(g_nLifeCycleYearDefinition, 7);
    EXPECT_EQ(g_nLunarYrSign, 3);
    EXPECT_EQ(g_nCharaKarakaDefinition, 3);
    EXPECT_DOUBLE_EQ(g_dCustomStarLongitude, 106.0);
    EXPECT_TRUE(g_bNodalExaltationParasara);
    EXPECT_EQ(g_exaltationSigns[8], 1); // the applier ran
    EXPECT_EQ(g_strCustomStarCode, ",deCnc");
    for (int code = 0; code < kDasaCodeCount; ++code) {
        EXPECT_EQ(g_nDasaYearDefinition[code], 7);
        EXPECT_FALSE(g_bUseDasaSeedFromNatalInTajaka[code]);
        EXPECT_FALSE(g_bProgressDasaSeedInTajaka[code]);
    }
    // Left as they were.
    EXPECT_EQ(g_nFontSizeSelection, 6);
    EXPECT_EQ(g_nAspTblPosRight, 10);
    EXPECT_EQ(g_nCustDivSettings.nCustDivN, 12);
    EXPECT_EQ(g_nPaneVarga[0], 5);
    EXPECT_FALSE(g_bWindowSizesSaved);
    ApplyRahuKetuExaltationOption(false);
}

} // namespace

TEST_F(PreferenceFile, PresetsPointTheCustomStarIndexAtTheirStar) {
    ASSERT_TRUE(LoadFixedStarList());
    for (const auto& [preset, code] : {std::pair{CalculationPreset::kRestoreDefault, ",alVir"},
                                       std::pair{CalculationPreset::kRecommended, ",deCnc"}}) {
        g_nCustomStarIndex = -1;
        ApplyCalculationPreset(preset);
        ASSERT_GE(g_nCustomStarIndex, 0) << code;
        EXPECT_EQ(g_fixedStarList.entries[g_nCustomStarIndex].searchKey, code);
    }
    ApplyRahuKetuExaltationOption(false);
}

TEST_F(PreferenceFile, AStarMissingFromTheListNamesNoStar) {
    ASSERT_TRUE(LoadFixedStarList());
    g_strCustomStarCode = ",noSuchStar";
    FindCustomStarIndex();
    EXPECT_EQ(g_nCustomStarIndex, -1);
}

TEST(InitPreferences, AFirstStartWithoutAFileStillFollowsTheEphemerisFolder) {
    if (fs::exists(fs::path(DataFolder()) / "tavro.ini")) GTEST_SKIP() << "the build tree holds a saved file";
    const fs::path config = fs::temp_directory_path() / ("kh-first-" + std::to_string(::getpid()));
    fs::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    g_nMinYear = -12900;
    g_nMaxYear = 16600;
    g_nCustomStarIndex = -1;
    InitPreferences();
    fs::remove_all(config);

    EXPECT_EQ(g_nMinYear, -5300);
    EXPECT_EQ(g_nMaxYear, 5200);
    ASSERT_GE(g_nCustomStarIndex, 0);
    EXPECT_EQ(g_fixedStarList.entries[g_nCustomStarIndex].searchKey, g_strCustomStarCode);
}
