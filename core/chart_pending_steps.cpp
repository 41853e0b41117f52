// Empty steps of the chart pipeline and of the analysis objects, so that the chart computes while
// they are being written. Each is filled in by the step's own file and removed from here.
#include "core/chart.h"

CalcStatus CChart::ComputeExtraPoints() {
    return {};
}
CalcStatus CChart::FindSignEntryTimes() {
    return {};
}
