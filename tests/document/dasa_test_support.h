#pragma once
// Fixtures of the dasa tests: the options the dasas read put back after each test, English name tables,
// and charts whose seeds are set by hand.
#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "core/chart.h"
#include "core/name_selection.h"
#include "core/return_charts.h"
#include "document/dasa_options.h"
#include "document/dasa_tree.h"
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
    SavedGlobals<int, int, int, int, int, int, bool, bool, double, bool> m_choice{
        g_nSelectedDasa,          g_nNakshatraDasaToBeDisplayed,
        g_nRasiDasaToBeDisplayed, g_nOtherDasaToBeDisplayed,
        g_nDasaCycleOffset,       g_nDasaCycleOffsetCode,
        g_bTribhagiVariation,     g_bDasaCompression,
        g_dCompressionDays,       g_bPrinting};
    SavedGlobals<std::array<int, kDasaCodeCount + 1>, std::array<int, kDasaCodeCount>,
                 std::array<double, kDasaCodeCount>, std::array<bool, 75>, std::array<double, 75>>
        m_arrays{g_nDasaCycleOffsetByCode, g_nDasaYearDefinition, g_dDasaYearLength, g_bDasaShift,
                 g_dDasaShiftDays};
    SavedGlobals<std::array<int, kNakshatraDasaCodeCount>, std::array<int, kNakshatraDasaCodeCount>,
                 std::array<int, kNakshatraDasaCodeCount>, std::array<bool, kNakshatraDasaCodeCount>, int,
                 int, bool, int, int>
        m_nakshatra{g_nNakshatraDasaStartPoint, g_nNaksDasaADMethod,   g_nNakshatraDasaShift,
                    g_bAntiZodiacalDasa,        g_nNakshatraDasaVarga, g_nKalachakraDasaCalculation,
                    g_bKCDRohini4NavamsaInLeo,  g_nRasiBhuktaVarga,    g_nTithiYoginiHarmonic};
    SavedGlobals<std::array<bool, kDasaCodeCount>, std::array<bool, kDasaCodeCount>> m_tajaka{
        g_bUseDasaSeedFromNatalInTajaka, g_bProgressDasaSeedInTajaka};
    SavedGlobals<bool, bool, bool, bool> m_modes{g_bSpecialYearForTajaka, g_bSpecialYearForTP,
                                                 g_bDasaSeshamInMundaneCharts, g_bMundaneBackToNatal};
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
