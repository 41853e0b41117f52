// Ashtakavarga: bindu totals, the disputed places, reductions, pindas and the reference shift.
#include <cmath>
#include <numeric>

#include <gtest/gtest.h>

#include "analysis/ashtakavarga.h"
#include "analysis_test_support.h"
#include "core/calc_options.h"

namespace {

// Totals of the eight ashtakavargas, Lagna to Saturn, with the default places.
constexpr int kDefaultTotals[kAshtakavargaPoints] = {49, 48, 49, 39, 54, 56, 52, 39};

// A few charts with the bodies spread differently, and every varga column different from the rasi.
CChart SpreadChart(int seed) {
    CChart chart;
    for (int b = 0; b <= 9; ++b)
        PlaceBody(chart, b, std::fmod(37.3 * (b + 1) * (seed + 3) + 11.0 * seed, 360.0));
    for (int c = 1; c < kVargaColumnCount; ++c) {
        if (!VargaColumnHoldsSign(c)) continue;
        for (int b = 0; b <= 9; ++b) chart.m_vargaSign.SetSign(b, c, (b * 5 + c * (seed + 1)) % 12);
    }
    return chart;
}

int Total(const SignBindus& row) {
    return std::accumulate(row.begin(), row.end(), 0);
}

TEST(Ashtakavarga, BhinnaAndSarvaTotalsAreTheSameForEveryChartAndColumn) {
    for (int seed = 0; seed < 4; ++seed) {
        CChart chart = SpreadChart(seed);
        chart.m_ashtakavarga.Compute(chart);
        for (int v = 0; v < kVargaColumnCount; ++v) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " column " << v);
            for (int r = 0; r < kAshtakavargaPoints; ++r)
                EXPECT_EQ(Total(chart.m_ashtakavarga.m_bhinna[v][r]), kDefaultTotals[r]) << r;
            EXPECT_EQ(Total(chart.m_ashtakavarga.m_sarva[v]), 337);
        }
    }
}

TEST(Ashtakavarga, SarvaWithTheLagnasBindusAdds49) {
    const CScopedOption eight(g_bEightAVInSAV, true);
    CChart chart = SpreadChart(1);
    chart.m_ashtakavarga.Compute(chart);
    EXPECT_EQ(Total(chart.m_ashtakavarga.m_sarva[0]), 386);
}

TEST(Ashtakavarga, EachDisputedPlaceMovesItsOwnersTotalByOne) {
    // Flag, owner, change of the owner's total when the flag is cleared.
    struct Case {
        int flag;
        int owner;
        int change;
    };
    constexpr Case kCases[] = {{0, 2, -1}, {1, 2, +1}, {2, 2, -1}, {3, 2, +1}, {4, 6, -1}, {5, 6, +1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.flag);
        const CScopedOption flag(g_abAshtakaVargaCalculation[c.flag], false);
        CChart chart = SpreadChart(2);
        chart.m_ashtakavarga.Compute(chart);
        EXPECT_EQ(Total(chart.m_ashtakavarga.m_bhinna[0][c.owner]), kDefaultTotals[c.owner] + c.change);
    }
}

TEST(Ashtakavarga, PrastaraRecordsWhoGaveEachBindu) {
    CChart chart = SpreadChart(3);
    chart.m_ashtakavarga.Compute(chart);
    for (int r = 0; r < kAshtakavargaPoints; ++r) {
        const CPrastara& prastara = chart.m_ashtakavarga.m_prastara[4][r];
        for (int s = 0; s < 12; ++s) {
            const int givers = std::accumulate(prastara.m_given[s].begin(), prastara.m_given[s].end(), 0);
            EXPECT_EQ(givers, chart.m_ashtakavarga.m_bhinna[4][r][s]) << r << " " << s;
            EXPECT_EQ(prastara.m_total[s], chart.m_ashtakavarga.m_bhinna[4][r][s]);
        }
    }
}

// Worked by hand: every body in Aries gives the Sun's ashtakavarga, Aries to Pisces, 3 3 3 4 2 5 4 3 5
// 6 7 3. Trikona: 1 0 0 1 0 2 1 0 3 3 4 0; ekadhipatya (only Aries occupied) evens Capricorn and
// Aquarius, both empty, to 3. Rasi pinda 7 + 4 + 2 x 5 + 7 + 3 x 9 + 3 x 5 + 3 x 11 = 103; graha pinda
// = Aries's 1 x (5 + 5 + 8 + 5 + 10 + 7 + 5) = 45.
TEST(Ashtakavarga, SunsRowWithEveryBodyInAriesReducesAsWorkedByHand) {
    CChart chart = EveryBodyIn(0);
    chart.m_ashtakavarga.Compute(chart);
    const CAshtakavarga& av = chart.m_ashtakavarga;
    EXPECT_EQ(av.m_bhinna[0][kSun], (SignBindus{3, 3, 3, 4, 2, 5, 4, 3, 5, 6, 7, 3}));
    EXPECT_EQ(av.m_reducedBhinna[0][kSun], (SignBindus{1, 0, 0, 1, 0, 2, 1, 0, 3, 3, 3, 0}));
    EXPECT_EQ(av.m_rasiPinda[0][kSun], 103);
    EXPECT_EQ(av.m_grahaPinda[0][kSun], 45);
    EXPECT_EQ(av.m_sodhyaPinda[0][kSun], 148);
}

TEST(Ashtakavarga, TrikonaReduction) {
    const std::array<bool, 12> noneOccupied{};
    SignBindus row{};
    row[0] = row[4] = row[8] = 4; // Aries, Leo, Sagittarius equal
    ReduceAshtakavargaRow(row, noneOccupied);
    EXPECT_EQ(row, SignBindus{});
    row = {};
    row[0] = 5, row[4] = 3, row[8] = 4;
    ReduceAshtakavargaRow(row, noneOccupied);
    EXPECT_EQ(row[0], 2);
    EXPECT_EQ(row[4], 0);
    EXPECT_EQ(row[8], 1);
}

TEST(Ashtakavarga, EkadhipatyaReductionOfAriesAndScorpio) {
    // Aries and Scorpio values, which of them is occupied, and the values after the reduction. The
    // other signs stay 0, so the trikona step changes nothing.
    struct Case {
        int aries;
        int scorpio;
        bool ariesOccupied;
        bool scorpioOccupied;
        int ariesAfter;
        int scorpioAfter;
    };
    constexpr Case kCases[] = {
        {3, 5, true, false, 3, 3},  {5, 3, true, false, 5, 0},  {2, 6, false, false, 2, 2},
        {4, 4, false, false, 0, 0}, {0, 5, false, false, 0, 5}, {3, 5, true, true, 3, 5},
        {5, 3, false, true, 3, 3},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << c.aries << " " << c.scorpio << " " << c.ariesOccupied << c.scorpioOccupied);
        SignBindus row{};
        row[0] = static_cast<std::uint8_t>(c.aries);
        row[7] = static_cast<std::uint8_t>(c.scorpio);
        std::array<bool, 12> occupied{};
        occupied[0] = c.ariesOccupied;
        occupied[7] = c.scorpioOccupied;
        ReduceAshtakavargaRow(row, occupied);
        EXPECT_EQ(row[0], c.ariesAfter);
        EXPECT_EQ(row[7], c.scorpioAfter);
    }
}

TEST(Ashtakavarga, ReferenceShiftCountsTheLagnasBindusFromAnotherSign) {
    CChart shifted = SpreadChart(0);
    shifted.m_ashtakavarga.m_referenceShift[0] = 3;
    shifted.m_ashtakavarga.Compute(shifted);
    // The same chart with its lagna itself three signs on.
    CChart moved = SpreadChart(0);
    moved.m_vargaSign.SetSign(kLagna, 0, shifted.m_vargaSign.Sign(kLagna, 0) + 3);
    moved.m_ashtakavarga.Compute(moved);
    EXPECT_EQ(shifted.m_ashtakavarga.m_bhinna[0], moved.m_ashtakavarga.m_bhinna[0]);
    // Other columns keep the lagna.
    CChart plain = SpreadChart(0);
    plain.m_ashtakavarga.Compute(plain);
    EXPECT_NE(shifted.m_ashtakavarga.m_bhinna[0], plain.m_ashtakavarga.m_bhinna[0]);
    EXPECT_EQ(shifted.m_ashtakavarga.m_bhinna[1], plain.m_ashtakavarga.m_bhinna[1]);
}

TEST(Ashtakavarga, BhavaDrivenSarvaPutsEachOwnersOwnSignAtTheReference) {
    const CScopedOption bhavaDriven(g_bBhavaDrivenSarvaAshtakaVarga, true);
    CChart chart = SpreadChart(2);
    chart.m_ashtakavarga.m_referenceShift[0] = 3;
    chart.m_ashtakavarga.Compute(chart);
    const CAshtakavarga& av = chart.m_ashtakavarga;
    const int reference = (chart.m_vargaSign.Sign(kLagna, 0) + 3) % 12;
    int ownSigns = 0;
    for (int r = 1; r < kAshtakavargaPoints; ++r) ownSigns += av.m_bhinna[0][r][chart.m_vargaSign.Sign(r, 0)];
    EXPECT_EQ(av.m_sarva[0][reference], ownSigns);
    EXPECT_EQ(Total(av.m_sarva[0]), 337);
}

TEST(Ashtakavarga, TheOtherDefinitionGivesTheBindusToTheContributor) {
    CChart chart = SpreadChart(1);
    chart.m_ashtakavarga.Compute(chart);
    const auto byOwner = chart.m_ashtakavarga.m_bhinna[0];
    const CScopedOption definition(g_bAshtakaVargaDefinition, false);
    chart.m_ashtakavarga.Compute(chart);
    // Every owner's places now fall from its own sign: the total of a row is the number of places that
    // the table lists in its column.
    for (int c = 0; c < kAshtakavargaPoints; ++c) {
        int places = 0;
        for (int a = 0; a < kAshtakavargaPoints; ++a)
            for (int h = 1; h <= 12; ++h) places += GivesBindu(a, c, h);
        EXPECT_EQ(Total(chart.m_ashtakavarga.m_bhinna[0][c]), places) << c;
    }
    EXPECT_NE(chart.m_ashtakavarga.m_bhinna[0], byOwner);
}

TEST(Ashtakavarga, ColumnsWithoutSignsOfTheirOwnReadAsTheRasi) {
    CChart chart = SpreadChart(3);
    chart.m_ashtakavarga.Compute(chart);
    const CAshtakavarga& av = chart.m_ashtakavarga;
    for (int v : {kD150Column, kHaddaColumn}) {
        EXPECT_EQ(av.m_bhinna[v], av.m_bhinna[0]) << v;
        EXPECT_EQ(av.m_sarva[v], av.m_sarva[0]) << v;
        EXPECT_EQ(av.m_sodhyaPinda[v], av.m_sodhyaPinda[0]) << v;
    }
}

} // namespace
