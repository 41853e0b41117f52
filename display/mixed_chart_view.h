#pragma once
// The mixed chart view: an inner chart (pane 12, by default the natal rasi) and an outer chart (pane 13,
// the natal navamsa, or the current rasi in a mode) drawn into one chart square of the chosen style.
#include "display/chart_view.h"

class CMixedChartView : public CChartView {
public:
    explicit CMixedChartView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnDraw(DrawSurface& surface) override;
    void RecalcLayout(Size window) override;
    // A click in the chart area acts on the outer chart, one inside the inner square on the inner chart.
    bool HitTestForMenu(Point point) override;
    // The view's own menu: the varga, body-view and display-mode choices of the ring clicked, its
    // queries and highlights; the chart view's birth-time, research-varga and layout entries are not
    // offered here.
    void BuildContextMenu(QMenu& menu) override;

    const Rect& InnerRect() const { return m_innerRect; }

private:
    void DrawMixedChart(DrawSurface& surface, int varga, const CChart& chart, int pane, int lagnaSign);

    Rect m_innerRect;
};
