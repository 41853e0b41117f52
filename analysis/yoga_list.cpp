// The yoga finder: group counts, the blocks of testers in their fixed order, the catalogue listing and
// the one way a record is appended.
#include "analysis/yoga_list.h"

#include <algorithm>
#include <span>

#include "analysis/yoga_catalogue.h"
#include "analysis/yoga_column.h"

namespace {

// Membership of the bodies 1 Sun .. 9 Ketu (index 0, the lagna, belongs to no group), by group.
constexpr bool kInGroup[kYogaGroupCount][10] = {
    {false, true, true, true, true, true, true, true, false, false},     // Sun .. Saturn
    {false, false, true, false, true, true, true, false, false, false},  // Moon, Mercury, Jupiter, Venus
    {false, true, false, true, false, false, false, true, false, false}, // Sun, Mars, Saturn
    {false, true, true, true, true, true, true, true, true, true},       // Sun .. Ketu
    {false, true, false, true, false, false, false, true, true, true},   // Sun, Mars, Saturn, Rahu, Ketu
};

using Tester = void (CYogaList::*)(const YogaColumn&);

constexpr Tester kMahapurushaTesters[] = {&CYogaList::TestHamsa, &CYogaList::TestMalavya,
                                          &CYogaList::TestBhadra, &CYogaList::TestRuchaka,
                                          &CYogaList::TestSasa};
constexpr Tester kSolarTesters[] = {&CYogaList::TestSolarFlanks, &CYogaList::TestNipuna};
constexpr Tester kLunarTesters[] = {&CYogaList::TestLunarFlanks, &CYogaList::TestMoonWithMars,
                                    &CYogaList::TestMoonWithJupiter, &CYogaList::TestAdhiYoga};
constexpr Tester kNaabhasaTesters[] = {
    &CYogaList::TestRajju,        &CYogaList::TestMusala,  &CYogaList::TestNala,
    &CYogaList::TestMaalaa,       &CYogaList::TestSarpa,   &CYogaList::TestGadaa,
    &CYogaList::TestSakata,       &CYogaList::TestVihanga, &CYogaList::TestSringaataka,
    &CYogaList::TestHala,         &CYogaList::TestVajra,   &CYogaList::TestYava,
    &CYogaList::TestKamala,       &CYogaList::TestVaapi,   &CYogaList::TestYoopa,
    &CYogaList::TestSara,         &CYogaList::TestSakti,   &CYogaList::TestDanda,
    &CYogaList::TestNaukaaGroup,  &CYogaList::TestChakra,  &CYogaList::TestSamudra,
    &CYogaList::TestSankhyaYogas,
};
// Index order, except that Kulavardhana (entry 22) runs after Bhaaskara (entry 54).
constexpr Tester kOtherPopularTesters[] = {
    &CYogaList::TestSubha,
    &CYogaList::TestAsubha,
    &CYogaList::TestGuruMangala,
    &CYogaList::TestAmala,
    &CYogaList::TestParvata,
    &CYogaList::TestKaahala,
    &CYogaList::TestChaamara,
    &CYogaList::TestSankha,
    &CYogaList::TestBheri,
    &CYogaList::TestMridanga,
    &CYogaList::TestSreenatha,
    &CYogaList::TestMatsya,
    &CYogaList::TestKoorma,
    &CYogaList::TestKhadga,
    &CYogaList::TestKusuma,
    &CYogaList::TestKalanidhi,
    &CYogaList::TestKalpadruma,
    &CYogaList::TestLagnaadhi,
    &CYogaList::TestGo,
    &CYogaList::TestVidyut,
    &CYogaList::TestChaapa,
    &CYogaList::TestPushkala,
    &CYogaList::TestMakuta,
    &CYogaList::TestJaya,
    &CYogaList::TestHarsha,
    &CYogaList::TestSarala,
    &CYogaList::TestVimala,
    &CYogaList::TestTapaswi,
    &CYogaList::TestSadhu,
    &CYogaList::TestHari,
    &CYogaList::TestHara,
    &CYogaList::TestBrahma,
    &CYogaList::TestBrahmaSecond,
    &CYogaList::TestVishnu,
    &CYogaList::TestSiva,
    &CYogaList::TestTrilochana,
    &CYogaList::TestGouri,
    &CYogaList::TestChandika,
    &CYogaList::TestLakshmi,
    &CYogaList::TestSaarada,
    &CYogaList::TestExaltedNavamsaLord,
    &CYogaList::TestSaraswati,
    &CYogaList::TestAmsavatara,
    &CYogaList::TestDevendra,
    &CYogaList::TestIndra,
    &CYogaList::TestRavi,
    &CYogaList::TestBhaaskara,
    &CYogaList::TestKulavardhana,
    &CYogaList::TestVasumati,
    &CYogaList::TestGandharva,
};
constexpr Tester kRajaTesters[] = {&CYogaList::TestKendraTrikonaLords, &CYogaList::TestKarakaRajaYogas,
                                   &CYogaList::TestYogada, &CYogaList::TestRajaYogas};
constexpr Tester kRajaSambandhaTesters[] = {&CYogaList::TestRajaSambandha};
constexpr Tester kDhanaTesters[] = {&CYogaList::TestDhanaYogas};
constexpr Tester kDaridraTesters[] = {&CYogaList::TestDaridraYogas};
constexpr Tester kParivrajaTesters[] = {&CYogaList::TestParivraja};

// The finder's blocks in calling order, indexed by category - 1.
constexpr std::span<const Tester> kBlocks[kYogaCategoryCount] = {
    kMahapurushaTesters, kSolarTesters,         kLunarTesters, kNaabhasaTesters, kOtherPopularTesters,
    kRajaTesters,        kRajaSambandhaTesters, kDhanaTesters, kDaridraTesters,  kParivrajaTesters,
};

bool IsCategory(int category) {
    return category >= 1 && category <= kYogaCategoryCount;
}

} // namespace

int CountGroupPlanetsInSign(const CChartRecord& chart, int group, int sign, int column) {
    int count = 0;
    for (int b = kSun; b <= kKetu; ++b)
        if (kInGroup[group][b] && chart.m_vargaSign.Sign(b, column) == sign) ++count;
    return count;
}

void CYogaList::FindAllYogas(const CChartRecord& chart, int category) {
    if (!IsCategory(category)) category = kYogaAll;
    m_records.clear();
    m_bTruncated = false;
    for (int s = 0; s < 12; ++s)
        for (int g = 0; g < kYogaGroupCount; ++g)
            m_groupCount[g][s] = CountGroupPlanetsInSign(chart, g, s, m_nVarga);
    if (g_bYogaListOnly) {
        ListCategory(category);
        return;
    }
    const YogaColumn col(chart, m_nVarga, m_groupCount);
    for (int c = 1; c <= kYogaCategoryCount; ++c) {
        if (category != kYogaAll && category != c) continue;
        for (Tester tester : kBlocks[c - 1]) {
            if (Count() >= kMaxYogaRecords) {
                m_bTruncated = true;
                return;
            }
            (this->*tester)(col);
        }
    }
}

void CYogaList::ListCategory(int category) {
    for (int c = 1; c <= kYogaCategoryCount; ++c) {
        if (IsCategory(category) && category != c) continue;
        for (int i = 0; i < g_nYogaCategorySizes[c]; ++i) AddYoga(c, i);
    }
}

CYogaRecord* CYogaList::AddYoga(int category, int index, const YogaGivers& givers) {
    if (Count() >= kMaxYogaRecords) {
        m_bTruncated = true;
        return nullptr;
    }
    CYogaRecord& record = m_records.emplace_back();
    CYogaCatalogue(category, index, record);
    record.m_nGiverCount = givers.count;
    std::copy_n(givers.body.begin(), givers.count, record.m_nGivers.begin());
    return &record;
}
