// The document's calculation road: a new chart, a chart file, birth-time changes and their undo, the
// modes' refreshes, and what every calculation resets.
#include "document/tavro_doc.h"

#include <cmath>
#include <ctime>

#include <gtest/gtest.h>

#include "core/angle_time.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "document/birth_time_undo.h"
#include "document/dasa_tree.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document_test_support.h"
#include "tests/core/core_test_helpers.h"

namespace {

constexpr double kUnixEpochJd = 2440587.5; // 1970-01-01 00:00 UT

// Tropical Moon of the Chennai chart file's moment, 1990-05-15 04:55 UT, and one hour later.
// Reference: swetest -b15.5.1990 -ut4:55 -p1 -true -fPl -head (and -ut5:55)  (Debian swetest 2.10)
constexpr double kChennaiMoonTropical = 293.5257449;
constexpr double kChennaiMoonTropicalHourLater = 294.0379739;

double TropicalMoon(const CChart& chart) {
    return Reduce360(chart.m_bodies[kMoon].m_dLongitude + chart.m_dAyanamsa);
}

class DocumentTest : public testing::Test {
protected:
    // Loads the Chennai chart file into the document, with a recording view registered.
    void OpenChennai() {
        m_document.AddView(m_view);
        const DocumentStatus status =
            m_document.OnOpenDocument(m_folder.Write("chennai.tvd", kChennaiChartText));
        ASSERT_TRUE(status.ok()) << status.error;
        m_view.updates.clear();
    }
    // Moves the natal birth time by `hours` and tells the document.
    CalcStatus MoveBirthTime(double hours) {
        CHmsTime& time = m_document.m_natalChart.m_dateTime.m_time;
        time.m_dHours += hours;
        time.SplitHours();
        return m_document.OnBirthDataChanged();
    }
    // The work chart at the natal place one day after birth, current in the given mode.
    void CastWorkChart(int mode) {
        CChart& work = m_document.m_workChart;
        m_document.m_natalChart.ShiftByPeriod(1.0, work, 1.0);
        ASSERT_TRUE(work.CalcPlanets().ok());
        m_document.m_pCurrentChart = &work;
        m_document.m_nMode = mode;
        ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    }

    CScopedOption<bool> m_zoneOverride{g_bZoneOverride, g_bZoneOverride};
    CScopedOption<double> m_birthZone{g_dBirthZone, g_dBirthZone};
    TempFolder m_folder;
    CTavroDoc m_document;
    RecordingView m_view;
};

TEST_F(DocumentTest, ANewChartIsThePresentMomentAtTheDefaultPlace) {
    m_document.AddView(m_view);
    g_bDasaShift[3] = true;
    const double now = kUnixEpochJd + std::time(nullptr) / 86400.0;
    ASSERT_TRUE(m_document.NewDocument());
    EXPECT_FALSE(g_bDasaShift[3]);

    const CChart& natal = m_document.m_natalChart;
    EXPECT_NEAR(natal.GetJulianDay(), now, 60.0 / 86400);
    EXPECT_EQ(natal.m_strCity, "Ujjain");
    EXPECT_EQ(natal.m_nPlaceCode, g_nDefaultLocationCountryCode);
    EXPECT_DOUBLE_EQ(natal.m_longitude.m_dValue, g_dDefaultLongitude);
    EXPECT_DOUBLE_EQ(natal.m_latitude.m_dValue, g_dDefaultLatitude);
    EXPECT_DOUBLE_EQ(natal.m_dAltitude, g_dDefaultAltitude);
    EXPECT_DOUBLE_EQ(natal.m_dateTime.m_zone.m_dHours, -5.5); // India keeps no summer time
    EXPECT_EQ(natal.m_bDst, 0);
    EXPECT_EQ(natal.m_strTitle, "Natal Chart");
    EXPECT_EQ(m_document.m_pCurrentChart, &natal);
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_EQ(m_document.GetTitle(), "Untitled");
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(g_birthTimeUndo.Count(), 1);
    EXPECT_DOUBLE_EQ(g_dBirthZone, -5.5);
    EXPECT_NE(natal.m_bodies[kSun].m_dLongitude, 0.0);
    EXPECT_EQ(m_view.updates.size(), 1u);
}

TEST_F(DocumentTest, OpeningAFileRunsTheWholeRoadAndTellsTheViewsOnce) {
    OpenChennai();
    ASSERT_TRUE(MoveBirthTime(2.0).ok());
    CastWorkChart(kModeTransit);
    g_nLifecycle = 3;
    g_bChartPane2Natal = 1;
    g_bKotaChakraBaseOverride = true;
    g_bZoneOverride = true;
    m_view.updates.clear();
    ASSERT_TRUE(m_document.OnOpenDocument(m_folder / "chennai.tvd").ok());

    EXPECT_EQ(m_view.updates.size(), 1u);
    EXPECT_EQ(m_view.updates[0].sender, nullptr);
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_FALSE(g_bZoneOverride);
    EXPECT_EQ(g_birthTimeUndo.Count(), 1);
    const CChart& natal = m_document.m_natalChart;
    EXPECT_NEAR(TropicalMoon(natal), kChennaiMoonTropical, 1.0 / 3600);
    const CDasaTree& dasa = m_document.m_dasaTree;
    EXPECT_EQ(dasa.nDasaCode, g_nSelectedDasa);
    EXPECT_GT(dasa.nPeriods, 0);
    EXPECT_DOUBLE_EQ(dasa.birth.GetJulianDay(), natal.GetJulianDay());
    EXPECT_EQ(dasa.nLevel, 0);
    EXPECT_EQ(m_document.m_pCurrentChart, &natal);
    EXPECT_EQ(g_pReferenceChart, &natal);
    EXPECT_EQ(m_document.m_workChart.m_strCity, "Chennai");
    EXPECT_EQ(m_document.m_workChart.m_strState, "Tamil Nadu");
    EXPECT_EQ(g_nLifecycle, 0);
    EXPECT_EQ(g_bChartPane2Natal, 0);
    EXPECT_FALSE(g_bKotaChakraBaseOverride);
    EXPECT_DOUBLE_EQ(g_dBirthZone, -5.5);
    EXPECT_DOUBLE_EQ(g_transitMoment.m_zone.m_dHours, -5.5);
    EXPECT_TRUE(m_document.m_bCalculated);
}

TEST_F(DocumentTest, UndoWalksBackThroughBirthTimeChanges) {
    OpenChennai();
    const double opened = m_document.m_natalChart.GetJulianDay();
    ASSERT_TRUE(MoveBirthTime(1.0).ok());
    EXPECT_NEAR(TropicalMoon(m_document.m_natalChart), kChennaiMoonTropicalHourLater, 1.0 / 3600);
    ASSERT_TRUE(MoveBirthTime(1.0).ok());
    ASSERT_TRUE(MoveBirthTime(1.0).ok());
    EXPECT_EQ(g_birthTimeUndo.Count(), 4);
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_view.updates.size(), 3u);

    ASSERT_TRUE(m_document.OnUndoBirthTimeChange().ok());
    EXPECT_EQ(g_birthTimeUndo.Count(), 3);
    EXPECT_NEAR(m_document.m_natalChart.GetJulianDay(), opened + 2.0 / 24, 1e-8);
    EXPECT_TRUE(m_document.IsModified());
    ASSERT_TRUE(m_document.OnUndoBirthTimeChange().ok());
    ASSERT_TRUE(m_document.OnUndoBirthTimeChange().ok());
    EXPECT_NEAR(m_document.m_natalChart.GetJulianDay(), opened, 1e-8);
    EXPECT_NEAR(TropicalMoon(m_document.m_natalChart), kChennaiMoonTropical, 1.0 / 3600);
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(m_view.updates.size(), 6u);

    // With one entry left there is nothing to undo.
    ASSERT_TRUE(m_document.OnUndoBirthTimeChange().ok());
    EXPECT_EQ(g_birthTimeUndo.Count(), 1);
    EXPECT_EQ(m_view.updates.size(), 6u);

    ASSERT_TRUE(MoveBirthTime(5.0).ok());
    ASSERT_TRUE(MoveBirthTime(-2.0).ok());
    ASSERT_TRUE(m_document.OnUndoAllBirthTimeChanges().ok());
    EXPECT_EQ(g_birthTimeUndo.Count(), 1);
    EXPECT_NEAR(m_document.m_natalChart.GetJulianDay(), opened, 1e-8);
    EXPECT_FALSE(m_document.IsModified());
}

// More changes than the stack holds: the moment as entered stays first, so that undo all still returns
// to it, and undo still steps back to the moment before the latest change.
TEST(BirthTimeUndo, KeepsTheEnteredMomentAndTheNewestChanges) {
    CBirthTimeUndo undo;
    for (int n = 1; n <= 600; ++n) undo.Push(n);
    EXPECT_EQ(undo.Count(), 500);
    EXPECT_EQ(undo.First(), 1);
    EXPECT_EQ(undo.Latest(), 600);
    undo.DropLatest();
    EXPECT_EQ(undo.Latest(), 599);
    undo.KeepFirst();
    EXPECT_EQ(undo.Count(), 1);
    EXPECT_EQ(undo.Latest(), 1);
}

TEST_F(DocumentTest, ABirthChangeInTransitModeLeavesTheShownChart) {
    OpenChennai();
    CastWorkChart(kModeTransit);
    const double transitMoon = m_document.m_workChart.m_bodies[kMoon].m_dLongitude;
    const double natalMoon = m_document.m_natalChart.m_bodies[kMoon].m_dLongitude;
    m_view.updates.clear();

    ASSERT_TRUE(MoveBirthTime(1.0).ok());
    EXPECT_EQ(m_document.m_nMode, kModeTransit);
    EXPECT_EQ(m_document.m_pCurrentChart, &m_document.m_workChart);
    EXPECT_EQ(m_document.m_workChart.m_bodies[kMoon].m_dLongitude, transitMoon);
    EXPECT_NE(m_document.m_natalChart.m_bodies[kMoon].m_dLongitude, natalMoon);
    EXPECT_TRUE(m_view.updates.empty());
}

TEST_F(DocumentTest, ABirthChangeInEventModeReturnsToTheNatalChart) {
    OpenChennai();
    CastWorkChart(kModeMundane);
    g_bDasaCompression = true;
    m_view.updates.clear();

    ASSERT_TRUE(MoveBirthTime(1.0).ok());
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_EQ(m_document.m_pCurrentChart, &m_document.m_natalChart);
    EXPECT_FALSE(g_bDasaCompression);
    EXPECT_NEAR(TropicalMoon(m_document.m_natalChart), kChennaiMoonTropicalHourLater, 1.0 / 3600);
    EXPECT_EQ(m_view.updates.size(), 1u);
}

TEST_F(DocumentTest, ResetToNatalModeShowsTheNatalChartAgain) {
    OpenChennai();
    CastWorkChart(kModePrasna);
    m_document.m_workChart.m_extraName[0] = "Prasna Lagna";
    g_bDasaCompression = true;
    g_bChartPane1Natal = 0;
    g_nChartPane2Varga = 5;
    m_view.updates.clear();

    ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_EQ(m_document.m_pCurrentChart, &m_document.m_natalChart);
    EXPECT_EQ(m_document.m_workChart.m_extraName[0], "NULL");
    EXPECT_FALSE(g_bDasaCompression);
    EXPECT_EQ(g_bChartPane1Natal, 1);
    EXPECT_EQ(g_nChartPane2Varga, 1);
    EXPECT_EQ(g_pReferenceChart, &m_document.m_natalChart);
    EXPECT_EQ(m_view.updates.size(), 1u);
}

TEST_F(DocumentTest, TransitChartsAreReadAgainstTheNatalChart) {
    OpenChennai();
    CastWorkChart(kModeTransit);
    EXPECT_EQ(g_pReferenceChart, &m_document.m_natalChart);
    EXPECT_EQ(m_document.m_workChart.m_pAnalysisChart, &m_document.m_natalChart);
    // Transits run the natal dasa.
    EXPECT_DOUBLE_EQ(m_document.m_dasaTree.birth.GetJulianDay(), m_document.m_natalChart.GetJulianDay());
    m_document.m_nMode = kModeProgressions;
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(g_pReferenceChart, &m_document.m_workChart);
    EXPECT_EQ(m_document.m_workChart.m_pAnalysisChart, &m_document.m_workChart);
}

TEST_F(DocumentTest, AnOptionChangeRecomputesBothChartsWhereTheyStand) {
    CScopedOptions options;
    OpenChennai();
    CastWorkChart(kModeTransit);
    const double transitMoon = m_document.m_workChart.m_bodies[kMoon].m_dLongitude;
    m_view.updates.clear();

    g_nD9Preference = 1;
    ASSERT_TRUE(m_document.RecalculateAll().ok());
    EXPECT_EQ(g_strVargaLabels[1], "D-9 (K)");
    EXPECT_EQ(m_document.m_nMode, kModeTransit);
    EXPECT_EQ(m_document.m_workChart.m_bodies[kMoon].m_dLongitude, transitMoon);
    EXPECT_NEAR(TropicalMoon(m_document.m_natalChart), kChennaiMoonTropical, 1.0 / 3600);
    EXPECT_TRUE(m_view.updates.empty());

    m_document.m_nMode = kModeMundane; // event charts do not outlive an option change
    ASSERT_TRUE(m_document.RecalculateAll().ok());
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_EQ(m_document.m_pCurrentChart, &m_document.m_natalChart);
    EXPECT_EQ(m_view.updates.size(), 1u);
}

TEST(Document, TheChartOfReferenceDoesNotOutliveTheDocument) {
    {
        CTavroDoc document;
        ASSERT_TRUE(document.ReadChartText(kChennaiChartText, "chennai.tvd").ok());
        EXPECT_EQ(g_pReferenceChart, &document.m_natalChart);
    }
    EXPECT_EQ(g_pReferenceChart, nullptr);
}

TEST_F(DocumentTest, AChangeOfModeStartsTheDasaPagesAgainAndClearsTheShift) {
    OpenChennai();
    CChart& work = m_document.m_workChart;
    CastWorkChart(kModeProgressions);
    work.m_flags[1] = 1;
    work.m_dShift = 5.0;
    g_dasaNavStates[2][6] = 4;
    g_dasaNavStates[0] = {1, 2, 0, 0, 0, 0, 2};
    m_document.m_dasaTree.nLevel = 2;
    ASSERT_TRUE(m_document.SyncAndCalculate().ok()); // the same mode keeps both
    EXPECT_EQ(g_dasaNavStates[2][6], 4);
    EXPECT_EQ(work.m_flags[1], 1);

    m_document.m_nMode = kModeTransit;
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(g_dasaNavStates[2][6], 0);
    EXPECT_EQ(m_document.m_dasaTree.nLevel, 0); // the dasa pages start at the top level
    EXPECT_EQ(m_document.m_dasaTree.nSelected[1], 0);
    EXPECT_EQ(work.m_flags[1], 0);
    EXPECT_EQ(work.m_dShift, 0.0);

    work.m_flags[1] = 1;
    m_document.m_nMode = kModeProgressions; // progressions keep their shift
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(work.m_flags[1], 1);
}

TEST_F(DocumentTest, TheSubModeIsKeptInPrasnaModeOnly) {
    OpenChennai();
    CastWorkChart(kModePrasna);
    m_document.m_nSubMode = 1;
    ASSERT_TRUE(m_document.Calculate(0x100).ok()); // only the low byte counts
    EXPECT_EQ(m_document.m_nSubMode, 0);
    m_document.m_nMode = kModeTransit;
    m_document.m_nSubMode = 1;
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(m_document.m_nSubMode, 0);
}

TEST_F(DocumentTest, AChartAskingForTheNatalMomentIsComputedThereAndShowsItsOwn) {
    OpenChennai();
    CastWorkChart(kModeProgressions);
    CChart& work = m_document.m_workChart;
    const CLocalDateTime own = work.m_dateTime;
    work.m_flags[0] = 1;
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(work.m_dateTime.m_nDay, own.m_nDay);
    EXPECT_NEAR(TropicalMoon(work), kChennaiMoonTropical, 1.0 / 3600);
}

TEST_F(DocumentTest, AZoneThatIsNeitherStoredZoneBecomesBoth) {
    OpenChennai();
    CChart& natal = m_document.m_natalChart;
    struct Case {
        bool override;
        double birthZone, chartZone, standardZone, dstZone;
        int dst;
        double expectedStandard, expectedDst;
        int expectedDstFlag;
    };
    const Case kCases[] = {
        {false, 0, -5.5, -5.5, -6.5, 0, -5.5, -6.5, 0},  // the standard zone
        {false, 0, -6.5, -5.5, -6.5, 1, -5.5, -6.5, 1},  // the summer zone
        {false, 0, -6.0, -5.5, -6.5, 1, -6.0, -6.0, 0},  // typed in by hand
        {true, -5.5, 0.0, -5.5, -6.5, 0, -5.5, -6.5, 0}, // another zone shown: the birth zone counts
        {true, -6.0, 0.0, -5.5, -6.5, 1, -6.0, -6.0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.chartZone);
        g_bZoneOverride = c.override;
        g_dBirthZone = c.birthZone;
        natal.m_dateTime.m_zone.m_dHours = c.chartZone;
        natal.m_dateTime.m_zone.SplitHours();
        natal.m_dStandardZone = c.standardZone;
        natal.m_dDstZone = c.dstZone;
        natal.m_bDst = static_cast<std::uint8_t>(c.dst);
        ASSERT_TRUE(m_document.Calculate(0).ok());
        EXPECT_DOUBLE_EQ(natal.m_dStandardZone, c.expectedStandard);
        EXPECT_DOUBLE_EQ(natal.m_dDstZone, c.expectedDst);
        EXPECT_EQ(natal.m_bDst, c.expectedDstFlag);
    }
}

} // namespace

