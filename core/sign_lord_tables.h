#pragma once
// Per-chart tables of the sign-strength rules: for every varga column the co-lords chosen for Scorpio
// and Aquarius under each rule set, the stronger of each sign and its 7th, which of Saturn and Ketu
// occupies each sign, the start signs the rasi dasas' option dialogs choose, and the chart's Brahma,
// Rudra and Maheswara. Filled by CChart::ComputeCoLordTables and CChart::ComputeBrahmaRudraMaheswara.
// Signs 0 Aries .. 11 Pisces; planets are body numbers 1 Sun .. 9 Ketu.
#include <array>

#include "core/varga_columns.h"

inline constexpr int kNoStartSign = 12; // a start-sign slot that names no sign

// The rule sets by which a chart chooses the co-lords of Scorpio and Aquarius.
enum CoLordRule : int {
    kCoLordGeneral = 0,     // CChartRecord::StrongerCoLord, read by CChartRecord::SignLord
    kCoLordDasa = 1,        // CChartRecord::StrongerCoLordByYears, read by CChartRecord::SignLordForDasa
    kCoLordDegrees = 2,     // CChartRecord::StrongerCoLordByDegrees, read by CChartRecord::SignLordNarayana
    kCoLordNatureYears = 3, // CChartRecord::CompareSignsByCoLordRule, read by CChartRecord::SignLordSudasa
};
inline constexpr int kCoLordRuleCount = 4;

// The lords chosen for the two signs with two lords. Until a chart is computed they are the plain
// lords, so that a lookup never reads an undefined planet.
struct CCoLordPair {
    int m_nAquarius = 7; // 7 Saturn or 8 Rahu
    int m_nScorpio = 3;  // 3 Mars or 9 Ketu
};

// Occupancy of a sign by Saturn and Ketu, as the rasi dasas read it.
enum SaturnKetuOccupancy : int {
    kNeitherSaturnNorKetu = 0,
    kSaturnOccupies = 1, // Saturn alone, or both with Saturn the stronger
    kKetuOccupies = 2,   // Ketu alone, or both with Ketu the stronger
};

struct CSignLordTables {
    // [rule][v]: the co-lords of varga column v under one rule set.
    std::array<std::array<CCoLordPair, kVargaColumnCount>, kCoLordRuleCount> m_coLord{};
    // Entry [v][s]: the stronger of sign s and sign (s + 6) mod 12 in varga column v (s itself until
    // computed).
    std::array<std::array<int, 12>, kVargaColumnCount> m_strongerSign{};
    // Entry [v][s]: a SaturnKetuOccupancy.
    std::array<std::array<int, 12>, kVargaColumnCount> m_saturnKetu{};
    // Start signs chosen in the option dialogs of these dasas, one per varga column (kNoStartSign: none).
    std::array<int, kVargaColumnCount> m_narayanaStart{};
    std::array<int, kVargaColumnCount> m_lagnamsakaStart{};
    std::array<int, kVargaColumnCount> m_padanaathaamsaStart{};
    std::array<int, kVargaColumnCount> m_paryayaStart{};
    int m_nSudasaStart = kNoStartSign;
    // Brahma, Rudra and Maheswara of the rasi chart, body numbers 1-9 (0 until computed).
    int m_nBrahma = 0;
    int m_nRudra = 0;
    int m_nMaheswara = 0;

    CSignLordTables() {
        for (auto& column : m_strongerSign)
            for (int s = 0; s < 12; ++s) column[s] = s;
        ClearStartSigns();
    }

    // Every start-sign slot back to kNoStartSign, as each chart calculation leaves them.
    void ClearStartSigns() {
        m_narayanaStart.fill(kNoStartSign);
        m_lagnamsakaStart.fill(kNoStartSign);
        m_padanaathaamsaStart.fill(kNoStartSign);
        m_paryayaStart.fill(kNoStartSign);
        m_nSudasaStart = kNoStartSign;
    }
};
