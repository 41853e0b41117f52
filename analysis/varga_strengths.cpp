// Vimsopaka bala over the four varga groups, and the Tajaka Harsha bala.
#include "analysis/avasthas.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"

// The varga groups by their D-numbers: 6 (shadvarga), 7 (saptavarga), 10 (dasavarga), 16 (shodasavarga).
const std::array<VargaGroup, kVargaGroupCount> g_vargaGroups = {{
    {6, {{{kD1Column, 6}, {kD2Column, 2}, {kD3Column, 4}, {kD9Column, 5}, {kD12Column, 2}, {kD30Column, 1}}}},
    {7,
     {{{kD1Column, 5},
       {kD2Column, 2},
       {kD3Column, 3},
       {kD7Column, 2.5},
       {kD9Column, 4.5},
       {kD12Column, 2},
       {kD30Column, 1}}}},
    {10,
     {{{kD1Column, 3},
       {kD2Column, 1.5},
       {kD3Column, 1.5},
       {kD7Column, 1.5},
       {kD9Column, 1.5},
       {kD10Column, 1.5},
       {kD12Column, 1.5},
       {kD16Column, 1.5},
       {kD30Column, 1.5},
       {kD60Column, 5}}}},
    {16,
     {{{kD1Column, 3.5},
       {kD2Column, 1},
       {kD3Column, 1},
       {kD4Column, 0.5},
       {kD7Column, 0.5},
       {kD9Column, 3},
       {kD10Column, 0.5},
       {kD12Column, 0.5},
       {kD16Column, 2},
       {kD20Column, 0.5},
       {kD24Column, 0.5},
       {kD27Column, 0.5},
       {kD30Column, 1},
       {kD40Column, 0.5},
       {kD45Column, 0.5},
       {kD60Column, 4}}}},
}};

void CVimsopakaBala::Compute(const CChartRecord& chart) {
    // Points of the dignity code 0 (own) .. 5 (great enemy) of the planet towards its dispositor.
    constexpr int kPointsByDignity[6] = {20, 18, 15, 10, 7, 5};
    for (int p = kSun; p <= kKetu; ++p) {
        for (int v = 0; v < kVimsopakaColumns; ++v) {
            const int lord = SignLordPlain(chart.m_vargaSign.Sign(p, v));
            m_nPoints[p][v] = kPointsByDignity[chart.CompoundRelation(v, p, lord)];
        }
        for (int g = 0; g < kVargaGroupCount; ++g) {
            const VargaGroup& group = g_vargaGroups[g];
            double bala = 0.0;
            for (int k = 0; k < group.size; ++k)
                bala += m_nPoints[p][group.members[k].column] * group.members[k].weight * 0.05;
            m_dBala[g][p] = bala;
        }
    }
}

void CHarshaBala::Compute(const CChartRecord& chart) {
    constexpr int kUnit = 5;
    // House of joy of the Sun .. Saturn.
    constexpr int kJoyHouse[8] = {0, 9, 3, 6, 1, 11, 5, 12};
    const bool dayBirth = chart.m_sunriseFrame.m_bDayBirth != 0;
    for (int p = kSun; p <= kSaturn; ++p) {
        const int house = chart.HouseFromLagna(kD1Column, p);
        // The Sun, Mars and Jupiter rejoice in the 4th-6th and 10th-12th houses and by day; the others
        // in the 1st-3rd and 7th-9th houses and by night.
        const bool male = p == kSun || p == kMars || p == kJupiter;
        const bool maleHouse = (house >= 4 && house <= 6) || house >= 10;
        int bala = 0;
        if (house == kJoyHouse[p]) bala += kUnit;
        if (chart.IsOwnOrExalted(kD1Column, p)) bala += kUnit;
        if (maleHouse == male) bala += kUnit;
        if (dayBirth == male) bala += kUnit;
        m_nBala[p - 1] = bala;
    }
}
