// North Indian charts: houses fixed in a diamond figure, counted anticlockwise from the top diamond; the
// signs move with the lagna, so each cell carries its sign number.
#include <vector>

#include "chart/chart.h"
#include "display/chart_captions.h"
#include "display/chart_cells.h"
#include "display/chart_colors.h"
#include "display/chart_figure.h"
#include "display/chart_layout.h"
#include "display/chart_renderers.h"
#include "display/drawing_factors.h"
#include "display/label_placement.h"
#include "display/sign_labels.h"
#include "display/styled_text.h"

namespace {

// Label slots by cell shape: nine in half label units, then six small ones in quarter units, from the
// corner of the cell's (or label area's) rectangle.
constexpr Point kNineSlots[5][9] = {
    {{6, 6}, {5, 2}, {3, 4}, {2, 6}, {6, 4}, {8, 6}, {4, 6}, {4, 8}, {6, 8}},
    {{5, 2}, {3, 0}, {7, 0}, {5, 0}, {3, 2}, {7, 2}, {1, 0}, {9, 0}, {4, 4}},
    {{0, 6}, {0, 8}, {0, 4}, {0, 2}, {2, 6}, {2, 8}, {2, 4}, {4, 6}, {4, 8}},
    {{3, 12}, {7, 12}, {5, 10}, {5, 12}, {3, 14}, {1, 14}, {5, 8}, {7, 10}, {5, 14}},
    {{10, 6}, {10, 8}, {10, 4}, {10, 2}, {8, 6}, {8, 8}, {8, 4}, {6, 6}, {6, 8}},
};
constexpr Point kSixSlots[5][6] = {
    {{12, 24}, {8, 24}, {12, 20}, {8, 20}, {4, 18}, {16, 18}},
    {{12, 8}, {8, 8}, {11, 12}, {18, 0}, {2, 0}, {14, 4}},
    {{0, 20}, {0, 24}, {4, 20}, {0, 27}, {8, 13}, {8, 16}},
    {{14, 28}, {17, 28}, {20, 29}, {11, 28}, {18, 25}, {10, 17}},
    {{20, 20}, {20, 24}, {16, 20}, {20, 27}, {12, 13}, {12, 16}},
};
// Sign numbers by house position, at the corner of the cell that points to the chart's centre: quarter
// label units in a single chart, eighth units in the two-chart form.
constexpr Point kSignNumberQuarters[12] = {{10, 28}, {10, 12}, {8, 14},  {20, 14}, {8, 14},  {10, 17},
                                           {10, 1},  {10, 17}, {13, 14}, {1, 14},  {13, 14}, {10, 12}};
constexpr Point kSignNumberEighths[12] = {{45, 122}, {45, 58}, {40, 61}, {88, 61}, {40, 61}, {45, 67},
                                          {45, 3},   {45, 67}, {49, 61}, {1, 61},  {49, 61}, {45, 58}};
// Label areas of the two-chart form, quarters of the half square from the cell's corner: the inner
// chart toward the centre, the outer chart along the square's edge.
constexpr Point kInnerLabelArea[12] = {{1, 2}, {1, 1}, {1, 1}, {2, 1}, {1, 1}, {1, 1},
                                       {1, 0}, {1, 1}, {1, 1}, {0, 1}, {1, 1}, {1, 1}};
// The left and right cells sit in the edge band as the top and bottom ones do: the side diamonds one
// quarter outward, their neighbours flush with the edge, so no label falls outside the square.
constexpr Point kOuterLabelArea[12] = {{1, -1}, {0, 0}, {0, 1}, {-1, 1}, {0, 1}, {1, 2},
                                       {1, 3},  {2, 2}, {2, 1}, {3, 1},  {2, 1}, {1, 0}};

// Slots of a label area whose corner is (x, y), with label units u x v and the slot shape.
CellSlots NorthSlots(int x, int y, int u, int v, int shape, bool twoChart) {
    CellSlots slots;
    slots.main = [=](int n) {
        const Point p = kNineSlots[shape][n % 9];
        return LabelSlot{x + p.x * u / 2, y + p.y * v / 2, u, v};
    };
    slots.small = [=](int n) {
        const Point p = kSixSlots[shape][n % 6];
        return LabelSlot{x + p.x * u / 4, y + p.y * v / 4, u, v};
    };
    slots.twoChart = twoChart;
    return slots;
}

// Draws the sign's number centred in `box`, or at the nearest place clear of the cell's lines, legible;
// gives the extent of the number, which the cell's labels keep clear of.
Rect DrawSignNumber(DrawSurface& surface, int sign, const Rect& box, const LogicalFont& font,
                    const CPolygonRegion& cell) {
    const std::string number = std::to_string(sign + 1);
    const LogicalFont legible = LegibleFont(font);
    surface.SelectFont(legible);
    const Rect extent = surface.DrawText(number, box, kTextCalcRect);
    const int left = box.left + (box.Width() - extent.Width()) / 2;
    Rect drawn{left, extent.top, left + extent.Width(), extent.bottom};
    const std::vector<Point> room = LabelRoom(cell, std::nullopt);
    // A number with no clear place in its cell stays where the table puts it.
    const Point move = FindClearPlace(drawn, number, room, {}).value_or(Point{0, 0});
    drawn = Rect{drawn.left + move.x, drawn.top + move.y, drawn.right + move.x, drawn.bottom + move.y};
    DrawChartText(surface, number, drawn, kTextCenter | kTextNoClip, legible,
                  ColorOf(kColorChartViewStartRasi));
    return drawn;
}

// The twelve cells of a square whose houses count from `lagnaSign`: polygons, highlight fills and
// labels; `eachCell`(sign, house position, cell rectangle) draws what else the cell holds and gives its
// label slots, and `underLabels`() draws what lies under the labels but over the fills.
template <class EachCell, class UnderLabels>
void DrawNorthCells(DrawSurface& surface, ChartDrawState& state, const Rect& square, int varga,
                    const CChart& chart, int pane, int lagnaSign, EachCell eachCell,
                    UnderLabels underLabels) {
    state.bodyLabelRect[pane].fill(Rect{});
    const SignLabelTarget target{surface, state, chart, varga, pane};
    std::vector<CellSlots> slots;
    std::vector<Rect> numbers; // every cell's sign number: the numbers of four cells meet at the centre
    for (int sign = 0; sign < 12; ++sign) {
        const int k = NorthHousePosition(sign, lagnaSign, state.paneHouseOffset[pane]);
        const Rect cell = NorthCellRect(square, k);
        CPolygonRegion& region = state.Region(pane, sign);
        CalcNorthIndianCell(region, NorthCellShape(k), cell.left, cell.top, cell.right, cell.bottom);
        FillRasiHighlight(surface, state, region, pane, sign);
        slots.push_back(eachCell(sign, k, cell));
        numbers.insert(numbers.end(), slots.back().fixed.begin(), slots.back().fixed.end());
    }
    underLabels();
    std::vector<Rect>& drawn = numbers; // and the labels of the cells drawn
    for (int sign = 0; sign < 12; ++sign) {
        slots[sign].fixed = drawn;
        const std::vector<Rect> labels = DrawSignLabels(target, sign, slots[sign]);
        drawn.insert(drawn.end(), labels.begin(), labels.end());
    }
}

// The outermost rectangle of a chart's double frame lies 3 pixels outside the chart (DrawFigureFrame):
// a caption keeps one more pixel away from it, both from the frame of a pane right above and from its
// own chart's below.
constexpr int kFrameClearance = 4;

} // namespace

void DrawNorthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                          const CChart& chart, int pane, bool caption, bool screen) {
    Rect r = rect;
    // The caption starts below the double frame of a pane right above (the twelve panes touch) and ends
    // above its own chart's.
    const int h = caption ? CaptionLineHeight() + 2 * kFrameClearance : 0;
    r.top += h;
    r.left += h / 2;
    r.right -= h / 2;
    const bool filled = screen && !g_bPrinting;
    if (filled) surface.FillRect(r, ColorOf(kColorChartViewCartBackground));
    state.paneGround[pane] = ChartGround(filled);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    const int halfW = r.Width() / 2;
    const int halfH = r.Height() / 2;
    const int u = halfW / 6;
    const int v = halfH / 8;
    const int lagna = chart.m_vargaSign.Sign(kLagna, varga);
    const auto eachCell = [&](int sign, int k, const Rect& cell) {
        const Point number = kSignNumberQuarters[k];
        const int nx = cell.left + number.x * u / 4;
        const int ny = cell.top + number.y * v / 4;
        const Rect drawn = DrawSignNumber(surface, sign, Rect{nx, ny, nx + u, ny + v},
                                          k == 0 ? FontA(1.15, 1.15, 1.25) : FontA(0.85, 0.85, 1.0),
                                          state.Region(pane, sign));
        CellSlots slots = NorthSlots(cell.left, cell.top, u, v, NorthCellShape(k), false);
        slots.area = InsideFrame(r);
        slots.fixed.push_back(drawn);
        return slots;
    };
    // The lines under the labels: a label that must reach over one is drawn over it, its letters whole.
    DrawNorthCells(surface, state, r, varga, chart, pane, lagna, eachCell, [&] {
        DrawChartFigure(kNorthFigure, surface, r.left, r.top, r.right, r.bottom, halfW, halfH, true,
                        ColorOf(kColorChartViewChartLine));
    });
    if (caption) {
        const Rect band{r.left, r.top - h + kFrameClearance, r.right, r.top - kFrameClearance};
        DrawCaptionBand(surface, band, Rect{r.left + halfW / 2, band.top, r.right, band.bottom},
                        chart.m_strTitle, varga, pane, 0, band.bottom - band.top);
    }
}

void DrawMixedNorthIndianChart(DrawSurface& surface, ChartDrawState& state, const Rect& r, int varga,
                               const CChart& chart, int pane, int referenceLagna) {
    const bool inner = pane == kInnerPane;
    const int h = CaptionLineHeight() * (inner ? 1 : 2);
    const Rect ringBorder = MixedInnerSquare(r, 2);
    state.paneGround[pane] = TwoChartGround(pane);
    const int halfW = r.Width() / 2;
    const int halfH = r.Height() / 2;
    if (halfW <= 0 || halfH <= 0) return;
    const int u = halfW / 12;
    const int v = halfH / 16;
    DrawNorthCells(
        surface, state, r, varga, chart, pane, referenceLagna,
        [&](int sign, int k, const Rect& cell) {
            int slotShape = NorthCellShape(k);
            Rect number;
            if (inner) {
                const Point at = kSignNumberEighths[k];
                const int nx = cell.left + at.x * u / 8;
                const int ny = cell.top + at.y * v / 8;
                number = DrawSignNumber(surface, sign, Rect{nx, ny, nx + u, ny + v},
                                        k == 0 ? FontA(1.1, 1.1, 1.1) : FontA(0.9, 0.9, 1.0),
                                        state.Region(pane, sign));
            } else if (slotShape == 0) {
                // The outer chart's labels stand in the band along the edge: the diamonds take the
                // slots of the triangle on their outer side.
                constexpr int kOuterDiamondSlots[4] = {3, 4, 1, 2};
                slotShape = kOuterDiamondSlots[k / 3];
            }
            const Point area = inner ? kInnerLabelArea[k] : kOuterLabelArea[k];
            const int x = cell.left + area.x * halfW / 4;
            const int y = cell.top + area.y * halfH / 4;
            CellSlots slots = NorthSlots(x, y, u, v, slotShape, true);
            slots.area = KeptToRing(Rect{x, y, x + halfW / 2, y + halfH / 2}, ringBorder, inner);
            if (inner) slots.fixed.push_back(number);
            return slots;
        },
        [] {});
    // The captions stand above the chart's double frame.
    const int bottom = r.top - kOuterFrameReach;
    const Rect band{r.left, bottom - h, r.right, bottom};
    DrawCaptionBand(surface, band, Rect{r.left + halfW / 2, band.top, r.right, bottom},
                    (inner ? "Inner: " : "Outer: ") + chart.m_strTitle, varga, pane, 1, CaptionLineHeight());
    if (!inner) {
        DrawChartFigure(kNorthFigure, surface, r.left, r.top, r.right, r.bottom, halfW, halfH, true,
                        ColorOf(kColorChartViewChartLine));
    }
}
