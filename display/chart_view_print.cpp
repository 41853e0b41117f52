// The chart view on paper: the report's chart panes and the view's part in the print flow.
#include "chart/chart.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "display/print_pages.h"

namespace {

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
    RecalcLayout(WindowSize());
    const int w = m_paneRect[0].Width();
    const int h = m_paneRect[0].Height();
    const int left = (slot % kSlotColumns) * (w + kSlotGap);
    const int top = (slot / kSlotColumns) * (h + kSlotGap);
    g_dDrawScaleX = g_nPrintAreaWidth * (1.0 / kSlotColumns) / (w + kSlotMargin);
    g_dDrawScaleY = g_nPrintAreaHeight * (1.0 / kSlotRows) / (h + kSlotMargin);
    DrawChart(surface, Rect{left, top, left + w, top + h}, varga, *chart, slot, false);
}
