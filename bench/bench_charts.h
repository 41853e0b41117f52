#pragma once
// The chart the benchmarks compute: Delhi, zone -5.5, under the default ayanamsa (true Lahiri).
#include "core/ayanamsa.h"
#include "core/chart.h"

// The place and ayanamsa only; the caller sets the moment (JulianDayToDate) before computing.
inline CChart DelhiChart() {
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTrueLahiri;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CChart chart;
    chart.m_longitude.m_dValue = -77.2; // positive west
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = 28.6;
    chart.m_latitude.SplitDegrees();
    chart.m_dateTime.m_zone.m_dHours = -5.5;
    chart.m_dateTime.m_zone.SplitHours();
    return chart;
}
