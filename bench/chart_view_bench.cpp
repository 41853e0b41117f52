// Drawing the "Many Vargas" page: twelve chart panes of one natal chart into an image, offscreen, in each
// chart style. (Chart calculation and the Qt application object are outside the measure.)
#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/run_benchmarks.h"
#include "chart/chart.h"
#include "core/ayanamsa.h"
#include "core/data_folder.h"
#include "core/name_selection.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "platform/painter_surface.h"
#include "shell/display_fonts.h"
#include "shell/pane_state.h"

namespace {

// 1990-01-15 06:30 UT at New Delhi (77.21 E, 28.61 N).
CChart& BenchChart() {
    static CChart chart = [] {
        CChart c;
        c.m_longitude.m_dValue = -77.21;
        c.m_longitude.SplitDegrees();
        c.m_latitude.m_dValue = 28.61;
        c.m_latitude.SplitDegrees();
        c.JulianDayToDate(2447906.770833, c);
        (void)c.ComputeAll(false);
        c.m_strTitle = "Natal Chart";
        return c;
    }();
    return chart;
}

void BM_DrawManyVargas(benchmark::State& state) {
    SelectNameTables(false, false);
    CreateDisplayFonts();
    g_nChartStyle = static_cast<int>(state.range(0));
    g_nChartPaneCount = 12;
    g_bPackedChartMode = false;
    g_chartSource.natal = [] { return &BenchChart(); };
    g_chartSource.current = [] { return &BenchChart(); };
    CChartView view;
    view.resize(1366, 700);
    view.show(); // lays the viewport out at the window's size
    view.OnInitialUpdate();
    ImageSurface image(Size{1366, 700});
    for (auto _ : state) view.OnDraw(image.Surface());
}
BENCHMARK(BM_DrawManyVargas)
    ->Arg(0)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InitialiseEphemeris();
    return RunBenchmarks(argc, argv);
}
