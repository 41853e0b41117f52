#pragma once
// What a chakra's figure takes on the page, for the body labels to keep clear of: the figure is drawn
// onto this surface, which draws nothing but keeps the strokes, the circles (as short chords) and the
// texts' extents, measuring texts on the surface the chakra is drawn on. Labels then take the first
// place near their slot that no stroke crosses and no text or earlier label covers. All coordinates
// are pixels of the pane.
#include <vector>

#include "platform/draw_surface.h"

class FigureObstacles : public DrawSurface {
public:
    // Texts are measured on `measure` (its font is selected as the figure selects one).
    explicit FigureObstacles(DrawSurface& measure) : m_measure(measure) {}

    void SelectPen(const LogicalPen&) override {}
    void SelectBrush(const LogicalBrush&) override {}
    void SelectFont(const LogicalFont& font) override { m_measure.SelectFont(font); }
    void SetTextColor(ColorRef) override {}
    void SetTextBackground(ColorRef, bool) override {}
    void SetClipRect(const Rect&) override {}
    void ClearClip() override {}
    void Line(Point from, Point to) override { m_strokes.push_back({from, to}); }
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect&, ColorRef) override {}
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect&, double, double) override {}
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override;
    Size TextExtent(std::string_view text) override { return m_measure.TextExtent(text); }
    double DevicePixelRatio() const override { return m_measure.DevicePixelRatio(); }
    void SetViewportOrigin(Point) override {}
    bool IsPrinter() const override { return m_measure.IsPrinter(); }

    // A text's extent is taken as well (a star's name, a label placed).
    void AddBox(const Rect& box) { m_boxes.push_back(box); }
    // Whether a stroke of the figure runs through `box`.
    bool IsCrossed(const Rect& box) const;
    // Whether `box` meets no stroke, grown by `gap` pixels on every side, and no box, `gap` pixels apart
    // side by side (boxes may touch above and below).
    bool IsClear(const Rect& box, int gap) const;
    // `box` moved as little as it takes to be clear (the nearest ring of shifts first), by up to
    // `reach` pixels each way; `box` itself when no such place is found.
    Rect ClearPlace(const Rect& box, int gap, int reach) const;

private:
    struct Stroke {
        Point from;
        Point to;
    };
    DrawSurface& m_measure;
    std::vector<Stroke> m_strokes;
    std::vector<Rect> m_boxes;
};
