// Re-expressing a chart's clock time in another time zone without moving its instant.
#include "chart/chart.h"

CalcStatus CChart::ChangeTimeZone(double zone) {
    m_dateTime.ChangeZone(zone);
    return CalcPlanets();
}
