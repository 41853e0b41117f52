// Rules asked of two signs, two angles or a planet and a point: aspects, drishti strength, sign counts,
// angle arithmetic, the 28-nakshatra scheme and the small text helpers.
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/chart_helpers.h"
#include "core/drishti.h"
#include "core/option_snapshot.h"
#include "core/sign_rules.h"

namespace {

constexpr int kSun = 1, kMoon = 2, kMars = 3, kJupiter = 5, kSaturn = 7, kRahu = 8, kKetu = 9;

TEST(SignRules, RasiDrishti) {
    struct Case {
        int from;
        std::array<int, 3> aspected;
    };
    // Each sign and the three signs it aspects besides itself.
    const Case kCases[] = {
        {0, {4, 7, 10}}, {1, {3, 6, 9}}, {2, {5, 8, 11}}, {3, {1, 7, 10}},
        {4, {0, 6, 9}},  {9, {1, 4, 7}}, {10, {0, 3, 6}}, {11, {2, 5, 8}},
    };
    for (const Case& c : kCases) {
        for (int to = 0; to < 12; ++to) {
            const bool expected =
                to == c.from || to == c.aspected[0] || to == c.aspected[1] || to == c.aspected[2];
            EXPECT_EQ(SignsAspect(c.from, to), expected) << c.from << " -> " << to;
        }
    }
    for (int a = 0; a < 12; ++a) {
        for (int b = 0; b < 12; ++b) EXPECT_EQ(SignsAspect(a, b), SignsAspect(b, a)) << a << " " << b;
    }
}

TEST(SignRules, GrahaDrishti) {
    struct Case {
        int planet;
        std::array<int, 4> houses; // houses aspected from the planet's sign besides the 7th (0 = none)
    };
    const Case kCases[] = {
        {kSun, {0, 0, 0, 0}},     {kMoon, {0, 0, 0, 0}},    {kMars, {4, 8, 0, 0}},
        {kJupiter, {5, 9, 0, 0}}, {kSaturn, {3, 10, 0, 0}}, {kRahu, {2, 5, 9, 0}},
    };
    for (const Case& c : kCases) {
        for (int house = 1; house <= 12; ++house) {
            bool expected = house == 7;
            for (int h : c.houses) expected = expected || h == house;
            EXPECT_EQ(PlanetAspectsHouse(c.planet, 5, (5 + house - 1) % 12), expected)
                << c.planet << " " << house;
        }
    }
    for (int b = 0; b < 12; ++b) EXPECT_FALSE(PlanetAspectsHouse(kKetu, 0, b)) << b;
}

TEST(SignRules, LordsAndCoLords) {
    EXPECT_TRUE(IsLordOfSign(kMars, 0));
    EXPECT_TRUE(IsLordOfSign(kSaturn, 10));
    EXPECT_TRUE(IsLordOfSign(kRahu, 10));
    EXPECT_TRUE(IsLordOfSign(kKetu, 7));
    EXPECT_FALSE(IsLordOfSign(kRahu, 7));
    EXPECT_EQ(CoLordChoiceText(10), "Saturn and Rahu");
    EXPECT_EQ(CoLordChoiceText(7), "Mars and Ketu");
    EXPECT_EQ(CoLordChoiceText(4), "Sun");
}

TEST(SignRules, TwentyEightNakshatras) {
    EXPECT_EQ(ToNakshatra28(20, 3), 21); // Uttara Ashadha's 4th pada: Abhijit
    EXPECT_EQ(ToNakshatra28(20, 2), 20);
    EXPECT_EQ(ToNakshatra28(21, 0), 22); // Shravana
    EXPECT_EQ(ToNakshatra28(26, 3), 27);
    EXPECT_EQ(ToNakshatra28(5, 3), 5);
}

TEST(SignRules, CountSigns) {
    struct Case {
        int a, n, m, mode;
        bool reverse;
        int expected;
    };
    const Case kCases[] = {
        {0, 3, 12, 0, false, 3},
        {0, 3, 12, 1, false, 9},
        {0, 3, 12, 2, false, 4},
        {0, 3, 12, 3, false, 10},
        {0, 3, 12, 4, false, 2},
        {0, 3, 12, 5, false, 8},
        {11, 3, 12, 0, false, 2},
        {5, 30, 12, 1, false, 11},
        // a - 3 + 1 = -2, raised to 10: Aquarius (the formula's answer)
        {0, 3, 12, 2, true, 10},
        {2, 4, 27, 1, false, 25},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(CountSigns(c.a, c.n, c.m, c.mode, c.reverse), c.expected)
            << c.a << " " << c.n << " mode " << c.mode;
}

TEST(AngleMath, Arithmetic) {
    EXPECT_DOUBLE_EQ(Reduce360(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(Reduce360(725.0), 5.0);
    EXPECT_DOUBLE_EQ(AngleDiff(10.0, 350.0), 20.0);
    EXPECT_DOUBLE_EQ(AngleSum(350.0, 20.0), 10.0);
    EXPECT_DOUBLE_EQ(AngleDistance(350.0, 10.0), 20.0);
    EXPECT_DOUBLE_EQ(AngleDistance(10.0, 200.0), 170.0);
    EXPECT_DOUBLE_EQ(AngleDistance(-350.0, 730.0), 0.0);
    EXPECT_DOUBLE_EQ(AngleMidpoint(10.0, 350.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(AngleMidpoint(10.0, 350.0, 90.0), 90.0);
    EXPECT_TRUE(IsAngleBetween(5.0, 350.0, 20.0));
    EXPECT_TRUE(IsAngleBetween(350.0, 350.0, 20.0));
    EXPECT_FALSE(IsAngleBetween(20.0, 350.0, 20.0));
    EXPECT_FALSE(IsAngleBetween(25.0, 350.0, 20.0));
    EXPECT_DOUBLE_EQ(Fabs(-2.5), 2.5);
}

TEST(AngleMath, IntegerHelpers) {
    EXPECT_EQ(ModOneBased(14u, 7u), 7u);
    EXPECT_EQ(ModOneBased(15u, 7u), 1u);
    EXPECT_EQ(SignedModOneBased(24, 12), 12);
    EXPECT_EQ(SignedModOneBased(13, 12), 1);
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_TRUE(PtInBox(0, 0, 0, 0, 10, 10));
    EXPECT_FALSE(PtInBox(10, 5, 0, 0, 10, 10));
    EXPECT_FALSE(PtInBox(5, 10, 0, 0, 10, 10));
}

TEST(Drishti, StrengthWithAndWithoutParasarasGrades) {
    struct Case {
        bool parasara;
        int planet;
        double d;
        double expected; // 0-100
    };
    const Case kCases[] = {
        {true, kSaturn, 75.0, 87.5},   // 60 - 15/2 = 52.5 virupas
        {false, kSaturn, 75.0, 100.0}, // 30 + 45, capped at 60 virupas
        {false, kSun, 75.0, 50.0},     // 30 virupas
        {false, kSun, 180.0, 100.0},
        {false, kSun, 10.0, 0.0},
        {false, kSun, 45.0, 12.5},                // (45 - 30) / 2
        {false, kSun, 160.0, 33.333333333333336}, // 2 (160 - 150)
        {false, kSun, 310.0, 0.0},
        {true, kMars, 195.0, 100.0},                  // full at once in [180, 210)
        {true, kMars, 75.0, 62.5},                    // 15 + 1.5 x 15
        {false, kMars, 100.0, 91.666666666666657},    // 40 + 15
        {true, kJupiter, 100.0, 83.333333333333329},  // 45 + 5
        {false, kJupiter, 130.0, 83.333333333333329}, // 20 + 30
        {true, kJupiter, 250.0, 75.0},                // 60 - 15
    };
    const CScopedOptions saved;
    for (const Case& c : kCases) {
        g_bAspectEvalAsPerParasara = c.parasara;
        EXPECT_NEAR(DrishtiStrength(100.0 + c.d, 100.0, c.planet), c.expected, 1e-9)
            << c.planet << " at " << c.d << (c.parasara ? " Parasara" : "");
    }
}

TEST(Drishti, AspectFractionTexts) {
    struct Case {
        double d;
        int planet;
        const char* text;
        double deviation;
    };
    const Case kCases[] = {
        {2.0, kSun, "Full", 2.0},       {358.0, kSun, "Full", 2.0},   {183.0, kSun, "Full", 3.0},
        {88.0, kSun, "3/4", 2.0},       {88.0, kMars, "Full", 2.0},   {121.0, kSun, "1/2", 1.0},
        {121.0, kJupiter, "Full", 1.0}, {62.0, kSaturn, "Full", 2.0}, {62.0, kSun, "1/4", 2.0},
        {150.0, kSun, "None", 150.0},   {30.0, kRahu, "Full", 0.0}, // Rahu counts back: 330
        {240.0, kRahu, "Full", 0.0},    {50.0, kKetu, "None", 50.0},
    };
    for (const Case& c : kCases) {
        std::string text;
        EXPECT_NEAR(AspectFractionText(100.0 + c.d, 100.0, c.planet, 5.0, text), c.deviation, 1e-9) << c.d;
        EXPECT_EQ(text, c.text) << c.d << " planet " << c.planet;
    }
}

TEST(Drishti, SpecialAspectDeviations) {
    EXPECT_NEAR(SpecialAspectJupiter(125.0, 0.0, kJupiter, 6.0), 5.0, 1e-9);
    EXPECT_NEAR(SpecialAspectJupiter(3.0, 0.0, kJupiter, 6.0), 3.0, 1e-9);
    EXPECT_NEAR(SpecialAspectJupiter(357.0, 0.0, kJupiter, 6.0), 3.0, 1e-9);
    EXPECT_EQ(SpecialAspectJupiter(100.0, 0.0, kJupiter, 6.0), 360.0);
    EXPECT_NEAR(SpecialAspectJupiter(125.0, 0.0, kRahu, 6.0), 5.0, 1e-9); // back: 235, 5 from 240
    EXPECT_NEAR(SpecialAspectMarsSaturn(272.0, 0.0, kSaturn, 6.0), 2.0, 1e-9);
    EXPECT_EQ(SpecialAspectMarsSaturn(120.0, 0.0, kMars, 6.0), 360.0);
}

TEST(ChartHelpers, BirthMomentOrder) {
    CLocalDateTime india; // 10:00 in zone -5.5 = 04:30 UT
    india.m_nYear = 2000;
    india.m_time.m_dHours = 10.0;
    india.m_zone.m_dHours = -5.5;
    CLocalDateTime greenwich = india; // 05:00 UT
    greenwich.m_time.m_dHours = 5.0;
    greenwich.m_zone.m_dHours = 0.0;
    EXPECT_TRUE(IsSameBirthMoment(india, greenwich));
    EXPECT_FALSE(IsSameBirthMoment(greenwich, india));
    EXPECT_TRUE(IsSameBirthMoment(india, india));
    EXPECT_TRUE(IsSameBirthMoment3(india, greenwich, greenwich));
    EXPECT_FALSE(IsSameBirthMoment3(india, greenwich, india));
}

TEST(ChartHelpers, DateWithMonthAndGridCopies) {
    CLocalDateTime moment;
    moment.m_nYear = 1987;
    moment.m_nMonth = 7;
    moment.m_nDay = 4;
    moment.m_time.m_dHours = 14.5;
    moment.m_time.SplitHours();
    EXPECT_EQ(FormatDateWithMonth(moment, true), "2:30 pm (July 4, 1987)");
    EXPECT_EQ(FormatDateWithMonth(moment, false), "14:30:00 (July 4, 1987)");
    // A moment that rounds to midnight is dated the next day: to the second, and to the am/pm minute.
    moment.m_time.m_dHours = 23 + 59 / 60.0 + 59.7 / 3600;
    moment.m_time.SplitHours();
    EXPECT_EQ(FormatDateWithMonth(moment, false), "0:00:00 (July 5, 1987)");
    EXPECT_EQ(FormatDateWithMonth(moment, true), "12:00 am (July 5, 1987)");

    std::string grid(8, '.');
    CopyToGrid(grid, 1, "ab");
    EXPECT_EQ(grid, ".ab.....");
    CopyToGrid(grid, 6, "xyz"); // what falls outside the grid is dropped
    EXPECT_EQ(grid, ".ab...xy");
    FormatToGrid(grid, 3, "%d%s", 7, "k");
    EXPECT_EQ(grid, ".ab7k.xy");
}

} // namespace
