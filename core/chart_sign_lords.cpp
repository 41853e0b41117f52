// Lords of the signs with the co-lords of Scorpio and Aquarius, read from the per-column tables a chart
// keeps of them (chart/chart_co_lords.cpp fills them).
#include "core/chart_record.h"
#include "core/dignity_tables.h"

namespace {

int LordFromTable(const CSignLordTables& tables, CoLordRule rule, int sign, int v) {
    const CCoLordPair& pair = tables.m_coLord[rule][v];
    if (sign == kAquarius) return pair.m_nAquarius;
    if (sign == kScorpio) return pair.m_nScorpio;
    return SignLordPlain(sign);
}

} // namespace

int CChartRecord::SignLord(int sign, int v) const {
    return LordFromTable(m_signLordTables, kCoLordGeneral, sign, v);
}

int CChartRecord::SignLordOpt(int sign, int /*v*/) const {
    return SignLordPlain(sign);
}

int CChartRecord::SignLordForDasa(int sign, int v) const {
    return LordFromTable(m_signLordTables, kCoLordDasa, sign, v);
}

int CChartRecord::SignLordNarayana(int sign, int v) const {
    return LordFromTable(m_signLordTables, kCoLordDegrees, sign, v);
}

int CChartRecord::SignLordSudasa(int sign, int v) const {
    return LordFromTable(m_signLordTables, kCoLordNatureYears, sign, v);
}

int CChartRecord::GetStrongerSignTable(int sign, int v) const {
    return m_signLordTables.m_strongerSign[v][sign];
}
