#pragma once
// What a chakra's figure takes on the page, for the body labels to keep clear of: the figure is drawn
// onto this surface, which draws nothing but keeps the strokes, the circles (as short chords) and the
// texts' extents, measuring texts on the surface the chakra is drawn on. Labels then take the first
// place near their slot that no stroke crosses and no text or earlier label covers, made lower where
// there is none, and written over what is there where there is none even so. All coordinates are pixels
// of the pane.
#include <functional>
#include <optional>
#include <vector>

#include "platform/logical_font.h"
#include "platform/measuring_surface.h"

class FigureObstacles : public MeasuringSurface {
public:
    explicit FigureObstacles(DrawSurface& measure) : MeasuringSurface(measure) {}

    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect&, ColorRef) override {}
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect&, double, double) override {}
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override;

    // A text's extent is taken as well (a star's name, a label placed).
    void AddBox(const Rect& box) { m_boxes.push_back(box); }
    // Whether a stroke of the figure runs through `box`.
    bool IsCrossed(const Rect& box) const;
    // Whether `box` meets no stroke, grown by `gap` pixels on every side, and no box, `gap` pixels apart
    // side by side (boxes may touch above and below).
    bool IsClear(const Rect& box, int gap) const;
    // `box` moved as little as it takes to be clear (the nearest ring of shifts first), by up to
    // `reach` pixels each way, to a place `allowed` takes when one is given; `box` itself when no such
    // place is found.
    Rect ClearPlace(const Rect& box, int gap, int reach,
                    const std::function<bool(const Rect&)>& allowed = {}) const;
    // Whether no stroke runs between `from` and the middle of `to`.
    bool Reaches(Point from, const Rect& to) const;

    // Where a label goes as crowded places have it: in `font` at the nearest clear place (ClearPlace),
    // else in the highest lower font that finds one, down to `least` (the crowded height when not given);
    // else, in that font, at its own place, over what is there. `boxIn`(font) gives the box the label takes
    // at its own place in a font (its extent or its ink). Gives the font, the box at its own place, the box
    // at the place and whether that place is clear.
    struct LabelPlace {
        LogicalFont font;
        Rect own;
        Rect placed;
        bool clear = false;
    };
    LabelPlace PlaceLabel(const LogicalFont& font, const std::function<Rect(const LogicalFont&)>& boxIn,
                          int gap, int reach, const std::function<bool(const Rect&)>& allowed = {},
                          std::optional<int> least = std::nullopt) const;

private:
    struct Stroke {
        Point from;
        Point to;
        Rect bounds; // the least box holding both ends, edges included: most strokes are far from a text
    };
    std::vector<Stroke> m_strokes;
    std::vector<Rect> m_boxes;
};
