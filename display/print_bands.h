#pragma once
// Two surfaces that let the printed report break its pieces between pages: one measures what a piece
// draws without drawing it, the other draws only the part of a piece that falls in a band of its height.
// Both measure text on the surface they stand for, so a text's box is the one it takes on paper.
#include <climits>
#include <vector>

#include "platform/draw_surface.h"
#include "platform/measuring_surface.h"

// The box of a text whose measured extent is `taken` once aligned in `rect` by `format`.
Rect AlignedTextBox(const Rect& taken, const Rect& rect, std::uint32_t format);
// The box `text` takes when drawn in `rect` with `format` (alignment within the rectangle applied), as
// `measure` lays it out in its current font.
Rect DrawnTextBox(DrawSurface& measure, std::string_view text, const Rect& rect, std::uint32_t format);

// Draws nothing: keeps the box of every text, line and figure drawn, in the drawing's own device
// units. Measuring, the font and whether it stands for a printer are those of `measure`.
class ExtentSurface : public MeasuringSurface {
public:
    explicit ExtentSurface(DrawSurface& measure) : MeasuringSurface(measure) {}
    // Every box drawn, in order.
    const std::vector<Rect>& Boxes() const { return m_boxes; }

    void SelectPen(const LogicalPen& pen) override {
        m_penWidth = pen.style == PenStyle::kNull ? 0 : pen.width;
    }
    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override { Polyline(points); }
    void Rectangle(const Rect& rect) override { Keep(rect); }
    void FillRect(const Rect& rect, ColorRef) override { Keep(rect); }
    void Ellipse(const Rect& bounds) override { Keep(bounds); }
    void Arc(const Rect& bounds, double, double) override { Keep(bounds); }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override;

private:
    void Keep(const Rect& box);

    std::vector<Rect> m_boxes;
    int m_penWidth = 1;
};

// A band of a piece's height, device units of its drawing: from `top` (included) to `bottom` (left
// out); the first band of a piece starts at INT_MIN and its last ends at INT_MAX.
struct Band {
    int top = INT_MIN;
    int bottom = INT_MAX;
    bool Holds(int y) const { return y >= top && y < bottom; }
    bool operator==(const Band&) const = default;
};

// Passes to `target` every drawing whose box starts in `band` (the state calls always), nothing else:
// a piece drawn once for each of its bands puts each text on exactly one page.
class BandSurface : public DrawSurface {
public:
    BandSurface(DrawSurface& target, Band band) : m_target(target), m_band(band) {}

    void SelectPen(const LogicalPen& pen) override { m_target.SelectPen(pen); }
    void SelectBrush(const LogicalBrush& brush) override { m_target.SelectBrush(brush); }
    void SelectFont(const LogicalFont& font) override { m_target.SelectFont(font); }
    void SetTextColor(ColorRef color) override { m_target.SetTextColor(color); }
    void SetTextBackground(ColorRef color, bool opaque) override {
        m_target.SetTextBackground(color, opaque);
    }
    void SetTextHalo(ColorRef color, int width) override { m_target.SetTextHalo(color, width); }
    void SetClipRect(const Rect& clip) override { m_target.SetClipRect(clip); }
    void ClearClip() override { m_target.ClearClip(); }
    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect& rect, ColorRef color) override;
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect& bounds, double startDegrees, double spanDegrees) override;
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override;
    Size TextExtent(std::string_view text) override { return m_target.TextExtent(text); }
    double DevicePixelRatio() const override { return m_target.DevicePixelRatio(); }
    void SetViewportOrigin(Point origin) override { m_target.SetViewportOrigin(origin); }
    bool IsPrinter() const override { return m_target.IsPrinter(); }

private:
    DrawSurface& m_target;
    Band m_band;
};
