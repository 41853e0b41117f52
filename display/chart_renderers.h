#pragma once
// The chart renderers: one chart pane in the South Indian, North Indian or East Indian style, and the
// two-chart forms of the mixed view. Each draws through the surface into the rectangle it is given
// (device units), with g_dChartScale, g_chartFontA and g_chartFontB and the pane settings, and records
// the pane's twelve sign polygons and the label rectangles of the lagna and grahas in `state`.
#include "display/chart_draw_state.h"
#include "platform/draw_surface.h"

class CChart;

// Styles 0 (`regular`, Pisces top-left, clockwise) and 1 (its mirror image). `screen`: fill the
// background (never while printing).
void DrawSouthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                          const CChart& chart, int pane, bool regular, bool screen);
// Style 2: houses fixed, counted anticlockwise from the top diamond. `caption` reserves a band at the
// top for the chart's title and varga.
void DrawNorthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                          const CChart& chart, int pane, bool caption, bool screen);
// Styles 3 (no outer frame) and 4 (`frame`): Aries top middle, the signs counter-clockwise.
void DrawEastChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                   const CChart& chart, int pane, bool frame, bool screen);

// Two-chart forms: pane 12 the inner chart, then pane 13 the outer chart, both into the same square.
// The North Indian form places both by the inner chart's lagna sign `referenceLagna` (0-11).
void DrawMixedNorthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                               const CChart& chart, int pane, int referenceLagna);
void DrawMixedSouthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                               const CChart& chart, int pane, bool regular);
void DrawMixedEastChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                        const CChart& chart, int pane, bool frame);
