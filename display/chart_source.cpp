#include "display/chart_source.h"

#include "chart/chart.h"
#include "display/pane_settings.h"

ChartSource g_chartSource;

CChart* ChartOfPane(int pane) {
    const auto& pick =
        g_nPaneDisplayMode[pane] == kNatalChartOnly ? g_chartSource.natal : g_chartSource.current;
    CChart* chart = pick ? pick() : nullptr;
    return chart && !chart->LastCalculationFailed() ? chart : nullptr;
}

int CurrentMode() {
    return g_chartSource.mode ? g_chartSource.mode() : 0;
}

void RecalculateCharts() {
    if (g_chartSource.recalculate) g_chartSource.recalculate();
}

std::string ChartBaseName() {
    return g_chartSource.baseName ? g_chartSource.baseName() : std::string();
}

int LifeCycle() {
    return g_chartSource.lifeCycle ? g_chartSource.lifeCycle() : 0;
}

void MoveBirthTime(double jdUt) {
    if (g_chartSource.moveBirthTime) g_chartSource.moveBirthTime(jdUt);
}

void UndoBirthTime(bool all) {
    if (g_chartSource.undoBirthTime) g_chartSource.undoBirthTime(all);
}

int BirthTimeUndoCount() {
    return g_chartSource.birthTimeUndoCount ? g_chartSource.birthTimeUndoCount() : 0;
}
