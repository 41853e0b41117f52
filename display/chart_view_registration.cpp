#include "display/chart_view.h"
#include "display/entry_chart_view.h"
#include "display/mixed_chart_view.h"
#include "shell/view_registry.h"

void RegisterChartViews() {
    RegisterPaneClass("CChartView", [](QWidget* parent) -> QWidget* { return new CChartView(parent); });
    RegisterPaneClass("CMixedChartView",
                      [](QWidget* parent) -> QWidget* { return new CMixedChartView(parent); });
    RegisterPaneClass("CEntryChartView",
                      [](QWidget* parent) -> QWidget* { return new CEntryChartView(parent); });
}
