// Years of the rasi and graha dasas, and the chart's Brahma, Rudra and Maheswara.
#include <gtest/gtest.h>

#include "analysis_test_support.h"
#include "core/calc_options.h"
#include "core/dignity_tables.h"

namespace {

// A chart with every body in Gemini but one planet, placed in a sign.
CChart WithPlanetIn(int planet, int sign, double degrees = 15.0) {
    CChart chart = EveryBodyIn(kGemini);
    PlaceInSign(chart, planet, sign, degrees);
    return chart;
}

struct YearsCase {
    const char* what;
    int sign;   // the dasa sign
    int lord;   // its lord as the dasa passes it
    int placed; // where the lord stands
    int years;
};

TEST(RasiDasaYears, CountsToTheLordInTheDirectionOfTheSignsTriplet) {
    const YearsCase kCases[] = {
        {"Aries forward to Gemini", kAries, kMars, kGemini, 2},
        {"Cancer backward to Aries", kCancer, kMoon, kAries, 3},
        {"Scorpio forward to Aries", kScorpio, kMars, kAries, 5},
        {"Pisces backward to Pisces", kPisces, kJupiter, kPisces, 12},
        {"lord exalted in the sign stays 12", kCapricorn, kMars, kCapricorn, 12},
        {"lord debilitated in the sign", kCancer, kMars, kCancer, 11},
        {"lord exalted one sign on", kAries, kMars, kCapricorn, 10},
        {"lord debilitated five signs on", kAries, kVenus, kVirgo, 4},
    };
    for (const YearsCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const CChart chart = WithPlanetIn(c.lord, c.placed);
        EXPECT_EQ(chart.RasiDasaYears(c.sign, c.lord, 0), c.years);
    }
}

TEST(RasiDasaYears, CharaDasaSkipsTheExaltationStepWhenTheExceptionIsOff) {
    const CChart chart = WithPlanetIn(kMars, kCancer);
    EXPECT_EQ(chart.RasiDasaYearsChara(kCancer, kMars, 0), 11);
    const CScopedOption exception(g_bCharaDasaExaltationException, false);
    EXPECT_EQ(chart.RasiDasaYearsChara(kCancer, kMars, 0), 12);
    EXPECT_EQ(chart.RasiDasaYearsCharaModified(kCancer, kMars, 0), 12);
}

TEST(RasiDasaYears, NarayanaCountsByTheLordsSignAndGivesTenFromTheSeventh) {
    const YearsCase kCases[] = {
        // A lord in Aries-Gemini or Libra-Sagittarius is counted backward to, elsewhere forward.
        {"Aries, lord in Gemini", kAries, kMars, kGemini, 10},
        {"Taurus, lord in Cancer (odd triplet: forward)", kTaurus, kVenus, kCancer, 2},
        {"lord in the 7th", kAries, kMars, kLibra, 10},
        {"lord in the sign", kLeo, kSun, kLeo, 12},
    };
    for (const YearsCase& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WithPlanetIn(c.lord, c.placed).RasiDasaYearsNarayana(c.sign, c.lord, 0), c.years);
    }
}

TEST(RasiDasaYears, CharaAltFollowsTheNativesGender) {
    CChart chart = WithPlanetIn(kSun, kAries);
    // Not female: backward when the lord's sign is odd, as Aries is: Leo back to Aries is 4, plus one.
    EXPECT_EQ(chart.RasiDasaYearsCharaAlt(kLeo, kSun, 0), 5);
    chart.m_nGender = 2; // female: Leo is odd, so backward from Leo: 4
    EXPECT_EQ(chart.RasiDasaYearsCharaAlt(kLeo, kSun, 0), 4);
    PlaceInSign(chart, kSun, kAquarius); // backward from Leo to Aquarius: 6, given as 10
    EXPECT_EQ(chart.RasiDasaYearsCharaAlt(kLeo, kSun, 0), 10);
    PlaceInSign(chart, kSun, kLeo);
    EXPECT_EQ(chart.RasiDasaYearsCharaAlt(kLeo, kSun, 0), 12);
}

TEST(RasiDasaYears, BrahmaCountsFromZero) {
    EXPECT_EQ(WithPlanetIn(kMars, kLeo).RasiDasaYearsBrahma(kLeo, kMars), 0);
    EXPECT_EQ(WithPlanetIn(kSun, kAries).RasiDasaYearsBrahma(kAries, kSun), 1);     // exalted there
    EXPECT_EQ(WithPlanetIn(kMars, kCancer).RasiDasaYearsBrahma(kAries, kMars), 2);  // odd: forward, less 1
    EXPECT_EQ(WithPlanetIn(kMars, kCancer).RasiDasaYearsBrahma(kTaurus, kMars), 9); // even: backward, less 1
}

TEST(RasiDasaYears, MandookaCountsInclusively) {
    EXPECT_EQ(WithPlanetIn(kMars, kAries).RasiDasaYearsMandooka(kAries, kMars, 0), 12);
    EXPECT_EQ(WithPlanetIn(kMars, kLibra).RasiDasaYearsMandooka(kAries, kMars, 0), 10);
    EXPECT_EQ(WithPlanetIn(kMars, kGemini).RasiDasaYearsMandooka(kAries, kMars, 0), 3);
    EXPECT_EQ(WithPlanetIn(kVenus, kAries).RasiDasaYearsMandooka(kTaurus, kVenus, 0), 2); // even: backward
}

TEST(RasiDasaYears, AKKendradiTakesTheLargerCountToAnOwnSign) {
    // Mars in Leo (triplet 1: backward): to Aries 4, to Scorpio 9.
    EXPECT_EQ(WithPlanetIn(kMars, kLeo).RasiDasaYearsAKKendradi(kMars, 0), 9);
    // Mars in Capricorn (exalted, backward): to Aries 9 + 1, to Scorpio 2 + 1.
    EXPECT_EQ(WithPlanetIn(kMars, kCapricorn).RasiDasaYearsAKKendradi(kMars, 0), 10);
    // The Sun has one own sign: in Leo, 12.
    EXPECT_EQ(WithPlanetIn(kSun, kLeo).RasiDasaYearsAKKendradi(kSun, 0), 12);
}

TEST(RasiDasaYears, MoolaTakesTheDifferenceFromTheVimsottariYears) {
    // The Sun (6 years) counts forward to Leo.
    EXPECT_EQ(WithPlanetIn(kSun, kAquarius).RasiDasaYearsMoola(kSun, 0), 6);   // 6 signs: 0, given as 6
    EXPECT_EQ(WithPlanetIn(kSun, kScorpio).RasiDasaYearsMoola(kSun, 0), 3);    // 9 signs: |6 - 9|
    EXPECT_EQ(WithPlanetIn(kSun, kAries).RasiDasaYearsMoola(kSun, 0), 1);      // 4 + 1 exalted: 6 - 5
    EXPECT_EQ(WithPlanetIn(kSun, kLeo).RasiDasaYearsMoola(kSun, 0), 6);        // in it: 12 signs
    EXPECT_EQ(WithPlanetIn(kRahu, kAquarius).RasiDasaYearsMoola(kRahu, 0), 6); // 18 - 12
    const CScopedOption noCorrection(g_nMoolaDasaNoCorrectionInMoolaTrikona, 1);
    EXPECT_EQ(WithPlanetIn(kRahu, kAquarius).RasiDasaYearsMoola(kRahu, 0), 18);
}

TEST(RasiDasaYears, VirgoStartMeasuresFromTheReferenceDegrees) {
    CChart chart = WithPlanetIn(kMars, kGemini, 10.0); // Mars at 70 degrees
    PlaceInSign(chart, kLagna, kTaurus, 10.0);         // the reference at 10 degrees of its sign
    // Aries (forward): from 10 degrees of Aries to 70 is 60 degrees, 2 years.
    EXPECT_DOUBLE_EQ(chart.RasiDasaYearsVirgoStart(kLagna, kAries, kMars, 0).value(), 2.0);
    // Cancer (backward): from 100 back to 70, 1 year.
    EXPECT_DOUBLE_EQ(chart.RasiDasaYearsVirgoStart(kLagna, kCancer, kMars, 0).value(), 1.0);
    // No distance at all counts as a whole cycle.
    EXPECT_DOUBLE_EQ(chart.RasiDasaYearsVirgoStart(kLagna, kGemini, kMars, 0).value(), 12.0);
}

// Lagna Leo with the Sun and Mercury (stronger than Aquarius with Saturn alone), Jupiter exalted in
// Cancer, the Moon in Taurus, the Sun the atmakaraka.
CChart JaiminiChart() {
    CChart chart;
    PlaceInSign(chart, kLagna, kLeo);
    PlaceInSign(chart, kSun, kLeo);
    PlaceInSign(chart, kMercury, kLeo);
    PlaceInSign(chart, kSaturn, kAquarius);
    PlaceInSign(chart, kJupiter, kCancer);
    PlaceInSign(chart, kMoon, kTaurus);
    PlaceInSign(chart, kMars, kGemini);
    PlaceInSign(chart, kVenus, kGemini);
    PlaceInSign(chart, kRahu, kTaurus);
    PlaceInSign(chart, kKetu, kScorpio);
    chart.m_charaKaraka[0] = kSun;
    chart.ComputeCoLordTables();
    chart.ComputeBrahmaRudraMaheswara();
    return chart;
}

TEST(BrahmaRudraMaheswara, OfAWorkedChart) {
    const CChart chart = JaiminiChart();
    // Rudra: the stronger of the lords of the 2nd (Mercury) and 8th (Jupiter, exalted).
    EXPECT_EQ(chart.m_signLordTables.m_nRudra, kJupiter);
    // Maheswara: the lord of the 8th from the atmakaraka's Leo is Jupiter, exalted where it stands, so
    // the lord of the 8th from Cancer: Aquarius, whose co-lord is Rahu (Saturn stands in it).
    EXPECT_EQ(chart.m_signLordTables.m_nMaheswara, kRahu);
    // Brahma: of the lords of the 6th, 8th and 12th from Leo only Saturn stands in an odd sign in the
    // 7th to 12th houses; Saturn is reported as Mars.
    EXPECT_EQ(chart.m_signLordTables.m_nBrahma, kMars);
}

TEST(BrahmaRudraMaheswara, NodeNextToTheAtmakarakaMovesMaheswarasTargetToThe6th) {
    CChart chart = JaiminiChart();
    PlaceInSign(chart, kRahu, kPisces); // the 8th from Leo
    PlaceInSign(chart, kKetu, kVirgo);
    chart.ComputeCoLordTables();
    chart.ComputeBrahmaRudraMaheswara();
    // The 6th from Leo is Capricorn; Saturn, its lord, stands in Aquarius, where it is neither exalted
    // nor the lord (Aquarius's co-lord is Rahu, Saturn standing in it).
    EXPECT_EQ(chart.m_signLordTables.m_nMaheswara, kSaturn);
}

} // namespace
