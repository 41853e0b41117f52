#pragma once
// Small helpers shared by the core tests.
#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/chart_core.h"

constexpr double kArcsecond = 1.0 / 3600.0; // degrees
constexpr double kSecond = 1.0 / 86400.0;   // days

// Distance of two longitudes the short way round, degrees.
inline double Separation(double a, double b) {
    const double d = Reduce360(a - b);
    return d > 180.0 ? 360.0 - d : d;
}

// Makes `id` with a correction (degrees) the process-wide ayanamsa, as the ayanamsa dialog does.
inline void ChooseAyanamsa(int id, double correction = 0.0) {
    g_ayanamsaSettings.m_nAyanamsaId = id;
    g_ayanamsaSettings.m_correction.m_dValue = correction;
    g_ayanamsaSettings.m_correction.SplitDegrees();
    ApplyAyanamsaSettings(g_ayanamsaSettings);
}

// A chart at a UT Julian day and a place (longitude EAST, as the library and swetest take it), zone 0;
// no positions calculated.
inline CChartCore ChartAt(double jdUt, double longitudeEast, double latitude, double altitude = 0.0) {
    CChartCore chart;
    chart.m_longitude.m_dValue = -longitudeEast;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = latitude;
    chart.m_latitude.SplitDegrees();
    chart.m_dAltitude = altitude;
    chart.m_dPressure = 1013.25;
    chart.m_dTemperature = 20.0;
    chart.JulianDayToDate(jdUt, chart);
    return chart;
}
