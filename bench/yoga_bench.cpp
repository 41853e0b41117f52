// The yoga finder on a computed natal chart, as the pipeline and the yogas view run it.
#include <benchmark/benchmark.h>

#include "bench_charts.h"

namespace {

// Delhi, 1 January 2000 12:00 UT; all categories in the rasi column.
void BM_FindAllYogas(benchmark::State& state) {
    CChart chart = DelhiChart();
    chart.JulianDayToDate(2451545.0, chart);
    if (!chart.Compute().ok()) {
        state.SkipWithError("the chart cannot be computed");
        return;
    }
    CYogaList list;
    for (auto _ : state) {
        list.FindAllYogas(chart, kYogaAll);
        benchmark::DoNotOptimize(list.m_records.data());
    }
    state.counters["yogas"] = list.Count();
}
BENCHMARK(BM_FindAllYogas)->Unit(benchmark::kMicrosecond);

} // namespace
