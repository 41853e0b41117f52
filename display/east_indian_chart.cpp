// East Indian charts: a 3 x 3 grid whose corner squares are cut into two triangles; Aries at the top
// middle, the signs running counter-clockwise; the centre square holds the varga.
#include "chart/chart.h"
#include "display/chart_captions.h"
#include "display/chart_cells.h"
#include "display/chart_colors.h"
#include "display/chart_figure.h"
#include "display/chart_layout.h"
#include "display/chart_renderers.h"
#include "display/drawing_factors.h"
#include "display/sign_labels.h"

namespace {

// Label slots by cell shape: nine main slots in half units and six small ones in quarter units of the
// slot size (a sixth of the label area's width by an eighth of its height).
constexpr Point kMainSlots[5][9] = {
    {{4, 6}, {8, 3}, {4, 3}, {8, 6}, {4, 9}, {8, 9}, {1, 3}, {1, 6}, {1, 9}},
    {{6, 3}, {9, 3}, {6, 0}, {3, 0}, {9, 0}, {3, 3}, {6, 6}, {9, 6}, {1, 0}},
    {{0, 7}, {0, 4}, {0, 10}, {0, 2}, {3, 10}, {3, 7}, {0, 1}, {0, 13}, {2, 4}},
    {{3, 3}, {0, 3}, {3, 0}, {6, 0}, {0, 0}, {6, 3}, {3, 6}, {0, 6}, {8, 0}},
    {{9, 7}, {9, 4}, {9, 10}, {9, 2}, {6, 10}, {6, 7}, {9, 1}, {9, 13}, {7, 4}},
};
constexpr Point kSmallSlots[5][6] = {
    {{16, 28}, {8, 28}, {2, 28}, {16, 23}, {8, 23}, {2, 23}},
    {{20, 20}, {20, 16}, {16, 16}, {20, 24}, {16, 19}, {20, 12}},
    {{16, 28}, {8, 28}, {0, 28}, {12, 28}, {4, 28}, {20, 28}},
    {{0, 20}, {0, 16}, {4, 16}, {0, 24}, {4, 19}, {0, 12}},
    {{4, 28}, {12, 28}, {20, 28}, {8, 28}, {16, 28}, {1, 28}},
};
// Text areas of the two-chart form, quarters of a grid square from its corner, by sign.
constexpr Point kInnerTextArea[12] = {{1, 2}, {2, 2}, {2, 2}, {2, 1}, {2, 0}, {2, 0},
                                      {1, 0}, {0, 0}, {0, 0}, {0, 1}, {0, 2}, {0, 2}};
constexpr Point kOuterTextArea[12] = {{1, 0}, {1, 0}, {0, 1}, {0, 1}, {0, 1}, {1, 2},
                                      {1, 2}, {1, 2}, {2, 1}, {2, 1}, {2, 1}, {1, 0}};

// Slots from the corner (x, y) with slot size sw x sh.
CellSlots EastSlots(int x, int y, int sw, int sh, int shape) {
    CellSlots slots;
    slots.main = [=](int n) {
        const Point p = kMainSlots[shape][n % 9];
        return LabelSlot{x + p.x * sw / 2, y + p.y * sh / 2, sw, sh};
    };
    slots.small = [=](int n) {
        const Point p = kSmallSlots[shape][n % 6];
        return LabelSlot{x + p.x * sw / 4, y + p.y * sh / 4, sw, sh};
    };
    return slots;
}

// The twelve cells of a chart area: polygons, highlight fills and labels; `slotsOf`(sign, grid square,
// w, h) gives each sign's label slots, and `underLabels`() draws what lies under the labels but over the
// fills.
template <class SlotsOf, class UnderLabels>
void DrawEastCells(DrawSurface& surface, ChartDrawState& state, const Rect& area, int varga,
                   const CChart& chart, int pane, SlotsOf slotsOf, UnderLabels underLabels) {
    state.bodyLabelRect[pane].fill(Rect{});
    const int w = area.Width() / 3;
    const int h = area.Height() / 3;
    const SignLabelTarget target{surface, state, chart, varga, pane};
    for (int sign = 0; sign < 12; ++sign) {
        const Rect square = EastGridSquare(area, sign);
        CPolygonRegion& region = state.Region(pane, sign);
        SetCellPolygon(region, EastCellShape(sign), square.left, square.top, square.right, square.bottom);
        FillRasiHighlight(surface, state, region, pane, sign);
    }
    underLabels();
    // The labels once every cell is filled: a label may reach over a small cell's lines.
    std::vector<Rect> drawn;
    for (int sign = 0; sign < 12; ++sign) {
        CellSlots slots = slotsOf(sign, EastGridSquare(area, sign), w, h);
        slots.fixed.insert(slots.fixed.end(), drawn.begin(), drawn.end());
        const std::vector<Rect> labels = DrawSignLabels(target, sign, slots);
        drawn.insert(drawn.end(), labels.begin(), labels.end());
    }
}

bool ShowsGrahaArudhas(int pane) {
    return g_nPaneBodyView[pane] == kGrahaArudhaView || g_nPaneBodyView[pane] == kDualGrahaArudhaView;
}

} // namespace

void DrawEastChart(DrawSurface& surface, ChartDrawState& state, const Rect& rect, int varga,
                   const CChart& chart, int pane, bool frame, bool screen) {
    const int c = CaptionLineHeight();
    const int m = (c + 4) / 2;
    const Rect area{rect.left + m, rect.top + c, rect.right - m, rect.bottom - 4};
    const bool fill = screen && !g_bPrinting;
    if (fill) surface.FillRect(frame ? area : rect, ColorOf(kColorChartViewCartBackground));
    state.paneGround[pane] = ChartGround(fill);
    if (area.Width() <= 0 || area.Height() <= 0) return;
    const int w = area.Width() / 3;
    const int h = area.Height() / 3;
    const auto slotsOf = [&](int sign, const Rect& square, int sw, int sh) {
        CellSlots slots = EastSlots(square.left, square.top, sw / 6, sh / 8, EastCellShape(sign));
        slots.area = InsideFrame(area);
        return slots;
    };
    // The lines under the labels: a label that must reach over one is drawn over it, its letters whole.
    DrawEastCells(surface, state, area, varga, chart, pane, slotsOf, [&] {
        DrawChartFigure(frame ? kEastFramedFigure : kEastFigure, surface, area.left, area.top, area.right,
                        area.bottom, w, h, true, ColorOf(kColorChartViewChartLine));
    });
    // The title keeps below the frame of a pane right above (the twelve panes touch).
    DrawChartText(surface, chart.m_strTitle, Rect{rect.left, rect.top, rect.right, area.top},
                  kTextCenter | kTextNoClip, FontA(1.2, 1.2, 1.0));
    const int x0 = area.left + w;
    const int x1 = area.left + 2 * w;
    if (varga == 0) {
        DrawChartText(surface, ChartVargaName(0), Rect{x0, area.top + h, x1, area.top + 2 * h}, kCentredLine,
                      VargaNameFont(1.2, 1.2, 1.2));
    } else {
        DrawChartText(surface, ChartVargaName(varga), Rect{x0, area.top + h, x1, area.top + 3 * h / 2},
                      kCentredLine, VargaNameFont(1.2, 1.2, 1.0));
        DrawChartText(surface, VargaLabel(varga), Rect{x0, area.top + 3 * h / 2, x1, area.top + 2 * h},
                      kCentredLine, FontA(1.2, 1.2, 1.2));
    }
    if (ShowsGrahaArudhas(pane)) {
        DrawChartText(surface, "Planet Arudhas", Rect{x0, area.top + 3 * h / 2, x1, area.top + 2 * h},
                      kCentredLine, FontA(1.1, 1.1, 1.1), ColorOf(kColorChartViewGrahaArudhaTitle));
    }
}

void DrawMixedEastChart(DrawSurface& surface, ChartDrawState& state, const Rect& area, int varga,
                        const CChart& chart, int pane, bool frame) {
    const bool inner = pane == kInnerPane;
    const int c = CaptionLineHeight() * (inner ? 1 : 2);
    if (area.Width() <= 0 || area.Height() <= 0) return;
    const Rect ringBorder = MixedInnerSquare(area, frame ? 4 : 3);
    state.paneGround[pane] = TwoChartGround(pane);
    DrawEastCells(
        surface, state, area, varga, chart, pane,
        [&](int sign, const Rect& square, int w, int h) {
            const Point text = inner ? kInnerTextArea[sign] : kOuterTextArea[sign];
            const int x = square.left + text.x * w / 4;
            const int y = square.top + text.y * h / 4;
            CellSlots slots = EastSlots(x, y, w / 12, h / 16, EastCellShape(sign));
            slots.area = KeptToRing(Rect{x, y, x + w / 2, y + h / 2}, ringBorder, inner);
            return slots;
        },
        [] {});
    const int w = area.Width() / 3;
    const int h = area.Height() / 3;
    // The captions stand above the chart's double frame.
    const int bottom = area.top - kOuterFrameReach;
    const Rect band{area.left, bottom - c, area.right, bottom};
    DrawCaptionBand(surface, band, Rect{area.left + w / 2, band.top, area.right, bottom},
                    (inner ? "Inner: " : "Outer: ") + chart.m_strTitle, varga, pane, 1, CaptionLineHeight());
    if (!inner) {
        DrawChartFigure(frame ? kEastFramedFigure : kEastFigure, surface, area.left, area.top, area.right,
                        area.bottom, w, h, true, ColorOf(kColorChartViewChartLine));
    }
}
