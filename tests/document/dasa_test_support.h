#pragma once
// Fixtures of the dasa tests: the options the dasas read put back after each test, English name tables,
// and charts whose seeds are set by hand.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/name_selection.h"
#include "core/return_charts.h"
#include "document/dasa_tree.h"
#include "document/document_option_snapshot.h"
#include "tests/analysis/analysis_test_support.h"
#include "tests/core/core_test_helpers.h"

constexpr double kDasaSecond = 1.0 / 86400.0; // days

class DasaTest : public testing::Test {
protected:
    DasaTest() {
        SelectNameTables(false, false);
        g_nDasaYearDefinition.fill(kYearMeanTropical);
    }

private:
    // The ayanamsa and every option of the table, the dasa state among them, and the printing flag.
    CScopedDocumentOptions m_options;
    SavedGlobals<bool> m_printing{g_bPrinting};
};

// A chart at 2000-01-01 12:00 UT whose seed 0 (the Moon's) stands at `longitude` (degrees): nakshatra,
// fraction left and the Moon's own record are set by hand, nothing else is computed.
inline CChart ChartWithMoonSeed(double longitude) {
    CChart chart = ChartAt<CChart>(2451545.0, 0.0, 0.0);
    PlaceBody(chart, kMoon, longitude);
    const int nakshatra = static_cast<int>(longitude / (40.0 / 3.0));
    chart.m_nakshatra[kMoon] = static_cast<std::uint8_t>(nakshatra);
    chart.m_pada[kMoon] = static_cast<std::uint8_t>((longitude - nakshatra * 40.0 / 3.0) / (10.0 / 3.0));
    CDasaSeed& seed = chart.m_panchanga.m_dasaSeed[0];
    seed.m_nNakshatra = nakshatra;
    seed.m_dLongitude = longitude;
    seed.m_dFractionLeft = 1.0 - (longitude * 0.075 - nakshatra);
    return chart;
}

// The first-level lords of a tree.
inline std::vector<int> FirstLevelLords(const CDasaTree& tree) {
    return {tree.nLord[0].begin(), tree.nLord[0].begin() + tree.nPeriods};
}
inline std::vector<double> FirstLevelYears(const CDasaTree& tree) {
    return {tree.dYears.begin(), tree.dYears.begin() + tree.nPeriods};
}
