#include "shell/dialogs/rasi_dasa_strengths.h"

#include "core/chart_core.h"

CoLordRule CoLordRuleOfDasa(int dasaCode) {
    if (dasaCode == 33) return kCoLordNatureYears;
    if (dasaCode == 34) return kCoLordDegrees;
    return kCoLordDasa;
}

RasiDasaStrengthMembers LoadRasiDasaStrengths(const CSignLordTables& tables, CoLordRule rule, int v,
                                              int startSign) {
    RasiDasaStrengthMembers m;
    const CCoLordPair& lords = tables.m_coLord[rule][v];
    m.m_nAquarius = lords.m_nAquarius != kSaturn ? 1 : 0;
    m.m_nScorpio = lords.m_nScorpio != kMars ? 1 : 0;
    m.m_nStartSign = startSign >= 0 && startSign < 12 ? startSign : kUseDefaultStartSign;
    m.m_nStartException =
        m.m_nStartSign < 12 ? tables.m_saturnKetu[v][m.m_nStartSign] : kLastSettingException;
    for (int i = 0; i < 6; ++i) {
        const int chosen = tables.m_strongerSign[v][i];
        m.m_nPair[i] = chosen != i ? 1 : 0;
        m.m_nPairException[i] = tables.m_saturnKetu[v][chosen];
    }
    return m;
}

void SaveRasiDasaStrengths(const RasiDasaStrengthMembers& m, CoLordRule rule, int v, CSignLordTables& tables,
                           int& startSign) {
    // An unset member (-1) leaves its setting as it is.
    CCoLordPair& lords = tables.m_coLord[rule][v];
    if (m.m_nAquarius >= 0) lords.m_nAquarius = m.m_nAquarius == 1 ? kRahu : kSaturn;
    if (m.m_nScorpio >= 0) lords.m_nScorpio = m.m_nScorpio == 1 ? kKetu : kMars;
    if (m.m_nStartSign >= 0) startSign = m.m_nStartSign;
    if (m.m_nStartSign >= 0 && m.m_nStartSign < 12 && m.m_nStartException >= 0 &&
        m.m_nStartException < kLastSettingException)
        tables.m_saturnKetu[v][m.m_nStartSign] = m.m_nStartException;
    for (int i = 0; i < 6; ++i) {
        if (m.m_nPair[i] < 0) continue;
        const int chosen = m.m_nPair[i] == 1 ? i + 6 : i;
        tables.m_strongerSign[v][i] = tables.m_strongerSign[v][i + 6] = chosen;
        if (m.m_nPairException[i] >= 0) tables.m_saturnKetu[v][chosen] = m.m_nPairException[i];
    }
}
