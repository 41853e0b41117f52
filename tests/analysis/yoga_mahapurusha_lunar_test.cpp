// Pancha Mahapurusha, solar and lunar yogas on charts set by hand.
#include <gtest/gtest.h>

#include "yoga_test_support.h"

namespace {

using Bodies = std::vector<int>;

TEST(MahapurushaYogas, APlanetInItsSignsNeedsAKendra) {
    struct Case {
        int lagna;
        int planet;
        int sign;
        int entry; // -1: none
    };
    const Case kCases[] = {
        {kCancer, kJupiter, kCancer, 0},     // exalted in the 1st: Hamsa
        {kGemini, kJupiter, kCancer, -1},    // exalted in the 2nd
        {kSagittarius, kMercury, kVirgo, 2}, // exalted in the 10th: Bhadra
        {kCapricorn, kMercury, kVirgo, -1},  // in the 9th
        {kAries, kMars, kCapricorn, 3},      // exalted in the 10th: Ruchaka
        {kCancer, kSaturn, kLibra, 4},       // exalted in the 4th: Sasa
        {kAries, kVenus, kLibra, 1},         // own sign in the 7th: Malavya
        {kAries, kVenus, kVirgo, -1},        // debilitated in the 6th
        {kLeo, kSaturn, kAquarius, 4},       // own sign in the 7th
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "lagna " << c.lagna << " planet " << c.planet << " in " << c.sign);
        // The other planets wait in the 3rd house, in no sign of their own.
        CChart chart = ChartWith(c.lagna, {});
        for (int p = kSun; p <= kKetu; ++p) PlaceInSign(chart, p, SignFrom(c.lagna, 2));
        PlaceInSign(chart, c.planet, c.sign);
        const CYogaList list = FindYogas(chart, kYogaMahapurusha);
        if (c.entry < 0) {
            EXPECT_EQ(list.Count(), 0);
        } else {
            ASSERT_EQ(list.Count(), 1) << testing::PrintToString(Names(list));
            EXPECT_EQ(GiversOf(list, kYogaMahapurusha, c.entry), Bodies{c.planet});
        }
    }
}

TEST(MahapurushaYogas, SeveralAtOnceInTheirOrder) {
    // Aries lagna: Jupiter exalted in the 4th, Venus and Saturn in Libra (7th), Mars in Aries.
    CChart chart =
        ChartWith(kAries, {{kJupiter, kCancer}, {kVenus, kLibra}, {kSaturn, kLibra}, {kMercury, kLeo}});
    EXPECT_EQ(Names(FindYogas(chart, kYogaMahapurusha)),
              (std::vector<std::string>{"Hamsa", "Malavya", "Ruchaka", "Sasa"}));
}

TEST(MahapurushaYogas, TheD9ColumnReadsTheD9Lagna) {
    CChart chart = ChartWith(kAries, {{kMercury, kVirgo}}); // Mercury in the 6th in rasi
    chart.m_vargaSign.SetSign(kLagna, kD9Column, kGemini);  // the 4th in D-9
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaMahapurusha), kYogaMahapurusha, 2));
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaMahapurusha, kD9Column), kYogaMahapurusha, 2), Bodies{kMercury});
}

// The Sun in Leo with the lagna; the planets that are not placed stay in Sagittarius, the 5th.
CChart SunInLeo(const std::vector<BodySign>& places) {
    std::vector<BodySign> all = {{kSun, kLeo}};
    all.insert(all.end(), places.begin(), places.end());
    return ChartWithRest(kLeo, kSagittarius, all);
}

TEST(SolarYogas, PlanetsBesideTheSun) {
    CChart chart = SunInLeo({{kMars, kVirgo}, {kSaturn, kCancer}});
    EXPECT_EQ(Names(FindYogas(chart, kYogaSolar)), std::vector<std::string>{"Ubhayachara"});
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaSolar), kYogaSolar, 0), (Bodies{kMars, kSaturn}));

    CChart second = SunInLeo({{kVenus, kVirgo}, {kMercury, kVirgo}});
    EXPECT_EQ(GiversOf(FindYogas(second, kYogaSolar), kYogaSolar, 1), (Bodies{kMercury, kVenus}));
    CChart twelfth = SunInLeo({{kJupiter, kCancer}});
    EXPECT_EQ(GiversOf(FindYogas(twelfth, kYogaSolar), kYogaSolar, 2), Bodies{kJupiter});

    // Neither the Moon nor a node makes a solar yoga.
    CChart moon = SunInLeo({{kMoon, kVirgo}, {kRahu, kCancer}});
    EXPECT_EQ(FindYogas(moon, kYogaSolar).Count(), 0);
}

TEST(SolarYogas, NipunaWithMercuryTogetherOrOpposite) {
    CChart chart = SunInLeo({{kMercury, kLeo}});
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaSolar), kYogaSolar, 3), (Bodies{kSun, kMercury}));
    // In D-9 Mercury stands in the 7th from the Sun.
    chart.m_vargaSign.SetSign(kSun, kD9Column, kAries);
    chart.m_vargaSign.SetSign(kMercury, kD9Column, kLibra);
    EXPECT_TRUE(GiversOf(FindYogas(chart, kYogaSolar, kD9Column), kYogaSolar, 3));
}

// Aries lagna with the Moon in it; the planets not placed stay in Leo (the 5th), off the kendras and
// away from the Moon.
CChart MoonInAries(const std::vector<BodySign>& places) {
    std::vector<BodySign> all = {{kMoon, kAries}};
    all.insert(all.end(), places.begin(), places.end());
    return ChartWithRest(kAries, kLeo, all);
}

TEST(LunarYogas, PlanetsBesideTheMoonOrKemadruma) {
    struct Case {
        std::vector<BodySign> places;
        int entry; // -1: none
        Bodies givers;
    };
    const Case kCases[] = {
        {{{kMars, kTaurus}, {kVenus, kPisces}}, 0, {kMars, kVenus}}, // Duradhara
        {{{kSaturn, kTaurus}}, 1, {kSaturn}},                        // Sunaphaa
        {{{kJupiter, kPisces}}, 2, {kJupiter}},                      // Anaphaa
        {{}, 3, {kMoon}},                                            // Kemadruma
        {{{kRahu, kTaurus}, {kKetu, kPisces}}, 3, {kMoon}},          // nodes beside the Moon: still Kemadruma
        {{{kSun, kTaurus}}, 3, {kMoon}},                             // the Sun beside it too
        {{{kSun, kCancer}}, -1, {}},                                 // the Sun in a kendra ends Kemadruma
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.givers));
        CChart chart = MoonInAries(c.places);
        const CYogaList list = FindYogas(chart, kYogaLunar);
        int flankOrKemadruma = 0;
        for (int i = 0; i <= 3; ++i) flankOrKemadruma += FindEntry(list, kYogaLunar, i) != nullptr;
        if (c.entry < 0) {
            EXPECT_EQ(flankOrKemadruma, 0);
        } else {
            EXPECT_EQ(flankOrKemadruma, 1);
            EXPECT_EQ(GiversOf(list, kYogaLunar, c.entry), c.givers);
        }
    }
}

TEST(LunarYogas, MoonWithMarsOrJupiter) {
    CChart chart = MoonInAries({{kMars, kLibra}, {kJupiter, kCapricorn}});
    const CYogaList list = FindYogas(chart, kYogaLunar);
    EXPECT_EQ(GiversOf(list, kYogaLunar, 4), (Bodies{kMoon, kMars}));
    EXPECT_EQ(GiversOf(list, kYogaLunar, 5), (Bodies{kMoon, kJupiter}));
    CChart apart = MoonInAries({{kMars, kGemini}, {kJupiter, kLeo}});
    EXPECT_EQ(FindYogas(apart, kYogaLunar).Count(), 1); // Kemadruma alone
}

TEST(LunarYogas, AdhiYogaWeighsBenefics) {
    // Mercury and Jupiter in the 7th from the Moon, Saturn in the 8th.
    CChart two = MoonInAries({{kMercury, kLibra}, {kJupiter, kLibra}, {kSaturn, kScorpio}});
    EXPECT_EQ(GiversOf(FindYogas(two, kYogaLunar), kYogaLunar, 6), (Bodies{kMercury, kJupiter}));
    CChart one = MoonInAries({{kJupiter, kLibra}});
    EXPECT_FALSE(GiversOf(FindYogas(one, kYogaLunar), kYogaLunar, 6));
    CChart outnumbered = MoonInAries(
        {{kMercury, kLibra}, {kJupiter, kLibra}, {kSaturn, kScorpio}, {kSun, kVirgo}, {kMars, kVirgo}});
    EXPECT_FALSE(GiversOf(FindYogas(outnumbered, kYogaLunar), kYogaLunar, 6));
}

} // namespace
