// The transit judgements against the traditional tables: taras, good and bad houses, vedhas, kakshyas,
// special nakshatras, Latta and the nara chakra.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/ashtakavarga.h"
#include "analysis/transit_judgement.h"
#include "analysis/transit_nakshatras.h"
#include "core/ayanamsa.h"
#include "core/chart_core.h"
#include "core/option_snapshot.h"
#include "core/vocabulary_names.h"

namespace {

TEST(TransitJudgement, TaraCountsNineStarsFromTheNatalMoon) {
    struct Case {
        int transit, natal, tara;
    };
    const Case cases[] = {
        {10, 10, 0}, // the same star: Janma
        {19, 10, 0}, // nine on: Janma again
        {1, 10, 0},  // eighteen on, round the circle
        {11, 10, 1}, {14, 10, 4}, {9, 10, 8}, {26, 0, 8}, {0, 26, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.transit) + " from " + std::to_string(c.natal));
        EXPECT_EQ(TaraIndex(c.transit, c.natal), c.tara);
    }
    EXPECT_STREQ(g_taraNames[0], "Janma");
    EXPECT_STREQ(g_taraMeanings[0], "Birth");
    // Vipat, Pratyak and Naidhana are the bad taras.
    for (int tara = 0; tara < kTaraCycle; ++tara)
        EXPECT_EQ(IsGoodTara(tara), tara != 2 && tara != 4 && tara != 6) << tara;
}

// The traditional table as astrologers quote it: good houses, then bad houses, of Sun .. Ketu.
TEST(TransitJudgement, GoodAndBadHousesOfEachPlanet) {
    struct Planet {
        std::vector<int> good, bad;
    };
    const Planet planets[9] = {
        {{3, 6, 10, 11}, {8, 12}},      {{1, 3, 6, 7, 10, 11}, {8, 12}}, {{3, 6, 11}, {8, 12}},
        {{2, 4, 6, 8, 10, 11}, {12}},   {{2, 5, 7, 9, 11}, {8, 12}},     {{1, 2, 3, 4, 5, 8, 9, 11, 12}, {6}},
        {{3, 6, 11}, {1, 2, 4, 8, 12}}, {{3, 6, 11}, {8, 12}},           {{3, 6, 11}, {8, 12}},
    };
    for (int p = kSun; p <= kKetu; ++p) {
        for (int house = 1; house <= 12; ++house) {
            SCOPED_TRACE("planet " + std::to_string(p) + " house " + std::to_string(house));
            const Planet& expected = planets[p - 1];
            const int quality = std::count(expected.good.begin(), expected.good.end(), house) ? 1
                                : std::count(expected.bad.begin(), expected.bad.end(), house) ? -1
                                                                                              : 0;
            EXPECT_EQ(TransitHouseQuality(p, house), quality);
            // Every good house of Sun .. Saturn has its vedha house; no other house has one.
            EXPECT_EQ(VedhaHouse(p, house) != 0, quality > 0 && p <= kSaturn);
        }
    }
}

// Houses 1-12 of Sun .. Ketu from the reference ([0] unused), all but the named ones in the 2nd.
std::array<int, 10> Houses(std::initializer_list<std::pair<int, int>> placed) {
    std::array<int, 10> houses{};
    houses.fill(2);
    for (const auto& [planet, house] : placed) houses[planet] = house;
    return houses;
}

TEST(TransitJudgement, VedhaOfThePlanetsInTheirHouses) {
    struct Case {
        const char* what;
        std::array<int, 10> houses;
        int by, planet;
        bool obstructs;
    };
    const Case cases[] = {
        {"Venus in the 9th obstructs the Moon in the 3rd", Houses({{kMoon, 3}, {kVenus, 9}}), kVenus, kMoon,
         true},
        {"the Moon in the 3rd does not obstruct Venus in the 9th", Houses({{kMoon, 3}, {kVenus, 9}}), kMoon,
         kVenus, false},
        {"Saturn never obstructs the Sun", Houses({{kSun, 3}, {kSaturn, 9}}), kSaturn, kSun, false},
        {"the Sun never obstructs Saturn", Houses({{kSaturn, 3}, {kSun, 12}}), kSun, kSaturn, false},
        {"Mercury never obstructs the Moon", Houses({{kMoon, 1}, {kMercury, 5}}), kMercury, kMoon, false},
        {"the Moon never obstructs Mercury", Houses({{kMercury, 2}, {kMoon, 5}}), kMoon, kMercury, false},
        {"Mars obstructs the Sun in the 3rd from the 9th", Houses({{kSun, 3}, {kMars, 9}}), kMars, kSun,
         true},
        {"Rahu obstructs others", Houses({{kSun, 3}, {kRahu, 9}}), kRahu, kSun, true},
        {"nothing obstructs Rahu", Houses({{kRahu, 3}, {kSun, 9}, {kMars, 12}}), kSun, kRahu, false},
        {"no vedha in a bad house", Houses({{kSun, 8}, {kMars, 9}}), kMars, kSun, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(VedhaMarks(c.houses).Obstructs(c.by, c.planet), c.obstructs);
    }
    // Saturn alone in the vedha house leaves the Sun free; with Mars beside it the Sun is obstructed.
    EXPECT_FALSE(VedhaMarks(Houses({{kSun, 3}, {kSaturn, 9}})).IsObstructed(kSun));
    EXPECT_TRUE(VedhaMarks(Houses({{kSun, 3}, {kSaturn, 9}, {kMars, 9}})).IsObstructed(kSun));
    for (const int node : {kRahu, kKetu})
        EXPECT_FALSE(VedhaMarks(Houses({{node, 3}, {kSun, 12}, {kMars, 9}, {kMoon, 5}})).IsObstructed(node));
}

TEST(TransitJudgement, KakshyasOfThreeDegreesFortyFive) {
    struct Case {
        double longitude;
        int lord;
    };
    const Case cases[] = {
        {0.0, kSaturn},
        {29.0 + 59.0 / 60.0, kLagna},
        {3.74, kSaturn},
        {3.75, kJupiter},
        {7.5, kMars},
        {11.25, kSun},
        {15.0, kVenus},
        {18.75, kMercury},
        {22.5, kMoon},
        {26.25, kLagna},
        {30.0, kSaturn},
        {359.99, kLagna},
        {123.75 + 0.01, kJupiter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(KakshyaLord(KakshyaIndex(c.longitude)), c.lord);
    }
}

TEST(TransitJudgement, TheNodesHaveNoAshtakavarga) {
    CAshtakavarga ashtakavarga;
    ashtakavarga.m_bhinna[0][kSaturn][4] = 5;
    ashtakavarga.m_prastara[0][kSaturn].m_given[4][kMars] = 1;
    EXPECT_EQ(TransitBindus(ashtakavarga, 0, kSaturn, 4), 5);
    EXPECT_EQ(IsGoodKakshya(ashtakavarga, 0, kSaturn, 4, kMars), true);
    EXPECT_EQ(IsGoodKakshya(ashtakavarga, 0, kSaturn, 4, kJupiter), false);
    for (const int node : {kRahu, kKetu}) {
        EXPECT_FALSE(TransitBindus(ashtakavarga, 0, node, 4).has_value());
        EXPECT_FALSE(IsGoodKakshya(ashtakavarga, 0, node, 4, kMars).has_value());
    }
    EXPECT_FALSE(TransitBindus(ashtakavarga, 29, kSun, 4).has_value());
}

TEST(TransitJudgement, MurthiOfTheMoonsHouse) {
    const int expected[13] = {0, 0, 1, 2, 3, 1, 0, 2, 3, 1, 2, 0, 3}; // houses 1-12: 1 6 11 Swarna ...
    for (int house = 1; house <= 12; ++house) EXPECT_EQ(MurthiOfMoonHouse(house), expected[house]) << house;
}

// The chart's murthi alone, decided cheaply where it can be, is the one the exact entry search gives, for
// every planet, and so where the cheap reading must leave it to that search (the tropical zodiac).
TEST(TransitJudgement, MurthiAloneIsTheExactSearchsMurthi) {
    const CScopedOptions options;
    for (const int ayanamsa : {kAyanamsaTrueLahiri, kAyanamsaTropical}) {
        ChooseAyanamsa(ayanamsa, CDmsAngle{});
        for (double jd = 2446000.3; jd < 2452000.0; jd += 401.7) {
            CChartCore chart;
            chart.JulianDayToDate(jd, chart);
            ASSERT_TRUE(chart.CalcPlanets().ok());
            for (int body = kSun; body <= kKetu; ++body) {
                SCOPED_TRACE(testing::Message()
                             << "ayanamsa " << ayanamsa << " moment " << jd << " body " << body);
                const SignEntryMurthi exact = FindSignEntryMurthi(chart, body, 4);
                const SignEntryMurthi alone = FindSignEntryMurthiOnly(chart, body, 4);
                ASSERT_TRUE(exact.found);
                EXPECT_TRUE(alone.found);
                EXPECT_EQ(alone.murthi, exact.murthi);
            }
        }
    }
}

TEST(TransitNakshatras, SpecialNakshatrasFromTheReference) {
    struct Case {
        int star, reference, special;
    };
    const Case cases[] = {
        {10, 10, 0}, // Janma
        {9, 10, 7},  // the star before: Abhisheka (Coronation)
        {19, 10, 1}, // the 10th: Karma
        {6, 10, 10}, // the 25th: Maanasa
        {5, 10, -1}, // the 24th: none
        {27, 0, 7},  // round the circle of 28
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.star) + " from " + std::to_string(c.reference));
        EXPECT_EQ(SpecialNakshatraAt(c.star, c.reference), c.special);
    }
    EXPECT_STREQ(g_specialTaraMeanings[7], "Coronation");
}

TEST(TransitNakshatras, AspectsAndLatta) {
    EXPECT_EQ(NakshatraAspectCounts(kJupiter).size(), 3u);
    EXPECT_TRUE(NakshatraAspectCounts(kRahu).empty());
    EXPECT_TRUE(NakshatraAspectCounts(kKetu).empty());
    EXPECT_EQ(StarCountedFrom(20, 15), 6);
    struct Case {
        int planet, star, latta;
    };
    const Case cases[] = {
        {kSun, 20, 3},     // 12 forward
        {kMoon, 0, 7},     // 22 backward
        {kMars, 27, 1},    // 3 forward
        {kMercury, 3, 25}, // 7 backward
        {kRahu, 5, 25},    // 9 backward
        {kKetu, 13, 13},   // its own star
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.planet);
        EXPECT_EQ(LattaStar(c.planet, c.star), c.latta);
    }
}

TEST(TransitNakshatras, NaraChakraLimbs) {
    struct Case {
        int planet, distance;
        const char* limb;
        const char* result;
    };
    const Case cases[] = {
        {kSun, 0, "Face", "Destruction"},
        {kSun, 1, "Head", "Influx of wealth"},
        {kSun, 26, "Privities", "Danger to life"},
        {kMoon, 8, "Tow eyes", "Monetary gains"},
        {kMars, 26, "Two eyes", "Going abroad"},
        {kVenus, 18, "Privities", "Loss"},
        {kJupiter, 26, "Two feet", "Honor and fame"},
        {kKetu, 0, "Face", "Sorrow"},
        {kSaturn, 26, "Back", "Danger to life"},
        {kMoon, 26, "Right hand", "Financial gain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.planet) + " at " + std::to_string(c.distance));
        const AngaLimb limb = AngaGrahaLimb(c.planet, c.distance);
        EXPECT_STREQ(limb.limb, c.limb);
        EXPECT_STREQ(limb.result, c.result);
    }
}

} // namespace
