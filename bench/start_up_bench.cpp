// Start-up to the first painted main window, offscreen: preferences read, frame, bars, display fonts
// and the whole pane tree built, shown and painted once. (Process start and the Qt application object
// are outside the measure.)
#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/run_benchmarks.h"
#include "core/data_folder.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"

namespace {

void BM_StartUpToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        g_bPreferencesInitialised = false; // every start reads the preferences
        CMainFrame frame(Rect{0, 0, 1366, 768});
        frame.Create(CCreateContext{});
        frame.show();
        const QPixmap painted = frame.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
