#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "shell/view_registry.h"

void RegisterChartViews() {
    RegisterPaneClass("CChartView", [](QWidget* parent) -> QWidget* { return new CChartView(parent); });
    RegisterPaneClass("CMixedChartView",
                      [](QWidget* parent) -> QWidget* { return new CMixedChartView(parent); });
}
