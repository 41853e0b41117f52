#include "display/chart_view.h"

#include <QMenu>
#include <QPointer>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "chart/chart.h"
#include "display/chart_colors.h"
#include "display/chart_info.h"
#include "display/chart_layout.h"
#include "display/chart_renderers.h"
#include "display/chart_source.h"
#include "display/styled_text.h"
#include "display/text_charts.h"
#include "shell/display_fonts.h"
#include "shell/pane_state.h"

CChartView* g_pChartView = nullptr;

namespace {

enum ChartStyle { kSouthRegular = 0, kSouthMirrored = 1, kNorthStyle = 2, kEastStyle = 3, kEastFramed = 4 };

// The shell marks the split-pane tabs as packed; the chart tabs ("Chakras", "Many Vargas") fill the page.
bool WideChartLayout() {
    return !g_bPackedChartMode;
}

} // namespace

CChartView::CChartView(QWidget* parent) : CChartView(parent, true) {}

CChartView::CChartView(QWidget* parent, bool forReports) : CView(parent) {
    if (!forReports) return;
    g_pChartView = this;
    m_report.emplace(
        kChartReport, [this](DrawSurface& surface, int varga, int slot) { PrintChartInto(surface, varga, slot); },
        [this](bool allVargas) { GetChartText(allVargas); },
        [this] { return m_bAllVargasText ? g_strChartTextAll : g_strChartTextRasi; });
}

CChart* CChartView::PaneChart(int pane) const {
    return ChartOfPane(pane);
}

CChartView::~CChartView() {
    if (g_pChartView == this) g_pChartView = nullptr;
}

void CChartView::OnInitialUpdate() {
    RecalcLayout(WindowSize());
    m_state.CopyColors();
    m_nCurPane = 0;
    for (int k = 0; k < std::min(g_nChartPaneCount, kChartPaneCount); ++k) {
        g_nPaneDisplayMode[k] = kAutomaticChart;
        g_nPaneBodyView[k] = kStandardView;
        if (g_bResetPaneBodyViews) ResetBodyFlagsStandard(k);
    }
    g_bResetPaneBodyViews = false;
    m_state.paneHouseOffset.fill(0);
    m_state.ClearHighlights();
    m_nCurRasi = kNoSign;
    m_nCurBody = kNoBody;
    CView::OnInitialUpdate();
}

Size CChartView::WindowSize() const {
    return Size{viewport()->width(), viewport()->height()};
}

void CChartView::RecalcLayout(Size window) {
    const ChartPaneLayout layout =
        LayOutChartPanes(window.cx, window.cy, g_nChartPaneCount, WideChartLayout());
    m_paneRect = layout.panes;
    m_background = Rect{0, 0, std::max(window.cx, layout.total.cx), std::max(window.cy, layout.total.cy)};
    SetScrollSizes(layout.total);
    SetChartScale(layout.scale);
}

void SetChartScale(double scale) {
    g_dChartScale = scale;
    g_chartFontA = ScaledFont(g_displayFonts[0], scale, scale, scale);
    g_chartFontB = ScaledFont(g_displayFonts[1], scale, scale, scale);
}

void CChartView::OnDraw(DrawSurface& surface) {
    if (g_bPrinting && !surface.IsPrinter()) return;
    RecalcLayout(WindowSize());
    if (!g_bPrinting) surface.FillRect(m_background, ColorOf(kColorChartViewFrame));
    const int paneCount = std::min(g_nChartPaneCount, kChartPaneCount);
    for (int k = 0; k < paneCount; ++k) {
        const CChart* chart = PaneChart(k);
        if (!chart) continue;
        // With two chart styles the two panes of a pair show one varga, one in each style.
        const int vargaPane = g_bUseTwoChartStyles ? (k & ~1) : k;
        DrawChart(surface, m_paneRect[k], g_nPaneVarga[vargaPane], *chart, k, true);
    }
    // A single pane has room below it for the birth data of the current chart.
    constexpr int kInfoLeft = 20;
    constexpr int kInfoGap = 30;
    constexpr int kInfoValueOffset = 100;
    const CChart* current = g_chartSource.current ? g_chartSource.current() : nullptr;
    if (paneCount == 1 && current) {
        DrawChartInfoShort(
            surface, *current,
            Rect{kInfoLeft, m_paneRect[0].bottom + kInfoGap, m_background.right, m_background.bottom},
            kInfoValueOffset);
    }
}

void CChartView::DrawChart(DrawSurface& surface, const Rect& rect, int varga, const CChart& chart, int pane,
                           bool screen) {
    const int style = g_bUseTwoChartStyles && (pane & 1) ? g_nChartStyle2 : g_nChartStyle;
    switch (style) {
    case kSouthRegular:
    case kSouthMirrored:
        DrawSouthIndianChart(surface, m_state, rect, varga, chart, pane, style == kSouthRegular, screen);
        break;
    case kNorthStyle:
        DrawNorthIndianChart(surface, m_state, rect, varga, chart, pane, true, screen);
        break;
    case kEastStyle:
    case kEastFramed:
        DrawEastChart(surface, m_state, rect, varga, chart, pane, style == kEastFramed, screen);
        break;
    default:
        break;
    }
}

bool CChartView::HitTestForMenu(Point point) {
    int pane = -1;
    for (int k = 0; k < std::min(g_nChartPaneCount, kChartPaneCount); ++k)
        if (m_paneRect[k].Contains(point)) pane = k;
    if (pane < 0) return false;
    // The commands act on the even pane of a pair; the hit is found in the pane clicked, whose labels
    // and cells show the same varga.
    m_nCurPane = g_bUseTwoChartStyles ? (pane & ~1) : pane;
    FindHitInPane(pane, point);
    return true;
}

void CChartView::FindHitInPane(int geometryPane, Point point) {
    m_nCurBody = kNoBody;
    for (int body = 0; body < kLabelledBodies; ++body)
        if (m_state.bodyLabelRect[geometryPane][body].Contains(point)) m_nCurBody = body;
    m_nCurRasi = kNoSign;
    for (int sign = 0; sign < 12; ++sign)
        if (m_state.Region(geometryPane, sign).ContainsPoint(point.x, point.y)) m_nCurRasi = sign;
}

void CChartView::ClearHighlightsOnClick() {
    if (!m_state.ShowsRelations() && !g_bHighlightsOn) return;
    m_state.ClearHighlights();
    g_bHighlightsOn = false;
    Invalidate();
}

void CChartView::ShowHighlights() {
    g_bHighlightsOn = true;
    Invalidate();
}

void CChartView::mousePressEvent(QMouseEvent* event) {
    CView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) ClearHighlightsOnClick();
}

void CChartView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        event->accept(); // taken here, so no enclosing pane scrolls or zooms either
        return;
    }
    CView::wheelEvent(event);
}

void CChartView::OnContextMenu(QPoint screenPos) {
    ClearHighlightsOnClick();
    const QPoint client = viewport()->mapFromGlobal(screenPos);
    const Point scroll = GetScrollPosition();
    if (!HitTestForMenu(Point{client.x() + scroll.x, client.y() + scroll.y})) return;
    // The menu is not the view's child: a window closed while the menu is up takes its view along.
    QMenu menu;
    BuildContextMenu(menu);
    const QPointer<CChartView> alive(this);
    const QAction* chosen = menu.exec(screenPos);
    if (chosen && alive) RunCommand(chosen->data().toInt());
}
