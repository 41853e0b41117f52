#pragma once
// Display state that the frame's tab windows write and the chart, dasa and transit-research panes
// read. Process-wide, as every pane of a kind shares it.
#include <array>
#include <cstdint>

// Chart view: number of chart panes (1, 2, 4, 6 or 12) and whether they are packed into the grid.
extern int g_nChartPaneCount;   // 12 at start
extern bool g_bPackedChartMode; // on at start

// Saved navigation state of each dasa page (nakshatra, rasi, other): level and path of the selected
// periods; the last word is the level shown.
constexpr int kDasaPageCount = 3;
using DasaNavState = std::array<std::int32_t, 7>;
extern std::array<DasaNavState, kDasaPageCount> g_dasaNavStates;

// Raised while the "Longitude Correlation" tab is shown.
extern bool g_bLongitudeCorrelationShown;
