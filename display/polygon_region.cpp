#include "display/polygon_region.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

void CPolygonRegion::SetPoints(std::initializer_list<Point> list) {
    count = static_cast<int>(std::min<size_t>(list.size(), kCapacity));
    std::copy_n(list.begin(), count, points.begin());
}

void CPolygonRegion::Fill(DrawSurface& surface, ColorRef fill) const {
    if (count < 3) return;
    surface.SelectPen(LogicalPen{fill, 1, PenStyle::kNull});
    surface.SelectBrush(LogicalBrush{fill, false});
    surface.Polygon(std::span<const Point>(points.data(), static_cast<size_t>(count)));
}

bool CPolygonRegion::ContainsPoint(int x, int y) const {
    if (count < 3) return false;
    const auto [minX, maxX] = std::minmax_element(points.begin(), points.begin() + count,
                                                  [](const Point& a, const Point& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(points.begin(), points.begin() + count,
                                                  [](const Point& a, const Point& b) { return a.y < b.y; });
    if (x < minX->x || x > maxX->x || y < minY->y || y > maxY->y) return false;
    // The edges close the polygon by wrapping the indices, so no copy is written behind the last vertex.
    for (int i = 0; i < count; ++i) {
        if (!IsOnInnerSide(points[i], points[(i + 1) % count], points[(i + 2) % count], Point{x, y}))
            return false;
    }
    return true;
}

namespace {

// Direction from `from` to `to` in radians, [0, 2 pi).
double DirectionAngle(Point from, Point to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    if (dy == 0) return dx > 0 ? 0.0 : std::numbers::pi;
    if (dx == 0) return dy > 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
    double angle = std::atan2(dy, dx);
    while (angle < 0) angle += 2 * std::numbers::pi;
    return angle;
}

double TurnFrom(double base, double angle) {
    double turn = angle - base;
    while (turn < 0) turn += 2 * std::numbers::pi;
    return turn;
}

} // namespace

bool IsOnInnerSide(Point a, Point b, Point c, Point p) {
    if (c == a || c == b || p == a || p == b) return true;
    const double base = DirectionAngle(a, b);
    const double turnC = TurnFrom(base, DirectionAngle(a, c));
    const double turnP = TurnFrom(base, DirectionAngle(a, p));
    constexpr double kPi = std::numbers::pi;
    return (turnC <= kPi && turnP <= kPi) || (turnC >= kPi && turnP >= kPi);
}

void CalcNorthIndianCell(CPolygonRegion& region, int shape, int x0, int y0, int x1, int y1) {
    const int mx = (x0 + x1) / 2;
    const int my = (y0 + y1) / 2;
    switch (shape) {
    case 0:
        region.SetPoints({{mx, y0}, {x1, my}, {mx, y1}, {x0, my}});
        break;
    case 1:
        region.SetPoints({{x0, y0}, {x1, y0}, {mx, my}});
        break;
    case 2:
        region.SetPoints({{x0, y0}, {x0, y1}, {mx, my}});
        break;
    case 3:
        region.SetPoints({{x0, y1}, {x1, y1}, {mx, my}});
        break;
    case 4:
        region.SetPoints({{x1, y0}, {x1, y1}, {mx, my}});
        break;
    default:
        break;
    }
}

void SetCellPolygon(CPolygonRegion& region, int shape, int x0, int y0, int x1, int y1) {
    switch (shape) {
    case 0:
        region.SetPoints({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
        break;
    case 1:
        region.SetPoints({{x0, y0}, {x1, y0}, {x1, y1}});
        break;
    case 2:
        region.SetPoints({{x0, y0}, {x1, y1}, {x0, y1}});
        break;
    case 3:
        region.SetPoints({{x0, y0}, {x1, y0}, {x0, y1}});
        break;
    case 4:
        region.SetPoints({{x1, y0}, {x1, y1}, {x0, y1}});
        break;
    default:
        break;
    }
}
