// The chart view on paper: the report's chart panes and the view's part in the print flow.
#include "chart/chart.h"
#include "display/chart_layout.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "display/print_pages.h"

namespace {

// Printed panes are laid out at one chart scale, whatever the window of the view that prints them: a
// pane of 360 units with the display fonts as they are, which the slot's scales then fit to the page.
// Laid out for the window, paper followed the screen: a small or hidden view gave thick frames and
// unreadable labels, and the preview differed from the print whenever the window changed between them.
constexpr double kPrintChartScale = 1.0;

// Gap between the print slots, logical units.
constexpr int kSlotGap = 11;
// Room added to a pane's side when the slots are scaled to the print area, logical units.
constexpr int kSlotMargin = 15;
constexpr int kSlotColumns = 2;
constexpr int kSlotRows = 3;

// Restores both drawing scales on every way out.
class SavedDrawScales {
public:
    SavedDrawScales() : m_x(g_dDrawScaleX), m_y(g_dDrawScaleY) {}
    ~SavedDrawScales() {
        g_dDrawScaleX = m_x;
        g_dDrawScaleY = m_y;
    }
    SavedDrawScales(const SavedDrawScales&) = delete;
    SavedDrawScales& operator=(const SavedDrawScales&) = delete;

private:
    double m_x;
    double m_y;
};

} // namespace

CPrintClient& CChartView::PrintClient() {
    return m_print;
}

void CChartView::OnUpdate(CView* sender, long hint) {
    if (!g_bPrinting) CView::OnUpdate(sender, hint);
}

void CChartView::PrintChartInto(DrawSurface& surface, int varga, int slot) {
    const CChart* chart = g_chartSource.current ? g_chartSource.current() : nullptr;
    if (!chart || slot < 0 || slot >= kSlotColumns * kSlotRows) return;
    SavedDrawScales saved;
    SetChartScale(kPrintChartScale);
    const int w = ChartSideAtScale(kPrintChartScale);
    const int h = w;
    const int left = (slot % kSlotColumns) * (w + kSlotGap);
    const int top = (slot / kSlotColumns) * (h + kSlotGap);
    g_dDrawScaleX = g_nPrintAreaWidth * (1.0 / kSlotColumns) / (w + kSlotMargin);
    g_dDrawScaleY = g_nPrintAreaHeight * (1.0 / kSlotRows) / (h + kSlotMargin);
    DrawChart(surface, Rect{left, top, left + w, top + h}, varga, *chart, slot, false);
}
