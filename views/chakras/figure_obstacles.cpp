#include "views/chakras/figure_obstacles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "display/label_placement.h"
#include "display/print_bands.h"
#include "display/styled_text.h"

namespace {

constexpr int kCircleChords = 72; // a circle is kept as this many chords: within a pixel at these sizes

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether the segment from p to q meets `box` (Liang-Barsky clipping).
bool Crosses(Point p, Point q, const Rect& box) {
    double t0 = 0, t1 = 1;
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double tests[4][2] = {{-dx, static_cast<double>(p.x - box.left)},
                                {dx, static_cast<double>(box.right - p.x)},
                                {-dy, static_cast<double>(p.y - box.top)},
                                {dy, static_cast<double>(box.bottom - p.y)}};
    for (const auto& [a, b] : tests) {
        if (a == 0) {
            if (b < 0) return false;
            continue;
        }
        const double t = b / a;
        if (a < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// Whether the segments p-q and a-b have a point in common.
bool SegmentsMeet(Point p, Point q, Point a, Point b) {
    const auto side = [](Point from, Point to, Point at) {
        const long long s = static_cast<long long>(to.x - from.x) * (at.y - from.y) -
                            static_cast<long long>(to.y - from.y) * (at.x - from.x);
        return (s > 0) - (s < 0);
    };
    const int d1 = side(a, b, p), d2 = side(a, b, q), d3 = side(p, q, a), d4 = side(p, q, b);
    if (d1 != d2 && d3 != d4) return true;
    // Collinear touching points: a path along a stroke meets it.
    const auto within = [](Point from, Point to, Point at) {
        return std::min(from.x, to.x) <= at.x && at.x <= std::max(from.x, to.x) &&
               std::min(from.y, to.y) <= at.y && at.y <= std::max(from.y, to.y);
    };
    return (d1 == 0 && within(a, b, p)) || (d2 == 0 && within(a, b, q)) || (d3 == 0 && within(p, q, a)) ||
           (d4 == 0 && within(p, q, b));
}

Point Centre(const Rect& box) {
    return Point{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

Rect Moved(const Rect& box, int dx, int dy) {
    return Rect{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

// Whether two boxes whose edges belong to them have a point in common.
bool BoundsMeet(const Rect& a, const Rect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

Rect BoundsOf(Point a, Point b) {
    return Rect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

void FigureObstacles::Line(Point from, Point to) {
    m_strokes.push_back({from, to, BoundsOf(from, to)});
}

void FigureObstacles::Polyline(std::span<const Point> points) {
    for (size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i]);
}

void FigureObstacles::Polygon(std::span<const Point> points) {
    Polyline(points);
    if (points.size() > 2) Line(points.back(), points.front());
}

void FigureObstacles::Rectangle(const Rect& rect) {
    const Point corners[] = {
        {rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    Polygon(corners);
}

void FigureObstacles::Ellipse(const Rect& bounds) {
    const double cx = (bounds.left + bounds.right) / 2.0, cy = (bounds.top + bounds.bottom) / 2.0;
    const double rx = bounds.Width() / 2.0, ry = (bounds.bottom - bounds.top) / 2.0;
    const auto at = [&](int k) {
        const double a = 2 * std::numbers::pi * k / kCircleChords;
        return Point{static_cast<int>(std::lround(cx + rx * std::cos(a))),
                     static_cast<int>(std::lround(cy + ry * std::sin(a)))};
    };
    for (int k = 0; k < kCircleChords; ++k) Line(at(k), at(k + 1));
}

Rect FigureObstacles::DrawText(std::string_view text, const Rect& rect, std::uint32_t format) {
    const Rect taken = m_measure.DrawText(text, rect, format | kTextCalcRect);
    if (!(format & kTextCalcRect)) m_boxes.push_back(AlignedTextBox(taken, rect, format));
    return taken;
}

bool FigureObstacles::IsCrossed(const Rect& box) const {
    return std::any_of(m_strokes.begin(), m_strokes.end(), [&](const Stroke& s) {
        return BoundsMeet(s.bounds, box) && Crosses(s.from, s.to, box);
    });
}

bool FigureObstacles::IsClear(const Rect& box, int gap) const {
    if (IsCrossed(Rect{box.left - gap, box.top - gap, box.right + gap, box.bottom + gap})) return false;
    // A text's box already holds its line's leading: boxes may touch above and below, but keep `gap`
    // between them side by side, so that a label does not read as part of its neighbour.
    const Rect wider{box.left - gap, box.top, box.right + gap, box.bottom};
    return std::none_of(m_boxes.begin(), m_boxes.end(), [&](const Rect& b) { return Overlap(b, wider); });
}

bool FigureObstacles::Reaches(Point from, const Rect& to) const {
    const Point b = Centre(to);
    const Rect path = BoundsOf(from, b);
    return std::none_of(m_strokes.begin(), m_strokes.end(), [&](const Stroke& s) {
        return BoundsMeet(s.bounds, path) && SegmentsMeet(from, b, s.from, s.to);
    });
}

Rect FigureObstacles::ClearPlace(const Rect& box, int gap, int reach,
                                 const std::function<bool(const Rect&)>& allowed) const {
    const auto fits = [&](const Rect& tried) { return IsClear(tried, gap) && (!allowed || allowed(tried)); };
    if (fits(box)) return box;
    // Rings of shifts ever further out, kShiftStep apart: the first fitting place on the nearest ring.
    constexpr int kShiftStep = 2; // pixels
    for (int r = kShiftStep; r <= reach; r += kShiftStep)
        for (int dy = -r; dy <= r; dy += kShiftStep)
            for (int dx = -r; dx <= r; dx += (dy == -r || dy == r) ? kShiftStep : 2 * r)
                if (const Rect tried = Moved(box, dx, dy); fits(tried)) return tried;
    return box;
}

FigureObstacles::LabelPlace
FigureObstacles::PlaceLabel(const LogicalFont& font, const std::function<Rect(const LogicalFont&)>& boxIn,
                            int gap, int reach, const std::function<bool(const Rect&)>& allowed,
                            std::optional<int> least) const {
    LabelPlace place;
    const auto fits = [&](int height) {
        place.font = height == font.height ? font : FontOfHeight(font, height);
        place.own = boxIn(place.font);
        place.placed = ClearPlace(place.own, gap, reach, allowed);
        return IsClear(place.placed, gap) && (!allowed || allowed(place.placed));
    };
    const int lowest = std::min(font.height, least.value_or(CrowdedTextHeight(font.height)));
    place.clear = GreatestFittingHeight(font.height, lowest, fits).has_value();
    if (!place.clear) place.placed = place.own;
    return place;
}
