#pragma once
// CStrengthGraphView: the "Bar graphs" pane — a grid of bar graphs of the current chart's strengths,
// one of six graph pages chosen from the context menu, gathered afresh at every paint. Pixels of the
// pane; the graphs fill the window (at least 600 x 600) and scroll beyond it.
#include "platform/view.h"
#include "views/info/pane_support.h"
#include "views/info/strength_graph_drawing.h"

class QMenu;

class CStrengthGraphView : public CView {
public:
    explicit CStrengthGraphView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // The background, then each graph of the page.
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    // The six pages (the shown one checked) and "Change the varga used in ashtakavarga".
    void FillContextMenu(QMenu& menu);

    int Page() const { return m_nPage; }
    // Shows page `page` (out of range: the graha balas) and redraws.
    void SelectPage(int page);
    // "Select a divisional chart" preset with the ashtakavarga's varga; on OK both ashtakavarga vargas
    // become the choice and the graphs are redrawn.
    void OnChangeAshtakavargaVarga();

    // The grid for the pane's present size; sets the scroll extent.
    const GraphLayout& Layout();

private:
    CPaneUpdateLink m_updateLink{*this};
    int m_nPage = kGrahaBalaPage;
    GraphLayout m_layout;
};
