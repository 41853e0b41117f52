#include "display/mixed_chart_view.h"

#include <QMenu>

#include "chart/chart.h"
#include "display/chart_captions.h"
#include "display/chart_colors.h"
#include "display/chart_commands.h"
#include "display/chart_figure.h"
#include "display/chart_layout.h"
#include "display/chart_menu_entries.h"
#include "display/chart_renderers.h"
#include "display/chart_source.h"
#include "display/menu_commands.h"
#include "display/styled_text.h"
#include "shell/display_fonts.h"

namespace {

constexpr double kSmallAreaFontFactor = 0.65; // chart fonts of a chart area up to 600 pixels
constexpr double kLargeAreaFontFactor = 0.5;
constexpr int kSmallAreaLimit = 601;

// The body views of the mixed view's menu: every preset but the standard view with graha arudhas.
constexpr int kMixedBodyViews[] = {kStandardView,        kUpagrahaView,      kGrahaArudhaView,
                                   kDualGrahaArudhaView, kChandraArudhaView, kSuryaArudhaView,
                                   kVarnadaView,         kCharaKarakaView,   kSpecialLagnaView};
// Its optional bodies: every group but Bhrigu Bindu and Pranapada Lagna.
constexpr int kMixedOptionalGroups[] = {0, 1, 2, 3, 4, 5, 6, 9, 10};

} // namespace

CMixedChartView::CMixedChartView(QWidget* parent) : CChartView(parent) {}

void CMixedChartView::RecalcLayout(Size window) {
    g_dChartScale = MixedChartScale(window.cx, window.cy);
    const int side = ChartSideAtScale(g_dChartScale);
    const double factor =
        g_dChartScale * (side < kSmallAreaLimit ? kSmallAreaFontFactor : kLargeAreaFontFactor);
    g_chartFontA = ScaledFont(g_displayFonts[0], factor, factor, factor);
    g_chartFontB = ScaledFont(g_displayFonts[1], factor, factor, factor);
    const MixedChartLayout layout =
        LayOutMixedChart(window.cx, window.cy, g_nChartStyle, CaptionLineHeight() + kOuterFrameReach);
    m_background = Rect{0, 0, window.cx, window.cy};
    m_paneRect[0] = layout.area;
    m_paneRect[1] = layout.area;
    m_innerRect = layout.inner;
    SetScrollSizes(layout.total);
}

void CMixedChartView::OnInitialUpdate() {
    RecalcLayout(WindowSize());
    m_state.CopyColors();
    m_nCurPane = 0;
    g_nPaneBodyView[kInnerPane] = kStandardView;
    ResetBodyFlagsStandard(kInnerPane);
    ResetBodyFlagsStandard(kOuterPane);
    g_nPaneDisplayMode[kInnerPane] = kNatalChartOnly;
    g_nPaneVarga[kInnerPane] = 0;
    g_nPaneDisplayMode[kOuterPane] = kAutomaticChart;
    g_nPaneVarga[kOuterPane] = CurrentMode() == 0 ? 1 : 0;
    m_state.ClearHighlights();
    m_nCurRasi = kNoSign;
    m_nCurBody = kNoBody;
    CView::OnInitialUpdate();
}

void CMixedChartView::DrawMixedChart(DrawSurface& surface, int varga, const CChart& chart, int pane,
                                     int lagnaSign) {
    const Rect& area = m_paneRect[0];
    switch (g_nChartStyle) {
    case 0:
    case 1:
        DrawMixedSouthIndianChart(surface, m_state, area, varga, chart, pane, g_nChartStyle == 0);
        break;
    case 2:
        DrawMixedNorthIndianChart(surface, m_state, area, varga, chart, pane, lagnaSign);
        break;
    case 3:
    case 4:
        DrawMixedEastChart(surface, m_state, area, varga, chart, pane, g_nChartStyle == 4);
        break;
    default:
        break;
    }
}

void CMixedChartView::OnDraw(DrawSurface& surface) {
    RecalcLayout(WindowSize());
    surface.FillRect(m_background, ColorOf(kColorChartViewFrame));
    surface.FillRect(m_paneRect[0], ColorOf(kColorChartViewOuter));
    surface.FillRect(m_innerRect, ColorOf(kColorChartViewCartBackground));
    const CChart* inner = ChartOfPane(kInnerPane);
    const CChart* outer = ChartOfPane(kOuterPane);
    if (!inner || !outer) return;
    const int lagnaSign = inner->m_vargaSign.Sign(kLagna, g_nPaneVarga[kInnerPane]);
    DrawMixedChart(surface, g_nPaneVarga[kInnerPane], *inner, kInnerPane, lagnaSign);
    DrawMixedChart(surface, g_nPaneVarga[kOuterPane], *outer, kOuterPane, lagnaSign);
    surface.SelectPen(LogicalPen{ColorOf(kColorChartViewInnerOuterSeparator), 1, PenStyle::kSolid});
    const Rect& r = m_innerRect;
    surface.MoveTo(Point{r.left, r.top});
    surface.LineTo(Point{r.right, r.top});
    surface.LineTo(Point{r.right, r.bottom});
    surface.LineTo(Point{r.left, r.bottom});
    surface.LineTo(Point{r.left, r.top});
}

bool CMixedChartView::HitTestForMenu(Point point) {
    int pane = -1;
    if (m_paneRect[0].Contains(point)) pane = kOuterPane;
    if (m_innerRect.Contains(point)) pane = kInnerPane;
    if (pane < 0) return false;
    m_nCurPane = pane;
    FindHitInPane(pane, point);
    return true;
}

void CMixedChartView::BuildContextMenu(QMenu& menu) {
    const int pane = m_nCurPane;
    const bool planet = m_nCurBody >= 1 && m_nCurBody <= kKetu;
    const bool sign = m_nCurRasi < kNoSign;
    if (sign && g_nChartStyle == 2) {
        AddCommand(menu, "Show chart from this house", kCmdChartFromThisHouse);
        menu.addSeparator();
    }
    AddCommand(menu, "When will lagna change sign in " + VargaTitle(g_nPaneVarga[pane]), kCmdLagnaSignChange);
    AddCommand(menu, "Show ashtakavarga of this chart", kCmdShowAshtakavarga);
    menu.addSeparator();
    AddCommand(menu, "Rasi chakra", kCmdRasiChakra);
    AddCommand(menu, "Bhava chakra or Chalit chakra", kCmdBhavaChakra);
    AddCommand(menu, "Navamsa chakra", kCmdVargaD9);
    for (int column = 2; column <= kLastPlainVarga; ++column)
        AddCommand(menu, VargaEntryText(column), kCmdFirstVarga + column - 2);
    QMenu* higher = menu.addMenu("Higher divisions");
    for (const VargaCommand& entry : HigherVargaCommands())
        AddCommand(*higher, VargaEntryText(entry.column), entry.command);
    menu.addSeparator();
    AddCommand(menu, "Planets in marana karaka sthana", kCmdMaranaKarakaSthana);
    AddRelationEntries(menu, planet);
    AddHighlightEntries(menu, planet, sign);
    AddCopyChartEntries(menu, false);
    AddBodyViewEntries(menu, pane, kMixedBodyViews, kMixedOptionalGroups);
    AddDisplayModeEntries(menu, pane);
}
