// The period tree on trees filled by hand: the balance, the listing and naming of levels, the search for
// the running periods and its cycle steps.
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "dasa_test_support.h"

namespace {

constexpr double kBirthJd = 2451545.0;

// Two lords (Sun 20 years, Moon 10) with shares by their years; kind 0 years.
CDasaTree TwoLordTree() {
    CDasaTree tree;
    tree.birth = ChartAt<CChartCore>(kBirthJd, 0.0, 0.0);
    tree.nYearKind = kYearMeanTropical;
    tree.nPeriods = tree.nSubPeriods = 2;
    tree.nLord[0][0] = kSun;
    tree.nLord[0][1] = kMoon;
    tree.dYears[0] = 20.0;
    tree.dYears[1] = 10.0;
    tree.dCycleYears = 30.0;
    for (int lord : {kSun, kMoon}) {
        tree.nLord[1 + lord][0] = lord;
        tree.nLord[1 + lord][1] = lord == kSun ? kMoon : kSun;
    }
    return tree;
}

CLocalDateTime MomentAt(double jd) {
    CChartCore probe = ChartAt<CChartCore>(jd, 0.0, 0.0);
    return probe.m_dateTime;
}

class DasaTreeTest : public DasaTest {};

// The lord tables hold only the rows written; a row taken stays in place while later ones are added
// (the Kalachakra rows are filled from two at once), unwritten rows read as zeros, and a row past the
// table is refused.
TEST(DasaRows, RowsStayInPlaceReadZeroUntilWrittenAndEndAtTheTable) {
    DasaLordRows rows;
    const DasaLordRows& read = rows;
    std::array<int, kDasaMaxPeriods>& first = rows[1];
    first[3] = 7;
    rows[kDasaLordRows - 1][0] = 5; // the last row, added after the first was taken
    EXPECT_EQ(&first, &rows[1]);
    EXPECT_EQ(read[1][3], 7);
    EXPECT_EQ(read[kDasaLordRows - 1][0], 5);
    EXPECT_EQ(read[100][0], 0);
    EXPECT_EQ(read[kDasaLordRows + 5][0], 0);
    EXPECT_THROW(rows[kDasaLordRows], std::out_of_range);
}

TEST_F(DasaTreeTest, BalanceMovesTheFirstPeriodBeforeBirth) {
    CDasaTree tree = TwoLordTree();
    tree.bBalance = true;
    tree.dBalance = 0.25;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_NEAR(tree.period[0].dStartJd, kBirthJd - 15.0 * kMeanTropicalYearDays, kDasaSecond);
    EXPECT_NEAR(tree.period[0].dEndJd, kBirthJd + 5.0 * kMeanTropicalYearDays, kDasaSecond);
    EXPECT_EQ(tree.period[0].Name(), "Sun");
    EXPECT_EQ(tree.period[0].StartDate(), "1984-12-31"); // 5478.63 days before noon of 2000-01-01
}

// A bound within half a second of local midnight reads as 0:00:00 of the next date, its date taken from
// the rounded moment, never the day before's.
TEST(DasaPeriodTexts, ABoundRoundedToMidnightReadsOnTheNextDate) {
    struct Case {
        double jdUt;
        double zoneWest; // hours
        bool amPm;
        const char* date;
        const char* time;
    };
    constexpr double kMidnightUt = 2451544.5; // 2000-01-01 0:00 UT
    const Case cases[] = {
        {kMidnightUt - 0.4 * kDasaSecond, 0.0, false, "2000-01-01", "0:00:00"},
        {kMidnightUt - 0.4 * kDasaSecond, 0.0, true, "2000-01-01", "12:00:00 am"},
        {kMidnightUt - 0.6 * kDasaSecond, 0.0, false, "1999-12-31", "23:59:59"},
        // 5:30 east: local midnight is 18:30 UT of the day before.
        {kMidnightUt - 5.5 / 24.0 - 0.4 * kDasaSecond, -5.5, false, "2000-01-01", "0:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.zoneWest) + (c.amPm ? " am/pm " : " ") + c.time);
        CDasaPeriod period;
        period.dStartJd = period.dEndJd = c.jdUt;
        period.zone.m_dHours = c.zoneWest;
        period.zone.SplitHours();
        period.bAmPm = c.amPm;
        EXPECT_EQ(period.StartDate(), c.date);
        EXPECT_EQ(period.StartTime(), c.time);
        EXPECT_EQ(period.EndDate(), c.date);
        EXPECT_EQ(period.EndTime(), c.time);
    }
}

TEST_F(DasaTreeTest, LowerLevelsNameTheirChain) {
    CDasaTree tree = TwoLordTree();
    tree.nLevel = 2;
    tree.nSelected = {1, 1, 0, 0, 0, 0};
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_EQ(tree.nListedLevel, 2);
    EXPECT_EQ(tree.running[0].Name(), "Moon MD");
    EXPECT_EQ(tree.running[1].Name(), "Sun AD");
    ASSERT_EQ(tree.nCount, 2);
    // Moon MD (10 years) > Sun AD (2/3 of it) > Sun PD (2/3 of that), starting 20 + 10/3 years on.
    EXPECT_NEAR(tree.period[0].dStartJd, kBirthJd + (20.0 + 10.0 / 3.0) * kMeanTropicalYearDays, kDasaSecond);
    EXPECT_NEAR(tree.period[0].dEndJd - tree.period[0].dStartJd, 10.0 * 4.0 / 9.0 * kMeanTropicalYearDays,
                kDasaSecond);
    EXPECT_EQ(tree.period[1].dStartJd, tree.period[0].dEndJd);
    EXPECT_EQ(tree.period[1].StartDate(), tree.period[0].EndDate());
}

TEST_F(DasaTreeTest, TwoAndThreeLordNames) {
    CDasaTree tree = TwoLordTree();
    tree.bPlanetLords = false;
    tree.bLord2 = tree.bLord3 = true;
    tree.nLord2[0][0] = 3;
    tree.nLord3[0][0] = 4;
    CDasaPeriod period;
    period.bPlanet = true;
    tree.FormatPeriodLabel(0, 0, 3, 4, period);
    EXPECT_EQ(period.Name(), "Ar:Cn:Le");
    EXPECT_FALSE(period.bPlanet);
    tree.bLord2 = false; // the third lord alone joins the first
    tree.FormatPeriodLabel(0, 0, 3, 4, period);
    EXPECT_EQ(period.Name(), "Ar:Le");
}

TEST_F(DasaTreeTest, AtABoundaryTheEarlierPeriodRuns) {
    CDasaTree tree = TwoLordTree();
    ASSERT_TRUE(tree.FindRunningPeriods(MomentAt(kBirthJd + 1.0), 1).ok());
    EXPECT_EQ(tree.nSelected[0], 0);
    // The moment the Moon's MD starts: the Sun's MD ends there too, and the earlier one wins.
    ASSERT_TRUE(tree.FindRunningPeriods(MomentAt(kBirthJd + 20.0 * kMeanTropicalYearDays), 0).ok());
    EXPECT_EQ(tree.nSelected[0], 0);
    EXPECT_TRUE(tree.bRunningValid);
}

TEST_F(DasaTreeTest, RunningPeriodsInOtherCycles) {
    struct Case {
        double years; // after birth
        int offset;
        int period;
    };
    const Case cases[] = {
        {-5.0, -1, 1},           // before birth: the previous cycle's Moon
        {45.0, 1, 0},            // the second cycle's Sun
        {3000.0 + 25.0, 100, 1}, // a hundred cycles on, found without stepping through them
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.years);
        g_nDasaCycleOffset = 0;
        CDasaTree tree = TwoLordTree();
        ASSERT_TRUE(tree.FindRunningPeriods(MomentAt(kBirthJd + c.years * kMeanTropicalYearDays), 5).ok());
        EXPECT_EQ(g_nDasaCycleOffset, c.offset);
        EXPECT_EQ(tree.nSelected[0], c.period);
        EXPECT_EQ(tree.nListedLevel, 5);
    }
}

TEST_F(DasaTreeTest, ACycleWithoutLengthHasNoRunningPeriod) {
    CDasaTree tree = TwoLordTree();
    tree.dYears[0] = tree.dYears[1] = 0.0;
    EXPECT_FALSE(tree.FindRunningPeriods(MomentAt(kBirthJd + 100.0), 2).ok());
    EXPECT_FALSE(tree.bRunningValid);
}

TEST_F(DasaTreeTest, ProgressionMovesOneStepPerFirstLevelPeriod) {
    CDasaTree tree = TwoLordTree();
    tree.dProgressBase = 10.0;
    tree.dProgressStep = 40.0 / 3.0;
    // Halfway through the Moon's period.
    ASSERT_TRUE(tree.FindRunningPeriods(MomentAt(kBirthJd + 25.0 * kMeanTropicalYearDays), 0).ok());
    EXPECT_NEAR(g_dDasaProgressPosition, 10.0 + 40.0 / 3.0 * 1.5, 1e-6);
}

TEST_F(DasaTreeTest, RasiBhuktaListsThreeLevels) {
    CDasaTree tree = TwoLordTree();
    tree.nDasaCode = kRasiBhuktaVimsottariCode;
    tree.bPlanetLords = false;
    tree.bEqualSubPeriods = true;
    tree.nSubPeriods = 12;
    for (int lord : {kSun, kMoon})
        for (int j = 0; j < 12; ++j) tree.nLord[1 + lord][j] = (lord + j) % 12;
    ASSERT_TRUE(tree.FindRunningPeriods(MomentAt(kBirthJd + 1.0), 5).ok());
    EXPECT_EQ(tree.nListedLevel, 2);
    ASSERT_EQ(tree.nCount, 8);
    EXPECT_EQ(tree.period[0].Name(), "Sat"); // the kakshya order from Saturn, as bodies
    EXPECT_EQ(tree.running[0].Name(), "Sun MD");
    EXPECT_EQ(tree.running[1].Name(), "Ta AD"); // signs from the Sun's row
}

TEST_F(DasaTreeTest, ShiftMovesTheDasaByDays) {
    CDasaTree tree = TwoLordTree();
    tree.nDasaCode = 7;
    g_bDasaShift[7] = true;
    g_dDasaShiftDays[7] = 10.0;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_NEAR(tree.period[0].dStartJd, kBirthJd + 10.0, kDasaSecond);
}

// A caller may change the tree's lengths and lords between two listings: the next listing follows them,
// though only a later period's length changes (the cycle start does not move) or the cycle's lords
// change places.
TEST_F(DasaTreeTest, EditsBetweenListingsAreFollowed) {
    CDasaTree tree = TwoLordTree();
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    tree.dYears[1] = 40.0;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_NEAR(tree.period[1].dEndJd, kBirthJd + 60.0 * kMeanTropicalYearDays, kDasaSecond);
    tree.nLevel = 1;
    tree.nSelected = {0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    // Shares by the new years: the Sun a third of its own 20 years.
    EXPECT_NEAR(tree.period[0].dEndJd, kBirthJd + 20.0 / 3.0 * kMeanTropicalYearDays, kDasaSecond);
    // The Moon's 20 years first, then the Sun's 40: the Sun's AD is now two thirds of its MD.
    std::swap(tree.nLord[0][0], tree.nLord[0][1]);
    tree.nSelected[0] = 1;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_EQ(tree.period[0].Name(), "Sun");
    EXPECT_NEAR(tree.period[0].dEndJd, kBirthJd + (20.0 + 40.0 * 2.0 / 3.0) * kMeanTropicalYearDays,
                kDasaSecond);
}

// A listing cut by a moment that cannot be found (a Moon period of a million true years ends beyond
// any ephemeris) keeps the periods found before it, and the cut one its name and start: the dasa page
// shows such a listing up to the ephemeris' end.
TEST_F(DasaTreeTest, AListingCutByAMomentNotFoundKeepsWhatWasFound) {
    CDasaTree tree = TwoLordTree();
    tree.nYearKind = kYearTrueSiderealSolar;
    tree.dYears[1] = 1.0e6;
    EXPECT_FALSE(tree.ExpandPeriod().ok());
    ASSERT_EQ(tree.nCount, 2);
    EXPECT_EQ(tree.period[0].Name(), "Sun");
    EXPECT_NEAR(tree.period[0].dStartJd, kBirthJd, kDasaSecond);
    EXPECT_NEAR(tree.period[0].dEndJd - kBirthJd, 20.0 * kMeanSiderealYearDays, 1.0); // 20 true years
    EXPECT_EQ(tree.period[0].StartDate(), "2000-01-01");
    EXPECT_EQ(tree.period[0].EndDate(), "2020-01-01");
    EXPECT_EQ(tree.period[1].Name(), "Moon");
    EXPECT_EQ(tree.period[1].dStartJd, tree.period[0].dEndJd);
    EXPECT_EQ(tree.period[1].StartTime(), tree.period[0].EndTime());
    EXPECT_EQ(tree.period[1].EndDate(), "");
}

} // namespace
