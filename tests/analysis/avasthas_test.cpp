// Avasthas: baladi, jagradadi, sayanadi and deeptadi states, vimsopaka bala, vaiseshikamsa counts and
// Harsha bala.
#include <gtest/gtest.h>

#include "analysis_test_support.h"
#include "core/calc_options.h"
#include "core/computed_bodies.h"
#include "core/dignity_tables.h"
#include "tests/chart/chart_test_support.h"

namespace {

// Each of the seven planets in one of its own signs in every varga column.
CChart EveryPlanetAtHome() {
    CChart chart;
    PlaceInSign(chart, kLagna, kAries);
    PlaceInSign(chart, kSun, kLeo);
    PlaceInSign(chart, kMoon, kCancer);
    PlaceInSign(chart, kMars, kScorpio);
    PlaceInSign(chart, kMercury, kGemini);
    PlaceInSign(chart, kJupiter, kPisces);
    PlaceInSign(chart, kVenus, kTaurus);
    PlaceInSign(chart, kSaturn, kCapricorn);
    PlaceInSign(chart, kRahu, kAquarius);
    PlaceInSign(chart, kKetu, kLeo);
    chart.ComputeRelationships();
    return chart;
}

TEST(Avasthas, VimsopakaOfAPlanetInItsOwnSignInEveryVargaIs20) {
    CChart chart = EveryPlanetAtHome();
    chart.m_avasthas.Compute(chart);
    for (int p = kSun; p <= kSaturn; ++p) {
        for (int g = 0; g < kVargaGroupCount; ++g)
            EXPECT_DOUBLE_EQ(chart.m_avasthas.m_vimsopaka.m_dBala[g][p], 20.0)
                << "planet " << p << " group " << g;
    }
}

TEST(Avasthas, VimsopakaWeighsEachVargasDignity) {
    CChart chart = EveryPlanetAtHome();
    // The Sun in Aries (Mars's sign) in D-9 only: Mars is its natural friend and, in Scorpio, the 8th
    // from Aries, its temporal enemy in D-9: neutral, 10 points instead of 20.
    chart.m_vargaSign.SetSign(kSun, kD9Column, kAries);
    chart.ComputeRelationships();
    chart.m_avasthas.Compute(chart);
    const auto& bala = chart.m_avasthas.m_vimsopaka.m_dBala;
    ASSERT_EQ(chart.m_avasthas.m_vimsopaka.m_nPoints[kSun][kD9Column], 10);
    EXPECT_DOUBLE_EQ(bala[0][kSun], 20.0 - 10 * 5 * 0.05);   // D-9 weighs 5 of 20
    EXPECT_DOUBLE_EQ(bala[1][kSun], 20.0 - 10 * 4.5 * 0.05); // 4.5
    EXPECT_DOUBLE_EQ(bala[2][kSun], 20.0 - 10 * 1.5 * 0.05); // 1.5
    EXPECT_DOUBLE_EQ(bala[3][kSun], 20.0 - 10 * 3 * 0.05);   // 3
}

TEST(Avasthas, VaiseshikamsaCountsTheVargasOfGoodPlace) {
    CChart chart = EveryPlanetAtHome();
    chart.m_vargaSign.SetSign(kMoon, kD60Column, kLeo); // out of its own sign in D-60
    chart.m_avasthas.Compute(chart);
    const auto& count = chart.m_avasthas.m_vaiseshikamsa.m_nCount;
    EXPECT_EQ(count[0][kSun], 6);
    EXPECT_EQ(count[1][kSun], 7);
    EXPECT_EQ(count[2][kSun], 10);
    EXPECT_EQ(count[3][kSun], 16);
    EXPECT_EQ(count[0][kMoon], 6);
    EXPECT_EQ(count[2][kMoon], 9);
    EXPECT_EQ(count[3][kMoon], 15);
    EXPECT_EQ(count[3][kRahu], 16);
    EXPECT_EQ(count[3][kKetu], 0); // Ketu in Leo: none of its own, exaltation or moolatrikona
}

TEST(Avasthas, KendraFromTheArudhaLagnaCountsWhenChosen) {
    CChart chart = EveryPlanetAtHome();
    PlaceInSign(chart, kKetu, kGemini);
    PlaceInSign(chart, kArudhaLagna, kVirgo); // Gemini is a kendra from Virgo
    chart.m_avasthas.Compute(chart);
    EXPECT_FALSE(chart.m_avasthas.PlanetStateInGroup(chart, kKetu, 0));
    const CScopedOption swarudha(g_nSwarudhaInAmsaBala, 1);
    // Of the spoilers on by default, Ketu would meet all but combustion here.
    const CScopedOption defeat(g_bDefeatBadInAmsaBala, false);
    const CScopedOption poorVimsopaka(g_bPoorVimsopakaBadInAmsaBala, false);
    const CScopedOption sayanadi(g_bSayanadiBadInAmsaBala, false);
    const CScopedOption noNeecha(g_bNeechaBadInAmsaBala, false);
    EXPECT_TRUE(chart.m_avasthas.PlanetStateInGroup(chart, kKetu, 0));
    {
        // Ketu is debilitated in Gemini: the option spoils the place found by the kendra rule.
        const CScopedOption neecha(g_bNeechaBadInAmsaBala, true);
        EXPECT_FALSE(chart.m_avasthas.PlanetStateInGroup(chart, kKetu, 0));
    }
    // A planet in its own sign keeps its place whatever spoils the kendra rule.
    const CScopedOption neecha(g_bDispositorNeechaBadInAmsaBala, true);
    EXPECT_TRUE(chart.m_avasthas.PlanetStateInGroup(chart, kSun, 0));
}

TEST(Avasthas, BaladiByDegreesAndSign) {
    CChart chart = EveryPlanetAtHome();
    PlaceBody(chart, kMars, 29.0 + 59.0 / 60.0);         // 29 deg 59' Aries
    PlaceBody(chart, kVenus, 30.0 + 29.0 + 59.0 / 60.0); // 29 deg 59' Taurus: counted from the end
    PlaceBody(chart, kSun, 120.0 + 12.5);                // 12 deg 30' Leo
    chart.m_avasthas.Compute(chart);
    EXPECT_EQ(chart.m_avasthas.m_baladi.m_nBaladi[kMars], 4);
    EXPECT_EQ(chart.m_avasthas.m_baladi.m_nBaladi[kVenus], 0);
    EXPECT_EQ(chart.m_avasthas.m_baladi.m_nBaladi[kSun], 2);
}

TEST(Avasthas, JagradadiAwakeInOwnOrExaltationSign) {
    CChart chart = EveryPlanetAtHome();
    PlaceInSign(chart, kSaturn, kLibra);    // exalted
    PlaceInSign(chart, kMercury, kScorpio); // Mars's sign: Mercury is neutral to Mars
    PlaceInSign(chart, kMars, kGemini);     // Mercury's sign: Mars is Mercury's enemy
    const CScopedOption compound(g_bUseCompundRelationshipInAvasthas, false);
    chart.ComputeRelationships();
    chart.m_avasthas.Compute(chart);
    const PlanetInts& state = chart.m_avasthas.m_baladi.m_nJagradadi;
    EXPECT_EQ(state[kSun], 0);
    EXPECT_EQ(state[kRahu], 0); // Rahu owns Aquarius
    EXPECT_EQ(state[kSaturn], 0);
    EXPECT_EQ(state[kMercury], 1);
    EXPECT_EQ(state[kMars], 2);
}

// Worked by hand for the Sun at 10 degrees of Leo, every nakshatra taken as Aswini and no ghatis since
// sunrise: navamsa 4 x nakshatra 1 x planet 1, + lagna Aries 1, + ghatis 0 + 1, + the Moon's nakshatra 1
// = 7, stored as 6 (Sabha). Cheshta j = 1: 49 + 1 = 50 -> 2, + 5 = 7 -> 1, less 1: 0; j = 2: 51 -> 3,
// + 5 = 8 -> 2: 1; j = 3: 52 -> 4, + 5 = 9 -> 3: 2.
TEST(Avasthas, SayanadiAsWorkedByHand) {
    CChart chart = EveryPlanetAtHome();
    PlaceBody(chart, kSun, 130.0);
    chart.m_nakshatra.fill(0);
    chart.m_avasthas.Compute(chart);
    const CBaladiAvastha& baladi = chart.m_avasthas.m_baladi;
    EXPECT_EQ(baladi.m_nSayanadi[kSun], 6);
    EXPECT_EQ(baladi.m_nCheshta[0][kSun], 0);
    EXPECT_EQ(baladi.m_nCheshta[1][kSun], 1);
    EXPECT_EQ(baladi.m_nCheshta[2][kSun], 2);
}

TEST(Avasthas, DeeptadiFlags) {
    CChart chart = EveryPlanetAtHome();
    PlaceInSign(chart, kSaturn, kLibra, 10.0); // exalted, Venus's sign
    PlaceInSign(chart, kMars, kLibra, 12.0);
    PlaceInSign(chart, kKetu, kLibra, 14.0);  // three malefics in Libra
    PlaceInSign(chart, kMercury, kLeo, 20.0); // 5 degrees from the Sun, in the 5th from the lagna
    chart.ComputeRelationships();
    chart.m_avasthas.Compute(chart);
    const auto& saturn = chart.m_avasthas.m_baladi.m_deeptadi[kSaturn];
    EXPECT_EQ(saturn[kDeeptaExalted], 1);
    EXPECT_EQ(saturn[kDeeptaOwnSign], 0);
    EXPECT_EQ(saturn[kDeeptaAmongMalefics], 1);
    EXPECT_EQ(saturn[kDeeptaMaleficLord], 0);
    EXPECT_EQ(saturn[kDeeptaExaltedOrMoolatrikona], 1);
    const auto& mercury = chart.m_avasthas.m_baladi.m_deeptadi[kMercury];
    EXPECT_EQ(mercury[kDeeptaNearSun], 1);
    EXPECT_EQ(mercury[kDeeptaMaleficLord], 1);
    EXPECT_EQ(mercury[kDeeptaFifthWithMalefics], 1); // with one malefic, the Sun
    EXPECT_EQ(chart.m_avasthas.m_baladi.m_deeptadi[kSun][kDeeptaNearSun], 0);
    EXPECT_EQ(chart.m_avasthas.m_baladi.m_deeptadi[kSun][kDeeptaOwnSign], 1);
}

TEST(Avasthas, HarshaBala) {
    CChart chart = EveryPlanetAtHome();
    PlaceInSign(chart, kLagna, kAries);
    chart.m_sunriseFrame.m_bDayBirth = 1;
    chart.m_avasthas.Compute(chart);
    const auto& harsha = chart.m_avasthas.m_harsha.m_nBala;
    // The Sun in Leo, the 5th: own sign, a house of the 4th to 6th, day birth.
    EXPECT_EQ(harsha[kSun - 1], 15);
    // Saturn in Capricorn, the 10th: own sign only.
    EXPECT_EQ(harsha[kSaturn - 1], 5);
    // Venus in Taurus, the 2nd: own sign and a house of the 1st to 3rd.
    EXPECT_EQ(harsha[kVenus - 1], 10);
    // Mars in Scorpio, the 8th: own sign and day birth.
    EXPECT_EQ(harsha[kMars - 1], 10);
    PlaceInSign(chart, kLagna, kSagittarius); // Mercury in Gemini becomes the 7th; Jupiter in Pisces the 4th
    chart.m_sunriseFrame.m_bDayBirth = 0;
    chart.m_avasthas.Compute(chart);
    EXPECT_EQ(harsha[kMercury - 1], 15); // own, the 7th, night
    EXPECT_EQ(harsha[kJupiter - 1], 10); // own, the 4th
    PlaceInSign(chart, kLagna, kGemini); // Mercury in the 1st, its house of joy
    chart.m_avasthas.Compute(chart);
    EXPECT_EQ(harsha[kMercury - 1], 20);
}

class AvasthasOfNatalCharts : public ChartTest {};

TEST_F(AvasthasOfNatalCharts, EveryStateLiesInItsRange) {
    constexpr double kDays[] = {2451545.0, 2444239.7, 2460000.9};
    for (double jd : kDays) {
        SCOPED_TRACE(jd);
        CChart chart = NatalChart(jd, 77.2, 28.6);
        ASSERT_TRUE(chart.Compute().ok());
        const CAvasthas& avasthas = chart.m_avasthas;
        for (int p = kSun; p <= kKetu; ++p) {
            EXPECT_LE(avasthas.m_baladi.m_nBaladi[p], 4);
            EXPECT_LE(avasthas.m_baladi.m_nSayanadi[p], 11);
            EXPECT_LE(avasthas.m_baladi.m_nJagradadi[p], 2);
            for (const PlanetInts& cheshta : avasthas.m_baladi.m_nCheshta) EXPECT_LE(cheshta[p], 2);
            for (int g = 0; g < kVargaGroupCount; ++g) {
                EXPECT_GE(avasthas.m_vimsopaka.m_dBala[g][p], 5.0);
                EXPECT_LE(avasthas.m_vimsopaka.m_dBala[g][p], 20.0);
                EXPECT_LE(avasthas.m_vaiseshikamsa.m_nCount[g][p], g_vargaGroups[g].size);
            }
        }
        for (int bala : avasthas.m_harsha.m_nBala) {
            EXPECT_GE(bala, 0);
            EXPECT_LE(bala, 20);
            EXPECT_EQ(bala % 5, 0);
        }
    }
}

} // namespace
