// Shadbala: the constants and steps of the six strengths, their edge cases, and the ranges of every
// component in full natal charts.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "analysis_test_support.h"
#include "core/dignity_tables.h"
#include "tests/chart/chart_test_support.h"

namespace {

using Item = CShadbala::Item;

// Every planet at 10 degrees of Aries but those a test moves; the lagna at 10 degrees of Aries.
CChart Conjunction() {
    return EveryBodyIn(kAries, 10.0);
}

double Value(const CChart& chart, int planet, Item item) {
    return chart.m_shadbala.m_planet[planet - 1].m_value[item];
}

TEST(Shadbala, NaisargikaAndRequiredRupas) {
    constexpr double kNaisargika[] = {60, 51.43, 17.14, 25.7, 34.28, 42.85, 8.57};
    constexpr double kRequiredRupas[] = {5, 6, 5, 7, 6.5, 5.5, 5};
    CChart chart = Conjunction();
    chart.m_shadbala.Compute(chart);
    for (int p = kSun; p <= kSaturn; ++p) {
        SCOPED_TRACE(p);
        EXPECT_DOUBLE_EQ(Value(chart, p, CShadbala::kNaisargikaBala), kNaisargika[p - 1]);
        EXPECT_DOUBLE_EQ(Value(chart, p, CShadbala::kShadbalaRupas),
                         Value(chart, p, CShadbala::kShadbala) / 60.0);
        EXPECT_NEAR(Value(chart, p, CShadbala::kPercentStrength),
                    Value(chart, p, CShadbala::kShadbalaRupas) * 100.0 / kRequiredRupas[p - 1], 1e-9);
    }
}

TEST(Shadbala, AyanaBalaOfAFullDeclination) {
    // Sidereal 67 and 247 degrees are tropical 90 and 270 for this rule: 24 degrees north and south.
    EXPECT_DOUBLE_EQ(AyanaDeclination(67.0), 24.0);
    EXPECT_DOUBLE_EQ(AyanaDeclination(247.0), -24.0);
    EXPECT_DOUBLE_EQ(AyanaDeclination(337.0), 0.0);
    EXPECT_DOUBLE_EQ(AyanaDeclination(-8.0), 362.0 / 60.0);  // tropical 15
    EXPECT_DOUBLE_EQ(AyanaDeclination(14.5), 852.5 / 60.0);  // tropical 37.5: 703 + 299 / 2
    EXPECT_DOUBLE_EQ(AyanaDeclination(97.0), 1238.0 / 60.0); // tropical 120, as far from 180 as 60
    // A place that is not a number (a star out of all measure under a custom ayanamsa) has no declination;
    // it picked a step far outside the table and crashed the strengths.
    for (const double none :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_TRUE(std::isnan(AyanaDeclination(none))) << none;
    struct Case {
        int planet;
        double longitude;
        double ayana;
    };
    constexpr Case kCases[] = {
        {kSun, 67, 120},    {kSun, 247, 0},     {kMars, 67, 60},     {kMoon, 67, 0},      {kMoon, 247, 60},
        {kSaturn, 247, 60}, {kMercury, 67, 60}, {kMercury, 247, 60}, {kJupiter, 337, 30},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.planet << " at " << c.longitude);
        CChart chart = Conjunction();
        PlaceBody(chart, c.planet, c.longitude);
        chart.m_shadbala.Compute(chart);
        EXPECT_NEAR(Value(chart, c.planet, CShadbala::kAyana), c.ayana, 1e-9);
    }
}

TEST(Shadbala, KaalaBalaSumsItsNineParts) {
    CChart chart = Conjunction();
    PlaceBody(chart, kSun, 67.0);
    chart.m_shadbala.Compute(chart);
    double parts = 0.0;
    for (Item item : {CShadbala::kNatonnata, CShadbala::kPaksha, CShadbala::kTribhaga, CShadbala::kAbda,
                      CShadbala::kMaasa, CShadbala::kVaara, CShadbala::kHora, CShadbala::kAyana})
        parts += Value(chart, kSun, item);
    EXPECT_EQ(Value(chart, kSun, CShadbala::kYuddha), 0.0);
    EXPECT_DOUBLE_EQ(Value(chart, kSun, CShadbala::kAyana), 120.0); // doubled
    EXPECT_DOUBLE_EQ(Value(chart, kSun, CShadbala::kKaalaBala), parts);
}

TEST(Shadbala, CheshtaOfTheLuminariesIsNotCounted) {
    CChart chart = Conjunction();
    PlaceBody(chart, kMoon, 130.0);
    PlaceBody(chart, kMars, 200.0);
    chart.m_shadbala.Compute(chart);
    for (int p = kSun; p <= kSaturn; ++p) {
        SCOPED_TRACE(p);
        double expected = 0.0;
        for (Item item : {CShadbala::kSthanaBala, CShadbala::kDigBala, CShadbala::kKaalaBala,
                          CShadbala::kNaisargikaBala, CShadbala::kDrigBala})
            expected += Value(chart, p, item);
        if (p >= kMars) expected += Value(chart, p, CShadbala::kCheshtaBala);
        EXPECT_DOUBLE_EQ(Value(chart, p, CShadbala::kShadbala), expected);
    }
    // The Sun's cheshta from its own longitude, the Moon's from its elongation.
    EXPECT_NEAR(Value(chart, kSun, CShadbala::kCheshtaBala), 123.0 / 3.0, 1e-9);
    EXPECT_NEAR(Value(chart, kMoon, CShadbala::kCheshtaBala), 40.0, 1e-9);
}

// Worked by hand from the mean motions for 1 January 2000, 12:30 in zone 5:30 east: D = 36524 days +
// ((-5.30 + 76) / 15 + 12.30) / 24 = 36524.708889; Y = 100. Each value is fold(M - (S + lon) / 2) / 3,
// with M and S reduced into [0, 360).
TEST(Shadbala, CheshtaOfTheStarPlanetsFromTheirMeanMotions) {
    struct Case {
        int planet;
        double longitude;
        double cheshta;
    };
    constexpr Case kCases[] = {
        {kMars, 300.0, 19.541347},   // M 256.306671, S 329.861427
        {kMercury, 250.0, 3.964235}, // M 241.260631, S 256.306671
        {kJupiter, 0.0, 36.413978},  // M 256.306671, S 11.097210
        {kVenus, 230.0, 27.275696},  // M 161.326247, S 256.306671
        {kSaturn, 20.0, 41.762733},  // M 256.306671, S 23.189741
    };
    CChart chart = Conjunction();
    chart.m_dateTime.m_nYear = 2000;
    chart.m_dateTime.m_nMonth = 1;
    chart.m_dateTime.m_nDay = 1;
    chart.m_dateTime.m_time.m_dHours = 12.5;
    chart.m_dateTime.m_zone.m_dHours = -5.5;
    for (const Case& c : kCases) PlaceBody(chart, c.planet, c.longitude);
    chart.m_shadbala.Compute(chart);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.planet);
        EXPECT_NEAR(Value(chart, c.planet, CShadbala::kCheshtaBala), c.cheshta, 1e-5);
        EXPECT_NEAR(Value(chart, c.planet, CShadbala::kCheshtaRashmi), (c.cheshta * 0.1 + 1.0) * 2.0, 1e-5);
    }
}

TEST(Shadbala, UchchaRunsFromDebilitationToExaltation) {
    struct Case {
        int planet;
        double longitude;
        double uchcha;
    };
    constexpr Case kCases[] = {{kSun, 10, 60},     {kSun, 190, 0},      {kSun, 100, 30},    {kMoon, 33, 60},
                               {kMars, 298, 60},   {kMercury, 165, 60}, {kJupiter, 95, 60}, {kVenus, 357, 60},
                               {kSaturn, 200, 60}, {kSaturn, 20, 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.planet << " at " << c.longitude);
        CChart chart = Conjunction();
        PlaceBody(chart, c.planet, c.longitude);
        chart.m_shadbala.Compute(chart);
        EXPECT_NEAR(Value(chart, c.planet, CShadbala::kUchcha), c.uchcha, 1e-9);
        EXPECT_NEAR(Value(chart, c.planet, CShadbala::kUchchaRashmi), (c.uchcha * 0.1 + 1.0) * 2.0, 1e-9);
    }
}

// Jupiter at 100 degrees, the six others at 10. Natures: Jupiter and Venus benefic, the Sun, Mars and
// Saturn malefic, the Moon (new) and Mercury (with malefics) malefic. Each of the six aspects Jupiter
// from 90 degrees behind: (120 - 90) / 2 + 30 = 45 virupas, Mars's special aspect 60, so Jupiter's drig
// bala is (-45 - 45 - 60 - 45 + 45 - 45) / 4 = -48.75. Jupiter aspects each of them from 270 degrees
// behind, where only the general aspect reaches: (300 - 270) / 2 = 15 virupas of a benefic, 15 / 4 = 3.75.
// Conjunct planets do not aspect each other. Both aspect rules give these numbers.
TEST(Shadbala, DrigBalaMeasuresFromTheAspectingPlanetForward) {
    CChart chart = Conjunction();
    PlaceBody(chart, kJupiter, 100.0);
    chart.m_shadbala.Compute(chart);
    EXPECT_NEAR(Value(chart, kJupiter, CShadbala::kDrigBala), -48.75, 1e-9);
    for (int p : {kSun, kMoon, kMars, kMercury, kVenus, kSaturn}) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(Value(chart, p, CShadbala::kDrigBala), 3.75, 1e-9);
    }
}

TEST(Shadbala, NaturesOfTheMoonAndMercury) {
    CChart chart = EveryBodyIn(kAries, 0.0);
    PlaceBody(chart, kMercury, 40.0); // within none of the angles of any planet
    chart.m_shadbala.Compute(chart);
    EXPECT_EQ(chart.m_shadbala.m_nNature[kMoon - 1], -1) << "new Moon";
    EXPECT_EQ(chart.m_shadbala.m_nNature[kMercury - 1], 1) << "Mercury alone is benefic";

    // Full Moon; Mercury conjoins Saturn and stands 205 degrees ahead of Mars, in its 210-degree aspect.
    CChart other = EveryBodyIn(kAries, 0.0);
    PlaceBody(other, kMoon, 180.0);
    PlaceBody(other, kSaturn, 200.0);
    PlaceBody(other, kMercury, 205.0);
    other.m_shadbala.Compute(other);
    EXPECT_EQ(other.m_shadbala.m_nNature[kMoon - 1], 1);
    EXPECT_EQ(other.m_shadbala.m_nNature[kMercury - 1], -1);
    // Each chart keeps its own natures.
    EXPECT_EQ(chart.m_shadbala.m_nNature[kMoon - 1], -1);
    EXPECT_EQ(chart.m_shadbala.m_nNature[kMercury - 1], 1);
}

TEST(Shadbala, MercuryTakesThreeQuartersOfASpecialAspect) {
    // Jupiter (benefic) 120 degrees behind Mercury; the malefics 180 away from Mercury count whole.
    CChart chart = EveryBodyIn(kAries, 0.0);
    PlaceBody(chart, kMercury, 300.0);
    PlaceBody(chart, kJupiter, 180.0);
    PlaceBody(chart, kVenus, 60.0);
    PlaceBody(chart, kMoon, 180.0); // full Moon: benefic; it has no special aspects
    // The Sun, Mars and Saturn at 0 are 300 degrees behind Mercury, outside all their angles.
    chart.m_shadbala.Compute(chart);
    // Jupiter's 120: +0.75; nothing else reaches Mercury.
    EXPECT_EQ(chart.m_shadbala.m_nNature[kMercury - 1], 1);
    PlaceBody(chart, kSaturn, 15.0); // Saturn's 270 + 15 = 285: Mercury 285 ahead of Saturn, -0.75
    PlaceBody(chart, kMars, 90.0);   // Mars's 210: -0.75
    chart.m_shadbala.Compute(chart);
    EXPECT_EQ(chart.m_shadbala.m_nNature[kMercury - 1], -1);
}

TEST(Shadbala, SthanaBalaParts) {
    CChart chart = Conjunction();
    PlaceBody(chart, kLagna, 10.0); // Aries
    PlaceBody(chart, kSun, 130.0);  // Leo, in its moolatrikona degrees
    chart.m_vargaSign.SetSign(kSun, kD9Column, kAries);
    chart.m_vargaSign.SetSign(kSun, kD3Column, kLeo);
    PlaceBody(chart, kMoon, 40.0); // Taurus
    chart.m_vargaSign.SetSign(kMoon, kD9Column, kGemini);
    chart.m_vargaSign.SetSign(kMoon, kD3Column, kCapricorn); // the 9th from Taurus
    chart.ComputeRelationships(); // the saptavargaja reads the rasi's compound relationships
    chart.m_shadbala.Compute(chart);
    EXPECT_DOUBLE_EQ(Value(chart, kSun, CShadbala::kKendra), 30.0);    // 5th house
    EXPECT_DOUBLE_EQ(Value(chart, kMoon, CShadbala::kKendra), 30.0);   // 2nd house
    EXPECT_DOUBLE_EQ(Value(chart, kMars, CShadbala::kKendra), 60.0);   // 1st house
    EXPECT_DOUBLE_EQ(Value(chart, kSun, CShadbala::kOjaYugma), 30.0);  // odd in D-1 and D-9
    EXPECT_DOUBLE_EQ(Value(chart, kMoon, CShadbala::kOjaYugma), 15.0); // even in D-1 only
    EXPECT_DOUBLE_EQ(Value(chart, kSun, CShadbala::kDrekkana), 15.0);
    EXPECT_DOUBLE_EQ(Value(chart, kMoon, CShadbala::kDrekkana), 15.0);
    EXPECT_DOUBLE_EQ(Value(chart, kMars, CShadbala::kDrekkana), 15.0); // Aries in D-3 too
    EXPECT_DOUBLE_EQ(Value(chart, kMercury, CShadbala::kDrekkana), 0.0);
    // The Sun's rasi scores the moolatrikona's 45; in the six other vargas it is in Leo (own: 30), except
    // in D-9 (Aries, Mars's sign: Mars is the Sun's natural friend and in the 9th from it a temporal
    // enemy: neutral, 7.5).
    EXPECT_DOUBLE_EQ(Value(chart, kSun, CShadbala::kSaptavargaja), 45.0 + 5 * 30.0 + 7.5);
}

TEST(Shadbala, DigBalaIsFullAtThePlanetsStrongPoint) {
    struct Case {
        int planet;
        double fromLagna; // degrees after the lagna
        double digBala;
    };
    constexpr Case kCases[] = {{kSun, 270, 60},   {kSun, 90, 0},      {kMars, 270, 60},
                               {kMoon, 90, 60},   {kVenus, 90, 60},   {kMercury, 0, 60},
                               {kJupiter, 0, 60}, {kSaturn, 180, 60}, {kSaturn, 90, 30}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.planet << " at " << c.fromLagna);
        CChart chart = Conjunction();
        PlaceBody(chart, c.planet, 10.0 + c.fromLagna);
        chart.m_shadbala.Compute(chart);
        EXPECT_NEAR(Value(chart, c.planet, CShadbala::kDigBala), c.digBala, 1e-9);
    }
}

TEST(Shadbala, NatonnataFollowsTheSunsDistanceFromMidnight) {
    CChart chart = Conjunction();
    PlaceBody(chart, kSun, 100.0); // lagna + 90: the Sun at the nadir
    chart.m_shadbala.Compute(chart);
    EXPECT_NEAR(Value(chart, kSun, CShadbala::kNatonnata), 0.0, 1e-9);
    EXPECT_NEAR(Value(chart, kMoon, CShadbala::kNatonnata), 60.0, 1e-9);
    EXPECT_NEAR(Value(chart, kMercury, CShadbala::kNatonnata), 60.0, 1e-9);
    PlaceBody(chart, kSun, 280.0); // at the zenith
    chart.m_shadbala.Compute(chart);
    EXPECT_NEAR(Value(chart, kJupiter, CShadbala::kNatonnata), 60.0, 1e-9);
    EXPECT_NEAR(Value(chart, kSaturn, CShadbala::kNatonnata), 0.0, 1e-9);
}

TEST(Shadbala, PakshaGrowsWithTheMoonsElongationForBenefics) {
    CChart chart = Conjunction();
    PlaceBody(chart, kMoon, 130.0); // 120 from the Sun: benefic
    chart.m_shadbala.Compute(chart);
    EXPECT_NEAR(Value(chart, kMoon, CShadbala::kPaksha), 80.0, 1e-9); // 40, doubled
    EXPECT_NEAR(Value(chart, kJupiter, CShadbala::kPaksha), 40.0, 1e-9);
    EXPECT_NEAR(Value(chart, kSaturn, CShadbala::kPaksha), 20.0, 1e-9);
}

// The day count picks the lords of the year, month and weekday; hours since sunrise the hora lord;
// the third of the day or night the tribhaga lord.
TEST(Shadbala, TimeLords) {
    struct Case {
        int dayCount;
        double ghatis;
        bool dayBirth;
        int year;    // planets with 15 ...
        int month;   // 30
        int weekday; // 45
        int hora;    // 60
        int third;   // 60 besides Jupiter
    };
    constexpr Case kCases[] = {
        {0, 0.0, true, kMercury, kMercury, kMars, kMars, kMercury},
        {1, 2.5, true, kMercury, kMercury, kMercury, kMoon, kMercury}, // one hour in: the second hora
        {360, 12.0, true, kSaturn, kSaturn, kVenus, kJupiter, kSun},   // 4 hours, second third
        {7, 40.0, false, kMercury, kMercury, kMars, kVenus, kVenus},   // 16 hours; the night's second third
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.dayCount);
        CChart chart = Conjunction();
        chart.m_currentDay.m_nDayNumber = c.dayCount;
        chart.m_sunriseFrame.m_dGhatisSinceStart = c.ghatis;
        chart.m_sunriseFrame.m_dDayLength = 30.0;
        chart.m_sunriseFrame.m_dNightLength = 30.0;
        chart.m_sunriseFrame.m_bDayBirth = c.dayBirth;
        chart.m_shadbala.Compute(chart);
        for (int p = kSun; p <= kSaturn; ++p) {
            SCOPED_TRACE(p);
            EXPECT_EQ(Value(chart, p, CShadbala::kAbda), p == c.year ? 15.0 : 0.0);
            EXPECT_EQ(Value(chart, p, CShadbala::kMaasa), p == c.month ? 30.0 : 0.0);
            EXPECT_EQ(Value(chart, p, CShadbala::kVaara), p == c.weekday ? 45.0 : 0.0);
            EXPECT_EQ(Value(chart, p, CShadbala::kHora), p == c.hora ? 60.0 : 0.0);
            EXPECT_EQ(Value(chart, p, CShadbala::kTribhaga), p == c.third || p == kJupiter ? 60.0 : 0.0);
        }
        EXPECT_EQ(chart.m_shadbala.m_inputs.m_nWeekdayLord, c.weekday - 1);
    }
}

TEST(Shadbala, BhavaDigBalaByTheClassOfTheSign) {
    struct Case {
        double lagna;
        int house;
        double digBala;
    };
    constexpr Case kCases[] = {
        {10, 1, 30},  // Aries, quadruped: no strength in the 4th
        {10, 4, 60},  // Cancer, watery: none in the 10th
        {10, 7, 0},   // Libra, human: none in the 7th
        {10, 8, 50},  // Scorpio, insect: none in the 1st
        {250, 1, 60}, // Sagittarius below 15 degrees: human
        {260, 1, 30}, // Sagittarius from 15 degrees: quadruped
        {250, 2, 20}, // Capricorn with the lagna below 15: quadruped
        {260, 2, 40}, // Capricorn from 15: watery
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.lagna << " house " << c.house);
        CChart chart = Conjunction();
        PlaceBody(chart, kLagna, c.lagna);
        chart.m_shadbala.Compute(chart);
        const CShadbala::HouseRow& house = chart.m_shadbala.m_house[c.house - 1];
        EXPECT_DOUBLE_EQ(house.m_dDigBala, c.digBala);
        const int sign = (chart.m_bodies[kLagna].m_nSign + c.house - 1) % 12;
        EXPECT_DOUBLE_EQ(house.m_dLordBala, Value(chart, SignLordPlain(sign), CShadbala::kShadbala));
        EXPECT_DOUBLE_EQ(house.m_dBhavaBala, house.m_dLordBala + house.m_dDigBala + house.m_dDrishtiBala);
    }
}

TEST(Shadbala, TajakaStrengthsOfAPlanetInItsOwnPlaces) {
    CChart chart = Conjunction();
    PlaceBody(chart, kMars, 28.0); // Aries in every varga, 90 degrees from its debilitation point
    chart.m_vargaSign.SetHaddaLord(kMars, kMars);
    chart.m_shadbala.Compute(chart);
    // (30 / 3 + 30 + 15 + 10 + 5) / 4
    EXPECT_DOUBLE_EQ(Value(chart, kMars, CShadbala::kPanchaVargeeyaBala), 17.5);
    EXPECT_EQ(chart.m_shadbala.m_planet[kMars - 1].m_nPanchaVargeeyaGrade, 3);
    EXPECT_EQ(chart.m_shadbala.m_planet[kMars - 1].m_nDwadasaVargeeyaBala, 12);
    // Saturn debilitated in Aries everywhere.
    EXPECT_EQ(chart.m_shadbala.m_planet[kSaturn - 1].m_nDwadasaVargeeyaBala, 0);
    // The Sun exalted there.
    EXPECT_EQ(chart.m_shadbala.m_planet[kSun - 1].m_nDwadasaVargeeyaBala, 12);
    EXPECT_EQ(TajakaRelation(kSun, kJupiter), 1);
    EXPECT_EQ(TajakaRelation(kVenus, kSaturn), 1);
    EXPECT_EQ(TajakaRelation(kVenus, kMoon), 0);
    EXPECT_EQ(TajakaRelation(kMars, kMars), 2);
    EXPECT_EQ(TajakaRelation(kMars, 0), 0);
}

// Full natal charts through the pipeline (positions from the ephemeris).
class ShadbalaOfNatalCharts : public ChartTest {};

TEST_F(ShadbalaOfNatalCharts, EveryComponentLiesInItsRange) {
    struct Birth {
        double jdUt;
        double longitudeEast;
        double latitude;
    };
    constexpr Birth kBirths[] = {{2451545.0, 77.2, 28.6},
                                 {2444239.7, -0.1, 51.5},
                                 {2447892.3, 151.2, -33.9},
                                 {2460000.9, -74.0, 40.7}};
    struct Range {
        Item item;
        double low;
        double high;
    };
    constexpr Range kRanges[] = {
        {CShadbala::kUchcha, 0, 60},
        {CShadbala::kSaptavargaja, 7 * 1.875, 7 * 45},
        {CShadbala::kOjaYugma, 0, 30},
        {CShadbala::kKendra, 15, 60},
        {CShadbala::kDrekkana, 0, 15},
        {CShadbala::kDigBala, 0, 60},
        {CShadbala::kNatonnata, 0, 60},
        {CShadbala::kPaksha, 0, 120},
        {CShadbala::kTribhaga, 0, 60},
        {CShadbala::kAbda, 0, 15},
        {CShadbala::kMaasa, 0, 30},
        {CShadbala::kVaara, 0, 45},
        {CShadbala::kHora, 0, 60},
        {CShadbala::kAyana, 0, 120},
        {CShadbala::kYuddha, 0, 0},
        {CShadbala::kCheshtaBala, 0, 60},
        {CShadbala::kNaisargikaBala, 8.57, 60},
        {CShadbala::kDrigBala, -90, 90},
        {CShadbala::kIshtaPhala, 0, 60},
        {CShadbala::kKashtaPhala, 0, 60},
        {CShadbala::kIshtaParasara, 0, 60},
        {CShadbala::kKashtaParasara, 0, 60},
        {CShadbala::kUchchaRashmi, 2, 14},
        {CShadbala::kCheshtaRashmi, 2, 14},
        {CShadbala::kSubhaRashmi, 2, 14},
        {CShadbala::kAsubhaRashmi, -6, 6},
        {CShadbala::kPanchaVargeeyaBala, 0, 20},
    };
    for (const Birth& birth : kBirths) {
        SCOPED_TRACE(birth.jdUt);
        CChart chart = NatalChart(birth.jdUt, birth.longitudeEast, birth.latitude);
        ASSERT_TRUE(chart.Compute().ok());
        for (int i = 0; i < kShadbalaPlanets; ++i) {
            const CShadbala::PlanetRow& row = chart.m_shadbala.m_planet[i];
            for (const Range& range : kRanges) {
                EXPECT_GE(row.m_value[range.item], range.low) << "planet " << i << " item " << range.item;
                EXPECT_LE(row.m_value[range.item], range.high) << "planet " << i << " item " << range.item;
            }
            EXPECT_TRUE(std::isfinite(row.m_value[CShadbala::kShadbala]));
            EXPECT_GE(row.m_nPanchaVargeeyaGrade, 0);
            EXPECT_LE(row.m_nPanchaVargeeyaGrade, 4);
            EXPECT_GE(row.m_nDwadasaVargeeyaBala, 0);
            EXPECT_LE(row.m_nDwadasaVargeeyaBala, 12);
        }
        for (const CShadbala::HouseRow& house : chart.m_shadbala.m_house) {
            EXPECT_GE(house.m_dDigBala, 0.0);
            EXPECT_LE(house.m_dDigBala, 60.0);
            // Mercury and Jupiter whole, the other five a quarter of at most 60 virupas.
            EXPECT_GE(house.m_dDrishtiBala, -75.0);
            EXPECT_LE(house.m_dDrishtiBala, 195.0);
        }
    }
}

} // namespace
