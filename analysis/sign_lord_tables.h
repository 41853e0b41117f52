#pragma once
// Per-chart tables of the sign-strength rules: for every varga column the stronger of each sign and
// its 7th, the co-lords chosen for Scorpio and Aquarius, and the chart's Brahma, Rudra and Maheswara.
// Filled by CChart::ComputeCoLordTables and CChart::ComputeBrahmaRudraMaheswara.
#include <array>

#include "core/varga_columns.h"

struct CSignLordTables {
    // Entry [v][s]: the stronger of sign s and sign (s + 6) mod 12 in varga column v.
    std::array<std::array<int, 12>, kVargaColumnCount> m_strongerSign{};
    // Brahma, Rudra and Maheswara of the rasi chart, body numbers 1-9 (0 until computed).
    int m_nBrahma = 0;
    int m_nRudra = 0;
    int m_nMaheswara = 0;
};
