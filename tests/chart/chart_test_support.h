#pragma once
// Natal charts and charts placed by hand for the chart tests, and a fixture that restores the options
// they change.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/varga_options.h"
#include "tests/core/core_test_helpers.h"

// ChartAt as a full chart: a UT Julian day (zone 0) and a place (longitude EAST, as swetest takes it).
inline CChart NatalChart(double jdUt, double longitudeEast, double latitude) {
    return ChartAt<CChart>(jdUt, longitudeEast, latitude);
}

// Puts a body at a longitude (degrees), split.
inline void Place(CChartCore& chart, int body, double longitude) {
    chart.m_bodies[body].m_dLongitude = longitude;
    chart.m_bodies[body].SplitLongitude();
}

// Each test starts from the true Lahiri ayanamsa and gets back afterwards every option it changed.
class ChartTest : public CalcOptionsTest {
protected:
    ChartTest() : CalcOptionsTest(kAyanamsaTrueLahiri) {}
};
