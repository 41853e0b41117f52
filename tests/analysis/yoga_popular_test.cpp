// Other popular yogas on charts set by hand.
#include <gtest/gtest.h>

#include "core/option_appliers.h"
#include "yoga_test_support.h"

namespace {

using Bodies = std::vector<int>;

std::optional<Bodies> Popular(CChart& chart, int index) {
    return GiversOf(FindYogas(chart, kYogaOtherPopular), kYogaOtherPopular, index);
}

TEST(PopularYogas, SubhaAndAsubha) {
    CChart malefics = ChartWithRest(kAries, kLeo, {{kRahu, kTaurus}, {kSaturn, kPisces}});
    EXPECT_EQ(Popular(malefics, 1), (Bodies{kSaturn, kRahu}));
    EXPECT_FALSE(Popular(malefics, 0));
    CChart benefics = ChartWithRest(kAries, kLeo, {{kMoon, kTaurus}, {kVenus, kPisces}});
    EXPECT_EQ(Popular(benefics, 0), (Bodies{kMoon, kVenus}));
    CChart oneSide = ChartWithRest(kAries, kLeo, {{kMoon, kTaurus}});
    EXPECT_FALSE(Popular(oneSide, 0));
}

TEST(PopularYogas, AmalaWantsBothTenthsFreeOfMalefics) {
    // Aries lagna (10th Capricorn), Moon in Leo (10th from it Taurus), Jupiter in Taurus.
    CChart chart = ChartWithRest(kAries, kGemini, {{kMoon, kLeo}, {kJupiter, kTaurus}});
    EXPECT_EQ(Popular(chart, 3), Bodies{kJupiter});
    PlaceInSign(chart, kSaturn, kCapricorn);
    EXPECT_FALSE(Popular(chart, 3));
}

TEST(PopularYogas, OnlyOneRecordOfAPair) {
    // Aries lagna: 4th lord Moon in Cancer (own), Jupiter in Libra in a kendra from it, lagna lord
    // Mars strong in Aries: the first Kaahala. Saturn (10th lord) with the Moon would give the
    // second too, which is then not tried.
    CChart chart = ChartWithRest(kAries, kAries, {{kMoon, kCancer}, {kJupiter, kLibra}, {kSaturn, kCancer}});
    const CYogaList list = FindYogas(chart, kYogaOtherPopular);
    EXPECT_EQ(GiversOf(list, kYogaOtherPopular, 5), (Bodies{kMoon, kJupiter}));
    EXPECT_FALSE(GiversOf(list, kYogaOtherPopular, 6));
    // Sagittarius lagna: the 4th lord is Jupiter, so only the second test runs: Jupiter exalted in
    // Cancer with Mercury, the 10th lord.
    CChart jupiter = ChartWithRest(kSagittarius, kLeo, {{kJupiter, kCancer}, {kMercury, kCancer}});
    EXPECT_EQ(Popular(jupiter, 6), (Bodies{kJupiter, kMercury}));
}

TEST(PopularYogas, MridangaCountsPlanetsInTheirSignsInKendrasAndKonas) {
    CScopedOption exaltation(g_exaltationSigns, g_exaltationSigns);
    CScopedOption debilitation(g_debilitationSigns, g_debilitationSigns);
    ApplyRahuKetuExaltationOption(false); // Rahu exalted in Gemini
    // Gemini lagna: Mercury exalted in Virgo (4th), Rahu exalted in the lagna; the rest in Leo (3rd).
    CChart chart = ChartWithRest(kGemini, kLeo, {{kMercury, kVirgo}, {kRahu, kGemini}});
    EXPECT_EQ(Popular(chart, 13), (Bodies{kMercury, kRahu}));
    PlaceInSign(chart, kRahu, kLeo); // one planet alone gives nothing
    EXPECT_FALSE(Popular(chart, 13));
}

TEST(PopularYogas, MatsyaNamesNoGivers) {
    // Aries lagna: benefics in the 1st and 9th, the Sun in the 5th, malefics in the 4th and 8th.
    CChart chart = ChartWithRest(kAries, kAries,
                                 {{kJupiter, kSagittarius},
                                  {kSun, kLeo},
                                  {kMars, kCancer},
                                  {kSaturn, kScorpio},
                                  {kKetu, kLibra},
                                  {kRahu, kAries}});
    EXPECT_EQ(Popular(chart, 15), Bodies{});
}

TEST(PopularYogas, KoormaNeedsTwoBeneficsAndTwoMalefics) {
    // Sagittarius lagna: Venus in Taurus (6th) and Mercury in Gemini (7th), both own signs; Saturn in
    // Aquarius (3rd, own) and Mars in Sagittarius (1st, the sign of its friend Jupiter).
    CChart chart = ChartWithRest(kSagittarius, kSagittarius,
                                 {{kVenus, kTaurus},
                                  {kMercury, kGemini},
                                  {kSaturn, kAquarius},
                                  {kSun, kLeo},
                                  {kRahu, kCancer},
                                  {kKetu, kCapricorn}});
    EXPECT_EQ(Popular(chart, 16), (Bodies{kMercury, kVenus, kMars, kSaturn}));
    PlaceInSign(chart, kMars, kLeo);
    EXPECT_FALSE(Popular(chart, 16));
}

TEST(PopularYogas, KusumaNamesVenusTwiceWithTheMoon) {
    // Taurus lagna: Moon and Venus in it, Saturn in Aquarius (10th).
    CChart chart =
        ChartWithRest(kTaurus, kGemini, {{kMoon, kTaurus}, {kVenus, kTaurus}, {kSaturn, kAquarius}});
    EXPECT_EQ(Popular(chart, 18), (Bodies{kMoon, kVenus, kSaturn, kVenus}));
}

TEST(PopularYogas, VidyutNamesVenusOnceAsThe11thLord) {
    // Sagittarius lagna: Venus (11th lord) exalted in Pisces, Jupiter (lagna lord) with it.
    CChart chart = ChartWithRest(kSagittarius, kLeo, {{kVenus, kPisces}, {kJupiter, kPisces}});
    EXPECT_EQ(Popular(chart, 24), Bodies{kVenus});
}

TEST(PopularYogas, TapaswiAddsOneRecordAtMost) {
    CChart chart = ChartWithRest(kAries, kLeo, {{kVenus, kAries}, {kSaturn, kAries}, {kKetu, kAries}});
    const CYogaList list = FindYogas(chart, kYogaOtherPopular);
    EXPECT_EQ(GiversOf(list, kYogaOtherPopular, 32), (Bodies{kVenus, kSaturn, kKetu}));
    EXPECT_FALSE(GiversOf(list, kYogaOtherPopular, 33));
}

TEST(PopularYogas, BeneficMajorityAroundAHouseLord) {
    // Cancer lagna: Sun (2nd lord) in Aries; Hari looks at Taurus, Pisces and Scorpio.
    CChart chart = ChartWithRest(
        kCancer, kScorpio, {{kSun, kAries}, {kMoon, kTaurus}, {kMercury, kPisces}, {kJupiter, kPisces}});
    // All four benefics there (Venus in Scorpio) against four malefics.
    EXPECT_EQ(Popular(chart, 35), (Bodies{kMoon, kMercury, kJupiter, kVenus}));
    PlaceInSign(chart, kVenus, kGemini); // three against four
    EXPECT_FALSE(Popular(chart, 35));
    PlaceInSign(chart, kRahu, kGemini);
    PlaceInSign(chart, kKetu, kGemini); // three against two
    EXPECT_EQ(Popular(chart, 35), (Bodies{kMoon, kMercury, kJupiter}));
}

TEST(PopularYogas, BhaarathiTakesTheFirstLordThatQualifies) {
    // Aries lagna: Jupiter (9th lord) with the Moon exalted in Taurus; the Moon is the navamsa
    // dispositor of both Venus (2nd lord) and the Sun (5th lord), whose D-9 sign is Cancer.
    CChart chart = ChartWithRest(kAries, kLeo, {{kJupiter, kTaurus}, {kMoon, kTaurus}});
    chart.m_vargaSign.SetSign(kVenus, kD9Column, kCancer);
    chart.m_vargaSign.SetSign(kSun, kD9Column, kCancer);
    const CYogaList list = FindYogas(chart, kYogaOtherPopular);
    EXPECT_EQ(GiversOf(list, kYogaOtherPopular, 46), (Bodies{kMoon, kJupiter}));
    EXPECT_FALSE(GiversOf(list, kYogaOtherPopular, 47));
}

TEST(PopularYogas, KulavardhanaWantsEveryPlanetInAFifth) {
    // Aries lagna, everything in Leo: the 5th from the lagna.
    CChart chart = ChartWithRest(kAries, kLeo, {});
    EXPECT_EQ(Popular(chart, 22), Bodies{});
    PlaceInSign(chart, kSaturn, kVirgo); // in no 5th house
    EXPECT_FALSE(Popular(chart, 22));
    PlaceInSign(chart, kSaturn, kSagittarius); // the 5th from the Sun and the Moon
    EXPECT_TRUE(Popular(chart, 22));
}

TEST(PopularYogas, NavamsaDispositorsComeFromD9WhateverTheColumn) {
    // Vishnu in D-10: Taurus lagna, the 9th and 10th lords Saturn and the navamsa dispositor of Saturn
    // (D-9 in Virgo: Mercury) all in Gemini, the 2nd, in D-10.
    CChart chart = ChartWithRest(kTaurus, kLeo, {});
    chart.m_vargaSign.SetSign(kSaturn, kD9Column, kVirgo);
    chart.m_vargaSign.SetSign(kSaturn, kD10Column, kGemini);
    chart.m_vargaSign.SetSign(kMercury, kD10Column, kGemini);
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaOtherPopular, kD10Column), kYogaOtherPopular, 39),
              (Bodies{kSaturn, kSaturn, kMercury}));
    chart.m_vargaSign.SetSign(kSaturn, kD9Column, kLeo); // dispositor the Sun, in Leo
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaOtherPopular, kD10Column), kYogaOtherPopular, 39));
}

} // namespace
