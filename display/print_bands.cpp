#include "display/print_bands.h"

#include <algorithm>

namespace {

Rect BoundsOf(std::span<const Point> points) {
    if (points.empty()) return Rect{};
    Rect box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

} // namespace

Rect AlignedTextBox(const Rect& taken, const Rect& rect, std::uint32_t format) {
    const int width = taken.Width(), height = taken.Height();
    int left = rect.left;
    if (format & kTextCenter)
        left = (rect.left + rect.right - width) / 2;
    else if (format & kTextRight)
        left = rect.right - width;
    int top = rect.top;
    if ((format & kTextSingleLine) && (format & kTextVCenter))
        top = (rect.top + rect.bottom - height) / 2;
    else if ((format & kTextSingleLine) && (format & kTextBottom))
        top = rect.bottom - height;
    return Rect{left, top, left + width, top + height};
}

Rect DrawnTextBox(DrawSurface& measure, std::string_view text, const Rect& rect, std::uint32_t format) {
    return AlignedTextBox(measure.DrawText(text, rect, format | kTextCalcRect), rect, format);
}

void ExtentSurface::Keep(const Rect& box) {
    // A line's pen reaches half its width beyond the points.
    const int half = (m_penWidth + 1) / 2;
    m_boxes.push_back(Rect{box.left - half, box.top - half, box.right + half, box.bottom + half});
}

void ExtentSurface::Line(Point from, Point to) {
    const Point ends[] = {from, to};
    Keep(BoundsOf(ends));
}

void ExtentSurface::Polyline(std::span<const Point> points) {
    if (!points.empty()) Keep(BoundsOf(points));
}

Rect ExtentSurface::DrawText(std::string_view text, const Rect& rect, std::uint32_t format) {
    if (format & kTextCalcRect) return m_measure.DrawText(text, rect, format);
    const Rect box = DrawnTextBox(m_measure, text, rect, format);
    if (box.Width() > 0 && box.Height() > 0) m_boxes.push_back(box);
    return Rect{rect.left, rect.top, rect.left + box.Width(), rect.top + box.Height()};
}

void BandSurface::Line(Point from, Point to) {
    if (m_band.Holds(std::min(from.y, to.y))) m_target.Line(from, to);
}

void BandSurface::Polyline(std::span<const Point> points) {
    if (!points.empty() && m_band.Holds(BoundsOf(points).top)) m_target.Polyline(points);
}

void BandSurface::Polygon(std::span<const Point> points) {
    if (!points.empty() && m_band.Holds(BoundsOf(points).top)) m_target.Polygon(points);
}

void BandSurface::Rectangle(const Rect& rect) {
    if (m_band.Holds(rect.top)) m_target.Rectangle(rect);
}

void BandSurface::FillRect(const Rect& rect, ColorRef color) {
    if (m_band.Holds(rect.top)) m_target.FillRect(rect, color);
}

void BandSurface::Ellipse(const Rect& bounds) {
    if (m_band.Holds(bounds.top)) m_target.Ellipse(bounds);
}

void BandSurface::Arc(const Rect& bounds, double startDegrees, double spanDegrees) {
    if (m_band.Holds(bounds.top)) m_target.Arc(bounds, startDegrees, spanDegrees);
}

Rect BandSurface::DrawText(std::string_view text, const Rect& rect, std::uint32_t format) {
    if (format & kTextCalcRect) return m_target.DrawText(text, rect, format);
    const Rect box = DrawnTextBox(m_target, text, rect, format);
    if (m_band.Holds(box.top)) return m_target.DrawText(text, rect, format);
    return Rect{rect.left, rect.top, rect.left + box.Width(), rect.top + box.Height()};
}
