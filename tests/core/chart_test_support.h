#pragma once
// A natal chart for the chart tests, and a fixture that restores the options they change.
#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart.h"
#include "core/varga_options.h"
#include "core_test_helpers.h"

// A chart at a UT Julian day (zone 0) and a place (longitude EAST, as swetest takes it).
inline CChart NatalChart(double jdUt, double longitudeEast, double latitude) {
    return ChartAt<CChart>(jdUt, longitudeEast, latitude);
}

// Each test starts from the program's defaults (true Lahiri, equal houses, cusps mid-house, the
// ephemeris model, houses from the lagna) and gets them back afterwards.
class ChartTest : public testing::Test {
protected:
    void SetUp() override {
        GetAyanamsaSettings(m_saved);
        ChooseAyanamsa(kAyanamsaTrueLahiri);
    }
    void TearDown() override {
        g_nHouseTypeWanted = 1;
        g_bHouseCuspsInMiddle = true;
        g_nSiddhanta = 0;
        g_nBhavaReferenceBody = 0;
        g_bDivLongFromEndToo = true;
        g_nD9Preference = 0;
        SetAyanamsaSettings(m_saved);
    }

    CAyanamsaSettings m_saved;
};
