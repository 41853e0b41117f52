#include "views/chakras/chakra_figure.h"

#include <algorithm>

FigureArea::FigureArea(const Rect& drawing, int units, int topBand, int bottomBand)
    : m_area{drawing.left, drawing.top + topBand, drawing.right, drawing.bottom - bottomBand}, m_units(units) {}

Point FigureArea::At(FigurePoint p) const {
    return Point{m_area.left + static_cast<int>(p.x * m_area.Width() / m_units),
                 m_area.top + static_cast<int>(p.y * m_area.Height() / m_units)};
}

FigureArea FigureArea::Square(const Rect& drawing, int units, int topBand, int bottomBand) {
    const Rect area{drawing.left, drawing.top + topBand, drawing.right, drawing.bottom - bottomBand};
    const int side = std::max(0, std::min(area.Width(), area.Height()));
    const int left = area.left + (area.Width() - side) / 2;
    const int top = area.top + (area.Height() - side) / 2;
    return FigureArea(Rect{left, top, left + side, top + side}, units, 0, 0);
}
