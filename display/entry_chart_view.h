#pragma once
// CEntryChartView: the chart cast for the start of a dasa period (the period-entry chart), in a window
// of its own. It draws its document's current chart in pane slot 14 under the caption "Period Entry",
// with the chart's key data beside it; its menu opens the chart's planet longitudes, ashtakavarga and
// compressed Patyayini dasa in windows of their own on the same document. The document (made by the
// dasa page's command) lives as long as any of these windows. Coordinates are pixels of the view.
#include "display/chart_view.h"

inline constexpr int kEntryPane = 14; // the pane slot of the period-entry chart

// Commands of the entry chart's menu.
enum EntryChartCommand {
    kCmdEntryPlanetLongitudes = 32969,
    kCmdEntryPatyayiniDasa = 32970,
};

class CEntryChartView : public CChartView {
public:
    explicit CEntryChartView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnDraw(DrawSurface& surface) override;
    void RecalcLayout(Size window) override;
    // Only a click inside the chart area opens the menu; it acts on pane 14.
    bool HitTestForMenu(Point point) override;
    void BuildContextMenu(QMenu& menu) override;
    bool RunCommand(int command) override;
    // The document's current chart: the entry chart.
    CChart* PaneChart(int pane) const override;

    const Rect& ChartArea() const { return m_paneRect[kEntryPane]; }

    // "Planet longitudes", "Show ashtakavarga of this chart", "Compressed Patyayini dasa": the view's
    // window on this view's document; false (after the message) when it cannot be opened.
    bool OpenEntryWindow(const char* className);
};
