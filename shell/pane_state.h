#pragma once
// Display state that the frame's tab windows write and the chart and transit-research panes read.
// Process-wide, as every pane of a kind shares it.

// Chart view: number of chart panes (1, 2, 4, 6 or 12) and whether they are packed into the grid.
extern int g_nChartPaneCount;   // 12 at start
extern bool g_bPackedChartMode; // on at start

// Raised while the "Longitude Correlation" tab is shown.
extern bool g_bLongitudeCorrelationShown;
