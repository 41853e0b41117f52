// Empty steps of the chart pipeline and of the analysis objects, so that the chart computes while
// they are being written. Each is filled in by the step's own file and removed from here.
#include "core/chart.h"

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
