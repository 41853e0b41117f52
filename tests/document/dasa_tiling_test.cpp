// Every dasa code on real charts: computed without error, and at every level the listed periods tile
// their parent exactly (the first starts with it, each ends where the next starts, the last ends with
// it). First five charts from 1800 to 2400, north and south, then a sweep of random births under a
// table of option combinations.
#include <iomanip>
#include <random>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "dasa_tiling_support.h"
#include "document/dasa_codes.h"

namespace {

struct Birth {
    double jdUt;
    double longitudeEast;
    double latitude;
    const char* place;
};
// Noon-ish UT moments spread over the ephemeris' range.
const Birth kBirths[] = {
    {2378497.3, 77.21, 28.61, "Delhi 1800"},      {2415385.9, -58.38, -34.60, "Buenos Aires 1900"},
    {2446827.1, 151.21, -33.87, "Sydney 1987"},   {2488434.6, -0.13, 51.51, "London 2100"},
    {2597640.4, 18.42, -33.92, "Cape Town 2400"},
};

// Named by its place in test lists.
void PrintTo(const Birth& birth, std::ostream* out) {
    *out << birth.place;
}

// One birth per test, so that ctest runs them side by side; true sidereal years, the default.
class DasaTilingTest : public DasaTest, public testing::WithParamInterface<Birth> {
protected:
    DasaTilingTest() { g_nDasaYearDefinition.fill(kYearTrueSiderealSolar); }
};

TEST_P(DasaTilingTest, EveryCodeTilesSixLevels) {
    const Birth& b = GetParam();
    CChart chart = ChartAt<CChart>(b.jdUt, b.longitudeEast, b.latitude);
    ASSERT_TRUE(chart.Compute().ok());
    for (int code = 0; code < kDasaCodeCount; ++code)
        ExpectDasaTiles(chart, code, kDasaLevels,
                        [code](int level, int count) { return (code + 3 * level) % count; });
}

INSTANTIATE_TEST_SUITE_P(Births, DasaTilingTest, testing::ValuesIn(kBirths),
                         [](const testing::TestParamInfo<Birth>& info) {
                             return std::to_string(info.index);
                         });

// The sweep: a few hundred births drawn with a fixed seed (1800-2399, and near both ends of the
// ephemeris files; latitudes to 89.9 degrees either side), every dasa code, under a table of option
// combinations, those that once made periods run backwards among them. At every level down a chain
// drawn at random the periods must tile their parent exactly and none may end before it starts, and
// the periods running at a moment must lie within each other.
struct OptionCombination {
    const char* name;
    int yearKind;
    int mode = kModeNatal; // a mode chart's dasa is compressed into compressionDays
    double compressionDays = 0.0;
    bool refractionWithoutTruePositions = false;
    bool topocentric = false;
    int siddhanta = 0;
    double ayanamsaCorrection = 0.0; // degrees
    bool atSunrise = false;          // the chart is cast at the sunrise of its day (Tajaka at sunrise)
    bool tribhagi = false;
    int cycleOffset = 0;
    double shiftDays = 0.0; // every code's start moved by this many days
    int births = 60;        // births drawn for this combination
};

const OptionCombination kCombinations[] = {
    {.name = "mean tropical years", .yearKind = kYearMeanTropical, .births = 240},
    {.name = "savana years, Tribhagi, one cycle on",
     .yearKind = kYearSavana,
     .tribhagi = true,
     .cycleOffset = 1,
     .births = 120},
    {.name = "user years of 400 days, started 1000 days late",
     .yearKind = kYearUserDefined,
     .shiftDays = 1000.0,
     .births = 120},
    {.name = "mean sidereal years, a cycle back, in a mundane chart of 30 days",
     .yearKind = kYearMeanSidereal,
     .mode = kModeMundane,
     .compressionDays = 30.0,
     .cycleOffset = -1,
     .births = 120},
    {.name = "true sidereal years with refraction and apparent positions",
     .yearKind = kYearTrueSiderealSolar,
     .refractionWithoutTruePositions = true,
     .births = 4},
    {.name = "true tropical years, topocentric",
     .yearKind = kYearTrueTropicalSolar,
     .topocentric = true,
     .births = 4},
    {.name = "tithi years, traditional positions with an ayanamsa correction",
     .yearKind = kYearTithi,
     .siddhanta = 1,
     .ayanamsaCorrection = 0.75,
     .births = 4},
    {.name = "Moon-return years compressed into a prasna chart's 90 days",
     .yearKind = kYearMoonReturn,
     .mode = kModePrasna,
     .compressionDays = 90.0,
     .births = 4},
    {.name = "Tajaka year at sunrise, traditional positions with an ayanamsa correction",
     .yearKind = kYearMeanTropical,
     .mode = kModeTajaka,
     .compressionDays = 365.2564,
     .siddhanta = 1,
     .ayanamsaCorrection = -1.25,
     .atSunrise = true,
     .births = 4},
    {.name = "Tajaka year at sunrise, topocentric",
     .yearKind = kYearMeanTropical,
     .mode = kModeTajaka,
     .compressionDays = 365.2564,
     .topocentric = true,
     .atSunrise = true,
     .births = 4},
};

void PrintTo(const OptionCombination& combination, std::ostream* out) {
    *out << combination.name;
}

// Julian days (UT) of the births: 1800-2399 for most, a few from the first and last centuries of the
// ephemeris files (5300-5201 BC, AD 5101-5200).
double BirthJd(std::mt19937& random, int index) {
    std::uniform_real_distribution<double> any(0.0, 1.0);
    constexpr double kYear = 365.25;
    const double from = index % 20 == 1 ? -214875.0 : index % 20 == 2 ? 3584940.0 : 2378496.5;
    const double span = index % 20 == 1 || index % 20 == 2 ? 100 * kYear : 600 * kYear;
    return from + any(random) * span;
}

class DasaSweepTest : public DasaTest, public testing::WithParamInterface<OptionCombination> {
protected:
    void SetOptions(const OptionCombination& c) {
        g_nDasaYearDefinition.fill(c.yearKind);
        g_dDasaYearLength.fill(400.0);
        g_bApparentRefraction = c.refractionWithoutTruePositions;
        g_bTruePositions = !c.refractionWithoutTruePositions;
        g_bTopocentricPositions = c.topocentric;
        g_nSiddhanta = c.siddhanta;
        g_ayanamsaSettings.m_correction.m_dValue = c.ayanamsaCorrection;
        g_ayanamsaSettings.m_correction.SplitDegrees();
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        g_bDasaCompression = c.mode != kModeNatal;
        g_dCompressionDays = c.compressionDays;
        g_bDasaSeshamInMundaneCharts = false;
        g_bTribhagiVariation = c.tribhagi;
        g_bDasaShift.fill(c.shiftDays != 0.0);
        g_dDasaShiftDays.fill(c.shiftDays);
    }

    // Lists every level down a chain of periods drawn at random and checks each listing, then the
    // periods running at a moment drawn within the first cycle.
    void ExpectSoundPeriods(CDasaTree& tree, std::mt19937& random) {
        for (int level = 0; level < kDasaLevels; ++level) {
            tree.nLevel = level;
            const CalcStatus listed = tree.ExpandPeriod();
            ASSERT_TRUE(listed.ok()) << listed.error;
            if (tree.nListedLevel < level) break; // Rasi-Bhukta Vimsottari stops at its third level
            ExpectChildrenTileTheParent(tree);
            tree.nSelected[level] = static_cast<int>(random() % static_cast<unsigned>(tree.nCount));
        }
        tree.nLevel = 0;
        ASSERT_TRUE(tree.ExpandPeriod().ok());
        const double first = tree.period[0].dStartJd, last = tree.period[tree.nCount - 1].dEndJd;
        CChartCore when = tree.birth;
        when.JulianDayToDate(
            first + std::uniform_real_distribution<double>(0.0, 1.0)(random) * (last - first), when);
        const CalcStatus found = tree.FindRunningPeriods(when.m_dateTime, kDasaLevels - 1);
        ASSERT_TRUE(found.ok()) << found.error;
        for (int level = 1; level < tree.nListedLevel; ++level) {
            EXPECT_GE(tree.running[level].dStartJd, tree.running[level - 1].dStartJd);
            EXPECT_LE(tree.running[level].dEndJd, tree.running[level - 1].dEndJd);
        }
        const CDasaPeriod& running = tree.period[tree.nRunningIndex];
        EXPECT_LE(running.dStartJd, running.dEndJd);
    }
};

TEST_P(DasaSweepTest, EveryCodeOnRandomBirthsTilesSixLevels) {
    const OptionCombination& c = GetParam();
    SetOptions(c);
    std::mt19937 random(20300 + static_cast<unsigned>(&c - kCombinations));
    for (int b = 0; b < c.births; ++b) {
        const double jd = BirthJd(random, b);
        const double longitude = std::uniform_real_distribution<double>(-180.0, 180.0)(random);
        const double latitude = std::uniform_real_distribution<double>(-89.9, 89.9)(random);
        SCOPED_TRACE(testing::Message() << "birth JD " << std::setprecision(12) << jd << " at " << longitude
                                        << " E " << latitude << " N");
        CChart chart = ChartAt<CChart>(jd, longitude, latitude);
        ASSERT_TRUE(chart.Compute().ok());
        if (c.atSunrise) {
            chart = ChartAt<CChart>(chart.m_sunSnapshot[0].GetJulianDay(), longitude, latitude);
            ASSERT_TRUE(chart.Compute().ok());
        }
        for (int code = 0; code < kDasaCodeCount; ++code) {
            SCOPED_TRACE(code);
            g_nSelectedDasa = code;
            g_nDasaCycleOffset = c.cycleOffset;
            CDasaTree tree;
            const CalcStatus computed = CalculateDasa({chart, chart, c.mode, 0}, tree);
            ASSERT_TRUE(computed.ok()) << computed.error;
            for (int i = 0; i < tree.nPeriods; ++i) EXPECT_GE(tree.dYears[i], 0.0) << i;
            ExpectSoundPeriods(tree, random);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Options, DasaSweepTest, testing::ValuesIn(kCombinations),
                         [](const testing::TestParamInfo<OptionCombination>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
