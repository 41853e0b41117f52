// The other dasas on charts placed by hand: Patyayini's degrees, Sudarsana Chakra's three signs, the
// starts by the time of birth, the natural years, the Tara and Karaka orders.
#include <numeric>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dasa_test_support.h"
#include "document/dasa_other.h"

namespace {

using testing::ElementsAre;

enum Sign { Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi };

class OtherDasaTest : public DasaTest {};

double SumOfYears(const CDasaTree& tree, int from, int to) {
    return std::accumulate(tree.dYears.begin() + from, tree.dYears.begin() + to, 0.0);
}

TEST_F(OtherDasaTest, PatyayiniByDegrees) {
    CChart chart = EveryBodyIn(Ar);
    const double degrees[8] = {2.0, 29.0, 10.0, 20.0, 5.0, 15.0, 25.0, 12.0}; // lagna, Sun .. Saturn
    for (int b = 0; b < 8; ++b) PlaceInSign(chart, b, b % 12, degrees[b]);
    CDasaTree tree;
    ASSERT_TRUE(CalcPatyayiniDasa(chart, tree).ok());
    ASSERT_EQ(tree.nPeriods, 9);
    EXPECT_EQ(tree.nLord[0][0], kLagna);
    EXPECT_NEAR(tree.dYears[0], 2.0 * 120.0 / 29.0, 1e-9);
    EXPECT_EQ(tree.nLord[0][7], kSun);
    EXPECT_NEAR(SumOfYears(tree, 0, 8), 120.0, 1e-9);
    EXPECT_EQ(tree.nLord[0][8], kLagna);
    EXPECT_EQ(tree.dYears[8], tree.dYears[0]);
    EXPECT_EQ(tree.nLord[1 + kMars][0], kMars); // sub-periods from the lord in the sorted order
}

TEST_F(OtherDasaTest, PatyayiniTiesAndBodiesAtZeroDegrees) {
    CChart chart = EveryBodyIn(Ar, 10.0); // every body at 10 degrees: the lagna first, the rest 0 years
    CDasaTree tree;
    ASSERT_TRUE(CalcPatyayiniDasa(chart, tree).ok());
    EXPECT_THAT(std::vector<int>(tree.nLord[0].begin(), tree.nLord[0].begin() + 3), ElementsAre(0, 1, 2));
    EXPECT_DOUBLE_EQ(tree.dYears[0], 120.0);
    EXPECT_EQ(tree.dYears[1], 0.0);

    chart = EveryBodyIn(Ar, 0.0); // nothing to divide by: the eight share the cycle
    ASSERT_TRUE(CalcPatyayiniDasa(chart, tree).ok());
    for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(tree.dYears[i], 15.0);
}

TEST_F(OtherDasaTest, SudarsanaNamesThreeSignsAYear) {
    CChart chart = EveryBodyIn(Ar);
    PlaceInSign(chart, kMoon, Cn);
    PlaceInSign(chart, kSun, Le);
    CDasaTree tree;
    tree.nYearKind = kYearMeanTropical;
    ASSERT_TRUE(CalcSudarsanaChakraDasa(chart, 0, false, tree).ok());
    tree.birth = chart;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_EQ(tree.period[0].Name(), "Ar:Cn:Le");
    EXPECT_EQ(tree.period[1].Name(), "Ta:Le:Vi");
    EXPECT_DOUBLE_EQ(tree.dYears[0], 1.0);
}

// A chart born `ghatis` after sunrise on a day and a night of the given lengths (ghatis).
CChart BornAfterSunrise(double ghatis, double day = 30.0, double night = 30.0) {
    CChart chart = EveryBodyIn(Ar);
    PlaceInSign(chart, kMars, Le);
    CDayFrameTimes& f = chart.m_sunriseFrame;
    f.m_dDayLength = day;
    f.m_dNightLength = night;
    f.m_dGhatisSinceStart = ghatis;
    f.m_dGhatisSinceNightStart = ghatis - day;
    return chart;
}

TEST_F(OtherDasaTest, ChakraStartsByThePartOfTheDay) {
    struct Case {
        double ghatis;
        int start;
        int ariesSubStart;
        const char* why;
    };
    const Case cases[] = {
        {2.5, Ta, Ta, "an hour after sunrise: the sign after the lagna"},
        {10.0, Le, Le, "by day: the lagna lord's sign, and each sign's sub-periods from its lord's"},
        {45.0, Ar, Ar, "in the middle of the night: the lagna's sign"},
        {57.0, Ta, Ta, "in the last sixth of the night"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CDasaTree tree;
        ASSERT_TRUE(CalcChakraDasa(BornAfterSunrise(c.ghatis), tree).ok());
        EXPECT_EQ(tree.nLord[0][0], c.start);
        EXPECT_EQ(tree.nLord[1 + Ar][0], c.ariesSubStart);
        EXPECT_DOUBLE_EQ(tree.dYears[0], 10.0);
    }
}

// The factor P worked by hand from the ghatis of each part of the day: the Sun (planet 1) has P years in
// the first cycle and 8/3 - P in the second, Ketu (planet 9) nine times as much.
TEST_F(OtherDasaTest, KaalaFactorByThePartOfTheDay) {
    struct Case {
        double day, night, sinceSunrise;
        double factor;
        const char* why;
    };
    const Case cases[] = {
        {30, 30, 5, 0.0, "a sixth of the day after sunrise: P = 0"},
        {30, 30, 15, 4.0 / 3.0, "(15 - 5) x 30 / 225"},
        {36, 24, 18, 1.92, "midday of a 36-ghati day: (18 - 6) x 36 / 225"},
        {36, 24, 2, 1.6, "first sixth of the day: (2 + 4) x 60 / 225"},
        {36, 24, 33, 0.8, "about sunset: (33 - 30) x 60 / 225"},
        {36, 24, 48, 192.0 / 225.0, "night: (12 - 4) x 24 / 225"},
        {36, 24, 58, 120.0 / 225.0, "last sixth of the night: (22 - 20) x 60 / 225"},
        {20, 40, 40, 64.0 / 27.0, "night of 40 ghatis: (20 - 40/6) x 40 / 225"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CDasaTree tree;
        ASSERT_TRUE(CalcKaalaDasa(BornAfterSunrise(c.sinceSunrise, c.day, c.night), tree).ok());
        EXPECT_NEAR(tree.dYears[0], c.factor, 1e-12);
        EXPECT_NEAR(tree.dYears[8], 9.0 * c.factor, 1e-12);
        EXPECT_NEAR(tree.dYears[9], 8.0 / 3.0 - c.factor, 1e-12);
        EXPECT_NEAR(tree.dYears[17], 9.0 * (8.0 / 3.0 - c.factor), 1e-12);
        EXPECT_NEAR(SumOfYears(tree, 0, 18), 120.0, 1e-9);
        EXPECT_EQ(tree.strNote, "");
    }
}

// Late on a day of 40 ghatis the factor would pass 8/3, (33 - 40/6) x 40 / 225 = 4.68: it is held at
// 8/3, no second-cycle period turns negative, and the note says so.
TEST_F(OtherDasaTest, KaalaFactorIsHeldAtEightThirdsOnALongDay) {
    CDasaTree tree;
    ASSERT_TRUE(CalcKaalaDasa(BornAfterSunrise(33.0, 40.0, 20.0), tree).ok());
    EXPECT_NEAR(tree.dYears[0], 8.0 / 3.0, 1e-12);
    for (int i = 9; i < 18; ++i) EXPECT_EQ(tree.dYears[i], 0.0) << i;
    EXPECT_NEAR(SumOfYears(tree, 0, 18), 120.0, 1e-9);
    EXPECT_EQ(tree.strNote, "factor held at 8/3");
}

TEST_F(OtherDasaTest, NaisargikaBeginsWithTheMoonAndSpans132Years) {
    CDasaTree tree;
    ASSERT_TRUE(CalcNaisargikaDasa(EveryBodyIn(Ar), {}, tree).ok());
    EXPECT_EQ(tree.nPeriods, 8);
    EXPECT_EQ(tree.nLord[0][0], kMoon);
    EXPECT_EQ(tree.dYears[0], 1.0);
    EXPECT_FALSE(tree.bBalance);
    EXPECT_EQ(SumOfYears(tree, 0, 8), 132.0);
    EXPECT_EQ(tree.dCycleYears, 132.0);
    // Every planet with the Moon in its sign shares the Moon's period, half each; the Moon has none.
    EXPECT_EQ(tree.nSubCount[kMoon], 6);
    EXPECT_DOUBLE_EQ(tree.dSubFraction[kMoon][0], 1.0 / 6.0);
}

TEST_F(OtherDasaTest, TaraDasaOrders) {
    CChart chart = EveryBodyIn(Ar);
    PlaceBody(chart, kMoon, 20.0); // Bharani, half left
    chart.m_nakshatra[kMoon] = 1;
    CDasaTree parasara;
    TaraDasaOptions options;
    options.parasara = true;
    ASSERT_TRUE(CalcTaraDasa(chart, options, parasara).ok());
    EXPECT_EQ(parasara.nLord[0][0], kVenus);
    EXPECT_NEAR(parasara.dBalance, 0.5, 1e-12);

    // Default: the kendras' planets first (Aries, Cancer, Libra, Capricorn), then the panaparas'.
    PlaceInSign(chart, kSaturn, Cn);
    PlaceInSign(chart, kMercury, Ta);
    CDasaTree tree;
    ASSERT_TRUE(CalcTaraDasa(chart, {}, tree).ok());
    EXPECT_EQ(tree.nLord[0][7], kSaturn);
    EXPECT_EQ(tree.nLord[0][8], kMercury);
}

TEST_F(OtherDasaTest, AKKendradiGrahaSubPeriodsStartWithTheFirstLord) {
    CChart chart = EveryBodyIn(Ar);
    chart.m_charaKaraka[0] = kSun;
    PlaceInSign(chart, kJupiter, Cn);
    CDasaTree tree;
    tree.strName = "AK Kendradi Graha Dasa";
    ASSERT_TRUE(CalcAKKendradiGrahaDasa(chart, 0, tree).ok());
    ASSERT_EQ(tree.nPeriods, 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(tree.nLord[1 + tree.nLord[0][i]][0], tree.nLord[0][0]);
    EXPECT_EQ(tree.nLord[0][7], kJupiter);
    EXPECT_EQ(tree.strName, "AK Kendradi Graha Dasa of D-1");
}

TEST_F(OtherDasaTest, KarakaYearsFromTheLagna) {
    CChart chart = EveryBodyIn(Ar);
    for (int slot = 0; slot < 8; ++slot) chart.m_charaKaraka[slot] = slot + 1;
    PlaceInSign(chart, kSun, Ta); // the atma karaka in the 2nd house
    CDasaTree tree;
    ASSERT_TRUE(CalcKarakaDasa(chart, false, tree).ok());
    ASSERT_EQ(tree.nPeriods, 16);
    EXPECT_EQ(tree.dYears[0], 1.0);
    EXPECT_EQ(tree.dYears[8], 11.0);
    EXPECT_EQ(tree.dYears[1], 12.0); // the amatya karaka in the lagna's sign
    EXPECT_EQ(tree.dYears[9], 0.0);
    EXPECT_EQ(tree.strLabel[0], "AK Su");
    EXPECT_EQ(tree.nLord[1 + 0][0], 1); // from the next karaka on

    chart = EveryBodyIn(Ar); // all in the lagna's sign: the second cycle has no length
    for (int slot = 0; slot < 8; ++slot) chart.m_charaKaraka[slot] = slot + 1;
    ASSERT_TRUE(CalcKarakaDasa(chart, false, tree).ok());
    EXPECT_DOUBLE_EQ(tree.dSubFraction[8][0], 1.0 / 8.0);
}

TEST_F(OtherDasaTest, MoolaTwoCyclesMakeVimsottarisYears) {
    CChart chart = EveryBodyIn(Ar); // the lagna's sign holds every planet: it wins
    PlaceInSign(chart, kSaturn, Cn);
    CDasaTree tree;
    ASSERT_TRUE(CalcMoolaDasa(chart, {}, tree).ok());
    ASSERT_EQ(tree.nPeriods, 18);
    EXPECT_EQ(tree.nLord[0][8], kSaturn); // Cancer is the first kendra after Aries
    EXPECT_NEAR(SumOfYears(tree, 0, 18), 120.0, 1e-9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(tree.nLord[0][9 + i], tree.nLord[0][i]);
}

TEST_F(OtherDasaTest, BuddhiGatiRepeatsItsFirstThreePlanets) {
    CChart chart = EveryBodyIn(Ar);
    PlaceInSign(chart, kSaturn, Cp); // the 10th house from the lagna comes first
    CDasaTree tree;
    ASSERT_TRUE(CalcBuddhiGatiDasa(chart, 0, tree).ok());
    ASSERT_EQ(tree.nPeriods, 24);
    EXPECT_EQ(tree.nLord[0][0], kSaturn);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(tree.nLord[0][9 + i], tree.nLord[0][i]);
    EXPECT_EQ(tree.dYears[0], 3.0); // from Capricorn back to Aries
    EXPECT_EQ(tree.dYears[12], 9.0);
    // Saturn's row is that of its later place, 9: it starts with Saturn again.
    EXPECT_EQ(tree.nLord[1 + kSaturn][0], kSaturn);
    EXPECT_EQ(tree.nLord[1 + kSaturn][3], kSaturn); // places 9, 10, 11, then 0 again
    EXPECT_EQ(tree.nLord[1 + kSaturn][4], tree.nLord[0][1]);
}

} // namespace
