#include "display/chart_figure.h"

#include <algorithm>

#include "display/drawing_factors.h"

namespace {

void Segment(DrawSurface& surface, int ax, int ay, int bx, int by) {
    surface.MoveTo(Point{ax, ay});
    surface.LineTo(Point{bx, by});
}

void Outline(DrawSurface& surface, int x0, int y0, int x1, int y1) {
    Segment(surface, x0, y0, x1, y0);
    Segment(surface, x1, y0, x1, y1);
    Segment(surface, x1, y1, x0, y1);
    Segment(surface, x0, y1, x0, y0);
}

// The 4 x 4 grid without the inside of its middle 2 x 2 block.
void SouthLines(DrawSurface& s, int x0, int y0, int x1, int y1, int dx, int dy) {
    Segment(s, x0 + dx, y0, x0 + dx, y1);
    Segment(s, x0 + 3 * dx, y0, x0 + 3 * dx, y1);
    Segment(s, x0, y0 + dy, x1, y0 + dy);
    Segment(s, x0, y0 + 3 * dy, x1, y0 + 3 * dy);
    Segment(s, x0, y0 + 2 * dy, x0 + dx, y0 + 2 * dy);
    Segment(s, x1, y0 + 2 * dy, x0 + 3 * dx, y0 + 2 * dy);
    Segment(s, x0 + 2 * dx, y0, x0 + 2 * dx, y0 + dy);
    Segment(s, x0 + 2 * dx, y1, x0 + 2 * dx, y0 + 3 * dy);
}

// The inner diamond and both diagonals.
void NorthLines(DrawSurface& s, int x0, int y0, int x1, int y1, int dx, int dy) {
    s.MoveTo(Point{x0 + dx, y0});
    s.LineTo(Point{x1, y0 + dy});
    s.LineTo(Point{x0 + dx, y1});
    s.LineTo(Point{x0, y0 + dy});
    s.LineTo(Point{x0 + dx, y0});
    Segment(s, x0, y0, x1, y1);
    Segment(s, x1, y0, x0, y1);
}

// The 3 x 3 grid with one diagonal in each corner square.
void EastLines(DrawSurface& s, int x0, int y0, int x1, int y1, int dx, int dy) {
    Segment(s, x0 + dx, y0, x0 + dx, y1);
    Segment(s, x0 + 2 * dx, y0, x0 + 2 * dx, y1);
    Segment(s, x0, y0 + dy, x1, y0 + dy);
    Segment(s, x0, y0 + 2 * dy, x1, y0 + 2 * dy);
    Segment(s, x0, y0, x0 + dx, y0 + dy);
    Segment(s, x0, y1, x0 + dx, y0 + 2 * dy);
    Segment(s, x1, y0, x0 + 2 * dx, y0 + dy);
    Segment(s, x1, y1, x0 + 2 * dx, y0 + 2 * dy);
}

} // namespace

void DrawFigureLines(int kind, DrawSurface& surface, int x0, int y0, int x1, int y1, int dx, int dy,
                     ColorRef color) {
    surface.SelectPen(LogicalPen{color, 1, PenStyle::kSolid});
    surface.SelectBrush(LogicalBrush{color, true});
    switch (kind) {
    case kSouthFigure:
    case kSouthMirrorFigure:
        SouthLines(surface, x0, y0, x1, y1, dx, dy);
        break;
    case kNorthFigure:
        NorthLines(surface, x0, y0, x1, y1, dx, dy);
        break;
    case kEastFigure:
    case kEastFramedFigure:
        EastLines(surface, x0, y0, x1, y1, dx, dy);
        break;
    default:
        break;
    }
}

void DrawFigureFrame(int kind, DrawSurface& surface, int x0, int y0, int x1, int y1, int dx, bool doubleFrame,
                     int step, ColorRef color) {
    if (kind == kEastFigure) return;
    surface.SelectPen(LogicalPen{color, 1, PenStyle::kSolid});
    Outline(surface, x0, y0, x1, y1);
    if (!doubleFrame) return;
    Outline(surface, x0 - 2 * step, y0 - 2 * step, x1 + 2 * step, y1 + 2 * step);
    constexpr int kThirdFrameMinCell = 90; // a cell at least this wide gets a third frame rectangle
    if (dx >= kThirdFrameMinCell || g_bScaledCapture)
        Outline(surface, x0 - 3 * step, y0 - 3 * step, x1 + 3 * step, y1 + 3 * step);
}

void DrawChartFigure(int kind, DrawSurface& surface, int x0, int y0, int x1, int y1, int dx, int dy,
                     bool doubleFrame, ColorRef color) {
    if (!g_bPrinting) {
        DrawFigureLines(kind, surface, x0, y0, x1, y1, dx, dy, color);
        DrawFigureFrame(kind, surface, x0, y0, x1, y1, dx, doubleFrame, 1, color);
        return;
    }
    const auto sx = [](int v) { return static_cast<int>(v * g_dDrawScaleX); };
    const auto sy = [](int v) { return static_cast<int>(v * g_dDrawScaleY); };
    x0 = sx(x0), x1 = sx(x1), dx = sx(dx);
    y0 = sy(y0), y1 = sy(y1), dy = sy(dy);
    DrawFigureLines(kind, surface, x0, y0, x1, y1, dx, dy, color);
    const int n = std::min(static_cast<int>(g_dDrawScaleX * 0.5), static_cast<int>(g_dDrawScaleY * 0.5));
    if (n < 1) {
        DrawFigureFrame(kind, surface, x0 - 1, y0 - 1, x1 + 1, y1 + 1, dx, doubleFrame, 1, color);
        return;
    }
    for (int k = 1; k <= n; ++k) {
        DrawFigureLines(kind, surface, x0 - k, y0, x1 - k, y1, dx, dy, color);
        DrawFigureLines(kind, surface, x0 + k, y0, x1 + k, y1, dx, dy, color);
        DrawFigureLines(kind, surface, x0, y0 - k, x1, y1 - k, dx, dy, color);
        DrawFigureLines(kind, surface, x0, y0 + k, x1, y1 + k, dx, dy, color);
        DrawFigureFrame(kind, surface, x0 - k, y0 - k, x1 + k, y1 + k, dx, doubleFrame, n + 1, color);
    }
}
