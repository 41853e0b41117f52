#pragma once
// Process-wide state of the chart document, one instance for the program: the moments it keeps and
// the display selections that the document resets when a
// new chart comes in and the views read. Time zones are hours, positive west.
#include <array>
#include <string>

#include "core/angle_time.h"

class CChart;

extern CLocalDateTime g_clockMoment; // the present moment at the default place (SetToClockTime)
extern CLocalDateTime
    g_transitMoment;     // moment of the transit and event forms; its zone follows the natal zone
extern int g_nLifecycle; // lifecycle shown in natal mode: 0 this life, up to 10

// The chart that the ashtakavarga and chart views take as the chart of reference: the natal chart in
// transit mode, the current chart otherwise.
extern CChart* g_pReferenceChart;

// What the first and second chart panes of the chart view show: the natal chart (1) or the current
// chart (0), and the varga column (0-28).
extern int g_bChartPane1Natal;
extern int g_bChartPane2Natal;
extern int g_nChartPane1Varga;
extern int g_nChartPane2Varga;

// The dasa views' saved navigation state, one record for each dasa page (nakshatra, rasi, other dasas):
// the path of selected periods, and in the last word the level shown.
inline constexpr int kDasaNavStateWords = 7; // kDasaLevels selections and the level
inline constexpr int kDasaPageCount = 3;
using DasaNavState = std::array<int, kDasaNavStateWords>;
extern std::array<DasaNavState, kDasaPageCount> g_dasaNavStates;

// Display selections that start again from the chart's own values whenever the document calculates or
// a chart comes in: the table selected in the basic-information view, and the base-nakshatra overrides
// of the Kalachakra and Kota chakra views.
extern int g_nBasicInfoSelection;
extern bool g_bKalaChakraBaseOverride;
extern bool g_bKotaChakraBaseOverride;

// The chart file's path without its own ".tvd" or ".dat" extension: the chart notes and exports are
// named after it (CTavroDoc::UpdateChartBaseName).
extern std::string g_strChartBaseName;
