// South Indian charts: the signs at fixed places of a 4 x 4 frame, the caption in the middle 2 x 2 block.
#include <cstdio>
#include <optional>

#include "chart/chart.h"
#include "core/body_names.h"
#include "display/chart_captions.h"
#include "display/chart_cells.h"
#include "display/chart_colors.h"
#include "display/chart_figure.h"
#include "display/chart_info.h"
#include "display/chart_label_text.h"
#include "display/chart_layout.h"
#include "display/chart_renderers.h"
#include "display/drawing_factors.h"
#include "display/sign_labels.h"

namespace {

// Label slots of a cell: a 3 x 3 grid in its upper part, then a band of 4 x 3 small slots below
// (row -1 overlaps the grid's last row). (column, row) in slot order.
constexpr Point kGridOrder[9] = {{1, 1}, {0, 0}, {2, 0}, {0, 2}, {1, 0}, {0, 1}, {2, 1}, {1, 2}, {2, 2}};
constexpr Point kBandOrder[12] = {{3, 1}, {1, 1}, {3, 0}, {1, 0}, {3, -1}, {1, -1},
                                  {2, 1}, {0, 1}, {2, 0}, {0, 0}, {2, -1}, {0, -1}};

// Offsets of the two-chart forms' half cells, in quarter cells, by sign: the inner chart toward the
// frame's centre, the outer toward its edge. Columns of the mirrored style are 2 - those of the regular.
constexpr int kInnerA[12] = {1, 1, 0, 0, 0, 0, 1, 1, 2, 2, 2, 2};
constexpr int kInnerC[12] = {2, 2, 2, 1, 1, 0, 0, 0, 0, 1, 1, 2};

// The label area of a cell: origin, grid height and slot sizes.
struct SouthLabelArea {
    int x;
    int y;
    int gridH;
    int gridSlotW;
    int bandSlotW;
    int bandH;
    std::optional<Rect> ring; // the half cell of a two-chart form's ring, which its labels stay in
};

CellSlots SouthSlots(const SouthLabelArea& a, bool twoChart) {
    CellSlots slots;
    slots.main = [a](int n) {
        const Point p = kGridOrder[n % 9];
        return LabelSlot{a.x + p.x * a.gridSlotW, a.y + p.y * (a.gridH / 3), a.gridSlotW, a.gridH / 3};
    };
    // A thirteenth band label wraps to the first slot, as the grid does after nine.
    slots.small = [a](int n) {
        const Point p = kBandOrder[n % 12];
        return LabelSlot{a.x + p.x * a.bandSlotW, a.y + a.gridH + p.y * a.bandH, a.bandSlotW, a.bandH};
    };
    slots.twoChart = twoChart;
    slots.area = a.ring;
    return slots;
}

void SetCellRegion(CPolygonRegion& region, const Rect& cell) {
    region.SetPoints(
        {{cell.left, cell.top}, {cell.right, cell.top}, {cell.right, cell.bottom}, {cell.left, cell.bottom}});
}

// The twelve sign cells of a frame: polygons, highlight fills and labels; `areaOf`(sign, cell) gives the
// part of each cell its labels take, and `underLabels`() draws what lies under the labels but over the fills.
template <class AreaOf, class UnderLabels>
void DrawSouthCells(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                    const CChart& chart, int pane, bool regular, bool twoChart, AreaOf areaOf,
                    UnderLabels underLabels) {
    state.bodyLabelRect[pane].fill(Rect{});
    const SignLabelTarget target{surface, state, chart, varga, pane};
    for (int sign = 0; sign < 12; ++sign) {
        CPolygonRegion& region = state.Region(pane, sign);
        SetCellRegion(region, SouthSignCell(rect, sign, regular));
        FillRasiHighlight(surface, state, region, pane, sign);
    }
    underLabels();
    // The labels once every cell is filled: a label may reach over a small cell's lines.
    std::vector<Rect> drawn;
    for (int sign = 0; sign < 12; ++sign) {
        CellSlots slots = SouthSlots(areaOf(sign, SouthSignCell(rect, sign, regular)), twoChart);
        slots.fixed = drawn;
        const std::vector<Rect> labels = DrawSignLabels(target, sign, slots);
        drawn.insert(drawn.end(), labels.begin(), labels.end());
    }
}

// The centre of a chart picture: its caption, the varga and the birth data in three lines.
void DrawSouthBirthDataCentre(DrawSurface& surface, const Rect& r, int varga, const CChart& chart) {
    const int cW = r.Width() / 4;
    const int cH = r.Height() / 4;
    DrawChartText(surface, g_strChartCentreCaption,
                  Rect{r.left + cW, r.top + cH, r.left + 3 * cW, r.bottom - cH}, kCentredLine,
                  FontA(1.2, 1.0, 1.2));
    const std::string& name = varga <= 1                 ? ChartVargaName(varga)
                              : ChartLanguageIsSymbols() ? VargaLabel(varga)
                                                         : VargaTitle(varga);
    DrawChartText(surface, name, Rect{r.left + cW, r.top + cH, r.right - cW, r.top + 2 * cH}, kCentredLine,
                  VargaNameFont(1.1, 1.1, 1.1));
    const CLocalDateTime& d = chart.m_dateTime;
    const CHmsTime& zone = d.m_zone;
    char lines[3][96];
    // The time's seconds are cut, never rounded up: the date is the moment's own.
    std::snprintf(lines[0], sizeof lines[0], "%s", FormatMonthDate(d).c_str());
    std::snprintf(lines[1], sizeof lines[1], "%d:%02d:%02d (%d:%02d %s)", d.m_time.m_nHours,
                  d.m_time.m_nMinutes, static_cast<int>(d.m_time.m_dSeconds), zone.m_nHours, zone.m_nMinutes,
                  zone.m_bPositive ? "west" : "east");
    std::snprintf(lines[2], sizeof lines[2], "%d %c %d, %d %c %d", chart.m_longitude.m_nDegrees,
                  chart.m_longitude.m_bPositive ? 'W' : 'E', chart.m_longitude.m_nMinutes,
                  chart.m_latitude.m_nDegrees, chart.m_latitude.m_bPositive ? 'N' : 'S',
                  chart.m_latitude.m_nMinutes);
    for (int k = 0; k < 3; ++k) {
        const int y = r.top + 2 * cH + 3 * cH / 10 + k * (cH / 5);
        DrawChartText(surface, lines[k], Rect{r.left + cW, y, r.left + 3 * cW, r.bottom}, kTextCenter,
                      FontA(0.9, 1.0, 1.0));
    }
}

// The centre block of a single chart: title, varga name and label, and the body-view notes.
void DrawSouthCentre(DrawSurface& surface, const Rect& r, int varga, const CChart& chart, int pane) {
    const int cW = r.Width() / 4;
    const int cH = r.Height() / 4;
    DrawChartText(surface, chart.m_strTitle,
                  Rect{r.left + cW, r.top + cH, r.left + 3 * cW, r.top + 3 * cH / 2}, kCentredLine,
                  FontA(1.1, 1.1, 1.0));
    if (varga == 0) {
        DrawChartText(surface, ChartVargaName(0),
                      Rect{r.left + cW, r.top + cH, r.left + 3 * cW, r.top + 3 * cH}, kCentredLine,
                      VargaNameFont(1.4, 1.4, 1.4));
    } else {
        DrawChartText(surface, ChartVargaName(varga),
                      Rect{r.left + cW, r.top + 3 * cH / 2, r.left + 3 * cW, r.top + 2 * cH}, kCentredLine,
                      VargaNameFont(1.3, 1.3, 1.3));
        DrawChartText(surface, VargaLabel(varga),
                      Rect{r.left + cW, r.top + 2 * cH, r.left + 3 * cW, r.top + 3 * cH}, kTextCenter,
                      FontA(1.2, 1.2, 1.2));
    }
    const Rect lower{r.left + cW, r.top + 2 * cH, r.left + 3 * cW, r.top + 3 * cH};
    const ColorRef noteColor = ColorOf(kColorChartViewGrahaArudhaTitle);
    if (g_bPaneBhavaFromBody[pane]) {
        DrawChartText(surface, std::string("Bhava from ") + g_pszPlanetNamesAlt[g_nPaneBhavaBody[pane]],
                      lower, kCentredLine, FontA(1.1, 1.1, 1.1), noteColor);
    }
    if (g_nPaneBodyView[pane] == kGrahaArudhaView || g_nPaneBodyView[pane] == kDualGrahaArudhaView)
        DrawChartText(surface, "Arudhas of Planets", lower, kCentredLine, FontA(1.1, 1.1, 1.1), noteColor);
}

// The centre of a two-chart form: the outer pass writes the upper half, the inner pass the lower.
void DrawMixedSouthCentre(DrawSurface& surface, const Rect& r, int varga, const CChart& chart, int pane) {
    const int cW = r.Width() / 4;
    const int cH = r.Height() / 4;
    const bool outer = pane == kOuterPane;
    const int captionTop = outer ? r.top + cH : r.top + 2 * cH;
    const int nameTop = outer ? r.top + 5 * cH / 4 : r.top + 9 * cH / 4;
    const int labelTop = outer ? r.top + 3 * cH / 2 : r.top + 5 * cH / 2;
    const int labelBottom = outer ? r.top + 2 * cH : r.top + 3 * cH;
    const std::string caption = (outer ? "Outer: " : "Inner: ") + chart.m_strTitle;
    DrawChartText(surface, caption, Rect{r.left + cW, captionTop, r.left + 3 * cW, nameTop}, kCentredLine,
                  FontA(1.3, 1.3, 1.0));
    const double nameScale = varga <= 1 ? 1.4 : 1.3;
    DrawChartText(surface, ChartVargaName(varga), Rect{r.left + cW, nameTop, r.right - cW, labelTop},
                  kCentredLine, VargaNameFont(nameScale, nameScale, nameScale));
    const Rect lower{r.left + cW, labelTop, r.right - cW, labelBottom};
    if (varga > 1) DrawChartText(surface, VargaLabel(varga), lower, kTextCenter, FontA(1.2, 1.2, 1.2));
    if (g_nPaneBodyView[pane] == kGrahaArudhaView || g_nPaneBodyView[pane] == kDualGrahaArudhaView) {
        DrawChartText(surface, "Arudhas of Planets", lower, kCentredLine, FontA(1.1, 1.1, 1.1),
                      ColorOf(kColorChartViewGrahaArudhaTitle));
    }
}

} // namespace

void DrawSouthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                          const CChart& chart, int pane, bool regular, bool screen) {
    const bool filled = screen && !g_bPrinting;
    if (filled) surface.FillRect(rect, ColorOf(kColorChartViewCartBackground));
    state.paneGround[pane] = ChartGround(filled);
    const int cellW = rect.Width() / 4;
    const int cellH = rect.Height() / 4;
    const Rect inside = InsideFrame(rect);
    // The lines under the labels: a label that must reach over one is drawn over it, its letters whole.
    const auto figure = [&] {
        DrawChartFigure(regular ? kSouthFigure : kSouthMirrorFigure, surface, rect.left, rect.top, rect.right,
                        rect.bottom, cellW, cellH, true, ColorOf(kColorChartViewChartLine));
    };
    const auto areaOf = [&](int, const Rect& cell) {
        const int gridH = 5 * cellH / 9;
        return SouthLabelArea{cell.left, cell.top, gridH, cellW / 3, cellW / 4, (cellH - gridH) / 2, inside};
    };
    DrawSouthCells(surface, state, rect, varga, chart, pane, regular, false, areaOf, figure);
    if (state.centreBirthData)
        DrawSouthBirthDataCentre(surface, rect, varga, chart);
    else
        DrawSouthCentre(surface, rect, varga, chart, pane);
}

void DrawMixedSouthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                               const CChart& chart, int pane, bool regular) {
    const int cellW = rect.Width() / 4;
    const int cellH = rect.Height() / 4;
    const bool inner = pane == kInnerPane;
    const Rect ringBorder = MixedInnerSquare(rect, regular ? 0 : 1);
    state.paneGround[pane] = TwoChartGround(pane);
    DrawSouthCells(
        surface, state, rect, varga, chart, pane, regular, true,
        [&](int sign, const Rect& cell) {
            // The outer chart's half cell lies opposite the inner one's: 2 - the inner offsets.
            const int innerA = regular ? kInnerA[sign] : 2 - kInnerA[sign];
            const int a = inner ? innerA : 2 - innerA;
            const int c = inner ? kInnerC[sign] : 2 - kInnerC[sign];
            const int gridH = 5 * cellH / 18;
            const int x = cell.left + a * cellW / 4;
            const int y = cell.top + c * cellH / 4;
            return SouthLabelArea{x,
                                  y,
                                  gridH,
                                  cellW / 6,
                                  cellW / 8,
                                  (cellH / 2 - gridH) / 2,
                                  KeptToRing(Rect{x, y, x + cellW / 2, y + cellH / 2}, ringBorder, inner)};
        },
        [] {});
    DrawMixedSouthCentre(surface, rect, varga, chart, pane);
    if (!inner) {
        DrawChartFigure(regular ? kSouthFigure : kSouthMirrorFigure, surface, rect.left, rect.top, rect.right,
                        rect.bottom, cellW, cellH, true, ColorOf(kColorChartViewChartLine));
    }
}
