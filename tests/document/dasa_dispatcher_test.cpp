// The dispatcher: fallback to Vimsottari, per-code cycle offsets, the Tribhagi variation, the year kind
// a mode imposes and compression into a mode chart's span.
#include <numeric>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dasa_test_support.h"
#include "document/dasa_codes.h"
#include "document/dasa_dispatcher.h"
#include "document/dasa_years.h"

namespace {

class DasaDispatcherTest : public DasaTest {
protected:
    CChart chart = ChartWithMoonSeed(0.0);
    CDasaTree tree;

    CDasaTree& Calculate(int code, int mode = kModeNatal) {
        g_nSelectedDasa = code;
        const DasaRequest request{chart, chart, mode, 0};
        EXPECT_TRUE(CalculateDasa(request, tree).ok());
        return tree;
    }
};

TEST_F(DasaDispatcherTest, CodesWithoutACalculatorComputeVimsottari) {
    Calculate(50);
    EXPECT_EQ(tree.strName, "Vimsottari Dasa");
    EXPECT_EQ(tree.nLord[0][0], kKetu);
    EXPECT_EQ(tree.dYears[0], 7.0);
    EXPECT_EQ(g_nRasiDasaToBeDisplayed, 50);
}

TEST_F(DasaDispatcherTest, CodesBeyondTheTableComputeVimsottari) {
    for (int mode : {kModeNatal, kModeTajaka}) {
        Calculate(99, mode);
        EXPECT_EQ(tree.nLord[0][0], kKetu);
        Calculate(-1, mode);
        EXPECT_EQ(tree.nLord[0][0], kKetu);
    }
}

TEST_F(DasaDispatcherTest, FortyNineSystemsHaveTheirOwnEntries) {
    int systems = 0;
    for (int code = 0; code < kDasaCodeCount; ++code) {
        const DasaSystem& system = DasaSystemFor(code);
        if (system.code != code) {
            EXPECT_EQ(system.code, kVimsottariCode) << code;
            continue;
        }
        ++systems;
        EXPECT_NE(system.description[0], '\0') << code;
    }
    EXPECT_EQ(systems, 49);
    EXPECT_EQ(DasaSystemFor(2).options, DasaOptionSet::kKalachakra);
    EXPECT_STREQ(DasaSystemFor(73).title, "Karaka Dasa");
}

TEST_F(DasaDispatcherTest, EveryDasaKeepsItsCycleOffset) {
    Calculate(0);
    g_nDasaCycleOffset = 2;
    g_nDasaCycleOffsetByCode[33] = -1;
    Calculate(33);
    EXPECT_EQ(g_nDasaCycleOffset, -1);
    Calculate(0);
    EXPECT_EQ(g_nDasaCycleOffset, 2);
    EXPECT_EQ(g_nDasaCycleOffsetByCode[33], -1);
}

TEST_F(DasaDispatcherTest, TribhagiThirdsThePeriodsOfMostNakshatraDasas) {
    g_bTribhagiVariation = true;
    Calculate(3); // Yogini: unchanged
    EXPECT_EQ(tree.nPeriods, 24);
    EXPECT_EQ(tree.strName, "Yogini Dasa");

    Calculate(1); // Ashtottari: three times as many, a third as long
    ASSERT_EQ(tree.nPeriods, 24);
    EXPECT_EQ(tree.strName, "Ashtottari Dasa - Tribhagi variation");
    for (int i = 0; i < 8; ++i) {
        EXPECT_DOUBLE_EQ(tree.dYears[i + 8], tree.dYears[i]);
        EXPECT_EQ(tree.nLord[0][i + 16], tree.nLord[0][i]);
    }
    EXPECT_DOUBLE_EQ(std::accumulate(tree.dYears.begin(), tree.dYears.begin() + 24, 0.0), 108.0);

    Calculate(0); // Vimsottari: named through its 27 labels
    ASSERT_EQ(tree.nPeriods, 27);
    EXPECT_EQ(tree.nLord[0][9], 9);
    EXPECT_EQ(tree.nLord[0][26], 26);
    EXPECT_DOUBLE_EQ(tree.dYears[0], 7.0 / 3.0);
    EXPECT_EQ(tree.strLabel[9], "Ket");
    EXPECT_EQ(tree.strLabel2[9], "Magha");

    Calculate(25); // a rasi dasa: nothing changes
    EXPECT_EQ(tree.strName.find("Tribhagi"), std::string::npos);
}

TEST_F(DasaDispatcherTest, TajakaChartsTakeTheNatalSeed) {
    CChart natal = ChartWithMoonSeed(20.0); // Bharani: Venus
    g_nSelectedDasa = 0;
    g_bUseDasaSeedFromNatalInTajaka[0] = true;
    g_bProgressDasaSeedInTajaka[0] = false;
    ASSERT_TRUE(CalculateDasa({chart, natal, kModeTajaka, 1}, tree).ok());
    EXPECT_EQ(tree.strName, "Mudda/Vimsottari Dasa");
    EXPECT_EQ(tree.nLord[0][0], kVenus);
    EXPECT_EQ(tree.birth.GetJulianDay(), chart.GetJulianDay()); // dated from the Tajaka chart

    g_bProgressDasaSeedInTajaka[0] = true; // a year on: one nakshatra on
    ASSERT_TRUE(CalculateDasa({chart, natal, kModeTajaka, 1}, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], kSun);

    g_bUseDasaSeedFromNatalInTajaka[0] = false;
    ASSERT_TRUE(CalculateDasa({chart, natal, kModeTajaka, 1}, tree).ok());
    EXPECT_EQ(tree.strName, "Vimsottari Dasa");
    EXPECT_EQ(tree.nLord[0][0], kKetu);
}

TEST_F(DasaDispatcherTest, YearKindOfAMode) {
    g_bSpecialYearForTajaka = g_bSpecialYearForTP = true;
    struct Case {
        int mode;
        const char* title;
        int expected;
    };
    const Case cases[] = {
        {kModeTajaka, "", kYearTrueSiderealSolar},  {kModeTithiPravesha, "", kYearTithi},
        {kModeMundane, "Sol and Moon", kYearTithi}, {kModeMundane, "Solar return", kYearTrueSiderealSolar},
        {kModeNatal, "Sol", kYearSavana},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(DasaYearKindForMode(kYearSavana, c.mode, c.title), c.expected);
    }
}

TEST_F(DasaDispatcherTest, NominalYearsOfTheTrueSolarKindsFollowTheirZodiac) {
    EXPECT_EQ(NominalYearDays(kYearTrueSiderealSolar, 0.0), 365.256364);
    EXPECT_EQ(NominalYearDays(kYearTrueTropicalSolar, 0.0), 365.24219);
    EXPECT_EQ(NominalYearDays(kYearUserDefined, 400.0), 400.0);
}

TEST_F(DasaDispatcherTest, CompressionFitsTheRealSumIntoTheSpan) {
    g_bDasaCompression = true;
    g_dCompressionDays = kMeanTropicalYearDays;
    for (int code : {0, 1, 69}) { // Tithi Ashtottari's nine periods sum to more than its cycle of 108
        SCOPED_TRACE(code);
        Calculate(code);
        EXPECT_NEAR(tree.CycleLengthYears(), 1.0, 1e-9);
        tree.nLevel = 0;
        ASSERT_TRUE(tree.ExpandPeriod().ok());
        EXPECT_NEAR(tree.period[tree.nCount - 1].dEndJd - tree.period[0].dStartJd, kMeanTropicalYearDays,
                    kDasaSecond);
    }
    Calculate(3);
    EXPECT_EQ(tree.nPeriods, 8); // Yogini: one round when compressed
}

TEST_F(DasaDispatcherTest, MundaneChartsDropTheBalanceUnlessAsked) {
    g_bDasaCompression = true;
    g_bDasaSeshamInMundaneCharts = false;
    g_bMundaneBackToNatal = false;
    chart = ChartWithMoonSeed(20.0);
    Calculate(0, kModeMundane);
    EXPECT_FALSE(tree.bBalance);
    g_bDasaSeshamInMundaneCharts = true;
    Calculate(0, kModeMundane);
    EXPECT_TRUE(tree.bBalance);
}

TEST_F(DasaDispatcherTest, YearsToMomentOfDayCountKinds) {
    const CChartCore ref = ChartAt<CChartCore>(2451545.0, 0.0, 0.0);
    const CalcValue years = DasaYearsToMoment(ref, 720.0, kYearSavana, 360.0);
    ASSERT_TRUE(years.ok());
    EXPECT_NEAR(years.value, 2.0, 1e-9);
}

TEST_F(DasaDispatcherTest, YearsToMomentOfTrueSolarYears) {
    CChart natal = ChartAt<CChart>(2451545.0, 77.2, 28.6);
    ASSERT_TRUE(natal.Compute().ok());
    CChartCore target;
    const SearchResult twoYears = natal.FindReturnChart(2.0, target, kYearTrueSiderealSolar, 0.0);
    ASSERT_TRUE(twoYears.found());
    const CalcValue years =
        DasaYearsToMoment(natal, twoYears.jdUt - natal.GetJulianDay(), kYearTrueSiderealSolar,
                          NominalYearDays(kYearTrueSiderealSolar, 0.0));
    ASSERT_TRUE(years.ok());
    EXPECT_NEAR(years.value, 2.0, 1e-6);
}

} // namespace
