#pragma once
// The natal chart the benchmarks cast.
#include "chart/chart.h"
#include "core/ayanamsa.h"

// Delhi (77.2 E, 28.6 N, zone 5.5 hours east) under the default ayanamsa, true Lahiri; the caller sets
// the moment.
inline CChart DelhiChart() {
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTrueLahiri;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CChart chart;
    chart.m_longitude.m_dValue = -77.2;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = 28.6;
    chart.m_latitude.SplitDegrees();
    chart.m_dateTime.m_zone.m_dHours = -5.5;
    chart.m_dateTime.m_zone.SplitHours();
    return chart;
}
