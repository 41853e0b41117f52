#include "display/label_placement.h"

#include <algorithm>
#include <cstdlib>

#include "display/polygon_region.h"

namespace {

// Which side of the directed line from a to b the point p lies on (positive: left in device units).
long long Side(Point a, Point b, Point p) {
    return static_cast<long long>(b.x - a.x) * (p.y - a.y) - static_cast<long long>(b.y - a.y) * (p.x - a.x);
}

// Whether p lies inside the convex polygon or on its boundary, whichever way round it runs.
bool Inside(std::span<const Point> polygon, Point p) {
    bool left = false, right = false;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const long long s = Side(polygon[i], polygon[(i + 1) % polygon.size()], p);
        left = left || s > 0;
        right = right || s < 0;
    }
    return !(left && right);
}

// The part of the convex polygon on the inner side of one edge of a rectangle (Sutherland-Hodgman).
template <class Keep, class Cut>
std::vector<Point> ClipEdge(const std::vector<Point>& polygon, Keep keep, Cut cut) {
    std::vector<Point> out;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % polygon.size()];
        if (keep(a)) out.push_back(a);
        if (keep(a) != keep(b)) out.push_back(cut(a, b));
    }
    return out;
}

// The point of the segment a-b at x (or y) = v.
Point AtX(Point a, Point b, int v) {
    return Point{v, a.y + static_cast<int>(static_cast<long long>(b.y - a.y) * (v - a.x) / (b.x - a.x))};
}
Point AtY(Point a, Point b, int v) {
    return Point{a.x + static_cast<int>(static_cast<long long>(b.x - a.x) * (v - a.y) / (b.y - a.y)), v};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect Grown(const Rect& box, int by) {
    return Rect{box.left - by, box.top - by, box.right + by, box.bottom + by};
}

Rect Moved(const Rect& box, Point by) {
    return Rect{box.left + by.x, box.top + by.y, box.right + by.x, box.bottom + by.y};
}

bool IsClear(const Rect& box, std::span<const Point> room, const std::vector<Rect>& taken) {
    const Rect outer = Grown(box, kLabelClearance);
    const Point corners[] = {{outer.left, outer.top},
                             {outer.right, outer.top},
                             {outer.right, outer.bottom},
                             {outer.left, outer.bottom}};
    if (!std::all_of(std::begin(corners), std::end(corners), [&](Point p) { return Inside(room, p); }))
        return false;
    return std::none_of(taken.begin(), taken.end(), [&](const Rect& t) { return Overlap(outer, t); });
}

} // namespace

Rect LetterBox(const Rect& extent) {
    const int h = extent.Height();
    return Rect{extent.left, extent.top + h / 6, extent.right, extent.bottom - h / 5};
}

Rect InkBox(const Rect& extent) {
    return Rect{extent.left, extent.top + extent.Height() / 8, extent.right, extent.bottom + 1};
}

std::vector<Point> LabelRoom(const CPolygonRegion& cell, const std::optional<Rect>& area) {
    std::vector<Point> room(cell.points.begin(), cell.points.begin() + cell.Count());
    if (!area || room.size() < 3) return room;
    const Rect& r = *area;
    room = ClipEdge(
        room, [&](Point p) { return p.x >= r.left; }, [&](Point a, Point b) { return AtX(a, b, r.left); });
    room = ClipEdge(
        room, [&](Point p) { return p.x <= r.right; }, [&](Point a, Point b) { return AtX(a, b, r.right); });
    room = ClipEdge(
        room, [&](Point p) { return p.y >= r.top; }, [&](Point a, Point b) { return AtY(a, b, r.top); });
    room = ClipEdge(
        room, [&](Point p) { return p.y <= r.bottom; },
        [&](Point a, Point b) { return AtY(a, b, r.bottom); });
    return room;
}

std::vector<std::optional<Point>> PlaceLabels(std::span<const Rect> letters, std::span<const Point> room,
                                              std::span<const Rect> fixed) {
    std::vector<std::optional<Point>> moves(letters.size());
    if (room.size() < 3) return moves;
    int minX = room[0].x, maxX = room[0].x, minY = room[0].y, maxY = room[0].y;
    for (const Point& p : room) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    std::vector<Rect> taken(fixed.begin(), fixed.end());
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const Rect& box = letters[i];
        // Rings of moves ever further out, a step apart: the first clear place on the nearest ring.
        constexpr int kStep = 1; // pixels
        const int reach = std::max(maxX - minX, maxY - minY);
        for (int r = 0; r <= reach && !moves[i]; r += kStep) {
            for (int dy = -r; dy <= r && !moves[i]; dy += kStep) {
                const int across = (dy == -r || dy == r) ? kStep : 2 * r;
                for (int dx = -r; dx <= r; dx += std::max(across, 1)) {
                    const Rect tried = Moved(box, Point{dx, dy});
                    if (tried.left < minX || tried.right > maxX || tried.top < minY || tried.bottom > maxY)
                        continue;
                    if (IsClear(tried, room, taken)) {
                        moves[i] = Point{dx, dy};
                        taken.push_back(Grown(tried, kLabelClearance));
                        break;
                    }
                }
            }
        }
    }
    return moves;
}
