#include "display/label_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "display/polygon_region.h"

namespace {

// Which side of the directed line from a to b the point p lies on (positive: left in device units).
long long Side(Point a, Point b, Point p) {
    return static_cast<long long>(b.x - a.x) * (p.y - a.y) - static_cast<long long>(b.y - a.y) * (p.x - a.x);
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

Rect Grown(const Rect& box, int by) {
    return Rect{box.left - by, box.top - by, box.right + by, box.bottom + by};
}

// The box the ink of `text`, taking `extent`, may take: from a little above its capitals (InkBox) down to
// its baseline, or to a pixel below its extent when a bracket or a letter reaches under the baseline; a
// pixel wider on either side, for the glyphs that reach past their advance (a closing bracket).
Rect EdgeBox(const Rect& extent, std::string_view text) {
    const Rect ink = InkBox(extent);
    const bool descends = text.find_first_of("()[]{}gjpqy,;") != std::string_view::npos;
    return Rect{ink.left - 1, ink.top, ink.right + 1, descends ? ink.bottom : LetterBox(extent).bottom};
}

// The moves (dx, dy) a label may take, row by row (a row: the moves dy down), each row made when the
// search first reaches it: the range of dx at which the box of its ink lies inside the room and within the
// room's bounds, less the ranges at which its letters would meet a taken box. Ranges are inclusive.
class MoveRows {
public:
    // `ink`: the box its ink may take; `letters`: its letters' box; `reach`: the largest move either way.
    MoveRows(const Rect& ink, const Rect& letters, std::span<const Point> room, const Rect& bounds, int reach,
             std::span<const Rect> taken)
        : m_ink(ink), m_edges(Grown(ink, kLabelClearance)), m_kept(Grown(letters, kLabelClearance)),
          m_room(room), m_bounds(bounds), m_reach(reach), m_taken(taken), m_rows(2 * std::size_t(reach) + 1) {
        long long area = 0; // twice the room's signed area
        for (std::size_t i = 0; i < room.size(); ++i)
            area += Side(Point{}, room[i], room[(i + 1) % room.size()]);
        m_orientation = area > 0 ? 1 : -1;
    }

    // The least move dx from `from` to `to` in row `dy` at which the label is clear; nothing when none.
    std::optional<int> FirstFree(int dy, long long from, long long to) {
        const Row& row = RowAt(dy);
        if (row.low > row.high) return std::nullopt;
        long long x = std::max(from, row.low);
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t k = row.firstBlocked; k < row.endBlocked; ++k)
                if (m_blocked[k].first <= x && x <= m_blocked[k].second)
                    x = m_blocked[k].second + 1, moved = true;
        }
        if (x > std::min(to, row.high)) return std::nullopt;
        return static_cast<int>(x);
    }
    // Whether row `dy` has a clear move anywhere.
    bool AnyFree(int dy) {
        const Row& row = RowAt(dy);
        return FirstFree(dy, row.low, row.high).has_value();
    }

private:
    struct Row {
        bool made = false;
        long long low = 1, high = 0;
        std::size_t firstBlocked = 0, endBlocked = 0;
    };

    const Row& RowAt(int dy) {
        Row& row = m_rows[dy + m_reach];
        if (row.made) return row;
        row.made = true;
        // The ink within the room's bounds.
        if (m_ink.top + dy < m_bounds.top || m_ink.bottom + dy > m_bounds.bottom) return row;
        row.low = m_bounds.left - m_ink.left;
        row.high = m_bounds.right - m_ink.right;
        // Each corner of the grown ink box on the inner side of each edge of the convex room (on it counts):
        // orientation x Side(a, b, (x, y)) >= 0, a bound on x at each of the box's two heights.
        for (const int y : {m_edges.top + dy, m_edges.bottom + dy}) {
            for (std::size_t i = 0; i < m_room.size(); ++i) {
                const Point a = m_room[i];
                const Point b = m_room[(i + 1) % m_room.size()];
                const long long across = static_cast<long long>(m_orientation) * (b.y - a.y);
                const long long along = static_cast<long long>(m_orientation) * (b.x - a.x) * (y - a.y);
                if (across > 0)
                    row.high = std::min(row.high, a.x + FloorDiv(along, across) - m_edges.right);
                else if (across < 0)
                    row.low = std::max(row.low, a.x - FloorDiv(along, -across) - m_edges.left);
                else if (along < 0)
                    row.high = row.low - 1;
            }
        }
        row.firstBlocked = m_blocked.size();
        for (const Rect& t : m_taken)
            if (m_kept.top + dy < t.bottom && t.top < m_kept.bottom + dy)
                m_blocked.emplace_back(t.left - m_kept.right + 1, t.right - m_kept.left - 1);
        row.endBlocked = m_blocked.size();
        return row;
    }

    static long long FloorDiv(long long a, long long b) {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
    }

    Rect m_ink, m_edges, m_kept;
    std::span<const Point> m_room;
    Rect m_bounds;
    int m_reach;
    std::span<const Rect> m_taken;
    int m_orientation = 1;
    std::vector<Row> m_rows;
    std::vector<std::pair<long long, long long>> m_blocked; // of every row made
};

// The moves a label, `text` taking `extent`, may take in `room` clear of `taken` (MoveRows); nothing when
// its ink is larger than the room's bounds or the room has no area. `reach` becomes the largest move.
std::optional<MoveRows> MovesIn(const Rect& extent, std::string_view text, std::span<const Point> room,
                                std::span<const Rect> taken, int& reach) {
    if (room.size() < 3) return std::nullopt;
    Rect bounds{room[0].x, room[0].y, room[0].x, room[0].y};
    long long area = 0; // twice the room's signed area
    for (std::size_t i = 0; i < room.size(); ++i) {
        const Point& p = room[i];
        bounds = Rect{std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x),
                      std::max(bounds.bottom, p.y)};
        area += Side(Point{}, p, room[(i + 1) % room.size()]);
    }
    const Rect ink = EdgeBox(extent, text);
    if (ink.Width() > bounds.Width() || ink.Height() > bounds.Height() || area == 0) return std::nullopt;
    reach = std::max(bounds.Width(), bounds.Height());
    return std::make_optional<MoveRows>(ink, LetterBox(extent), room, bounds, reach, taken);
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

std::vector<Point> WidenedRoom(const std::vector<Point>& room, int by) {
    std::vector<Point> corners; // without repeated corners
    for (const Point& p : room)
        if (corners.empty() || p.x != corners.back().x || p.y != corners.back().y) corners.push_back(p);
    while (corners.size() > 1 && corners.front().x == corners.back().x &&
           corners.front().y == corners.back().y)
        corners.pop_back();
    const std::size_t n = corners.size();
    long long area = 0; // twice the signed area
    for (std::size_t i = 0; i < n; ++i) area += Side(Point{}, corners[i], corners[(i + 1) % n]);
    if (n < 3 || area == 0) return room;
    const double turn = area > 0 ? 1.0 : -1.0;
    // Each edge's line moved outward, then each corner where the moved lines of its two edges meet.
    struct Line {
        double x, y, dx, dy;
    };
    std::vector<Line> lines;
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = corners[i], b = corners[(i + 1) % n];
        const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        // The outward normal: to the right of the edge for a room whose corners run with positive area.
        const double nx = turn * dy / length, ny = -turn * dx / length;
        lines.push_back({a.x + nx * by, a.y + ny * by, dx, dy});
    }
    std::vector<Point> widened;
    for (std::size_t i = 0; i < n; ++i) {
        const Line& p = lines[(i + n - 1) % n];
        const Line& q = lines[i];
        const double across = p.dx * q.dy - p.dy * q.dx;
        const double t = across == 0 ? 1.0 : ((q.x - p.x) * q.dy - (q.y - p.y) * q.dx) / across;
        widened.push_back(Point{static_cast<int>(std::lround(p.x + t * p.dx)),
                                static_cast<int>(std::lround(p.y + t * p.dy))});
    }
    return widened;
}

std::optional<Point> FindClearPlace(const Rect& extent, std::string_view text, std::span<const Point> room,
                                    std::span<const Rect> taken) {
    int reach = 0;
    std::optional<MoveRows> rows = MovesIn(extent, text, room, taken, reach);
    if (!rows) return std::nullopt;
    if (rows->FirstFree(0, 0, 0)) return Point{0, 0};
    // Before the rings are searched, whether any row has a clear move, the rows nearest the label first.
    bool anywhere = false;
    for (int d = 1; d <= 2 * reach + 1 && !anywhere; ++d) anywhere = rows->AnyFree(d % 2 ? d / 2 : -(d / 2));
    if (!anywhere) return std::nullopt;
    // Rings of moves ever further out, a pixel apart: the first clear place on the nearest ring, row by row
    // from the top, each row from the left.
    for (int r = 1; r <= reach; ++r) {
        for (int dy = -r; dy <= r; ++dy) {
            if (dy == -r || dy == r) {
                if (const std::optional<int> dx = rows->FirstFree(dy, -r, r)) return Point{*dx, dy};
            } else {
                for (const int dx : {-r, r})
                    if (rows->FirstFree(dy, dx, dx)) return Point{dx, dy};
            }
        }
    }
    return std::nullopt;
}

std::optional<Point> FindFirstClearPlace(const Rect& extent, std::string_view text,
                                         std::span<const Point> room, std::span<const Rect> taken,
                                         PackOrder order) {
    int reach = 0;
    std::optional<MoveRows> rows = MovesIn(extent, text, room, taken, reach);
    if (!rows) return std::nullopt;
    if (order == PackOrder::kRows) {
        for (int dy = -reach; dy <= reach; ++dy)
            if (const std::optional<int> dx = rows->FirstFree(dy, -reach, reach)) return Point{*dx, dy};
        return std::nullopt;
    }
    // The least dx clear in any row, the top row of those.
    std::optional<Point> first;
    for (int dy = -reach; dy <= reach; ++dy)
        if (const std::optional<int> dx = rows->FirstFree(dy, -reach, first ? first->x - 1 : reach))
            first = Point{*dx, dy};
    return first;
}

std::optional<Point> FindLeastCoveredPlace(const Rect& extent, std::string_view text,
                                           std::span<const Point> room, std::span<const Rect> taken,
                                           std::span<const Rect> kept) {
    int reach = 0;
    std::optional<MoveRows> rows = MovesIn(extent, text, room, kept, reach);
    if (!rows) return std::nullopt;
    const Rect letters = Grown(LetterBox(extent), kLabelClearance);
    std::optional<Point> best;
    bool bestHalfBuries = false; // it covers a box of `taken` by half or more
    long long bestCover = 0;
    int bestDistance = 0;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (std::optional<int> dx = rows->FirstFree(dy, -reach, reach); dx;
             dx = *dx < reach ? rows->FirstFree(dy, *dx + 1, reach) : std::nullopt) {
            long long cover = 0;
            bool halfBuries = false;
            for (const Rect& t : taken) {
                const long long across =
                    std::min(letters.right + *dx, t.right) - std::max(letters.left + *dx, t.left);
                const long long down =
                    std::min(letters.bottom + dy, t.bottom) - std::max(letters.top + dy, t.top);
                if (across <= 0 || down <= 0) continue;
                cover += across * down;
                halfBuries =
                    halfBuries || 2 * across * down >= static_cast<long long>(t.Width()) * t.Height();
            }
            // No text half buried where the cover can be shared; then the least cover, then the nearest.
            const int distance = std::max(std::abs(*dx), std::abs(dy));
            if (!best || halfBuries < bestHalfBuries ||
                (halfBuries == bestHalfBuries &&
                 (cover < bestCover || (cover == bestCover && distance < bestDistance)))) {
                best = Point{*dx, dy};
                bestHalfBuries = halfBuries;
                bestCover = cover;
                bestDistance = distance;
            }
        }
    }
    return best;
}

bool InkInside(const Rect& extent, std::string_view text, std::span<const Point> room) {
    if (room.size() < 3) return false;
    long long area = 0; // twice the room's signed area
    for (std::size_t i = 0; i < room.size(); ++i) area += Side(Point{}, room[i], room[(i + 1) % room.size()]);
    if (area == 0) return false;
    // Each corner of the grown ink box on the inner side of each edge of the convex room (on it counts).
    const Rect ink = Grown(EdgeBox(extent, text), kLabelClearance);
    const Point corners[] = {
        {ink.left, ink.top}, {ink.right, ink.top}, {ink.right, ink.bottom}, {ink.left, ink.bottom}};
    for (std::size_t i = 0; i < room.size(); ++i)
        for (const Point& corner : corners)
            if ((area > 0 ? 1 : -1) * Side(room[i], room[(i + 1) % room.size()], corner) < 0) return false;
    return true;
}

void TakePlace(const Rect& extent, std::vector<Rect>& taken) {
    taken.push_back(Grown(LetterBox(extent), kLabelClearance));
}

std::optional<int> GreatestFittingHeight(int own, int least, const std::function<bool(int)>& fits) {
    if (fits(own)) return own;
    if (least >= own || !fits(least)) return std::nullopt;
    // `least` fits and `high` does not: halve the heights between them.
    int high = own;
    int last = least;
    while (high - least > 1) {
        last = (least + high) / 2;
        (fits(last) ? least : high) = last;
    }
    // The caller's state is that of the last height tried: the one chosen.
    if (last != least) fits(least);
    return least;
}
