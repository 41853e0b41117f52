// The finder on real charts cast by the pipeline: a table of charts from 1800 to 2400 in every varga
// column, and two birth charts whose yogas are checked by hand against the rules.
#include <gtest/gtest.h>

#include "tests/chart/chart_test_support.h"
#include "yoga_test_support.h"

namespace {

struct RealChart {
    const char* what;
    double jdUt; // Julian day, UT
    double longitudeEast;
    double latitude;
};

const RealChart kRealCharts[] = {
    {"1.1.1800 12:00 UT, Greenwich", 2378497.0, 0.0, 51.48},
    {"Vivekananda, 12.1.1863 0:39:32 UT, Calcutta", 2401517.52745, 88.3667, 22.5333},
    {"Gandhi, 2.10.1869 2:32:36 UT, Porbandar", 2403972.60597, 69.6, 21.6333},
    {"India, 14.8.1947 18:30 UT, Delhi", 2432412.27083, 77.2, 28.6},
    {"1.1.2000 12:00 UT, Delhi", 2451545.0, 77.2, 28.6},
    {"21.6.2100 6:00 UT, Reykjavik", 2488240.75, -21.9, 64.15},
    {"1.3.2250 0:00 UT, Sydney", 2542914.5, 151.2, -33.87},
    {"31.12.2399 23:00 UT, Los Angeles", 2597641.45833, -118.25, 34.05},
};

class YogaRealCharts : public ChartTest {};

// Every record is a catalogue entry with its texts and givers among the nine grahas.
void ExpectWellFormed(const CYogaList& list) {
    EXPECT_LE(list.Count(), kMaxYogaRecords);
    EXPECT_FALSE(list.m_bTruncated);
    for (const CYogaRecord& r : list.m_records) {
        EXPECT_TRUE(r.m_nCategory >= 1 && r.m_nCategory <= kYogaCategoryCount) << r.m_strName;
        EXPECT_FALSE(r.m_strName.empty() || r.m_strDefinition.empty() || r.m_strResults.empty());
        EXPECT_TRUE(r.m_nGiverCount >= 0 && r.m_nGiverCount <= kMaxYogaGivers) << r.m_strName;
        for (int g : Givers(r)) EXPECT_TRUE(g >= kSun && g <= kKetu) << r.m_strName;
    }
}

TEST_F(YogaRealCharts, EveryColumnOfEveryChartGivesWellFormedRecords) {
    for (const RealChart& rc : kRealCharts) {
        SCOPED_TRACE(rc.what);
        CChart chart = NatalChart(rc.jdUt, rc.longitudeEast, rc.latitude);
        ASSERT_TRUE(chart.Compute().ok());
        ExpectWellFormed(chart.m_yogaList);
        EXPECT_GT(chart.m_yogaList.Count(), 0); // every chart has a Sankhya yoga at least
        for (int c = 0; c < kVargaColumnCount; ++c) {
            SCOPED_TRACE(c);
            CYogaList list;
            list.m_nVarga = c;
            list.FindAllYogas(chart, kYogaAll);
            ExpectWellFormed(list);
        }
    }
}

// The pipeline's list is the one a run on the finished chart gives: the finder runs after every
// point it reads (the arudha lagna and the bhagyapada among them) is computed.
TEST_F(YogaRealCharts, ThePipelineFindsTheYogasOfTheFinishedChart) {
    for (const RealChart& rc : kRealCharts) {
        SCOPED_TRACE(rc.what);
        CChart chart = NatalChart(rc.jdUt, rc.longitudeEast, rc.latitude);
        ASSERT_TRUE(chart.Compute().ok());
        CYogaList again;
        again.FindAllYogas(chart, kYogaAll);
        ASSERT_EQ(again.Count(), chart.m_yogaList.Count());
        for (int i = 0; i < again.Count(); ++i) {
            EXPECT_EQ(again.m_records[i].m_strDefinition, chart.m_yogaList.m_records[i].m_strDefinition);
            EXPECT_EQ(Givers(again.m_records[i]), Givers(chart.m_yogaList.m_records[i]));
        }
    }
}

struct ExpectedYoga {
    int category;
    int index;
    std::vector<int> givers;
};

void ExpectYogas(const CYogaList& list, const std::vector<ExpectedYoga>& expected) {
    ASSERT_EQ(list.Count(), static_cast<int>(expected.size())) << testing::PrintToString(Names(list));
    for (size_t i = 0; i < expected.size(); ++i) {
        CYogaRecord entry;
        ASSERT_TRUE(CYogaCatalogue(expected[i].category, expected[i].index, entry));
        const CYogaRecord& r = list.m_records[i];
        SCOPED_TRACE(testing::Message() << i << ": " << r.m_strName << " / " << r.m_strDefinition);
        EXPECT_EQ(r.m_nCategory, expected[i].category);
        EXPECT_EQ(r.m_strDefinition, entry.m_strDefinition);
        EXPECT_EQ(Givers(r), expected[i].givers);
    }
}

// Vivekananda. Reference: swetest -b12.1.1863 -ut0:39:32 -sid1 -fPl -head -p0123456789t
//   -house88.3667,22.5333,E  (Asc 266.05 Sagittarius; Sun 269.42 Sagittarius, Moon 167.45 Virgo,
//   Mars 6.32 Aries, Mercury 281.77 and Venus 277.10 Capricorn, Jupiter 184.01 Libra, Saturn 163.57
//   Virgo; the mean node of the chart 232.26, Rahu Scorpio, Ketu Taurus). D-9 and D-3 signs used below,
//   from the longitudes: Moon D-3 Capricorn (2nd drekkana of Virgo), D-9 Gemini; Mercury D-9 Aries;
//   Saturn and Mars D-9 Taurus; Venus D-9 Pisces. Points of the pipeline: arudha lagna Leo (Jupiter
//   in the 11th from the lagna, the 11th from Jupiter), bhagyapada Aries; the birth is before sunrise,
//   so the hora and ghati lagnas have run almost a whole day round to Sagittarius; chara karakas by
//   degrees: AK Sun 29.4, AmK Moon 17.5, BK Saturn, MK Mercury, PiK Rahu (30 - 22.3), PK Venus, GK Mars,
//   DK Jupiter. Lords from the Sagittarius lagna: L1 L4 Jupiter, L2 L3 Saturn, L5 L12 Mars, L6 L11
//   Venus, L7 L10 Mercury, L8 Moon, L9 Sun.
//   Found:
//   - Vesi: Mercury and Venus in the 2nd from the Sun, nothing of Mars-Saturn in the 12th (Rahu does not
//     count). Sunaphaa: Jupiter in the 2nd from the Moon, the 12th empty.
//   - Paasa: the seven planets in five signs (Sagittarius, Capricorn, Aries, Libra, Virgo). No other
//     Naabhasa: Pisces and Gemini, two kendras, are empty; only Sagittarius and Virgo kendras are held.
//   - Guru-Mangala: Jupiter (Libra) opposite Mars (Aries).
//   - Bheri (second form): lagna lord Jupiter is Jupiter, Venus in Capricorn 4th from it, 9th lord Sun
//     strong in the 1st; the first form fails, the 7th (Gemini) being empty.
//   - Tapaswi (konas): Saturn (Virgo) and Ketu (Taurus) in the 9th and 5th from Venus (Capricorn); the
//     first form fails, Capricorn and Virgo not aspecting each other.
//   - Sadhu: 3rd and 6th from the arudha lagna Leo are Libra (Jupiter) and Capricorn (Mercury, Venus),
//     no malefic there.
//   - Rajayoga: kendra lord Jupiter (1st) and kona lord Mars (5th) in mutual 7th aspect; the same pair
//     again as 4th and 5th lords is not listed twice. No yogakaraka for Sagittarius.
//   - Maha Yogada: the lagna, hora and ghati lagnas all Sagittarius; the Sun is in it, Moon and Saturn
//     aspect it from Virgo (dual signs), Jupiter owns it.
//   - Rajayoga (6, 9): AK and 9th lord are both the Sun, in the lagna.
//   - Raja Sambandha (7, 5): AmK Moon in the 10th from AK Sun. (7, 0) and (7, 1) fail: Virgo and Libra
//     do not aspect Capricorn, the 10th lord's sign.
//   Not found, among others: Hamsa (Jupiter not in its signs), Ruchaka (Mars in the 5th), Chandra-
//   Mangala and Gaja-Kesari (Mars 8th, Jupiter 2nd from the Moon), Sankha (strong lagna lord fails:
//   Jupiter in the 11th in the sign of Venus, its enemy, compound neutral), Dhana (Venus not in the
//   11th, Jupiter not in the lagna), Daridra (lagna lord in the 11th), Parivraja (Moon in Saturn's
//   drekkana but Mars not aspecting it; Venus joins the Moon's dispositor Mercury).
TEST_F(YogaRealCharts, VivekanandaCheckedByHand) {
    CChart chart = NatalChart(kRealCharts[1].jdUt, kRealCharts[1].longitudeEast, kRealCharts[1].latitude);
    ASSERT_TRUE(chart.Compute().ok());
    ExpectYogas(chart.m_yogaList, {
                                      {2, 1, {kMercury, kVenus}},
                                      {3, 1, {kJupiter}},
                                      {4, 9, {}},
                                      {5, 2, {kJupiter, kMars}},
                                      {5, 12, {kJupiter, kJupiter, kVenus, kSun}},
                                      {5, 33, {kVenus, kSaturn, kKetu}},
                                      {5, 34, {kMercury, kJupiter, kVenus}},
                                      {6, 3, {kJupiter, kMars}},
                                      {6, 6, {kSun}},
                                      {6, 6, {kMoon}},
                                      {6, 6, {kJupiter}},
                                      {6, 6, {kSaturn}},
                                      {6, 9, {kSun, kSun}},
                                      {7, 5, {kSun, kMoon}},
                                  });
}

// Gandhi. Reference: swetest -b2.10.1869 -ut2:32:36 -sid1 -fPl -head -p0123456789t -house69.6,21.6333,E
//   (Asc 184.39 Libra; Sun 166.89 Virgo, Moon 117.93 Cancer, Mercury 191.74, Venus 204.40 and Mars 206.37
//   Libra, Jupiter 28.14 Aries, Saturn 230.33 Scorpio; mean node 102.16, Rahu Cancer, Ketu Capricorn).
//   D-9 from the longitudes: Venus and Mars Taurus, Saturn Capricorn, Sun Gemini, Moon Pisces; Moon D-3
//   Pisces. Points: arudha lagna Cancer (lagna lord in the lagna: the 10th from it), hora lagna Libra and
//   ghati lagna Sagittarius (a birth about an hour after sunrise); karakas AK Jupiter 28.1, AmK Moon 27.9,
//   BK Mars, MK Venus, PiK Saturn, PK Rahu (30 - 12.2), GK Sun, DK Mercury. Lords from Libra: L1 L8 Venus,
//   L2 L7 Mars, L3 L6 Jupiter, L4 L5 Saturn, L9 L12 Mercury, L10 Moon, L11 Sun.
//   Found:
//   - Malavya: Venus in Libra in the lagna. Vesi: Mars, Mercury, Venus in the 2nd from the Sun.
//   - Gaja-Kesari: Jupiter in the 10th from the Moon (no Kemadruma: the lagna holds planets).
//   - Maalaa: benefics not outnumbered in Libra, Aries and Cancer (Moon and Rahu one each). Paasa: five
//     signs. No Sarpa: only Capricorn (Ketu) and Cancer favour malefics.
//   - Asubha: Saturn in the 2nd, the Sun in the 12th. Guru-Mangala: Jupiter opposite Mars.
//   - Parvata: benefics in three kendras, Aries and Taurus (7th, 8th) free of malefics.
//   - Chaamara (second form): Moon (10th) and Jupiter (7th); Venus is not exalted for the first.
//   - Bheri (first form): 1st, 2nd, 7th and 12th occupied, 9th lord Mercury in the lagna.
//   - Mridanga: Moon (own, 10th) and Venus (own, 1st), lagna lord strong.
//   - Kalpadruma: Venus is lagna lord, its own dispositor in rasi and in navamsa (Taurus).
//   - Saraswati: Mercury and Venus in the 1st, Jupiter in the 7th, in Aries of its friend Mars.
//   - Raja/Lakshmi: Venus (1st) with Mercury (9th). Rajayoga: Mars (7th lord) with Mercury (9th), and
//     Mars (7th) with Venus (1st). Yogakaraka: Saturn, lord of the 4th and 5th.
//   - Yogada (HL): Mars, Mercury and Venus occupy Libra, the lagna and hora lagna; none of them owns or
//     aspects Sagittarius, the ghati lagna.
//   - Rajayoga (6, 9): AK Jupiter in the 7th, 9th lord Mercury in the lagna.
//   - Viparita (6, 20): 6th lord Jupiter (Aries) opposite 8th and 12th lords Venus and Mercury (Libra).
//   - Raja Sambandha: AmK Moon is the 10th lord itself (7, 0) and in its own sign (7, 3); it stands 4th
//     from AK Jupiter (7, 5).
//   - Parivraja (10, 6): the Moon is its own dispositor; none of Sun, Mars, Mercury, Jupiter, Venus is
//     in Cancer or aspects it, Saturn (Scorpio) aspects it.
//   Not found, among others: Kemadruma, Koorma (Jupiter is the only benefic in the 5th-7th), Bhaarathi
//   (navamsa dispositors Venus and Mercury join the 9th lord but are not exalted), (6, 24) (no planet
//   aspects the lagna in all six vargas), Dhana (Saturn does not aspect Libra from Scorpio).
TEST_F(YogaRealCharts, GandhiCheckedByHand) {
    CChart chart = NatalChart(kRealCharts[2].jdUt, kRealCharts[2].longitudeEast, kRealCharts[2].latitude);
    ASSERT_TRUE(chart.Compute().ok());
    ExpectYogas(chart.m_yogaList, {
                                      {1, 1, {kVenus}},
                                      {2, 1, {kMars, kMercury, kVenus}},
                                      {3, 5, {kMoon, kJupiter}},
                                      {4, 3, {}},
                                      {4, 9, {}},
                                      {5, 1, {kSun, kSaturn}},
                                      {5, 2, {kJupiter, kMars}},
                                      {5, 4, {kMoon, kMercury, kJupiter, kVenus}},
                                      {5, 8, {kMoon, kJupiter}},
                                      {5, 11, {kSun, kMars, kMercury, kJupiter, kVenus, kSaturn}},
                                      {5, 13, {kMoon, kVenus}},
                                      {5, 20, {kVenus, kVenus, kVenus, kVenus}},
                                      {5, 49, {kMercury, kJupiter, kVenus}},
                                      {6, 1, {kVenus, kMercury}},
                                      {6, 3, {kMars, kMercury}},
                                      {6, 0, {kSaturn}},
                                      {6, 3, {kMars, kVenus}},
                                      {6, 8, {kMars}},
                                      {6, 8, {kMercury}},
                                      {6, 8, {kVenus}},
                                      {6, 9, {kJupiter, kMercury}},
                                      {6, 20, {kJupiter, kVenus, kMercury}},
                                      {7, 0, {kMoon, kMoon}},
                                      {7, 3, {kMoon}},
                                      {7, 5, {kJupiter, kMoon}},
                                      {10, 6, {kMoon}},
                                  });
    EXPECT_EQ(chart.m_yogaList.m_records.back().m_strResults, "An ascetic (Moon shows a pilgrim or a Saiva)");
}

} // namespace
