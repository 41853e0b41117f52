// Dhana and Daridra yogas on charts set by hand.
#include <gtest/gtest.h>

#include "yoga_test_support.h"

namespace {

using Bodies = std::vector<int>;

TEST(DhanaYogas, TheFifthAndEleventhCombinationOfTheLagna) {
    struct Case {
        int lagna;
        std::vector<BodySign> places;
        std::optional<Bodies> givers; // of entry (8, lagna)
    };
    const Case kCases[] = {
        {kGemini, {{kVenus, kLibra}, {kMars, kAries}}, Bodies{kVenus, kMars}},
        {kAries,
         {{kSun, kLeo}, {kSaturn, kAquarius}, {kMoon, kAquarius}, {kJupiter, kAquarius}},
         Bodies{kSun, kSaturn, kMoon, kJupiter}},
        {kAries, {{kSun, kLeo}, {kSaturn, kAquarius}, {kMoon, kTaurus}, {kJupiter, kAquarius}}, std::nullopt},
        // Pisces: the Moon in Cancer with Saturn, Mars and Jupiter in Capricorn.
        {kPisces,
         {{kMoon, kCancer}, {kSaturn, kCapricorn}, {kMars, kCapricorn}, {kJupiter, kCapricorn}},
         Bodies{kMoon, kSaturn, kMars, kJupiter}},
        {kPisces, {{kMoon, kCancer}, {kSaturn, kCapricorn}, {kJupiter, kCapricorn}}, std::nullopt},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.lagna);
        CChart chart = EveryBodyIn(c.lagna);
        for (const BodySign& p : c.places) PlaceInSign(chart, p.body, p.sign);
        EXPECT_EQ(GiversOf(FindYogas(chart, kYogaDhana), kYogaDhana, c.lagna), c.givers);
    }
}

TEST(DhanaYogas, APlanetInTheLagnaJoinedOrAspected) {
    // Leo lagna: the Sun and Mars in Leo; Jupiter in Sagittarius (a dual sign, no aspect on Leo),
    // Aries (movable, not beside Leo) or Cancer (movable, right before Leo).
    struct Case {
        int jupiter;
        bool holds;
    };
    for (const Case& c : {Case{kSagittarius, false}, Case{kAries, true}, Case{kCancer, false}}) {
        SCOPED_TRACE(c.jupiter);
        CChart chart = ChartWith(kLeo, {{kJupiter, c.jupiter}});
        const CYogaList list = FindYogas(chart, kYogaDhana);
        EXPECT_EQ(GiversOf(list, kYogaDhana, 16),
                  c.holds ? std::optional(Bodies{kSun, kMars, kJupiter}) : std::nullopt);
    }
}

TEST(DhanaYogas, OnlyTheLagnaOfTheTestedColumnCounts) {
    // Rasi: Gemini lagna with Venus in Libra and Mars in Aries. D-9: Aries lagna with the Sun in Leo
    // and Saturn, Moon and Jupiter in Aquarius.
    CChart chart = ChartWith(kGemini, {{kVenus, kLibra}, {kMars, kAries}});
    chart.m_vargaSign.SetSign(kLagna, kD9Column, kAries);
    chart.m_vargaSign.SetSign(kSun, kD9Column, kLeo);
    for (int p : {kSaturn, kMoon, kJupiter}) chart.m_vargaSign.SetSign(p, kD9Column, kAquarius);
    const CYogaList d1 = FindYogas(chart, kYogaDhana);
    EXPECT_TRUE(GiversOf(d1, kYogaDhana, kGemini));
    EXPECT_FALSE(GiversOf(d1, kYogaDhana, kAries));
    const CYogaList d9 = FindYogas(chart, kYogaDhana, kD9Column);
    EXPECT_FALSE(GiversOf(d9, kYogaDhana, kGemini));
    EXPECT_EQ(GiversOf(d9, kYogaDhana, kAries), (Bodies{kSun, kSaturn, kMoon, kJupiter}));
}

TEST(DhanaYogas, BothCombinationsInOrder) {
    // Aries lagna: Mars in Aries with Mercury, Venus and Saturn aspecting from Leo and Aquarius, and
    // the Sun in Leo with Saturn, Moon and Jupiter in Aquarius.
    CChart chart = ChartWith(kAries, {{kSun, kLeo},
                                      {kMercury, kLeo},
                                      {kVenus, kLeo},
                                      {kSaturn, kAquarius},
                                      {kMoon, kAquarius},
                                      {kJupiter, kAquarius}});
    const CYogaList list = FindYogas(chart, kYogaDhana);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(Givers(list.m_records[0]), (Bodies{kSun, kSaturn, kMoon, kJupiter}));
    EXPECT_EQ(Givers(list.m_records[1]), (Bodies{kMars, kMercury, kVenus, kSaturn}));
}

// Aries lagna with Mars (lagna lord) in Pisces and Jupiter (12th lord) in Aries; Venus, lord of both
// maraka signs, where the test puts it; everyone else in Aries.
CChart ExchangeWithThe12th(int venus) {
    return ChartWith(kAries, {{kMars, kPisces}, {kJupiter, kAries}, {kVenus, venus}});
}

TEST(DaridraYogas, ExchangeWithThe12thLordNeedsAMaraka) {
    CChart capricorn = ExchangeWithThe12th(kCapricorn); // aspects neither Pisces nor Aries
    EXPECT_FALSE(GiversOf(FindYogas(capricorn, kYogaDaridra), kYogaDaridra, 0));
    CChart virgo = ExchangeWithThe12th(kVirgo); // dual signs aspect each other: Pisces
    const CYogaList list = FindYogas(virgo, kYogaDaridra);
    EXPECT_EQ(GiversOf(list, kYogaDaridra, 0), (Bodies{kMars, kJupiter}));
    EXPECT_FALSE(GiversOf(list, kYogaDaridra, 1));
    EXPECT_FALSE(GiversOf(list, kYogaDaridra, 2));
}

TEST(DaridraYogas, ExchangeWithThe6thAndLagnaLordInThe8th) {
    // Aries lagna: Mars in Virgo (6th), Mercury (6th lord) in Aries, aspected by the maraka Venus from Leo.
    CChart sixth = ChartWith(kAries, {{kMars, kVirgo}, {kVenus, kLeo}});
    EXPECT_EQ(GiversOf(FindYogas(sixth, kYogaDaridra), kYogaDaridra, 1), (Bodies{kMars, kMercury}));
    // Mars in Scorpio (8th), aspected by Venus from Cancer; Ketu in the lagna.
    CChart eighth = ChartWith(kAries, {{kMars, kScorpio}, {kVenus, kCancer}});
    EXPECT_EQ(GiversOf(FindYogas(eighth, kYogaDaridra), kYogaDaridra, 2), (Bodies{kMars, kKetu}));
    PlaceInSign(eighth, kKetu, kGemini); // Ketu neither in the lagna nor with the Moon
    EXPECT_FALSE(GiversOf(FindYogas(eighth, kYogaDaridra), kYogaDaridra, 2));
}

TEST(DaridraYogas, AfflictedLagnaLordInADusthana) {
    // Aries lagna: Mars alone in Virgo (6th), Venus (2nd lord) debilitated there too.
    CChart chart = ChartWith(kAries, {{kMars, kVirgo}, {kVenus, kVirgo}});
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaDaridra), kYogaDaridra, 3)); // Mars counts itself
    PlaceInSign(chart, kSaturn, kVirgo);
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaDaridra), kYogaDaridra, 3), (Bodies{kMars, kVenus}));
    // Venus in Leo, the sign of its enemy the Sun, serves as well.
    PlaceInSign(chart, kVenus, kLeo);
    EXPECT_TRUE(GiversOf(FindYogas(chart, kYogaDaridra), kYogaDaridra, 3));
    // Venus in Capricorn, Saturn's (a friend), does not.
    PlaceInSign(chart, kVenus, kCapricorn);
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaDaridra), kYogaDaridra, 3));
}

TEST(DaridraYogas, FifthAndNinthLordsAndMaleficsInTheLagna) {
    // Aries lagna: the Sun (5th lord) in Virgo, Jupiter (9th lord) in Pisces, Venus aspecting from Gemini.
    CChart chart = ChartWith(kAries, {{kSun, kVirgo}, {kJupiter, kPisces}, {kVenus, kGemini}});
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaDaridra), kYogaDaridra, 4), (Bodies{kSun, kJupiter}));

    // Cancer lagna: Saturn (7th lord, a maraka) and Rahu in it; the rest in Virgo.
    CChart malefics = ChartWith(kCancer, {});
    for (int p = kSun; p <= kKetu; ++p) PlaceInSign(malefics, p, kVirgo);
    PlaceInSign(malefics, kSaturn, kCancer);
    PlaceInSign(malefics, kRahu, kCancer);
    EXPECT_EQ(GiversOf(FindYogas(malefics, kYogaDaridra), kYogaDaridra, 5), (Bodies{kSaturn, kRahu}));
    PlaceInSign(malefics, kJupiter, kCancer); // the 9th lord in the lagna cancels it
    EXPECT_FALSE(GiversOf(FindYogas(malefics, kYogaDaridra), kYogaDaridra, 5));
}

} // namespace
