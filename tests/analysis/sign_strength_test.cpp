// Stronger sign, stronger planet, the co-lord choosers and the chart's co-lord tables.
#include <gtest/gtest.h>

#include "analysis_test_support.h"
#include "core/dignity_tables.h"

namespace {

// A chart in which Aries and Libra tie on every test: both empty, movable and odd, each aspected once
// by its lord (Mars and Venus in Leo at 10 degrees), Mercury and Jupiter in Gemini aspecting neither.
CChart AriesLibraTie() {
    CChart chart;
    for (int b : {kLagna, kSun, kMoon, kMercury, kJupiter, kSaturn, kRahu}) PlaceInSign(chart, b, kGemini);
    PlaceInSign(chart, kKetu, kSagittarius);
    PlaceInSign(chart, kMars, kLeo, 10.0);
    PlaceInSign(chart, kVenus, kLeo, 10.0);
    return chart;
}

TEST(SignStrength, FullTieKeepsTheFirstSignAndTheSortKeepsTheOrder) {
    const CChart chart = AriesLibraTie();
    ASSERT_EQ(chart.CountAspectsOnSign(kAries, 0), chart.CountAspectsOnSign(kLibra, 0));
    for (int method : {0, 2}) {
        EXPECT_EQ(chart.CompareSignStrength(kAries, kLibra, 0, method), kAries);
        EXPECT_EQ(chart.CompareSignStrength(kLibra, kAries, 0, method), kLibra);
        int signs[] = {kLibra, kAries};
        chart.SortByStrength(2, signs, 0, method);
        EXPECT_EQ(signs[0], kLibra);
        EXPECT_EQ(signs[1], kAries);
    }
}

TEST(SignStrength, EachTestDecidesWhenTheOnesBeforeItTie) {
    struct Case {
        const char* what;
        void (*change)(CChart&);
        int stronger;
    };
    const Case kCases[] = {
        {"a planet in Libra", [](CChart& c) { PlaceInSign(c, kSun, kLibra); }, kLibra},
        {"Jupiter aspecting Aries only", [](CChart& c) { PlaceInSign(c, kJupiter, kScorpio); }, kAries},
        {"Venus's degrees higher", [](CChart& c) { PlaceInSign(c, kVenus, kLeo, 11.0); }, kLibra},
        {"Mars in an even sign aspecting Aries", [](CChart& c) { PlaceInSign(c, kMars, kScorpio, 10.0); },
         kAries},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CChart chart = AriesLibraTie();
        c.change(chart);
        EXPECT_EQ(chart.StrongerSign(kAries, kLibra, 0), c.stronger);
        EXPECT_EQ(chart.StrongerSign(kLibra, kAries, 0), c.stronger);
    }
}

TEST(SignStrength, DignityFirstOrderLetsAnExaltedOccupantBeatMoreAspects) {
    CChart chart = AriesLibraTie();
    PlaceInSign(chart, kSaturn, kLibra);    // exalted in Libra
    PlaceInSign(chart, kMoon, kAries);      // an equal number of planets in Aries
    PlaceInSign(chart, kJupiter, kScorpio); // one more aspect on Aries (and none on Libra)
    ASSERT_GT(chart.CountAspectsOnSign(kAries, 0), chart.CountAspectsOnSign(kLibra, 0));
    EXPECT_EQ(chart.StrongerSign(kLibra, kAries, 0), kAries);
    EXPECT_EQ(chart.StrongerSignDignityFirst(kAries, kLibra, 0), kLibra);
    int signs[] = {kAries, kLibra};
    chart.SortByStrength(2, signs, 0, 2);
    EXPECT_EQ(signs[0], kLibra);
}

// Scorpio against Taurus: one planet each, one aspect each, both fixed and even. With Mars in Scorpio
// and Ketu in Aries, test H makes Ketu Scorpio's lord; Ketu in an odd sign wins the lord's placement
// test. Had Mars been the lord, Venus's higher degrees would have given Taurus.
TEST(SignStrength, ScorpiosLordInsideTheComparisonIsTheCandidateOutsideIt) {
    CChart chart;
    for (int b : {kLagna, kMoon, kMercury, kJupiter, kSaturn}) PlaceInSign(chart, b, kGemini);
    PlaceInSign(chart, kMars, kScorpio, 5.0);
    PlaceInSign(chart, kSun, kTaurus);
    PlaceInSign(chart, kVenus, kCapricorn, 20.0);
    PlaceInSign(chart, kKetu, kAries, 20.0);
    PlaceInSign(chart, kRahu, kLibra, 20.0);
    ASSERT_EQ(chart.StrongerCoLordByYears(kMars, kKetu, 0), kKetu);
    ASSERT_EQ(chart.CountAspectsOnSign(kScorpio, 0), chart.CountAspectsOnSign(kTaurus, 0));
    EXPECT_EQ(chart.StrongerSign(kTaurus, kScorpio, 0), kScorpio);
}

TEST(SignStrength, CountAspectsOnSign) {
    CChart chart = EveryBodyIn(kCancer);
    PlaceInSign(chart, kMercury, kVirgo);               // dual: aspects Gemini, Sagittarius, Pisces
    PlaceInSign(chart, kJupiter, kSagittarius);         // dual as well
    PlaceInSign(chart, kSaturn, kPisces);               // Aquarius's lord in a dual sign: no aspect
    PlaceInSign(chart, kRahu, kTaurus);                 // fixed signs do not aspect each other
    EXPECT_EQ(chart.CountAspectsOnSign(kGemini, 0), 3); // Mercury, Jupiter and Mercury as the lord
    EXPECT_EQ(chart.CountAspectsOnSign(kPisces, 0), 3); // Mercury, Jupiter (also the lord) and the lord
    EXPECT_EQ(chart.CountAspectsOnSign(kAquarius, 0), 0);
    PlaceInSign(chart, kRahu, kAries); // Rahu steps in for Aquarius's lord
    EXPECT_EQ(chart.CountAspectsOnSign(kAquarius, 0), 1);
}

TEST(SignStrength, StrongerPlanetTestsInOrder) {
    struct Case {
        const char* what;
        int pSign;
        double pDegrees;
        int qSign;
        double qDegrees;
        int stronger; // kMoon (p) or kVenus (q)
    };
    // The Moon (p) against Venus (q); the Sun keeps Gemini company.
    const Case kCases[] = {
        {"company", kGemini, 1, kCapricorn, 29, kMoon},
        {"exaltation", kLeo, 29, kPisces, 1, kVenus},
        {"debilitation", kAries, 1, kVirgo, 29, kMoon},
        {"moolatrikona and own sign", kAries, 29, kLibra, 1, kVenus},
        {"own sign", kCancer, 1, kLeo, 29, kMoon},
        {"degrees", kLeo, 10, kAries, 11, kVenus},
        {"full tie", kLeo, 10, kAries, 10, kMoon},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CChart chart = EveryBodyIn(kAquarius, 5.0);
        PlaceInSign(chart, kSun, kGemini);
        PlaceInSign(chart, kMoon, c.pSign, c.pDegrees);
        PlaceInSign(chart, kVenus, c.qSign, c.qDegrees);
        EXPECT_EQ(chart.StrongerPlanet(kMoon, kVenus, 0), c.stronger);
    }
    // Moolatrikona comes before the own sign: Rahu in Virgo against Venus in Taurus.
    CChart chart = EveryBodyIn(kAquarius, 5.0);
    PlaceInSign(chart, kRahu, kVirgo, 29.0);
    PlaceInSign(chart, kVenus, kTaurus, 29.0);
    EXPECT_EQ(chart.StrongerPlanet(kVenus, kRahu, 0), kRahu);
}

TEST(SignStrength, NodesCompareTheirDegreesFromTheEndOfTheSign) {
    CChart chart = EveryBodyIn(kAquarius);
    PlaceInSign(chart, kSun, kPisces, 10.0);
    PlaceInSign(chart, kRahu, kCancer, 25.0); // 5 degrees from the end
    EXPECT_EQ(chart.StrongerPlanet(kRahu, kSun, 0), kSun);
    PlaceInSign(chart, kRahu, kCancer, 15.0); // 15 from the end
    EXPECT_EQ(chart.StrongerPlanet(kRahu, kSun, 0), kRahu);
}

TEST(SignStrength, ListPlanetsInSignStrongestFirstTiesInOrder) {
    CChart chart = EveryBodyIn(kAries, 10.0);
    PlaceInSign(chart, kSaturn, kTaurus);
    PlaceInSign(chart, kRahu, kTaurus);
    PlaceInSign(chart, kKetu, kScorpio);
    std::array<int, kPlanetCount> planets{};
    // In Aries: the Sun exalted, Mars in moolatrikona; the Moon, Mercury, Jupiter and Venus tie.
    ASSERT_EQ(chart.ListPlanetsInSign(kAries, planets, 0), 6);
    EXPECT_EQ(planets[0], kSun);
    EXPECT_EQ(planets[1], kMars);
    EXPECT_EQ(planets[2], kMoon);
    EXPECT_EQ(planets[3], kMercury);
    EXPECT_EQ(planets[4], kJupiter);
    EXPECT_EQ(planets[5], kVenus);
    EXPECT_EQ(chart.CountPlanetsInSign(kTaurus, 0), 2);
}

enum CoLordChooser { kGeneral, kByYears, kByDegrees, kNatureYears };
int Choose(const CChart& chart, CoLordChooser chooser, int p, int q) {
    switch (chooser) {
    case kGeneral:
        return chart.StrongerCoLord(p, q, 0);
    case kByYears:
        return chart.StrongerCoLordByYears(p, q, 0);
    case kByDegrees:
        return chart.StrongerCoLordByDegrees(p, q, 0);
    case kNatureYears:
        return chart.CompareSignsByCoLordRule(p, q, 0);
    }
    return 0;
}

TEST(CoLords, EveryRuleChoosesTheCandidateOutsideTheHomeSign) {
    CChart chart = EveryBodyIn(kGemini);
    PlaceInSign(chart, kSaturn, kAquarius);
    PlaceInSign(chart, kMars, kScorpio);
    for (CoLordChooser chooser : {kGeneral, kByYears, kByDegrees, kNatureYears}) {
        EXPECT_EQ(Choose(chart, chooser, kSaturn, kRahu), kRahu) << chooser;
        EXPECT_EQ(Choose(chart, chooser, kMars, kKetu), kKetu) << chooser;
    }
}

TEST(CoLords, SaturnAndRahuTogetherWithNothingBetweenThemGiveSaturn) {
    CChart chart = EveryBodyIn(kGemini);
    PlaceInSign(chart, kSaturn, kAquarius, 15.0);
    PlaceInSign(chart, kRahu, kAquarius, 15.0); // 15 from the end too
    for (CoLordChooser chooser : {kGeneral, kByYears, kByDegrees, kNatureYears})
        EXPECT_EQ(Choose(chart, chooser, kSaturn, kRahu), kSaturn) << chooser;
}

// Mars in Aries at 10 degrees and Ketu in Leo at 25, each alone in its sign and aspected once by the
// sign's lord (the Sun aspects Leo from Libra): raw degrees favour Ketu, the nature test of the general
// rule the fixed Leo, the nature-and-years rule the movable Aries.
TEST(CoLords, TheRulesDifferInTheirLaterTests) {
    CChart chart = EveryBodyIn(kGemini);
    PlaceInSign(chart, kSun, kLibra);
    PlaceInSign(chart, kMars, kAries, 10.0);
    PlaceInSign(chart, kKetu, kLeo, 25.0);
    PlaceInSign(chart, kRahu, kAquarius, 25.0);
    ASSERT_EQ(chart.CountAspectsOnSign(kAries, 0), chart.CountAspectsOnSign(kLeo, 0));
    EXPECT_EQ(chart.StrongerCoLordByDegrees(kMars, kKetu, 0), kKetu);
    EXPECT_EQ(chart.StrongerCoLord(kMars, kKetu, 0), kKetu);
    EXPECT_EQ(chart.CompareSignsByCoLordRule(kMars, kKetu, 0), kMars);
}

// Mars in Libra at 5 degrees and Ketu in Aries at 20, alone, unaspected, movable, without dignity.
// Counted forward from Scorpio Libra is 11 signs away and Aries 5: the years rule takes Mars; the
// general rule ends on degrees, 5 against Ketu's 30 - 20 = 10.
TEST(CoLords, YearsRuleCountsFromTheHomeSign) {
    CChart chart = EveryBodyIn(kGemini);
    PlaceInSign(chart, kMars, kLibra, 5.0);
    PlaceInSign(chart, kKetu, kAries, 20.0);
    ASSERT_EQ(chart.CountAspectsOnSign(kLibra, 0), chart.CountAspectsOnSign(kAries, 0));
    EXPECT_EQ(chart.StrongerCoLordByYears(kMars, kKetu, 0), kMars);
    EXPECT_EQ(chart.StrongerCoLord(kMars, kKetu, 0), kKetu);
}

TEST(SignLords, PlainLordsAndCoLordsOfEveryColumn) {
    CChart chart;
    // Before any calculation every lookup names the plain lord, in every column.
    for (int v = 0; v < kVargaColumnCount; ++v) {
        for (int s = 0; s < 12; ++s) {
            EXPECT_EQ(chart.SignLord(s, v), SignLordPlain(s)) << s << " " << v;
            EXPECT_EQ(chart.SignLordForDasa(s, v), SignLordPlain(s)) << s << " " << v;
        }
    }
    for (int b = 0; b <= 9; ++b) PlaceInSign(chart, b, kGemini);
    PlaceInSign(chart, kSaturn, kAquarius);
    PlaceInSign(chart, kMars, kScorpio);
    chart.m_vargaSign.SetSign(kRahu, kD9Column, kAquarius); // in D-9 both are, and nothing else differs
    chart.ComputeCoLordTables();
    for (int v = 0; v < kVargaColumnCount; ++v) {
        SCOPED_TRACE(v);
        const int aquariusLord = v == kD9Column ? kSaturn : kRahu;
        EXPECT_EQ(chart.SignLord(kAquarius, v), aquariusLord);
        EXPECT_EQ(chart.SignLordForDasa(kAquarius, v), aquariusLord);
        EXPECT_EQ(chart.SignLordNarayana(kAquarius, v), aquariusLord);
        EXPECT_EQ(chart.SignLordSudasa(kAquarius, v), aquariusLord);
        EXPECT_EQ(chart.SignLord(kScorpio, v), kKetu);
        EXPECT_EQ(chart.SignLordOpt(kAquarius, v), kSaturn);
        EXPECT_EQ(chart.SignLordOpt(kScorpio, v), kMars);
        for (int s : {kAries, kLeo, kPisces}) EXPECT_EQ(chart.SignLord(s, v), SignLordPlain(s));
    }
}

TEST(SignLords, StrongerSignTableHoldsEachPairTwice) {
    CChart chart;
    for (int b = 0; b <= 9; ++b) PlaceBody(chart, b, 23.0 + 41.0 * b);
    chart.ComputeCoLordTables();
    for (int v = 0; v < kVargaColumnCount; ++v) {
        for (int s = 0; s < 6; ++s) {
            EXPECT_EQ(chart.GetStrongerSignTable(s, v), chart.GetStrongerSignTable(s + 6, v));
            EXPECT_EQ(chart.GetStrongerSignTable(s, v), chart.StrongerSign(s, s + 6, v));
        }
    }
}

TEST(SignLords, SaturnKetuOccupancy) {
    CChart chart = EveryBodyIn(kGemini);
    PlaceInSign(chart, kSaturn, kLibra, 10.0); // exalted
    PlaceInSign(chart, kKetu, kLibra, 25.0);
    chart.m_vargaSign.SetSign(kKetu, kD9Column, kVirgo);
    chart.m_signLordTables.m_paryayaStart[3] = 5; // as a dasa's option dialog would set it
    chart.ComputeCoLordTables();
    const auto& occupancy = chart.m_signLordTables.m_saturnKetu;
    EXPECT_EQ(occupancy[0][kLibra], kSaturnOccupies);
    EXPECT_EQ(occupancy[0][kGemini], kNeitherSaturnNorKetu);
    EXPECT_EQ(occupancy[kD9Column][kVirgo], kKetuOccupies);
    EXPECT_EQ(occupancy[kD9Column][kLibra], kSaturnOccupies);
    PlaceInSign(chart, kSaturn, kAries, 10.0); // debilitated, Ketu still in Libra
    chart.m_vargaSign.SetSign(kKetu, 0, kAries);
    chart.ComputeCoLordTables();
    EXPECT_EQ(occupancy[0][kAries], kKetuOccupies);
    EXPECT_EQ(chart.m_signLordTables.m_paryayaStart[3], kNoStartSign);
}

} // namespace
