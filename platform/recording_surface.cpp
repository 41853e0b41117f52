#include "platform/recording_surface.h"

#include <cstdio>
#include <vector>

namespace {

std::string Format(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Format(Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string Format(std::span<const Point> points) {
    std::string text;
    for (const Point& p : points) text += " " + Format(p);
    return text;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06x", value);
    return text;
}

} // namespace

RecordingSurface::RecordingSurface() : m_measure(Size{1, 1}) {}

void RecordingSurface::Record(std::string text, std::function<void(DrawSurface&)> replay) {
    m_calls.push_back(std::move(text));
    m_replays.push_back(std::move(replay));
}

void RecordingSurface::Replay(DrawSurface& target) const {
    for (const auto& replay : m_replays) replay(target);
}

void RecordingSurface::SelectPen(const LogicalPen& pen) {
    Record("SelectPen " + Hex(pen.color) + " " + std::to_string(pen.width) + " " +
               std::to_string(static_cast<int>(pen.style)),
           [pen](DrawSurface& s) { s.SelectPen(pen); });
}

void RecordingSurface::SelectBrush(const LogicalBrush& brush) {
    Record("SelectBrush " + (brush.hollow ? std::string("hollow") : Hex(brush.color)),
           [brush](DrawSurface& s) { s.SelectBrush(brush); });
}

void RecordingSurface::SelectFont(const LogicalFont& font) {
    m_measure.Surface().SelectFont(font);
    Record("SelectFont \"" + font.faceName + "\" " + std::to_string(font.height) + " " +
               std::to_string(font.width) + " " + std::to_string(font.weight),
           [font](DrawSurface& s) { s.SelectFont(font); });
}

void RecordingSurface::SetTextColor(ColorRef color) {
    Record("SetTextColor " + Hex(color), [color](DrawSurface& s) { s.SetTextColor(color); });
}

void RecordingSurface::SetTextBackground(ColorRef color, bool opaque) {
    Record("SetTextBackground " + Hex(color) + (opaque ? " opaque" : " transparent"),
           [color, opaque](DrawSurface& s) { s.SetTextBackground(color, opaque); });
}

void RecordingSurface::SetTextHalo(ColorRef color, int width) {
    Record("SetTextHalo " + Hex(color) + " " + std::to_string(width),
           [color, width](DrawSurface& s) { s.SetTextHalo(color, width); });
}

void RecordingSurface::SetClipRect(const Rect& clip) {
    Record("SetClipRect " + Format(clip), [clip](DrawSurface& s) { s.SetClipRect(clip); });
}

void RecordingSurface::SetViewportOrigin(Point origin) {
    Record("SetViewportOrigin " + Format(origin), [origin](DrawSurface& s) { s.SetViewportOrigin(origin); });
}

void RecordingSurface::ClearClip() {
    Record("ClearClip", [](DrawSurface& s) { s.ClearClip(); });
}

void RecordingSurface::Line(Point from, Point to) {
    Record("Line " + Format(from) + " " + Format(to), [from, to](DrawSurface& s) { s.Line(from, to); });
}

void RecordingSurface::Polyline(std::span<const Point> points) {
    Record("Polyline" + Format(points),
           [copy = std::vector<Point>(points.begin(), points.end())](DrawSurface& s) { s.Polyline(copy); });
}

void RecordingSurface::Polygon(std::span<const Point> points) {
    Record("Polygon" + Format(points),
           [copy = std::vector<Point>(points.begin(), points.end())](DrawSurface& s) { s.Polygon(copy); });
}

void RecordingSurface::Rectangle(const Rect& rect) {
    Record("Rectangle " + Format(rect), [rect](DrawSurface& s) { s.Rectangle(rect); });
}

void RecordingSurface::FillRect(const Rect& rect, ColorRef color) {
    Record("FillRect " + Format(rect) + " " + Hex(color),
           [rect, color](DrawSurface& s) { s.FillRect(rect, color); });
}

void RecordingSurface::Ellipse(const Rect& bounds) {
    Record("Ellipse " + Format(bounds), [bounds](DrawSurface& s) { s.Ellipse(bounds); });
}

void RecordingSurface::Arc(const Rect& bounds, double startDegrees, double spanDegrees) {
    Record("Arc " + Format(bounds) + " " + std::to_string(startDegrees) + " " + std::to_string(spanDegrees),
           [=](DrawSurface& s) { s.Arc(bounds, startDegrees, spanDegrees); });
}

Rect RecordingSurface::DrawText(std::string_view text, const Rect& rect, std::uint32_t format) {
    const Rect taken = m_measure.Surface().DrawText(text, rect, format | kTextCalcRect);
    if (format & kTextCalcRect) return taken;
    Record("DrawText \"" + std::string(text) + "\" " + Format(rect) + " " + Hex(format),
           [copy = std::string(text), rect, format](DrawSurface& s) { s.DrawText(copy, rect, format); });
    return taken;
}

Size RecordingSurface::TextExtent(std::string_view text) {
    return m_measure.Surface().TextExtent(text);
}
