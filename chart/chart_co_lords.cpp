// The per-column tables a chart keeps of its sign lords: co-lords under four rule sets, the stronger of
// each sign pair, Saturn and Ketu occupancy.
#include "chart/chart.h"
#include "core/dignity_tables.h"

// Every column is filled, the D-150 and Hadda columns too: their signs read as the rasi chart's, so
// their lords are the rasi chart's.
void CChart::ComputeCoLordTables() {
    CSignLordTables& tables = m_signLordTables;
    tables.ClearStartSigns();
    for (int v = 0; v < kVargaColumnCount; ++v) {
        // Saturn and Mars come first, so they keep a full tie.
        tables.m_coLord[kCoLordDasa][v] = {StrongerCoLordByYears(kSaturn, kRahu, v),
                                           StrongerCoLordByYears(kMars, kKetu, v)};
        tables.m_coLord[kCoLordGeneral][v] = {StrongerCoLord(kSaturn, kRahu, v),
                                              StrongerCoLord(kMars, kKetu, v)};
        tables.m_coLord[kCoLordDegrees][v] = {StrongerCoLordByDegrees(kSaturn, kRahu, v),
                                              StrongerCoLordByDegrees(kMars, kKetu, v)};
        tables.m_coLord[kCoLordNatureYears][v] = {CompareSignsByCoLordRule(kSaturn, kRahu, v),
                                                  CompareSignsByCoLordRule(kMars, kKetu, v)};

        for (int s = 0; s < 6; ++s) {
            const int stronger = StrongerSign(s, s + 6, v);
            tables.m_strongerSign[v][s] = stronger;
            tables.m_strongerSign[v][s + 6] = stronger;
        }

        const int saturnSign = m_vargaSign.Sign(kSaturn, v);
        const int ketuSign = m_vargaSign.Sign(kKetu, v);
        for (int s = 0; s < 12; ++s) {
            int occupancy = kNeitherSaturnNorKetu;
            if (saturnSign == s && ketuSign == s)
                occupancy =
                    StrongerPlanetByDignity(kSaturn, kKetu, v) == kKetu ? kKetuOccupies : kSaturnOccupies;
            else if (saturnSign == s)
                occupancy = kSaturnOccupies;
            else if (ketuSign == s)
                occupancy = kKetuOccupies;
            tables.m_saturnKetu[v][s] = occupancy;
        }
    }
}
