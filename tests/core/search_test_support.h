#pragma once
// Shared by the search and return tests: the fixture that puts the calculation options where the
// reference table data/search_swetest.txt was made, and the place the searches start from.
#include <cmath>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/return_charts.h"
#include "core_test_helpers.h"

constexpr const char* kSearchReference = "search_swetest.txt";
constexpr double kUjjainEast = 75.7683; // degrees east
constexpr double kUjjainLatitude = 23.18;

// Starts under the plain Lahiri ayanamsa (id 0: swetest's -sid1); the options the tests change are put
// back afterwards.
class SearchTest : public CalcOptionsTest {
protected:
    SearchTest() : CalcOptionsTest(kAyanamsaTraditionalLahiri) {}

    // A chart at Ujjain at a UT Julian day, calculated.
    static CChartCore CalculatedChartAt(double jdUt) {
        CChartCore chart = ChartAt(jdUt, kUjjainEast, kUjjainLatitude);
        const CalcStatus status = chart.CalcPlanets();
        EXPECT_TRUE(status.ok()) << status.error;
        return chart;
    }
};

// How far from its target a quantity moving at `speed` degrees a day stands, in arcseconds, at an
// instant `jdFound` when it reaches the target at `jdReference`.
inline double ArcsecondsOff(double jdFound, double jdReference, double speed) {
    return std::fabs((jdFound - jdReference) * speed) * 3600.0;
}
