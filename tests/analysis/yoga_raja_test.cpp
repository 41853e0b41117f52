// Raja, Raja sambandha and Parivraja yogas on charts set by hand.
#include <gtest/gtest.h>

#include "core/computed_bodies.h"
#include "yoga_test_support.h"

namespace {

using Bodies = std::vector<int>;

// Chara karakas AK, AmK, BK, MK, PiK, PK, GK, DK.
void SetKarakas(CChart& chart, std::array<int, kCharaKarakaSlots> karakas) {
    chart.m_charaKaraka = karakas;
}

int CountEntry(const CYogaList& list, int category, int index) {
    return static_cast<int>(AllGiversOf(list, category, index).size());
}

TEST(RajaYogas, TaurusLagnaHasSaturnForYogakaraka) {
    CChart chart = ChartWithRest(kTaurus, kGemini, {});
    const CYogaList list = FindYogas(chart, kYogaRaja);
    EXPECT_EQ(CountEntry(list, kYogaRaja, 0), 1);
    EXPECT_EQ(GiversOf(list, kYogaRaja, 0), Bodies{kSaturn});
}

TEST(RajaYogas, APairOfLordsIsListedOnce) {
    // Sagittarius lagna: Jupiter (lord of the 1st and 4th) with the Sun (9th lord) in Leo. Lakshmi for
    // the 1st and 9th; the same pair as lords of the 4th and 9th is not listed again. Mercury (7th and
    // 10th) in Capricorn and Mars (5th) in Taurus are related to neither.
    CChart chart = ChartWithRest(kSagittarius, kAquarius,
                                 {{kJupiter, kLeo}, {kSun, kLeo}, {kMercury, kCapricorn}, {kMars, kTaurus}});
    const CYogaList list = FindYogas(chart, kYogaRaja);
    EXPECT_EQ(GiversOf(list, kYogaRaja, 1), (Bodies{kJupiter, kSun}));
    EXPECT_EQ(CountEntry(list, kYogaRaja, 3), 0);
    EXPECT_EQ(CountEntry(list, kYogaRaja, 0), 0);
}

TEST(RajaYogas, DifferentPairsEachGiveARecord) {
    // Aries lagna: Saturn (10th lord), Mars (1st) and the Sun (5th) together in Capricorn; Jupiter
    // (9th) in Virgo related to none of the kendra lords.
    CChart chart =
        ChartWithRest(kAries, kGemini,
                      {{kSaturn, kCapricorn}, {kMars, kCapricorn}, {kSun, kCapricorn}, {kJupiter, kVirgo}});
    EXPECT_EQ(AllGiversOf(FindYogas(chart, kYogaRaja), kYogaRaja, 3),
              (std::vector<Bodies>{{kSaturn, kSun}, {kMars, kSun}, {kSaturn, kMars}}));
}

TEST(RajaYogas, GrahaDrishtiMustGoBothWays) {
    // Aries lagna: Saturn (10th lord) in Aries aspects Capricorn (its 10th), where Jupiter (9th lord)
    // does not aspect Aries back.
    CChart oneWay = ChartWithRest(kAries, kGemini, {{kSaturn, kAries}, {kJupiter, kCapricorn}});
    EXPECT_FALSE(GiversOf(FindYogas(oneWay, kYogaRaja), kYogaRaja, 2));
    CChart mutual = ChartWithRest(kAries, kGemini, {{kSaturn, kAries}, {kJupiter, kLibra}});
    EXPECT_EQ(GiversOf(FindYogas(mutual, kYogaRaja), kYogaRaja, 2), (Bodies{kSaturn, kJupiter}));
    // An exchange of signs: Saturn in Sagittarius, Jupiter in Capricorn.
    CChart exchange = ChartWithRest(kAries, kGemini, {{kSaturn, kSagittarius}, {kJupiter, kCapricorn}});
    EXPECT_TRUE(GiversOf(FindYogas(exchange, kYogaRaja), kYogaRaja, 2));
}

TEST(RajaYogas, KarakaRajaYogas) {
    CChart chart = ChartWithRest(kAries, kGemini, {{kSun, kLeo}, {kMoon, kAries}, {kVenus, kLeo}});
    SetKarakas(chart, {kSun, kMars, kJupiter, kMercury, kMoon, kVenus, kSaturn, kRahu});
    const CYogaList list = FindYogas(chart, kYogaRaja);
    EXPECT_EQ(GiversOf(list, kYogaRaja, 4), (Bodies{kSun, kVenus})); // AK and PK together in the 5th
    EXPECT_EQ(GiversOf(list, kYogaRaja, 5), (Bodies{kSun, kMoon}));  // AK in the 5th, PiK in the 1st
}

// Seven karakas without a pitri karaka leave its slot empty: whatever house the atma karaka is in, no
// "Raja (AK-PiK)" names the lagna as the pitri karaka.
TEST(RajaYogas, AnEmptyPitriKarakaSlotGivesNoYoga) {
    for (const int atmaSign : {kAries, kLeo, kLibra}) { // the 1st, 5th and 7th houses from an Aries lagna
        SCOPED_TRACE(atmaSign);
        CChart chart = ChartWithRest(kAries, kGemini, {{kSun, atmaSign}});
        SetKarakas(chart, {kSun, kMars, kJupiter, kMercury, kNoCharaKaraka, kVenus, kSaturn, kMoon});
        EXPECT_EQ(CountEntry(FindYogas(chart, kYogaRaja), kYogaRaja, 5), 0);
    }
}

TEST(RajaYogas, YogadaCountsTheNodesAsOwners) {
    // Aquarius lagna, hora and ghati lagnas; Rahu, its co-owner, in Pisces aspects none of them.
    CChart chart = ChartWithRest(kAquarius, kGemini, {{kRahu, kPisces}, {kKetu, kVirgo}});
    PlaceInSign(chart, kHoraLagna, kAquarius);
    PlaceInSign(chart, kGhatiLagna, kAquarius);
    EXPECT_EQ(AllGiversOf(FindYogas(chart, kYogaRaja), kYogaRaja, 6),
              (std::vector<Bodies>{{kSaturn}, {kRahu}}));
    // The ghati lagna in Leo, which neither of them owns or aspects: the lagna and hora lagna only.
    PlaceInSign(chart, kGhatiLagna, kLeo);
    EXPECT_EQ(AllGiversOf(FindYogas(chart, kYogaRaja), kYogaRaja, 8),
              (std::vector<Bodies>{{kSaturn}, {kRahu}}));
}

TEST(RajaYogas, AspectOnTheLagnaInSixVargasIgnoresTheColumn) {
    CChart chart = ChartWithRest(kAries, kGemini, {{kMars, kAries}, {kSaturn, kLeo}});
    chart.m_vargaSign.SetSign(kSaturn, kD30Column, kCancer); // Cancer and Aries: no rasi drishti
    const CYogaList d1 = FindYogas(chart, kYogaRaja);
    const CYogaList d10 = FindYogas(chart, kYogaRaja, kD10Column);
    EXPECT_EQ(GiversOf(d1, kYogaRaja, 24), Bodies{kMars});
    EXPECT_EQ(GiversOf(d10, kYogaRaja, 24), Bodies{kMars});
}

TEST(RajaYogas, ViparitaYogas) {
    // Aries lagna: 6th lord Mercury in Scorpio (8th), 8th lord Mars in Pisces (12th), 12th lord Jupiter
    // in Virgo (6th): all three single ones, and the 8th and 12th lords opposite each other.
    CChart chart =
        ChartWithRest(kAries, kGemini, {{kMercury, kScorpio}, {kMars, kPisces}, {kJupiter, kVirgo}});
    const CYogaList list = FindYogas(chart, kYogaRaja);
    EXPECT_EQ(GiversOf(list, kYogaRaja, 17), Bodies{kMercury});
    EXPECT_EQ(GiversOf(list, kYogaRaja, 18), Bodies{kMars});
    EXPECT_EQ(GiversOf(list, kYogaRaja, 19), Bodies{kJupiter});
    EXPECT_EQ(GiversOf(list, kYogaRaja, 23), (Bodies{kMars, kJupiter}));
    for (int i : {20, 21, 22}) EXPECT_FALSE(GiversOf(list, kYogaRaja, i)) << i;
}

TEST(RajaYogas, FourPlanetsInMoolatrikonaOrExaltation) {
    CChart chart = ChartWithRest(kAries, kCapricorn, {{kSun, kLeo}, {kMoon, kTaurus}, {kMars, kAries}});
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaRaja), kYogaRaja, 16));
    PlaceInSign(chart, kSaturn, kLibra);
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaRaja), kYogaRaja, 16), (Bodies{kSun, kMoon, kMars, kSaturn}));
}

TEST(RajaSambandhaYogas, AmatyaKarakaAndThe10thLord) {
    // Aries lagna: AmK Venus in Capricorn with Saturn, the 10th lord: (7, 0), not the lagna-lord test.
    CChart chart =
        ChartWithRest(kAries, kGemini, {{kVenus, kCapricorn}, {kSaturn, kCapricorn}, {kMars, kCapricorn}});
    SetKarakas(chart, {kSun, kVenus, kJupiter, kMercury, kMoon, kMars, kSaturn, kRahu});
    const CYogaList list = FindYogas(chart, kYogaRajaSambandha);
    EXPECT_EQ(GiversOf(list, kYogaRajaSambandha, 0), (Bodies{kVenus, kSaturn}));
    EXPECT_FALSE(GiversOf(list, kYogaRajaSambandha, 1));
    // The AmK is the 10th lord itself: named twice.
    SetKarakas(chart, {kSun, kSaturn, kJupiter, kMercury, kMoon, kMars, kVenus, kRahu});
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaRajaSambandha), kYogaRajaSambandha, 0),
              (Bodies{kSaturn, kSaturn}));
}

TEST(RajaSambandhaYogas, AMoonAtmaKarakaWantsAnotherBenefic) {
    // Aries lagna: AK Moon in Leo (5th), with Mercury or alone.
    CChart chart = ChartWithRest(kAries, kGemini, {{kMoon, kLeo}});
    SetKarakas(chart, {kMoon, kSun, kJupiter, kMercury, kMars, kVenus, kSaturn, kRahu});
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaRajaSambandha), kYogaRajaSambandha, 9));
    PlaceInSign(chart, kMercury, kLeo);
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaRajaSambandha), kYogaRajaSambandha, 9), Bodies{kMoon});
    // A Sun AK needs one benefic there.
    SetKarakas(chart, {kSun, kMoon, kJupiter, kMercury, kMars, kVenus, kSaturn, kRahu});
    PlaceInSign(chart, kSun, kLeo);
    PlaceInSign(chart, kMoon, kGemini);
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaRajaSambandha), kYogaRajaSambandha, 9), Bodies{kSun});
}

TEST(RajaSambandhaYogas, MaleficsInThe3rdAnd6thFromThreePoints) {
    // Aries lagna, arudha lagna and AK Sun all in Aries: malefics wanted in Gemini and Virgo.
    CChart chart = ChartWithRest(kAries, kTaurus, {{kSun, kAries}, {kSaturn, kGemini}, {kRahu, kVirgo}});
    PlaceInSign(chart, kArudhaLagna, kAries);
    SetKarakas(chart, {kSun, kMoon, kJupiter, kMercury, kMars, kVenus, kSaturn, kRahu});
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaRajaSambandha), kYogaRajaSambandha, 6), Bodies{});
    PlaceInSign(chart, kArudhaLagna, kTaurus); // now Cancer and Libra too
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaRajaSambandha), kYogaRajaSambandha, 6));
}

TEST(ParivrajaYogas, MoonAndSaturnInTheArudhaLagna) {
    CChart chart = ChartWithRest(kAries, kGemini, {{kMoon, kLeo}, {kSaturn, kLeo}});
    PlaceInSign(chart, kArudhaLagna, kLeo);
    const CYogaList list = FindYogas(chart, kYogaParivraja);
    EXPECT_EQ(GiversOf(list, kYogaParivraja, 0), (Bodies{kSaturn, kMoon}));
    EXPECT_FALSE(GiversOf(list, kYogaParivraja, 1));
    PlaceInSign(chart, kArudhaLagna, kTaurus); // a fixed sign: no aspect on Leo
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaParivraja), kYogaParivraja, 0));
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaParivraja), kYogaParivraja, 1));
    PlaceInSign(chart, kArudhaLagna, kAries); // Aries aspects Leo
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaParivraja), kYogaParivraja, 1), (Bodies{kSaturn, kMoon}));
}

TEST(ParivrajaYogas, TheLagnaDegreeIsTheBirthChartsInEveryColumn) {
    // Rasi lagna at 28 degrees of Aries; in D-9 the lagna is Cancer, with Venus in it and Jupiter in
    // the 1st there too.
    CChart chart = ChartWithRest(kAries, kGemini, {{kJupiter, kCancer}, {kVenus, kCancer}});
    PlaceBody(chart, kLagna, 28.5);
    chart.m_vargaSign.SetSign(kLagna, kD9Column, kCancer);
    EXPECT_EQ(GiversOf(FindYogas(chart, kYogaParivraja, kD9Column), kYogaParivraja, 3),
              (Bodies{kJupiter, kJupiter, kVenus}));
    PlaceBody(chart, kLagna, 27.5);
    chart.m_vargaSign.SetSign(kLagna, kD9Column, kCancer);
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaParivraja, kD9Column), kYogaParivraja, 3));
}

TEST(ParivrajaYogas, SaturnAsTheMoonsDispositor) {
    // The Moon in Capricorn; Saturn in Virgo with none of the Sun to Venus with it or aspecting it.
    CChart chart = ChartWithRest(kAries, kAries, {{kMoon, kCapricorn}, {kSaturn, kVirgo}});
    const CYogaList list = FindYogas(chart, kYogaParivraja);
    ASSERT_TRUE(GiversOf(list, kYogaParivraja, 6));
    EXPECT_EQ(list.m_records.back().m_strResults,
              "An ascetic (Saturn shows a rigorous sadhaka or yogi or a beggar)");
    PlaceInSign(chart, kMercury, kPisces); // aspects Virgo
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaParivraja), kYogaParivraja, 6));
}

} // namespace
