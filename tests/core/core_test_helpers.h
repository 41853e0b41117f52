#pragma once
// Small helpers shared by the core tests.
#include "core/angle_time.h"
#include "core/ayanamsa.h"

constexpr double kArcsecond = 1.0 / 3600.0;

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
