// The yoga finder: categories, block order, the varga column it reads, the 300-record cap and copies.
#include <gtest/gtest.h>

#include "yoga_test_support.h"

namespace {

// A chart rich in yogas of several categories: Cancer lagna, Jupiter exalted in the lagna with the
// Moon (Hamsa, Gaja-Kesari), Mercury and the Sun in Gemini, Mars in Capricorn, Venus in Taurus,
// Saturn in Libra, the nodes in Virgo and Pisces.
CChart SampleChart() {
    return ChartWith(kCancer, {{kSun, kGemini},
                               {kMoon, kCancer},
                               {kMars, kCapricorn},
                               {kMercury, kGemini},
                               {kJupiter, kCancer},
                               {kVenus, kTaurus},
                               {kSaturn, kLibra},
                               {kRahu, kVirgo},
                               {kKetu, kPisces}});
}

bool SameRecords(const CYogaList& a, const CYogaList& b) {
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i) {
        const CYogaRecord& x = a.m_records[i];
        const CYogaRecord& y = b.m_records[i];
        if (x.m_nCategory != y.m_nCategory || x.m_strDefinition != y.m_strDefinition ||
            Givers(x) != Givers(y))
            return false;
    }
    return true;
}

TEST(YogaFinder, ACategoryOutsideTheMenuMeansAll) {
    CChart chart = SampleChart();
    const CYogaList all = FindYogas(chart, kYogaAll);
    EXPECT_GT(all.Count(), 10);
    EXPECT_TRUE(SameRecords(FindYogas(chart, 11), all));
    EXPECT_TRUE(SameRecords(FindYogas(chart, -1), all));
}

TEST(YogaFinder, RecordsFollowTheBlockOrderAndEachCategoryAlone) {
    CChart chart = SampleChart();
    const CYogaList all = FindYogas(chart);
    int last = 0;
    for (const CYogaRecord& r : all.m_records) {
        EXPECT_GE(r.m_nCategory, last) << r.m_strName;
        last = r.m_nCategory;
    }
    // Each category run alone gives that category's part of the full list.
    int start = 0;
    for (int c = 1; c <= kYogaCategoryCount; ++c) {
        const CYogaList one = FindYogas(chart, c);
        for (const CYogaRecord& r : one.m_records) EXPECT_EQ(r.m_nCategory, c);
        for (int i = 0; i < one.Count(); ++i)
            EXPECT_EQ(one.m_records[i].m_strDefinition, all.m_records[start + i].m_strDefinition) << c;
        start += one.Count();
    }
    EXPECT_EQ(start, all.Count());
    EXPECT_EQ(GiversOf(all, kYogaMahapurusha, 0), std::vector<int>{kJupiter});
    EXPECT_EQ(GiversOf(all, kYogaLunar, 5), (std::vector<int>{kMoon, kJupiter}));
}

TEST(YogaFinder, ARunReplacesThePreviousRecords) {
    CChart chart = SampleChart();
    chart.ComputeRelationships();
    CYogaList list;
    list.FindAllYogas(chart, kYogaAll);
    list.FindAllYogas(chart, kYogaDhana);
    for (const CYogaRecord& r : list.m_records) EXPECT_EQ(r.m_nCategory, kYogaDhana);
}

TEST(YogaFinder, ReadsEverySignFromTheChosenColumn) {
    // Rasi: Jupiter in Cancer in the 2nd from a Gemini lagna. D-9: the lagna moves to Cancer, Hamsa.
    CChart chart = ChartWith(kGemini, {{kJupiter, kCancer}, {kSun, kLeo}});
    EXPECT_FALSE(GiversOf(FindYogas(chart, kYogaMahapurusha), kYogaMahapurusha, 0));
    chart.m_vargaSign.SetSign(kLagna, kD9Column, kCancer);
    const CYogaList d9 = FindYogas(chart, kYogaMahapurusha, kD9Column);
    EXPECT_EQ(GiversOf(d9, kYogaMahapurusha, 0), std::vector<int>{kJupiter});
    EXPECT_EQ(d9.m_groupCount[kGroupGrahas][kCancer], 1);
    EXPECT_EQ(d9.m_groupCount[kGroupGrahas][kGemini], 7);
}

TEST(YogaFinder, CountsThePlanetsOfEachGroupPerSign) {
    CChart chart = SampleChart();
    const CYogaList list = FindYogas(chart, kYogaDhana);
    const YogaGroupCounts& n = list.m_groupCount;
    EXPECT_EQ(n[kGroupSevenPlanets][kGemini], 2);         // Sun, Mercury
    EXPECT_EQ(n[kGroupBenefics][kGemini], 1);             // Mercury
    EXPECT_EQ(n[kGroupMaleficsWithoutNodes][kGemini], 1); // the Sun
    EXPECT_EQ(n[kGroupBenefics][kCancer], 2);             // Moon, Jupiter
    EXPECT_EQ(n[kGroupSevenPlanets][kVirgo], 0);          // Rahu is none of the seven
    EXPECT_EQ(n[kGroupGrahas][kVirgo], 1);
    EXPECT_EQ(n[kGroupMalefics][kVirgo], 1);
    EXPECT_EQ(n[kGroupMaleficsWithoutNodes][kVirgo], 0);
}

// Catalogue listings fill a list to 299; a tester may then add one record, and none beyond.
TEST(YogaFinder, TheListStopsAt300AndSaysSo) {
    CYogaList list;
    for (int c : {kYogaAll, kYogaOtherPopular, kYogaRaja, kYogaDhana, kYogaParivraja, kYogaSolar})
        list.ListCategory(c);
    ASSERT_EQ(list.Count(), 299);
    ASSERT_FALSE(list.m_bTruncated);

    // Hamsa and Malavya both hold: Jupiter and Venus in Pisces, the lagna.
    CChart chart = ChartWith(kPisces, {});
    const YogaColumn col(chart, kD1Column, list.m_groupCount);
    list.TestHamsa(col);
    EXPECT_EQ(list.Count(), 300);
    EXPECT_EQ(list.m_records.back().m_strName, "Hamsa");
    EXPECT_FALSE(list.m_bTruncated);
    list.TestMalavya(col);
    EXPECT_EQ(list.Count(), 300);
    EXPECT_EQ(list.m_records.back().m_strName, "Hamsa");
    EXPECT_TRUE(list.m_bTruncated);
    list.ListCategory(kYogaLunar);
    EXPECT_EQ(list.Count(), 300);

    // A new run starts empty again.
    list.FindAllYogas(chart, kYogaMahapurusha);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Hamsa", "Malavya"}));
    EXPECT_FALSE(list.m_bTruncated);
}

TEST(YogaFinder, ACopiedChartCarriesItsListAndColumn) {
    CChart chart = SampleChart();
    chart.m_yogaList = FindYogas(chart);
    chart.m_yogaList.m_nVarga = kD9Column;
    const CChart copy(chart);
    EXPECT_TRUE(SameRecords(copy.m_yogaList, chart.m_yogaList));
    EXPECT_EQ(copy.m_yogaList.m_nVarga, kD9Column);
}

} // namespace
