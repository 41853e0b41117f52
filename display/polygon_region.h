#pragma once
// The convex cell polygon of a chart: filled when its sign is highlighted and hit-tested on a click.
// Points are device units of the surface the chart is drawn on; a point on the boundary is inside.
#include <array>

#include "platform/draw_surface.h"

class CPolygonRegion {
public:
    static constexpr int kCapacity = 20;

    // Replaces the vertices (in drawing order); a list longer than kCapacity keeps its first kCapacity.
    void SetPoints(std::initializer_list<Point> points);
    int Count() const { return count; }
    const Point& operator[](int i) const { return points[i]; }

    // Fills the polygon with `fill` and draws no outline.
    void Fill(DrawSurface& surface, ColorRef fill) const;
    // True when (x, y) lies inside the polygon or on its boundary; false for an empty region.
    bool ContainsPoint(int x, int y) const;

    std::array<Point, kCapacity> points{};
    int count = 0;
};

// True when P lies on the same side of the line through A and B as C (or on that line).
bool IsOnInnerSide(Point a, Point b, Point c, Point p);

// One North Indian cell in the rectangle (x0, y0)-(x1, y1): shape 0 the diamond touching the middles of
// the sides, 1-4 the triangle on the top, left, bottom or right side with its apex at the centre. Any
// other shape leaves the region unchanged.
void CalcNorthIndianCell(CPolygonRegion& region, int shape, int x0, int y0, int x1, int y1);

// One East Indian cell in the grid square (x0, y0)-(x1, y1): shape 0 the whole square, 1-4 the
// triangle with its right angle top-right, bottom-left, top-left or bottom-right. Any other shape leaves
// the region unchanged.
void SetCellPolygon(CPolygonRegion& region, int shape, int x0, int y0, int x1, int y1);
