// Chara karakas and arudha points on charts whose positions and rasi signs are set by hand.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "day_chart_support.h"

namespace {

// Planets Sun .. Saturn at the given degrees of their signs (each in a sign of its own), Rahu at `rahu`
// degrees of Aries.
CChart KarakaChart(const double (&degrees)[7], double rahu) {
    CChart chart;
    for (int p = kSun; p <= kSaturn; ++p) Place(chart, p, 30.0 * p + degrees[p - 1]);
    Place(chart, kRahu, rahu);
    return chart;
}

TEST_F(DayChartTest, CharaKarakasByDefinition) {
    // Venus 28, Moon 25, Jupiter 20, Mercury 15, Rahu 30 - 18 = 12, Sun 10, Mars 5, Saturn 1.
    const CChart base = KarakaChart({10.0, 25.0, 5.0, 15.0, 20.0, 28.0, 1.0}, 18.0);
    struct Case {
        int definition;
        int count;
        std::array<int, 8> slots;
    };
    const Case cases[] = {
        {0, 8, {kVenus, kMoon, kJupiter, kMercury, kRahu, kSun, kMars, kSaturn}},
        {1, 7, {kVenus, kMoon, kJupiter, kMercury, 0, kSun, kMars, kSaturn}},        // no pitri karaka
        {2, 7, {kVenus, kMoon, kJupiter, kMercury, kSun, kMercury, kMars, kSaturn}}, // matri is putra too
        {3, 7, {kVenus, kMoon, kJupiter, kMercury, kSun, kMercury, kMars, kSaturn}}, // no whole-degree tie
    };
    for (const Case& c : cases) {
        g_nCharaKarakaDefinition = c.definition;
        CChart chart = base;
        chart.ComputeCharaKarakas();
        EXPECT_EQ(chart.m_nCharaKarakas, c.count) << c.definition;
        EXPECT_EQ(chart.m_charaKaraka, c.slots) << c.definition;
    }
}

TEST_F(DayChartTest, EqualDegreesKeepTheEarlierPlanetFirst) {
    g_nCharaKarakaDefinition = 0;
    CChart chart = KarakaChart({10.0, 10.0, 5.0, 15.0, 20.0, 28.0, 1.0}, 25.0);
    chart.ComputeCharaKarakas();
    EXPECT_EQ(chart.m_charaKaraka[3], kSun);
    EXPECT_EQ(chart.m_charaKaraka[4], kMoon);
}

TEST_F(DayChartTest, AWholeDegreeTieBringsInRahuUnderDefinitionThree) {
    // Saturn 28, Sun 20 deg 50', Moon 20 deg 10', Mars 15, Jupiter 10, Venus 5, Mercury 2; Rahu 30 - 22 = 8.
    g_nCharaKarakaDefinition = 3;
    CChart chart = KarakaChart({20.0 + 50.0 / 60.0, 20.0 + 10.0 / 60.0, 15.0, 2.0, 10.0, 5.0, 28.0}, 22.0);
    chart.ComputeCharaKarakas();
    EXPECT_EQ(chart.m_nCharaKarakas, 8);
    // Rahu before Venus; the tied Sun moves to the bhratri slot, the amatya slot takes its natural
    // karaka, Mercury.
    const std::array<int, 8> expected = {kSaturn, kMercury, kSun, kMars, kJupiter, kRahu, kVenus, kMercury};
    EXPECT_EQ(chart.m_charaKaraka, expected);
}

// A rasi chart given by the signs of the lagna and the nine planets (column 0 of the varga table).
CChart ArudhaChart(int lagna, const std::array<int, 9>& planets) {
    g_bNodesInArudhas = false; // plain lords: the rules below, not the co-lord choice
    CChart chart;
    chart.m_vargaSign.SetSign(kLagna, kD1Column, lagna);
    for (int p = kSun; p <= kKetu; ++p) chart.m_vargaSign.SetSign(p, kD1Column, planets[p - 1]);
    return chart;
}

TEST_F(DayChartTest, BhavaArudhasBySign) {
    struct Case {
        int mars;
        bool exceptions;
        int al;
        const char* why;
    };
    const Case cases[] = {
        {2, true, 4, "Mars in Gemini, 3rd from Aries: the AL is the 3rd from Gemini, Leo"},
        {0, true, 9, "Mars in Aries itself: the 10th from Aries, Capricorn"},
        {3, true, 3, "Mars in Cancer gives Libra, the 7th: the 10th from Libra, Cancer"},
        {3, false, 6, "without the exception, Libra"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        g_bExceptionsInBhavaArudhas = c.exceptions;
        //                                 Su Mo  Ma      Me Ju Ve  Sa Ra Ke
        CChart chart = ArudhaChart(0, {0, 3, c.mars, 5, 8, 11, 9, 1, 7});
        chart.ComputeArudhas();
        EXPECT_EQ(chart.m_vargaSign.Sign(kArudhaLagna, kD1Column), c.al);
        // A2: Taurus, its lord Venus in Pisces (the 11th), the 11th from Pisces: Capricorn.
        EXPECT_EQ(chart.m_vargaSign.Sign(kArudhaLagna + 1, kD1Column), 9);
    }
}

TEST_F(DayChartTest, LordAndPlanetArudhas) {
    g_bExceptionsInGrahaArudhas = true;
    CChart chart = ArudhaChart(0, {0, 3, 2, 5, 8, 11, 9, 1, 7});
    chart.ComputeArudhas();
    // L1: Mars in Gemini, Aries the 11th from it, the 11th from Aries: Aquarius.
    EXPECT_EQ(chart.m_vargaSign.Sign(kFirstLordArudha, kD1Column), 10);
    // L5 (Leo): the Sun in Aries, Leo the 5th from it, the 5th from Leo: Sagittarius.
    EXPECT_EQ(chart.m_vargaSign.Sign(kFirstLordArudha + 4, kD1Column), 8);
    // The Sun in Aries, its own sign Leo: Sagittarius. The Moon in its own Cancer: the 10th, Aries.
    EXPECT_EQ(chart.m_vargaSign.Sign(kFirstPlanetArudha, kD1Column), 8);
    EXPECT_EQ(chart.m_vargaSign.Sign(kFirstPlanetArudha + 1, kD1Column), 0);
    // Mars in Gemini to Aries: Aquarius; to Scorpio (6th): Aries.
    EXPECT_EQ(chart.m_vargaSign.Sign(kFirstOwnSignArudha, kD1Column), 10);
    EXPECT_EQ(chart.m_vargaSign.Sign(kSecondOwnSignArudha, kD1Column), 0);
    // Saturn in Capricorn to Aquarius: Pisces.
    EXPECT_EQ(chart.m_vargaSign.Sign(kSecondOwnSignArudha + 4, kD1Column), 11);
}

TEST_F(DayChartTest, BhavaArudhasByLongitude) {
    g_bLongitudeBasedBhavaArudhas = true;
    g_bExceptionsInBhavaArudhas = true;
    struct Case {
        int base;
        double mars;
        double al;
        const char* why;
    };
    const Case cases[] = {
        {kLagna, 70.0, 130.0, "Mars 60 degrees on from the lagna: the AL 120 on"},
        {kLagna, 15.0, 290.0, "Mars 5 degrees on: within 15, so 270 more"},
        {kRahu, 70.0, 70.0, "from Rahu at 40 in Taurus: Venus 15 on, the AL 30 on"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        g_nArudhaBasePlanet = c.base;
        CChart chart = ArudhaChart(0, {0, 3, 2, 5, 8, 1, 9, 1, 7});
        Place(chart, kLagna, 10.0);
        Place(chart, kMars, c.mars);
        Place(chart, kVenus, 55.0);
        Place(chart, kRahu, 40.0);
        chart.m_vargaSign.SetSign(kRahu, kD1Column, 1);
        chart.ComputeArudhas();
        EXPECT_NEAR(chart.m_bodies[kArudhaLagna].m_dLongitude, c.al, 1e-9);
        EXPECT_EQ(chart.m_vargaSign.Sign(kArudhaLagna, kD1Column), static_cast<int>(c.al / 30.0));
    }
}

} // namespace
