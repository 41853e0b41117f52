// Empty steps of the chart pipeline and of the analysis objects, so that the chart computes while
// they are being written. Each is filled in by the step's own file and removed from here.
#include "core/chart.h"
#include "core/planet_tables.h"

CalcStatus CChart::ComputeExtraPoints() {
    return {};
}
CalcStatus CChart::FindSignEntryTimes() {
    return {};
}

void CChart::ComputeCoLordTables() {}
void CChart::ComputeBrahmaRudraMaheswara() {}
int CChart::SignLordOpt(int sign, int) const {
    return kPlainSignLords[sign];
}
// Stand-ins for the sign-strength rules: the plain lord, the first own sign, the first planet.
int CChart::SignLord(int sign, int) const {
    return kPlainSignLords[sign];
}
int CChart::StrongerOwnSign(int planet, int) const {
    static constexpr int kFirstOwnSign[10] = {0, 4, 3, 0, 2, 8, 1, 9, 10, 7};
    return kFirstOwnSign[planet];
}
int CChart::StrongerPlanet(int a, int, int, int) const {
    return a;
}
void CAshtakavarga::Compute() {}
void CShadbala::Compute() {}
void CAvasthas::Compute() {}
