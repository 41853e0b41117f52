// Naabhasa yogas: the spread of the seven planets over signs and houses, on charts set by hand.
#include <gtest/gtest.h>

#include "yoga_test_support.h"

namespace {

using Names_ = std::vector<std::string>;

// The seven planets Sun .. Saturn dealt round the houses listed (0-based, from the lagna), in turn;
// the nodes stay in the lagna, where they occupy nothing.
CChart SpreadOver(int lagna, std::vector<int> houses) {
    CChart chart = EveryBodyIn(lagna);
    for (int p = kSun; p <= kSaturn; ++p)
        PlaceInSign(chart, p, SignFrom(lagna, houses[(p - kSun) % houses.size()]));
    return chart;
}

TEST(NaabhasaYogas, SevenPlanetsInTheLagna) {
    struct Case {
        int lagna;
        const char* nature;
    };
    for (const Case& c : {Case{kAries, "Rajju"}, Case{kTaurus, "Musala"}, Case{kGemini, "Nala"}}) {
        CChart chart = EveryBodyIn(c.lagna);
        EXPECT_EQ(Names(FindYogas(chart, kYogaNaabhasa)),
                  (Names_{c.nature, "Gadaa", "Sakata", "Sringaataka", "Gola"}));
    }
}

TEST(NaabhasaYogas, OccupiedHouses) {
    struct Case {
        std::vector<int> houses; // 0-based
        Names_ expected;         // in the order found
    };
    const Case kCases[] = {
        {{0, 6}, {"Sakata", "Yuga"}}, // not Gadaa: the 1st and 7th are no two successive kendras
        {{3, 9}, {"Vihanga", "Yuga"}},
        {{3, 6}, {"Gadaa", "Yuga"}},
        {{1, 5, 9}, {"Hala", "Soola"}},
        {{0, 3, 6, 9}, {"Yava", "Kamala", "Kedaara"}}, // the nodes in the lagna make Yava too
        {{0, 3, 6}, {"Soola"}},                        // no Kamala with a kendra empty
        {{1, 4, 7, 10}, {"Vaapi", "Kedaara"}},
        {{0, 1, 2, 3}, {"Yoopa", "Kedaara"}},
        {{3, 4, 5, 6}, {"Sara", "Kedaara"}},
        {{6, 7, 8, 9}, {"Sakti", "Kedaara"}},
        {{9, 10, 11, 0}, {"Danda", "Kedaara"}},
        {{0, 2, 4, 6, 8, 10}, {"Chakra", "Daama/Daamini"}},
        {{1, 3, 5, 7, 9, 11}, {"Samudra", "Daama/Daamini"}},
        {{11, 0, 1, 2, 3, 4, 5}, {"Ardha-Chandra", "Veena"}},
        {{9, 10, 11, 0, 1, 2, 3}, {"Chaapa", "Veena"}},
        {{0, 1, 2, 3, 4, 5, 6}, {"Naukaa", "Veena"}},
        {{3, 4, 5, 6, 7, 8, 9}, {"Koota", "Veena"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.houses));
        // A Libra lagna: the signs of each kind are then mixed among the houses.
        CChart chart = SpreadOver(kLibra, c.houses);
        Names_ found;
        for (const std::string& name : Names(FindYogas(chart, kYogaNaabhasa)))
            if (name != "Maalaa" && name != "Sarpa" && name != "Rajju" && name != "Musala" && name != "Nala")
                found.push_back(name);
        EXPECT_EQ(found, c.expected);
    }
}

TEST(NaabhasaYogas, ARunOfSevenSignsAcrossPiscesAndAries) {
    // Lagna Sagittarius: planets from Aquarius (3rd) to Leo (9th), over Pisces and Aries.
    CChart chart = SpreadOver(kSagittarius, {2, 3, 4, 5, 6, 7, 8});
    EXPECT_TRUE(FindEntry(FindYogas(chart, kYogaNaabhasa), kYogaNaabhasa, 29));
}

TEST(NaabhasaYogas, KendrasHeldByBeneficsOrMalefics) {
    // Aries lagna: Moon with Sun in Aries, Mercury with Mars in Cancer, Libra and Capricorn empty.
    CChart chart = ChartWith(kAries, {{kMercury, kCancer},
                                      {kMars, kCancer},
                                      {kJupiter, kTaurus},
                                      {kVenus, kTaurus},
                                      {kSaturn, kTaurus},
                                      {kRahu, kTaurus},
                                      {kKetu, kTaurus}});
    CYogaList list = FindYogas(chart, kYogaNaabhasa);
    EXPECT_FALSE(FindEntry(list, kYogaNaabhasa, 3));
    EXPECT_FALSE(FindEntry(list, kYogaNaabhasa, 4));
    // A third kendra with one benefic and one malefic (a node) counts for both.
    PlaceInSign(chart, kJupiter, kCapricorn);
    PlaceInSign(chart, kRahu, kCapricorn);
    list = FindYogas(chart, kYogaNaabhasa);
    EXPECT_TRUE(FindEntry(list, kYogaNaabhasa, 3));
    EXPECT_TRUE(FindEntry(list, kYogaNaabhasa, 4));
    // With a second malefic there, Capricorn is the malefics' alone.
    PlaceInSign(chart, kKetu, kCapricorn);
    list = FindYogas(chart, kYogaNaabhasa);
    EXPECT_FALSE(FindEntry(list, kYogaNaabhasa, 3));
    EXPECT_TRUE(FindEntry(list, kYogaNaabhasa, 4));
}

// Benefics in Libra and Aries, malefics in Cancer and Capricorn: for a Libra lagna in the 1st and 7th,
// for a Cancer lagna in the 4th and 10th.
CChart KendrasSplitFor(int lagna) {
    return ChartWithRest(lagna, kGemini,
                         {{kSun, kCancer},
                          {kMoon, kLibra},
                          {kMars, kCancer},
                          {kMercury, kAries},
                          {kJupiter, kAries},
                          {kVenus, kLibra},
                          {kSaturn, kCapricorn},
                          {kKetu, kSagittarius}});
}

TEST(NaabhasaYogas, VajraAndYavaNeedStrictMajorities) {
    CChart vajra = KendrasSplitFor(kLibra);
    EXPECT_TRUE(FindEntry(FindYogas(vajra, kYogaNaabhasa), kYogaNaabhasa, 17));
    PlaceInSign(vajra, kRahu, kAries); // two benefics against two malefics in the 7th
    PlaceInSign(vajra, kKetu, kAries);
    EXPECT_FALSE(FindEntry(FindYogas(vajra, kYogaNaabhasa), kYogaNaabhasa, 17));
    CChart yava = KendrasSplitFor(kCancer);
    EXPECT_TRUE(FindEntry(FindYogas(yava, kYogaNaabhasa), kYogaNaabhasa, 18));
}

TEST(NaabhasaYogas, NodesOccupyNoSign) {
    CChart chart = SpreadOver(kAries, {0, 5});
    PlaceInSign(chart, kRahu, kGemini);
    PlaceInSign(chart, kKetu, kSagittarius);
    const CYogaList list = FindYogas(chart, kYogaNaabhasa);
    EXPECT_EQ(list.m_records.back().m_strName, "Yuga");
    for (const CYogaRecord& r : list.m_records) EXPECT_EQ(r.m_nGiverCount, 0);
}

} // namespace
