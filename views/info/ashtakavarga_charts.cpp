#include "views/info/ashtakavarga_charts.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "chart/chart.h"
#include "core/chart_labels.h"
#include "display/chart_captions.h"
#include "display/chart_cells.h"
#include "display/chart_figure.h"
#include "display/label_placement.h"
#include "display/polygon_region.h"
#include "display/styled_text.h"
#include "shell/color_settings.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "views/info/ashtakavarga_colors.h"

namespace {

constexpr int kSymbolFont = 1; // display font of the chart language: the PAV symbols
constexpr int kSymbolInset = 5;

// Where the n-th symbol of a North or East PAV cell goes, by cell shape: (tx, ty) in sixths of the cell's
// width and eighths of its height, halved.
using SymbolPlaces = std::array<std::array<Point, kAshtakavargaPoints>, 5>;
constexpr SymbolPlaces kNorthSymbolPlaces = {{
    {{{6, 6}, {5, 2}, {3, 4}, {2, 6}, {6, 4}, {8, 6}, {4, 6}, {4, 8}}},
    {{{5, 2}, {3, 0}, {7, 0}, {5, 0}, {3, 2}, {7, 2}, {1, 0}, {9, 0}}},
    {{{0, 6}, {0, 8}, {0, 4}, {0, 2}, {2, 6}, {2, 8}, {2, 4}, {4, 6}}},
    {{{3, 12}, {7, 12}, {5, 10}, {5, 12}, {3, 14}, {1, 14}, {5, 8}, {7, 10}}},
    {{{10, 6}, {10, 8}, {10, 4}, {10, 2}, {8, 7}, {8, 9}, {8, 5}, {10, 10}}},
}};
constexpr SymbolPlaces kEastSymbolPlaces = {{
    {{{4, 6}, {8, 3}, {4, 3}, {8, 6}, {4, 9}, {8, 9}, {1, 3}, {1, 6}}},
    {{{6, 3}, {9, 3}, {6, 0}, {3, 0}, {9, 0}, {3, 3}, {6, 6}, {9, 6}}},
    {{{0, 7}, {0, 4}, {0, 10}, {0, 2}, {3, 10}, {3, 7}, {0, 1}, {0, 13}}},
    {{{3, 3}, {0, 3}, {3, 0}, {6, 0}, {0, 0}, {6, 3}, {3, 6}, {0, 6}}},
    {{{9, 7}, {9, 4}, {9, 10}, {9, 2}, {6, 10}, {6, 7}, {9, 1}, {9, 13}}},
}};

LogicalFont NumberFont(double factor) {
    return AvFont(factor, factor, factor);
}

std::string Count(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return text;
}

// The chart-language font, no taller than a symbol's place.
LogicalFont SymbolFont(int placeHeight) {
    return FontNoTallerThan(g_displayFonts[kSymbolFont], std::max(placeHeight, 1));
}

// The contributor's symbol in the chart language.
const char* Symbol(int contributor) {
    return g_pszChartPlanetLabels ? g_pszChartPlanetLabels[contributor] : g_planetAbbrevs[contributor];
}

// Fills a cell polygon (drawing units) with the highlight and outlines it with the chart line colour.
void HighlightRegion(DrawSurface& surface, CPolygonRegion region) {
    if (g_bPrinting) {
        for (int i = 0; i < region.count; ++i) {
            const Rect scaled = ScaledPrintRect(Rect{region.points[i].x, region.points[i].y, 0, 0});
            region.points[i] = Point{scaled.left, scaled.top};
        }
    }
    region.Fill(surface, g_colors[kAvColorHighlight]);
    if (region.count < 3) return;
    surface.SelectPen(LogicalPen{g_colors[kAvColorChartLine], 1});
    std::array<Point, CPolygonRegion::kCapacity + 1> closed{};
    for (int i = 0; i < region.count; ++i) closed[i] = region.points[i];
    closed[region.count] = region.points[0];
    surface.Polyline(std::span<const Point>(closed.data(), static_cast<size_t>(region.count + 1)));
}

void FillBackground(DrawSurface& surface, const Rect& rect) {
    if (!g_bPrinting) surface.FillRect(rect, g_colors[kAvColorCartBackground]);
}

void DrawFigure(DrawSurface& surface, int style, const Rect& rect, int dx, int dy) {
    DrawChartFigure(style, surface, rect.left, rect.top, rect.right, rect.bottom, dx, dy, false,
                    g_colors[kAvColorChartLine]);
}

bool Empty(const Rect& rect) {
    return rect.Width() <= 0 || rect.Height() <= 0;
}

// The lagna sign of the North chart: the chart's own lagna in the varga (a shifted reference for the
// bindus does not turn the diamond).
int NorthLagna(const AvChartFrame& frame) {
    return frame.chart ? frame.chart->m_vargaSign.Sign(0, frame.varga) : 0;
}

// --- South Indian ----------------------------------------------------------------------------------

void SouthNumberChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect,
                      const SignBindus& bindus, const std::string& label, int body) {
    const bool regular = frame.style != kAvSouthMirrored;
    const int w = rect.Width() / 4, h = rect.Height() / 4;
    const int lit = AvHighlightedSign(frame, body);
    if (lit >= 0)
        surface.FillRect(ScaledPrintRect(SouthSignCell(rect, lit, regular)), g_colors[kAvColorHighlight]);
    const LogicalFont font = NumberFont(1.2);
    for (int s = 0; s < 12; ++s)
        DrawAvText(surface, Count(bindus[s]), SouthSignCell(rect, s, regular), kAvColorChartText, font);
    DrawAvText(surface, label, Rect{rect.left + w, rect.top + h, rect.left + 3 * w, rect.top + 3 * h},
               kAvColorChartTitle, font);
    DrawFigure(surface, frame.style, rect, w, h);
}

void SouthPavChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect, const CPrastara& pav,
                   const std::string& label, int planet) {
    const bool regular = frame.style != kAvSouthMirrored;
    const int w = rect.Width() / 4, h = rect.Height() / 4;
    const int lit = AvHighlightedSign(frame, planet);
    if (lit >= 0)
        surface.FillRect(ScaledPrintRect(SouthSignCell(rect, lit, regular)), g_colors[kAvColorHighlight]);
    const LogicalFont symbolFont = SymbolFont(h / 4);
    for (int s = 0; s < 12; ++s) {
        const Rect cell = SouthSignCell(rect, s, regular);
        const int subW = cell.Width() / 2, subH = cell.Height() / 4;
        int place = 0;
        for (int c = 0; c < kAshtakavargaPoints; ++c) {
            if (!pav.m_given[s][c]) continue;
            const int left = cell.left + kSymbolInset + (place % 2) * subW;
            const int top = cell.top + kSymbolInset + (place / 2) * subH;
            DrawAvText(surface, Symbol(c), Rect{left, top, left + subW, top + subH}, kAvColorChartText,
                       symbolFont);
            ++place;
        }
    }
    DrawAvText(surface, "PAV", Rect{rect.left + w, rect.top + h, rect.left + 3 * w, rect.top + 2 * h},
               kAvColorChartTitle, NumberFont(1.2));
    DrawAvText(surface, label, Rect{rect.left + w, rect.top + 2 * h, rect.left + 3 * w, rect.top + 3 * h},
               kAvColorChartTitle, NumberFont(1.5));
    DrawFigure(surface, frame.style, rect, w, h);
}

// --- North Indian ----------------------------------------------------------------------------------

// The text rectangle of a North house: the triangles pull in by 5/8 of the half size.
Rect NorthTextRect(const Rect& cell, int shape, int hw, int hh) {
    Rect r = cell;
    if (shape == 1) r.bottom -= 5 * hh / 8;
    if (shape == 2) r.right -= 5 * hw / 8;
    if (shape == 3) r.top += 5 * hh / 8;
    if (shape == 4) r.left += 5 * hw / 8;
    return r;
}

// The band the letters of `text` take (capitals to baseline) when centred on the line at `middle`.
Rect CentredLetters(DrawSurface& surface, const std::string& text, const LogicalFont& font, int middle) {
    surface.SelectFont(ScaledStyleFont(font));
    const int height = surface.TextExtent(text).cy;
    return LetterBox(Rect{0, middle - height / 2, 0, middle - height / 2 + height});
}

void HighlightNorthHouse(DrawSurface& surface, const Rect& rect, int position) {
    const Rect cell = NorthCellRect(rect, position);
    CPolygonRegion region;
    CalcNorthIndianCell(region, NorthCellShape(position), cell.left, cell.top, cell.right, cell.bottom);
    HighlightRegion(surface, region);
}

void NorthNumberChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect,
                      const SignBindus& bindus, const std::string& label, int body) {
    const int hw = rect.Width() / 2, hh = rect.Height() / 2;
    const int lagna = NorthLagna(frame);
    const int lit = AvHighlightedSign(frame, body);
    if (lit >= 0) HighlightNorthHouse(surface, rect, NorthHousePosition(lit, lagna, 0));
    const LogicalFont font = NumberFont(1.0);
    for (int p = 0; p < 12; ++p) {
        const int sign = (lagna + p) % 12;
        const Rect text = NorthTextRect(NorthCellRect(rect, p), NorthCellShape(p), hw, hh);
        DrawAvText(surface, Count(bindus[sign]), text, kAvColorChartText, font);
    }
    DrawFigure(surface, kAvNorth, rect, hw, hh);
    // The label stands where the diagonals cross: it is written on the chart's ground over them (the
    // paper's, printed).
    const Point centre{rect.left + hw, rect.top + hh};
    const int labelHalfW = hw / 2, labelHalfH = hh / 4;
    const Rect labelRect{centre.x - labelHalfW, centre.y - labelHalfH, centre.x + labelHalfW,
                         centre.y + labelHalfH};
    const ColorRef ground = g_bPrinting ? Rgb(255, 255, 255) : g_colors[kAvColorCartBackground];
    surface.SetTextBackground(ground, true);
    DrawAvText(surface, label, labelRect, kAvColorChartTitle, NumberFont(1.2));
    surface.SetTextBackground(ground, false);
    // The SAV chart also names the lagna's sign, legible, in the lagna house between its count and the
    // label.
    if (body == kAvNoBody) {
        const Rect lagnaHouse = NorthCellRect(rect, 0);
        const Rect count = CentredLetters(surface, Count(bindus[lagna]), NumberFont(1.0),
                                          (lagnaHouse.top + lagnaHouse.bottom) / 2);
        const Rect name = CentredLetters(surface, label, NumberFont(1.2), centre.y);
        DrawAvText(surface, Count(lagna + 1),
                   Rect{centre.x - labelHalfW, count.bottom, centre.x + labelHalfW, name.top},
                   kAvColorStarRasiNorth, LegibleFont(NumberFont(0.8)), kAvCentred | kTextNoClip);
    }
}

// The PAV charts of the North and East styles keep a band at the top for "PAV" and the planet's name.
struct TitledArea {
    Rect band;
    Rect chart;
};

TitledArea ReserveTitleBand(DrawSurface& surface, const Rect& rect) {
    surface.SelectFont(ScaledStyleFont(NumberFont(1.5)));
    const int line = surface.TextExtent("PAV").cy + 4;
    TitledArea area;
    area.band = Rect{rect.left, rect.top, rect.right, rect.top + line};
    area.chart = Rect{rect.left + line / 2, rect.top + line, rect.right - line / 2, rect.bottom - 4};
    return area;
}

void DrawPavTitle(DrawSurface& surface, const Rect& band, const std::string& label) {
    const LogicalFont font = NumberFont(1.5);
    const std::uint32_t left = kTextLeft | kTextVCenter | kTextSingleLine | kTextNoPrefix;
    const std::uint32_t right = kTextRight | kTextVCenter | kTextSingleLine | kTextNoPrefix;
    DrawAvText(surface, "PAV", band, kAvColorChartTitle, font, left);
    DrawAvText(surface, label, band, kAvColorChartTitle, font, right);
}

// The symbols of the contributors that gave a bindu in a cell, at the places of the cell's shape.
void DrawCellSymbols(DrawSurface& surface, const Rect& cell, int cw, int ch,
                     const std::array<Point, kAshtakavargaPoints>& places, const CPrastara& pav, int sign) {
    const LogicalFont font = SymbolFont(ch / 8);
    int n = 0;
    for (int c = 0; c < kAshtakavargaPoints; ++c) {
        if (!pav.m_given[sign][c]) continue;
        const int left = cell.left + kSymbolInset + places[n].x * (cw / 6) / 2;
        const int top = cell.top + kSymbolInset + places[n].y * (ch / 8) / 2;
        DrawAvText(surface, Symbol(c), Rect{left, top, left + cw / 6, top + ch / 8}, kAvColorChartText, font);
        ++n;
    }
}

void NorthPavChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& whole, const CPrastara& pav,
                   const std::string& label, int planet) {
    const TitledArea area = ReserveTitleBand(surface, whole);
    const Rect& rect = area.chart;
    const int hw = rect.Width() / 2, hh = rect.Height() / 2;
    const int lagna = NorthLagna(frame);
    const int lit = AvHighlightedSign(frame, planet);
    if (lit >= 0) HighlightNorthHouse(surface, rect, NorthHousePosition(lit, lagna, 0));
    for (int p = 0; p < 12; ++p)
        DrawCellSymbols(surface, NorthCellRect(rect, p), hw, hh, kNorthSymbolPlaces[NorthCellShape(p)], pav,
                        (lagna + p) % 12);
    DrawPavTitle(surface, area.band, label);
    DrawFigure(surface, kAvNorth, rect, hw, hh);
}

// --- East Indian -----------------------------------------------------------------------------------

// The text rectangle of an East sign: a triangle pulls away from its opposite corner by 3/8 of the cell.
Rect EastTextRect(const Rect& cell, int shape, int w, int h) {
    Rect r = cell;
    if (shape == 1 || shape == 4) r.left += 3 * w / 8;
    if (shape == 2 || shape == 3) r.right -= 3 * w / 8;
    if (shape == 1 || shape == 3) r.bottom -= 3 * h / 8;
    if (shape == 2 || shape == 4) r.top += 3 * h / 8;
    return r;
}

void HighlightEastSign(DrawSurface& surface, const Rect& rect, int sign) {
    const Rect cell = EastGridSquare(rect, sign);
    CPolygonRegion region;
    SetCellPolygon(region, EastCellShape(sign), cell.left, cell.top, cell.right, cell.bottom);
    HighlightRegion(surface, region);
}

void EastNumberChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect,
                     const SignBindus& bindus, const std::string& label, int body) {
    const int w = rect.Width() / 3, h = rect.Height() / 3;
    const int lit = AvHighlightedSign(frame, body);
    if (lit >= 0) HighlightEastSign(surface, rect, lit);
    const LogicalFont font = NumberFont(1.0);
    for (int s = 0; s < 12; ++s)
        DrawAvText(surface, Count(bindus[s]), EastTextRect(EastGridSquare(rect, s), EastCellShape(s), w, h),
                   kAvColorChartText, font);
    DrawAvText(surface, label, Rect{rect.left + w, rect.top + h, rect.left + 2 * w, rect.top + 2 * h},
               kAvColorChartTitle, font);
    DrawFigure(surface, frame.style, rect, w, h);
}

void EastPavChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& whole, const CPrastara& pav,
                  const std::string& label, int planet) {
    const TitledArea area = ReserveTitleBand(surface, whole);
    const Rect& rect = area.chart;
    const int w = rect.Width() / 3, h = rect.Height() / 3;
    const int lit = AvHighlightedSign(frame, planet);
    if (lit >= 0) HighlightEastSign(surface, rect, lit);
    for (int s = 0; s < 12; ++s)
        DrawCellSymbols(surface, EastGridSquare(rect, s), w, h, kEastSymbolPlaces[EastCellShape(s)], pav, s);
    DrawPavTitle(surface, area.band, label);
    DrawFigure(surface, frame.style, rect, w, h);
}

// The unframed East chart's background reaches 3 units past its lines.
void FillChartBackground(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect) {
    const int grow = frame.style == kAvEast ? 3 : 0;
    FillBackground(surface, ScaledPrintRect(Rect{rect.left - grow, rect.top - grow, rect.right + grow,
                                                 rect.bottom + grow}));
}

} // namespace

LogicalFont AvFont(double height, double width, double weight) {
    return ScaledFont(g_displayFonts[kAvTextFont], height, width, weight);
}

void DrawAvText(DrawSurface& surface, const std::string& text, const Rect& rect, int color,
                const LogicalFont& font, std::uint32_t format) {
    DrawChartText(surface, text, rect, format, font, g_colors[color]);
}

int AvHighlightedSign(const AvChartFrame& frame, int body) {
    if (!frame.highlightPlanetRasi || !frame.chart || body < 0 || body >= kAshtakavargaPoints) return -1;
    return frame.chart->m_vargaSign.Sign(body, frame.highlightVarga) % 12;
}

void DrawAvNumberChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect,
                       const SignBindus& bindus, const std::string& label, int body) {
    FillChartBackground(surface, frame, rect);
    if (Empty(rect)) return;
    switch (frame.style) {
    case kAvNorth:
        NorthNumberChart(surface, frame, rect, bindus, label, body);
        break;
    case kAvEast:
    case kAvEastFramed:
        EastNumberChart(surface, frame, rect, bindus, label, body);
        break;
    default:
        SouthNumberChart(surface, frame, rect, bindus, label, body);
        break;
    }
}

void DrawAvPavChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect, const CPrastara& pav,
                    const std::string& label, int planet) {
    FillChartBackground(surface, frame, rect);
    if (Empty(rect)) return;
    switch (frame.style) {
    case kAvNorth:
        NorthPavChart(surface, frame, rect, pav, label, planet);
        break;
    case kAvEast:
    case kAvEastFramed:
        EastPavChart(surface, frame, rect, pav, label, planet);
        break;
    default:
        SouthPavChart(surface, frame, rect, pav, label, planet);
        break;
    }
}
