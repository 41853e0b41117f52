#include "views/chakras/chakra_figure.h"

FigureArea::FigureArea(const Rect& drawing, int units, int topBand, int bottomBand)
    : m_area{drawing.left, drawing.top + topBand, drawing.right, drawing.bottom - bottomBand}, m_units(units) {}

Point FigureArea::At(FigurePoint p) const {
    return Point{m_area.left + static_cast<int>(p.x * m_area.Width() / m_units),
                 m_area.top + static_cast<int>(p.y * m_area.Height() / m_units)};
}
