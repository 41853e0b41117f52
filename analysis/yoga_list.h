#pragma once
// The yogas found in a chart for one varga column, and the finder that fills them. The finder reads
// the chart it is given (a const CChartRecord&, never kept), counts the planets of five groups in every sign
// of the column, then runs its testers in a fixed order; each yoga that holds appends one record whose
// texts come from the yoga catalogue (yoga_catalogue.h) and whose givers the tester names.
//
// Signs 0 Aries .. 11 Pisces; bodies by number (0 lagna, 1 Sun .. 9 Ketu); houses are counted from
// the lagna's sign in the column under test; varga columns 0-28 (varga_columns.h).
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/calc_options.h"

class CChartRecord;
class YogaColumn;

// Yoga categories; 0 asks for all of them.
enum YogaCategory : int {
    kYogaAll = 0,
    kYogaMahapurusha = 1,
    kYogaSolar = 2,
    kYogaLunar = 3,
    kYogaNaabhasa = 4,
    kYogaOtherPopular = 5,
    kYogaRaja = 6,
    kYogaRajaSambandha = 7,
    kYogaDhana = 8,
    kYogaDaridra = 9,
    kYogaParivraja = 10,
};
inline constexpr int kYogaCategoryCount = 10; // categories 1-10

inline constexpr int kMaxYogaRecords = 300;
inline constexpr int kMaxYogaGivers = 10;

// The five planet groups counted per sign: 0 the seven planets Sun .. Saturn, 1 the benefics Moon,
// Mercury, Jupiter, Venus, 2 the malefics Sun, Mars, Saturn, 3 every graha Sun .. Ketu, 4 the malefics
// with the nodes.
enum YogaGroup : int {
    kGroupSevenPlanets = 0,
    kGroupBenefics = 1,
    kGroupMaleficsWithoutNodes = 2,
    kGroupGrahas = 3,
    kGroupMalefics = 4,
};
inline constexpr int kYogaGroupCount = 5;
using YogaGroupCounts = std::array<std::array<int, 12>, kYogaGroupCount>; // [group][sign]

// Number of bodies 1-9 of `group` whose sign in varga column `column` of the chart is `sign`.
int CountGroupPlanetsInSign(const CChartRecord& chart, int group, int sign, int column);

// The planets that make a yoga, in the order the tester names them (a planet may be named twice).
struct YogaGivers {
    std::array<int, kMaxYogaGivers> body{}; // body numbers 1-9
    int count = 0;

    YogaGivers() = default;
    YogaGivers(std::initializer_list<int> bodies) {
        for (int b : bodies) Add(b);
    }
    void Add(int b) {
        if (count < kMaxYogaGivers) body[count++] = b;
    }
};

// One found yoga.
struct CYogaRecord {
    int m_nCategory = 0; // 1-10
    std::string m_strName;
    std::string m_strDefinition; // the brief definition
    std::string m_strResults;    // the results ascribed
    int m_nGiverCount = 0;       // 0-10; 0 for yogas that name no giver and for catalogue listings
    std::array<int, kMaxYogaGivers> m_nGivers{}; // body numbers 1-9; the first m_nGiverCount count
};

// g_bYogaListOnly (an option of core/option_table.h): set by the yogas view to list the catalogue
// instead of testing the chart.

class CYogaList {
public:
    virtual ~CYogaList() = default;

    // Replaces the list with the yogas of `category` (0 all, 1-10 one; anything else counts as 0)
    // that hold in `chart` in varga column m_nVarga; with g_bYogaListOnly set it lists the catalogue
    // of the category instead. Records follow the finder's block order, and within a tester the order
    // it names. The list holds at most kMaxYogaRecords records: the finder stops there and sets
    // m_bTruncated (no chart's testers can find that many: one record per catalogue entry at most,
    // a few entries repeated per planet or per pair of lords).
    void FindAllYogas(const CChartRecord& chart, int category);

    // Appends the catalogue entries of `category` (0: all categories in order) without testing,
    // each with no givers.
    void ListCategory(int category);

    int Count() const { return static_cast<int>(m_records.size()); }

    int m_nVarga = 0; // varga column 0-28 the yogas are looked for in; the yogas view changes it
    YogaGroupCounts m_groupCount{}; // of the last run
    std::vector<CYogaRecord> m_records;
    bool m_bTruncated = false; // the last run stopped at kMaxYogaRecords and may have missed yogas

    // --- The testers. Each reads the chart through `col` and appends a record for each yoga of its
    // family that holds, in the order its family gives. ---
    // Pancha Mahapurusha.
    void TestHamsa(const YogaColumn& col);
    void TestMalavya(const YogaColumn& col);
    void TestBhadra(const YogaColumn& col);
    void TestRuchaka(const YogaColumn& col);
    void TestSasa(const YogaColumn& col);
    // Solar and lunar.
    void TestSolarFlanks(const YogaColumn& col);
    void TestNipuna(const YogaColumn& col);
    void TestLunarFlanks(const YogaColumn& col);
    void TestMoonWithMars(const YogaColumn& col);
    void TestMoonWithJupiter(const YogaColumn& col);
    void TestAdhiYoga(const YogaColumn& col);
    // Naabhasa.
    void TestRajju(const YogaColumn& col);
    void TestMusala(const YogaColumn& col);
    void TestNala(const YogaColumn& col);
    void TestMaalaa(const YogaColumn& col);
    void TestSarpa(const YogaColumn& col);
    void TestGadaa(const YogaColumn& col);
    void TestSakata(const YogaColumn& col);
    void TestVihanga(const YogaColumn& col);
    void TestSringaataka(const YogaColumn& col);
    void TestHala(const YogaColumn& col);
    void TestVajra(const YogaColumn& col);
    void TestYava(const YogaColumn& col);
    void TestKamala(const YogaColumn& col);
    void TestVaapi(const YogaColumn& col);
    void TestYoopa(const YogaColumn& col);
    void TestSara(const YogaColumn& col);
    void TestSakti(const YogaColumn& col);
    void TestDanda(const YogaColumn& col);
    void TestNaukaaGroup(const YogaColumn& col);
    void TestChakra(const YogaColumn& col);
    void TestSamudra(const YogaColumn& col);
    void TestSankhyaYogas(const YogaColumn& col);
    // Other popular, first group.
    void TestSubha(const YogaColumn& col);
    void TestAsubha(const YogaColumn& col);
    void TestGuruMangala(const YogaColumn& col);
    void TestAmala(const YogaColumn& col);
    void TestParvata(const YogaColumn& col);
    void TestKaahala(const YogaColumn& col);
    void TestChaamara(const YogaColumn& col);
    void TestSankha(const YogaColumn& col);
    void TestBheri(const YogaColumn& col);
    void TestMridanga(const YogaColumn& col);
    void TestSreenatha(const YogaColumn& col);
    void TestMatsya(const YogaColumn& col);
    void TestKoorma(const YogaColumn& col);
    void TestKhadga(const YogaColumn& col);
    // Other popular, second group.
    void TestKusuma(const YogaColumn& col);
    void TestKalanidhi(const YogaColumn& col);
    void TestKalpadruma(const YogaColumn& col);
    void TestLagnaadhi(const YogaColumn& col);
    void TestGo(const YogaColumn& col);
    void TestVidyut(const YogaColumn& col);
    void TestChaapa(const YogaColumn& col);
    void TestPushkala(const YogaColumn& col);
    void TestMakuta(const YogaColumn& col);
    void TestJaya(const YogaColumn& col);
    void TestHarsha(const YogaColumn& col);
    void TestSarala(const YogaColumn& col);
    void TestVimala(const YogaColumn& col);
    void TestTapaswi(const YogaColumn& col);
    void TestSadhu(const YogaColumn& col);
    void TestHari(const YogaColumn& col);
    void TestHara(const YogaColumn& col);
    void TestBrahma(const YogaColumn& col);
    void TestBrahmaSecond(const YogaColumn& col);
    void TestVishnu(const YogaColumn& col);
    void TestSiva(const YogaColumn& col);
    void TestTrilochana(const YogaColumn& col);
    void TestGouri(const YogaColumn& col);
    void TestChandika(const YogaColumn& col);
    void TestLakshmi(const YogaColumn& col);
    void TestSaarada(const YogaColumn& col);
    void TestExaltedNavamsaLord(const YogaColumn& col);
    void TestSaraswati(const YogaColumn& col);
    void TestAmsavatara(const YogaColumn& col);
    void TestDevendra(const YogaColumn& col);
    void TestIndra(const YogaColumn& col);
    void TestRavi(const YogaColumn& col);
    void TestBhaaskara(const YogaColumn& col);
    void TestKulavardhana(const YogaColumn& col);
    void TestVasumati(const YogaColumn& col);
    void TestGandharva(const YogaColumn& col);
    // Raja, Raja sambandha, Dhana, Daridra, Parivraja.
    void TestKendraTrikonaLords(const YogaColumn& col);
    void TestKarakaRajaYogas(const YogaColumn& col);
    void TestYogada(const YogaColumn& col);
    void TestRajaYogas(const YogaColumn& col);
    void TestRajaSambandha(const YogaColumn& col);
    void TestDhanaYogas(const YogaColumn& col);
    void TestDaridraYogas(const YogaColumn& col);
    void TestParivraja(const YogaColumn& col);

private:
    // Appends catalogue entry (category, index) with its givers; null, and m_bTruncated set, when the
    // list is full.
    CYogaRecord* AddYoga(int category, int index, const YogaGivers& givers = {});
    // AddYoga with the members of a fixed giver list (in its order) that pass `qualifies`.
    template <typename Range, typename Predicate>
    void AddYogaWithMembers(int category, int index, const Range& candidates, Predicate qualifies) {
        YogaGivers givers;
        for (int b : candidates)
            if (qualifies(b)) givers.Add(b);
        AddYoga(category, index, givers);
    }
};
