#pragma once
// Where the bar graphs of the strengths pane stand and how one is drawn: plain functions, so that the
// geometry is tested without a window. Coordinates are pixels of the pane.
#include <vector>

#include "platform/draw_surface.h"
#include "views/info/strength_graph_data.h"

// The grid of a page in a window of `window` pixels (each side taken as at least 600): one rectangle
// per graph, the scale of the graph fonts and the scroll extent.
struct GraphLayout {
    std::vector<Rect> groups;
    double fontScale = 1.0;
    Size total;
};
GraphLayout LayoutGraphs(int page, Size window);

// The parts of one graph in `rect`, for fonts of `titleHeight` and `labelHeight` pixels.
struct BarGraphGeometry {
    Rect titleBand;
    Rect graphArea;
    int zeroLine = 0; // y of the zero line of a signed graph
    std::vector<Rect> bars;
    std::vector<Rect> labelBands;
    std::vector<Rect> valueBands;
};
BarGraphGeometry BarGraphGeometryOf(const CStrengthGraphRecord& record, const Rect& rect, int titleHeight,
                                    int labelHeight);
// The value text of bar `i`: "%d" rounded when the record holds whole numbers or its scale reaches 100,
// else "%.1f"; always the true value, even when the bar is clipped at the scale.
std::string BarValueText(const CStrengthGraphRecord& record, int i);

// Draws the graph in `rect` with `font` (the graph font scaled for the page) in the graph colours.
void DrawBarGraph(DrawSurface& surface, const CStrengthGraphRecord& record, const Rect& rect,
                  const LogicalFont& font);
