#pragma once
// The strength settings that the rasi dasas' option dialogs edit for one varga column of a chart:
// the lords of Aquarius and Scorpio, the start sign, the stronger sign of each of the six pairs of
// opposite signs, and the Saturn or Ketu exception of a sign. The dialogs' members hold combo indices.
#include <array>

#include "core/sign_lord_tables.h"

inline constexpr int kUseDefaultStartSign = 12; // start-sign item "Use the default"
inline constexpr int kLastSettingException = 3; // exception item "Last setting": leaves it as it is

struct RasiDasaStrengthMembers {
    int m_nAquarius = -1;       // 0 Saturn, 1 Rahu
    int m_nScorpio = -1;        // 0 Mars, 1 Ketu
    int m_nStartSign = -1;      // 0-11, 12 "Use the default"
    int m_nStartException = -1; // 0 none, 1 Saturn, 2 Ketu, 3 "Last setting"
    std::array<int, 6> m_nPair{-1, -1, -1,
                               -1, -1, -1}; // 0 the first sign of pair i (sign i), 1 the second (i + 6)
    std::array<int, 6> m_nPairException{-1, -1, -1, -1, -1, -1}; // exception of the chosen sign of the pair
};

// The co-lord table a rasi dasa reads: Chara dasa (33) by nature and years, the K.N. Rao Chara dasa
// (34) by degrees, every other rasi dasa by years.
CoLordRule CoLordRuleOfDasa(int dasaCode);

// Settings of column `v` -> members; `startSign` is the dialog's start-sign slot (12 or more: none).
RasiDasaStrengthMembers LoadRasiDasaStrengths(const CSignLordTables& tables, CoLordRule rule, int v,
                                              int startSign);
// Members -> settings of column `v`. The start sign goes into `startSign`; its exception only when a
// sign is chosen and the exception is not "Last setting". A pair stores its chosen sign in both of its
// entries and the exception under the chosen sign. Unset members (-1) leave their settings.
void SaveRasiDasaStrengths(const RasiDasaStrengthMembers& m, CoLordRule rule, int v, CSignLordTables& tables,
                           int& startSign);
