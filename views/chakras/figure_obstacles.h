#pragma once
// What a chakra's figure takes on the page, for the body labels to keep clear of: the figure is drawn
// onto this surface (which records it, measuring texts as an image does) and it keeps the strokes, the
// circles (as short chords) and the texts' extents. Labels then take the first place near their slot
// that no stroke crosses and no text or earlier label covers. All coordinates are pixels of the pane.
#include <vector>

#include "platform/recording_surface.h"

class FigureObstacles : public RecordingSurface {
public:
    void Line(Point from, Point to) override;
    void Ellipse(const Rect& bounds) override;
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override;

    // A text's extent is taken as well (a star's name, a label placed).
    void AddBox(const Rect& box) { m_boxes.push_back(box); }
    // Whether a stroke of the figure runs through `box`.
    bool IsCrossed(const Rect& box) const;
    // Whether `box` meets no box, and grown by `gap` pixels on every side, no stroke.
    bool IsClear(const Rect& box, int gap) const;
    // `box` moved as little as it takes to be clear, in any direction by up to `reach` pixels; `box`
    // itself when no such place is found.
    Rect ClearPlace(const Rect& box, int gap, int reach) const;

private:
    struct Stroke {
        Point from;
        Point to;
    };
    std::vector<Stroke> m_strokes;
    std::vector<Rect> m_boxes;
};
