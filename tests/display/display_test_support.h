#pragma once
// A fixed birth for the display tests and a fixture that puts back everything they change.
#include <gtest/gtest.h>

#include "../core/core_test_helpers.h"
#include "chart/chart.h"
#include "core/bodies_to_show.h"
#include "core/name_selection.h"
#include "core/option_snapshot.h"
#include "display/chart_source.h"
#include "display/pane_settings.h"
#include "shell/display_fonts.h"
#include "shell/pane_state.h"
#include "tests/process_state.h"

// 1990-01-15 06:30 UT at New Delhi (77.21 E, 28.61 N), true Lahiri ayanamsa: lagna in Pisces.
inline CChart& FixedBirthChart() {
    static CChart chart = [] {
        CScopedOptions saved;
        ChooseAyanamsa(kAyanamsaTrueLahiri);
        CChart c = ChartAt<CChart>(2447906.770833, 77.21, 28.61);
        EXPECT_TRUE(c.ComputeAll(false).ok());
        c.m_strTitle = "Natal Chart";
        return c;
    }();
    return chart;
}

class DisplayTest : public ::testing::Test {
protected:
    DisplayTest() {
        SelectNameTables(false, false);
        g_nChartLanguage = 2;
        g_nChartStyle = 0;
        g_bUseTwoChartStyles = false;
        CreateDisplayFonts();
        for (int group = 0; group < kShowInChartsCount; ++group)
            g_bShowInCharts[group] = g_showInChartsDefaults[group] != 0;
        for (int pane = 0; pane < kChartPaneCount; ++pane) ResetBodyFlagsStandard(pane);
        g_chartSource.natal = [] { return &FixedBirthChart(); };
        g_chartSource.current = [] { return &FixedBirthChart(); };
        g_chartSource.mode = [] { return 0; };
    }

private:
    CScopedProcessState m_state; // whatever a test changes comes back
};
