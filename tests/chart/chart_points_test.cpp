// Computed points on charts whose positions are set by hand: special lagnas, the Dhooma group, the time
// upagrahas, sphutas, Yogi points and sahams.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "core/option_snapshot.h"
#include "core/varga_options.h"
#include "day_chart_support.h"

namespace {

constexpr double kTolerance = 1e-9;

TEST_F(DayChartTest, SpecialLagnasMoveWithTheGhatisSinceSunrise) {
    CChart chart;
    Place(chart, kLagna, 10.0);
    Place(chart, kSun, 280.0); // Capricorn, a movable sign
    Place(chart, kMoon, 20.0);
    Place(chart, kRahu, 350.0);
    chart.m_sunAtSunrise.m_dLongitude = 279.5;
    chart.m_sunAtSunrise.SplitLongitude();
    chart.m_sunriseFrame.m_dGhatisSinceStart = 10.0;
    struct Case {
        int body;
        double expected;
    };
    const Case cases[] = {
        {kBhavaLagna, 339.5},    // 279.5 + 6 x 10
        {kHoraLagna, 39.5},      // 279.5 + 12 x 10
        {kGhatiLagna, 219.5},    // 279.5 + 30 x 10
        {kVighatiLagna, 39.5},   // 279.5 + 120 x 10
        {kPranapadaLagna, 40.0}, // 280 + 1200
        {kSreeLagna, 190.0},     // the Moon half through Bharani: lagna + 180
        {kInduLagna, 230.0},     // Jupiter 10 + Jupiter 10 rays: the 8th sign from the Moon, Scorpio 20
        {kBhriguBindu, 5.0},     // halfway from Rahu 350 to the Moon 20
        {kKunda, 90.0},          // 81 x 10
    };
    chart.ComputeSpecialLagnas();
    for (const Case& c : cases)
        EXPECT_NEAR(chart.m_bodies[c.body].m_dLongitude, c.expected, kTolerance) << c.body;

    g_bContinuousSpecialLagnas = true; // from the Sun at birth
    chart.ComputeSpecialLagnas();
    EXPECT_NEAR(chart.m_bodies[kHoraLagna].m_dLongitude, 40.0, kTolerance);
    chart.m_sunriseFrame.m_dGhatisSinceStart = 0.0; // at sunrise the Hora Lagna is the base itself
    chart.ComputeSpecialLagnas();
    EXPECT_NEAR(chart.m_bodies[kHoraLagna].m_dLongitude, 280.0, kTolerance);
}

TEST_F(DayChartTest, PranapadaLagnaByTheNatureOfTheSunsSign) {
    CChart chart;
    chart.m_sunriseFrame.m_dGhatisSinceStart = 1.0;
    const double sunAndExpected[][2] = {{10.0, 130.0}, {40.0, 40.0}, {70.0, 310.0}}; // movable, fixed, dual
    for (const auto& c : sunAndExpected) {
        Place(chart, kSun, c[0]);
        chart.ComputeSpecialLagnas();
        EXPECT_NEAR(chart.m_bodies[kPranapadaLagna].m_dLongitude, c[1], kTolerance) << c[0];
    }
}

TEST_F(DayChartTest, DhoomaGroupFromTheSun) {
    CChart chart;
    Place(chart, kSun, 10.0);
    for (int b = kDhooma; b < kDhooma + 5; ++b) chart.m_bodies[b].m_bRetrograde = 1;
    // Method 0: Dhooma Leo 23 deg 20', Vyatipata 216 deg 40', Parivesha, Indra Chapa, and Upaketu a sign
    // behind the Sun.
    const double method0[5] = {143.0 + 1.0 / 3.0, 216.0 + 2.0 / 3.0, 36.0 + 2.0 / 3.0, 323.0 + 1.0 / 3.0,
                               340.0};
    const double method1[5] = {143.0 + 1.0 / 3.0, 196.0 + 2.0 / 3.0, 16.0 + 2.0 / 3.0, 323.0 + 1.0 / 3.0,
                               340.0};
    g_nVyatipataMethod = 0;
    chart.ComputeSunUpagrahas();
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(chart.m_bodies[kDhooma + i].m_dLongitude, method0[i], kTolerance) << i;
        EXPECT_EQ(chart.m_bodies[kDhooma + i].m_bRetrograde, 0);
    }
    EXPECT_EQ(chart.m_bodies[kDhooma].m_nSign, 4);
    EXPECT_EQ(chart.m_bodies[kDhooma].m_nDegrees, 23);
    EXPECT_EQ(chart.m_bodies[kDhooma].m_nMinutes, 20);
    g_nVyatipataMethod = 1;
    chart.ComputeSunUpagrahas();
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(chart.m_bodies[kDhooma + i].m_dLongitude, method1[i], kTolerance) << i;
    g_nVyatipataMethod = 2; // no such method: the records stay
    Place(chart, kSun, 100.0);
    chart.ComputeSunUpagrahas();
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(chart.m_bodies[kDhooma + i].m_dLongitude, method1[i], kTolerance) << i;
}

// A chart at Ujjain whose sunrise frame is set by hand: the day starts at `start` (UT Julian day) and
// lasts half a day, the night the other half.
CChart FramedChart(double start, int weekday, bool dayBirth) {
    CChart chart = LocalChart(2024, 1, 15, 12.0, -5.5, 75.77, 23.18);
    chart.m_sunriseFrame.m_dStartJd = start;
    chart.m_sunriseFrame.m_dNightStartJd = start + 0.5;
    chart.m_sunriseFrame.m_dNextStartJd = start + 1.0;
    chart.m_sunriseFrame.m_dDayLength = 30.0;
    chart.m_sunriseFrame.m_dNightLength = 30.0;
    chart.m_sunriseFrame.m_bDayBirth = dayBirth ? 1 : 0;
    chart.m_currentDay.m_nWeekday = weekday;
    return chart;
}

// The lagna at a moment, at the chart's place.
double LagnaAt(const CChart& chart, double jdUt) {
    CChartCore probe;
    EXPECT_TRUE(chart.SetFromJulianDay(jdUt, probe).ok());
    return probe.m_bodies[kLagna].m_dLongitude;
}

TEST_F(DayChartTest, TimeUpagrahasTakeTheLagnaOfTheirLordsPart) {
    const double start = 2460324.55;
    const double part = 0.5 / 8.0; // days
    struct Case {
        int weekday;
        bool day;
        int body;
        double parts; // from the start of the day or night
        const char* why;
    };
    const Case cases[] = {
        {0, true, kGulika, 6.0, "Sunday: Saturn's is the 7th part; Gulika at its start"},
        {0, true, kMaandi, 6.5, "Maandi at the middle of Saturn's part"},
        {0, true, kKaala, 0.5, "the Sun's part is the first on Sunday"},
        {1, true, kGulika, 5.0, "Monday: Saturn's is the 6th part"},
        {6, true, kGulika, 0.0, "Saturday: Saturn's is the first part"},
        {0, false, kGulika, 2.0, "Sunday night runs from Jupiter: Saturn's is the 3rd part"},
        {0, false, kKaala + 1, 6.5, "Mrityu (Mars) after Saturn, the lordless part, the Sun and the Moon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CChart chart = FramedChart(start, c.weekday, c.day);
        ASSERT_TRUE(chart.ComputeUpagrahasAndSphutas().ok());
        const double from = c.day ? start : start + 0.5;
        EXPECT_NEAR(chart.m_bodies[c.body].m_dLongitude, LagnaAt(chart, from + c.parts * part), 1e-6);
    }
}

TEST_F(DayChartTest, TimeUpagrahaOptions) {
    const double start = 2460324.55;
    const double part = 0.5 / 8.0;
    CChart chart = FramedChart(start, 0, true);
    g_bMandiInSaturnPortion = false;            // Maandi takes the lordless eighth part
    g_nUpagrahaRiseMethod = {2, 1, 1, 1, 1, 7}; // Kaala at its part's end; Gulika out of range: its default
    ASSERT_TRUE(chart.ComputeUpagrahasAndSphutas().ok());
    EXPECT_NEAR(chart.m_bodies[kMaandi].m_dLongitude, LagnaAt(chart, start + 7.5 * part), 1e-6);
    EXPECT_NEAR(chart.m_bodies[kKaala].m_dLongitude, LagnaAt(chart, start + 1.0 * part), 1e-6);
    EXPECT_NEAR(chart.m_bodies[kGulika].m_dLongitude, LagnaAt(chart, start + 6.0 * part), 1e-6);
    g_nUpagrahaRiseMethod = {-1, 1, 1, 1, 1, 0}; // Kaala out of range: the middle
    ASSERT_TRUE(chart.ComputeUpagrahasAndSphutas().ok());
    EXPECT_NEAR(chart.m_bodies[kKaala].m_dLongitude, LagnaAt(chart, start + 0.5 * part), 1e-6);
}

TEST_F(DayChartTest, SphutasFromTheirBodies) {
    CChart chart = FramedChart(2460324.55, 0, true);
    const int bodies[] = {kLagna, kSun, kMoon, kMars, kJupiter, kVenus, kRahu};
    for (int i = 0; i < 7; ++i) Place(chart, bodies[i], 10.0 * (i + 1)); // L 10, Su 20 .. Ra 70
    ASSERT_TRUE(chart.ComputeUpagrahasAndSphutas().ok());
    const double Gu = chart.m_bodies[kGulika].m_dLongitude;
    const double prana = 50.0 + Gu, deha = 240.0 + Gu, mrityu = 7.0 * Gu + 20.0;
    const double expected[12] = {prana,
                                 deha,
                                 mrityu,
                                 prana + deha + mrityu,
                                 10.0,
                                 50.0,
                                 50.0,
                                 30.0 + 40.0 + 50.0,
                                 60.0 + 50.0 + 20.0,
                                 40.0 + Gu,
                                 60.0 + Gu,
                                 130.0 + Gu};
    for (int i = 0; i < 12; ++i) {
        CRasiLongitude want;
        want.m_dLongitude = expected[i];
        want.SplitLongitude();
        EXPECT_NEAR(chart.m_bodies[kPranaSphuta + i].m_dLongitude, want.m_dLongitude, 1e-9) << i;
    }
}

TEST_F(DayChartTest, YogiAndAvayogiPoints) {
    CChart chart;
    Place(chart, kSun, 10.0);
    Place(chart, kMoon, 20.0);
    chart.ComputeYogiPoints();
    EXPECT_NEAR(chart.m_dYogiPoint, 123.0 + 1.0 / 3.0, kTolerance); // Leo 3 deg 20', Magha
    EXPECT_EQ(chart.m_nYogiPlanet, kKetu);
    EXPECT_EQ(chart.m_nDuplicateYogi, kSun);
    EXPECT_NEAR(chart.m_dAvayogiPoint, 310.0, kTolerance); // Aquarius 10, Shatabhisha
    EXPECT_EQ(chart.m_nAvayogiPlanet, kRahu);
    EXPECT_EQ(chart.m_bodies[kYogiPoint].m_nSign, 4);
    EXPECT_EQ(chart.m_bodies[kAvayogiPoint].m_nSign, 10);
}

TEST_F(DayChartTest, SahamAddsASignUnlessTheLagnaLiesFromBToA) {
    CChart chart;
    Place(chart, kSun, 10.0);
    Place(chart, kMoon, 100.0);
    struct Case {
        double lagna;
        bool day;
        double punya; // saham 0: Moon - Sun + lagna by day, Sun - Moon + lagna by night
    };
    const Case cases[] = {
        {50.0, true, 140.0},   // the lagna between the Sun and the Moon
        {10.0, true, 100.0},   // on the Sun: the arc's ends count
        {200.0, true, 320.0},  // outside: + 30
        {200.0, false, 110.0}, // by night from the Moon round to the Sun, which holds the lagna
        {50.0, false, 350.0},
    };
    for (const Case& c : cases) {
        Place(chart, kLagna, c.lagna);
        chart.m_sunriseFrame.m_bDayBirth = c.day;
        chart.ComputeSpecialPoints();
        EXPECT_NEAR(chart.m_specialPoint[0].m_dLongitude, c.punya, kTolerance) << c.lagna << " " << c.day;
    }
}

TEST_F(DayChartTest, SahamsWithTheirOwnNightAndLordRules) {
    CChart chart;
    Place(chart, kLagna, 5.0);  // Aries: Mars owns the lagna
    Place(chart, kSun, 40.0);   // Taurus: Venus
    Place(chart, kMoon, 100.0); // Cancer: the Moon itself
    Place(chart, kMars, 200.0);
    Place(chart, kMercury, 60.0);
    Place(chart, kJupiter, 250.0);
    Place(chart, kVenus, 300.0);
    Place(chart, kSaturn, 150.0);
    chart.m_sunriseFrame.m_bDayBirth = 1;
    chart.ComputeSpecialPoints();
    // 6: Jupiter - Mars + lagna when Mars owns the lagna; the lagna is not from Mars on to Jupiter.
    EXPECT_NEAR(chart.m_specialPoint[6].m_dLongitude, 250.0 - 200.0 + 5.0 + 30.0, kTolerance);
    // 24 by day: Saturn - Sun + the lord of the Sun's sign (Venus).
    EXPECT_NEAR(chart.m_specialPoint[24].m_dLongitude, 150.0 - 40.0 + 300.0 + 30.0 - 360.0, kTolerance);
    // 28 from two sahams: Sastra (17: Jupiter - Saturn + Mercury + 30 = 190) - Punya (0: Moon - Sun + lagna
    // + 30 = 95) + lagna, and 30 more.
    EXPECT_NEAR(chart.m_specialPoint[28].m_dLongitude, 190.0 - 95.0 + 5.0 + 30.0, kTolerance);
    // 15 keeps its points by night: lagna - Moon + lagna, the lagna at A.
    chart.m_sunriseFrame.m_bDayBirth = 0;
    chart.ComputeSpecialPoints();
    EXPECT_NEAR(chart.m_specialPoint[15].m_dLongitude, 5.0 - 100.0 + 5.0 + 360.0, kTolerance);
    // 24 by night: Saturn - Moon + the lord of the Moon's sign (the Moon), A and B kept.
    EXPECT_NEAR(chart.m_specialPoint[24].m_dLongitude, 150.0 - 100.0 + 100.0 + 30.0, kTolerance);
    // 32 by night: Saturn - 105 + lagna; the lagna is not from 105 on to Saturn.
    EXPECT_NEAR(chart.m_specialPoint[32].m_dLongitude, 150.0 - 105.0 + 5.0 + 30.0, kTolerance);
}

// The sahams in a varga follow the chart: asked again in the same varga after the sahams moved, they are
// worked out anew, not the answer kept from before.
TEST_F(DayChartTest, SahamsInAVargaFollowTheSahamsWhenTheyMove) {
    const CScopedOption<int> parasaraNavamsa(g_nD9Preference, 0);
    const CScopedOption<int> reference(g_nBhavaChartRef, kSun);
    CChart chart;
    Place(chart, kLagna, 5.0);
    chart.m_sunriseFrame.m_bDayBirth = 1;
    for (const double sun : {40.0, 41.0, 77.5}) {
        SCOPED_TRACE(sun);
        Place(chart, kSun, sun);
        chart.ComputeSpecialPoints();
        const std::array<CRasiLongitude, kSahamCount> navamsas = chart.SahamsInVarga(kD9Column);
        for (int s = 0; s < kSahamCount; ++s)
            EXPECT_NEAR(navamsas[s].m_dLongitude,
                        std::fmod(9.0 * chart.m_specialPoint[s].m_dLongitude, 360.0), 1e-9)
                << s;
    }
}

// The sahams in the chalit chakra follow its reference body: with the houses' middles at the reference's
// degree in its sign, a reference at 15 degrees leaves every saham in its own sign, and one at 0 degrees
// moves the sahams of a sign's second half one sign on. Asked again after the reference changed, the
// sahams are worked out for the new one.
TEST_F(DayChartTest, SahamsInTheChalitChakraFollowItsReferenceBody) {
    const CScopedOption<int> rasiBase(g_nBhavaChartVarga, kD1Column);
    const CScopedOption<bool> cuspsInMiddle(g_bHouseCuspsInMiddle, true);
    const CScopedOption<int> reference(g_nBhavaChartRef, kSun);
    CChart chart;
    Place(chart, kLagna, 5.0);
    Place(chart, kSun, 45.0);   // 15 degrees of Taurus
    Place(chart, kMoon, 120.0); // 0 degrees of Leo
    chart.m_sunriseFrame.m_bDayBirth = 1;
    chart.ComputeSpecialPoints();
    for (const int body : {kSun, kMoon, kSun}) {
        SCOPED_TRACE(body);
        g_nBhavaChartRef = body;
        const std::array<CRasiLongitude, kSahamCount> chalit = chart.SahamsInVarga(kBhavaColumn);
        for (int s = 0; s < kSahamCount; ++s) {
            const double longitude = chart.m_specialPoint[s].m_dLongitude;
            const int sign = static_cast<int>(longitude / 30.0);
            const bool movesOn = body == kMoon && std::fmod(longitude, 30.0) >= 15.0;
            EXPECT_EQ(chalit[s].m_nSign, (sign + movesOn) % 12) << s << " at " << longitude;
        }
    }
}

} // namespace
