#pragma once
// The pane grid of a chart view and the square of the mixed view, from the window's size (pixels).
#include <array>

#include "display/pane_settings.h"
#include "platform/geometry.h"

struct ChartPaneLayout {
    int columns = 1;
    int rows = 1;
    double scale = 0.0; // pane side / 360
    int margin = 0;     // pixels around and between the panes
    int side = 0;       // the chart square, a multiple of 4 pixels
    std::array<Rect, kChartPaneCount> panes{};
    Size total; // scroll size of the grid
};

// The side of a chart square at `scale` (pane side / 360): 360 x scale, truncated, less its rest after
// a multiple of 4.
int ChartSideAtScale(double scale);

// 2, 4, 6 (split: 2 x 3, wide: 3 x 2) or 12 panes (4 x 3) in a window `width` x `height` pixels; a single
// pane is laid out as the first of two. With 12 panes every pane reaches the next one's edge.
ChartPaneLayout LayOutChartPanes(int width, int height, int paneCount, bool wideLayout);

// The mixed view: its chart area and inner square for chart style 0-4 in a window of `width` x `height`
// pixels; `captionHeight` is the height of chart font A at the resulting scale.
struct MixedChartLayout {
    double scale = 0.0;
    Rect area;
    Rect inner; // the boundary between the inner and the outer chart
    Size total;
};
// The boundary between the inner and the outer chart of a mixed chart area in chart style 0-4.
Rect MixedInnerSquare(const Rect& area, int style);
// The part of a label area (a half cell) of the inner ring (inside `inner`) or of the outer ring (on the
// side of `inner` the area's middle lies), so that no label crosses the rings' border.
Rect KeptToRing(const Rect& labelArea, const Rect& inner, bool innerRing);
// The scale alone, which fixes the fonts the area then depends on.
double MixedChartScale(int width, int height);
MixedChartLayout LayOutMixedChart(int width, int height, int style, int captionHeight);
