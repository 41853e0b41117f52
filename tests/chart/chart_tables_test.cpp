// Tables the chart derives from its positions: relationships, star lords and varnadas.
#include <cmath>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart_test_support.h"

namespace {

// A chart whose body records are set by hand (no ephemeris).
CChart ChartWithBodies(std::initializer_list<std::pair<int, double>> longitudes) {
    CChart chart;
    for (const auto& [body, longitude] : longitudes) Place(chart, body, longitude);
    return chart;
}

// Nakshatra and pada at their boundaries, by the chart's factors (the doubles just above 0.075 and 0.3,
// just below 40/3, truncated): a body a hair below a boundary may already fall past it.
TEST(ChartNakshatras, BoundariesFallWhereTheFactorsPutThem) {
    struct Case {
        double longitude;
        int nakshatra, pada, nakshatra28;
    };
    const Case kCases[] = {
        {26.666666666666664, 2, 0, 2}, // twice 13.333333333333332: Krittika, not Bharani's 4th pada
        {3.333333333333333, 0, 1, 0},  // one unit below 10/3: already the 2nd pada
        {13.333333333333332, 1, 0, 1},
        {266.66666666666663, 20, 0, 20}, // Uttara Ashadha
        {277.0, 20, 3, 21},              // its 4th pada: Abhijit
        {280.0, 21, 0, 22},              // Shravana
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.longitude);
        CChart chart = ChartWithBodies({{kSun, c.longitude}});
        ASSERT_TRUE(chart.ComputeNakshatraPadas().ok());
        EXPECT_EQ(chart.m_nakshatra[kSun], c.nakshatra);
        EXPECT_EQ(chart.m_pada[kSun], c.pada);
        EXPECT_EQ(chart.m_nakshatra28[kSun], c.nakshatra28);
    }
}

TEST_F(ChartTest, RelationshipsOfAComputedChart) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (c == kD150Column || c == kHaddaColumn) continue;
        SCOPED_TRACE(c);
        for (int i = 0; i < kPlanetCount; ++i) {
            EXPECT_EQ(chart.m_temporalRelation[c][i][i], 0);
            EXPECT_EQ(chart.m_compoundRelation[c][i][i], 0);
            for (int j = 0; j < kPlanetCount; ++j) {
                if (i == j) continue;
                const int temporal = chart.m_temporalRelation[c][i][j];
                ASSERT_TRUE(temporal == 2 || temporal == 4);
                EXPECT_EQ(chart.m_compoundRelation[c][i][j],
                          g_nNaturalRelation[i][j] + (temporal == 2 ? -1 : 1));
            }
        }
    }
}

TEST(ChartRelationships, TemporalFriendsStandInTheSignsAroundAPlanet) {
    // Sun in Aries; the Moon 2nd (friend), Mars 7th (enemy), Jupiter 12th (friend), Saturn 10th (friend),
    // Venus with the Sun (enemy).
    CChart chart = ChartWithBodies(
        {{kSun, 10}, {kMoon, 40}, {kMars, 190}, {kJupiter, 350}, {kSaturn, 280}, {kVenus, 20}});
    chart.ComputeVargaSigns();
    chart.ComputeRelationships();
    const auto& temporal = chart.m_temporalRelation[kD1Column][0];
    const auto& compound = chart.m_compoundRelation[kD1Column][0];
    EXPECT_EQ(temporal[kMoon - 1], 2);
    EXPECT_EQ(compound[kMoon - 1], 1); // natural friend + temporal friend: great friend
    EXPECT_EQ(temporal[kMars - 1], 4);
    EXPECT_EQ(compound[kMars - 1], 3); // natural friend + temporal enemy: neutral
    EXPECT_EQ(temporal[kJupiter - 1], 2);
    EXPECT_EQ(temporal[kSaturn - 1], 2);
    EXPECT_EQ(compound[kSaturn - 1], 3); // natural enemy + temporal friend: neutral
    EXPECT_EQ(temporal[kVenus - 1], 4);
    EXPECT_EQ(compound[kVenus - 1], 5); // natural enemy + temporal enemy: great enemy
}

// KP star and sub-lords (the lords of the nakshatra and of its first sub-division), checked against the
// published KP sub-lord table: Aswini (Ketu) Ke 0-0 46 40, Ve -3 00, Su -3 40, Mo -4 46 40, Ma -5 33 20,
// Ra -7 33 20, Ju -9 20, Sa -11 26 40; Bharani (Venus) Ve 13 20-15 33 20, Su -16 13 20, Mo -17 20,
// Ma -18 06 40, Ra -20 06 40; Krittika (Sun) Su 26 40-27 20, Mo -28 26 40, Ma -29 13 20, Ra -31 13 20;
// Revati (Mercury) ends with Saturn, 358 33 20-360.
TEST(ChartStarLords, KpStarAndSubLords) {
    struct Case {
        double longitude;
        int star, sub;
    };
    const Case kCases[] = {
        {1.0, kKetu, kVenus},   {0.5, kKetu, kKetu},  {10.0, kKetu, kSaturn},     {13.0, kKetu, kMercury},
        {15.0, kVenus, kVenus}, {16.0, kVenus, kSun}, {17.0, kVenus, kMoon},      {20.0, kVenus, kRahu},
        {28.0, kSun, kMoon},    {30.0, kSun, kRahu},  {359.9, kMercury, kSaturn},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.longitude);
        CChart chart = ChartWithBodies({{kSun, c.longitude}});
        ASSERT_TRUE(chart.ComputeNakshatraPadas().ok());
        chart.ComputeStarLords();
        EXPECT_EQ(chart.m_starLord[0][kSun], c.star);
        EXPECT_EQ(chart.m_starLord[1][kSun], c.sub);
    }
}

TEST(ChartStarLords, FiveSubLevelsNest) {
    // Just below the end of Aswini every level takes the last lord of its cycle: Ketu's last sub is
    // Mercury, Mercury's last Saturn, then Jupiter, Rahu, Mars.
    CChart end = ChartWithBodies({{kSun, 40.0 / 3.0 - 1e-9}});
    // At 0 Aries every level starts with Ketu.
    CChart start = ChartWithBodies({{kSun, 0.0}});
    for (CChart* chart : {&end, &start}) {
        ASSERT_TRUE(chart->ComputeNakshatraPadas().ok());
        chart->ComputeStarLords();
    }
    const std::array<int, 6> kEnd = {kKetu, kMercury, kSaturn, kJupiter, kRahu, kMars};
    for (int level = 0; level < kStarLordLevels; ++level) {
        EXPECT_EQ(end.m_starLord[level][kSun], kEnd[level]) << level;
        EXPECT_EQ(start.m_starLord[level][kSun], kKetu) << level;
    }
}

TEST(ChartStarLords, ABodyOnAPortionBoundaryTakesTheNextLord) {
    const double ketuPortion = (40.0 / 3.0) * 7 / 120; // Ketu's sub in Aswini
    CChart chart = ChartWithBodies({{kSun, ketuPortion}});
    ASSERT_TRUE(chart.ComputeNakshatraPadas().ok());
    chart.ComputeStarLords();
    EXPECT_EQ(chart.m_starLord[1][kSun], kVenus);
    EXPECT_EQ(chart.m_starLord[2][kSun], kVenus);
}

TEST(ChartStarLords, CuspsUseTheMiddleOrTheStartOfTheHouse) {
    CChart chart;
    chart.m_bhava[0].m_start.m_dLongitude = 1.0;   // Aswini, sub Venus
    chart.m_bhava[0].m_middle.m_dLongitude = 16.0; // Bharani, sub Sun
    for (bool middle : {true, false}) {
        g_bHouseCuspsInMiddle = middle;
        chart.ComputeStarLords();
        EXPECT_EQ(chart.m_cuspStarLord[0][0], middle ? kVenus : kKetu);
        EXPECT_EQ(chart.m_cuspStarLord[1][0], middle ? kSun : kVenus);
    }
    g_bHouseCuspsInMiddle = true;
}

// Counts from the ends of the zodiac: odd signs from Aries, even signs backwards from Pisces.
TEST(ChartVarnadas, VarnadaLagnaOfTheFirstHouse) {
    struct Case {
        double lagna, horaLagna;
        int varnada;
    };
    const Case kCases[] = {
        {10.0, 20.0, 1},    // Aries 1, Aries 1, both odd: 2, less one: Taurus
        {215.0, 100.0, 10}, // Scorpio 5, Cancer 9, both even: 14 -> 1, counted back from Pisces: Aquarius
        {10.0, 40.0, 9},    // Aries 1, Taurus 11, mixed: |1 - 11| = 10, less one: Capricorn
        {40.0, 10.0, 2},    // Taurus 11, Aries 1: 9, counted back from Pisces: Gemini
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.lagna);
        CChart chart = ChartWithBodies({{kLagna, c.lagna}, {14, c.horaLagna}});
        chart.ComputeVargaSigns();
        chart.ComputeVarnadas();
        EXPECT_EQ(chart.m_vargaSign.Sign(47, kD1Column), c.varnada);
        // In the rasi the varnada takes the lagna's degrees in its sign.
        EXPECT_NEAR(chart.m_bodies[47].m_dLongitude, c.varnada * 30.0 + std::fmod(c.lagna, 30.0), 1e-9);
    }
}

TEST(ChartVarnadas, LaterHousesCountFromTheLaterSigns) {
    // 2nd house of a chart with lagna and hora lagna in Aries: Taurus 11 and Taurus 11, both even: 22
    // -> 21 -> 9, counted back from Pisces: Gemini.
    CChart chart = ChartWithBodies({{kLagna, 10.0}, {14, 20.0}});
    chart.ComputeVargaSigns();
    chart.ComputeVarnadas();
    EXPECT_EQ(chart.m_vargaSign.Sign(48, kD1Column), 2);
    // The same rule in every column that holds signs.
    for (int c = 0; c < kVargaColumnCount; ++c) EXPECT_LT(chart.m_vargaSign.Sign(58, c), 12) << c;
}

} // namespace
