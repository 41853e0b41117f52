#pragma once
// Where the chart views find their charts: the natal chart, the current (mode) chart and the mode.
// The document fills it; until a document is in place the views draw nothing.
#include <functional>
#include <string>

class CChart;

struct ChartSource {
    std::function<CChart*()> natal;
    std::function<CChart*()> current;
    std::function<int()> mode;         // 0 natal, 1 Tajaka ... 6 prasna
    std::function<void()> recalculate; // recompute the charts after an option changed; updates the views
    std::function<std::string()>
        baseName;                   // the chart file's path without its extension; empty if never saved
    std::function<int()> lifeCycle; // 0 for the birth cycle, 1-10 for later cycles
    // The natal birth moment moved to a Julian day (UT) and kept for undo; recalculates, updates views.
    std::function<void(double)> moveBirthTime;
    // Back to the moment before the latest birth-time change, or (true) to the moment as entered.
    std::function<void(bool all)> undoBirthTime;
    // Birth moments kept for undo, the entered one included.
    std::function<int()> birthTimeUndoCount;
};
extern ChartSource g_chartSource;

// The chart a pane shows: the natal chart when the pane's display mode is "natal chart only", else the
// current chart; null while there is none, or while its last calculation failed.
CChart* ChartOfPane(int pane);
int CurrentMode();
// The document's full recalculation; nothing while no document is in place.
void RecalculateCharts();
std::string ChartBaseName();
int LifeCycle();
void MoveBirthTime(double jdUt);
void UndoBirthTime(bool all);
int BirthTimeUndoCount();
