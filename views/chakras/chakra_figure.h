#pragma once
// The figure area of a chakra drawn in figure units: the drawing area less a band above and below it
// for the headings, with points given as fractions of its width and height and label slots as
// sixteenths of a body cell (a twelfth of the area each way).
#include "platform/geometry.h"

// A point of a figure in figure units (1/units of the figure area's width and height).
struct FigurePoint {
    double x;
    double y;
};
// The corner of a body label's slot from its star cell's (or sign place's) corner, sixteenths of the cell.
struct LabelSlot {
    int dx;
    int dy;
};

// The 24-pixel band above and below a star figure that holds the group title and the direction texts.
inline constexpr int kFigureBand = 24;

class FigureArea {
public:
    // `drawing` less `topBand` pixels at the top and `bottomBand` at the bottom, `units` across and down.
    FigureArea(const Rect& drawing, int units, int topBand = kFigureBand, int bottomBand = kFigureBand);
    // The pixel of a figure point: each coordinate times the area's size over the units, truncated.
    Point At(FigurePoint p) const;
    int CellWidth() const { return m_area.Width() / 12; }
    int CellHeight() const { return m_area.Height() / 12; }
    const Rect& Area() const { return m_area; }

    // The largest square of `drawing` less the bands, centred in it: a figure drawn there keeps its
    // circles round whatever the drawing's shape.
    static FigureArea Square(const Rect& drawing, int units, int topBand = kFigureBand,
                             int bottomBand = kFigureBand);

private:
    Rect m_area;
    int m_units;
};
