#pragma once
// The line figures of the chart styles: the grid or diamond of one chart square and its outer frame.
// Coordinates are the units the chart is laid out in; while printing they are scaled by the drawing
// factors and every line is thickened by offset strokes.
#include "platform/draw_surface.h"

// Figure kinds, the chart styles' codes: 0 and 1 South Indian (dx, dy a quarter of the square), 2 North
// Indian (half), 3 East Indian without frame, 4 East Indian with frame (a third).
enum ChartFigureKind {
    kSouthFigure = 0,
    kSouthMirrorFigure = 1,
    kNorthFigure = 2,
    kEastFigure = 3,
    kEastFramedFigure = 4
};

// Units the outer rectangles of a double frame reach outside the chart square on screen: into a
// touching neighbour pane, whose labels keep inside its square less this much.
inline constexpr int kOuterFrameReach = 3;
inline Rect InsideFrame(const Rect& chart) {
    return Rect{chart.left + kOuterFrameReach, chart.top + kOuterFrameReach, chart.right - kOuterFrameReach,
                chart.bottom - kOuterFrameReach};
}

// Draws the figure lines and the outer frame of one chart square (x0, y0)-(x1, y1); a double frame adds
// a rectangle 2 units out, and a third 3 units out when dx >= 90 or a bitmap capture runs.
void DrawChartFigure(int kind, DrawSurface& surface, int x0, int y0, int x1, int y1, int dx, int dy,
                     bool doubleFrame, ColorRef color);
// The figure lines alone, one unit wide.
void DrawFigureLines(int kind, DrawSurface& surface, int x0, int y0, int x1, int y1, int dx, int dy,
                     ColorRef color);
// The outer frame alone, its extra rectangles `step` units apart; kind 3 has none.
void DrawFigureFrame(int kind, DrawSurface& surface, int x0, int y0, int x1, int y1, int dx, bool doubleFrame,
                     int step, ColorRef color);
