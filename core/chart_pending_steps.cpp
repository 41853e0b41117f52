// Empty steps of the chart pipeline and of the analysis objects, so that the chart computes while
// they are being written. Each is filled in by the step's own file and removed from here.
#include "core/chart.h"
#include "core/planet_tables.h"

CalcStatus CChart::ComputeSunriseSunset() {
    return {};
}
void CChart::ComputeTimeUpagrahas() {}
CalcStatus CChart::ChangeTimeZone(double) {
    return {};
}
void CChart::ComputeSpecialLagnas() {}
void CChart::ComputeSunUpagrahas() {}
CalcStatus CChart::ComputeUpagrahasAndSphutas() {
    return {};
}
void CChart::ComputeYogiPoints() {}
void CChart::ComputeSpecialPoints() {}
CalcStatus CChart::ComputeExtraPoints() {
    return {};
}
void CChart::ComputeCharaKarakas() {}
CalcStatus CChart::FindSignEntryTimes() {
    return {};
}
CalcStatus CChart::ComputePanchanga() {
    return {};
}
void CChart::ComputeDasaSeeds() {}
void CChart::ComputeNakshatraPoints28() {}
void CChart::ComputeArudhas() {}

void CChart::ComputeCoLordTables() {}
void CChart::ComputeBrahmaRudraMaheswara() {}
int CChart::SignLordOpt(int sign, int) const {
    return kPlainSignLords[sign];
}
void CAshtakavarga::Compute() {}
void CShadbala::Compute() {}
void CAvasthas::Compute() {}
