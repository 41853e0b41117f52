// The full pipeline of a natal chart, as the document runs it on every change of birth data, option,
// mode or time step.
#include <benchmark/benchmark.h>

#include "bench_charts.h"

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kStep = 0.0137; // days between runs, so the library's caches do not answer

// Delhi, zone -5.5, with the default ayanamsa (true Lahiri) and equal houses.
void BM_ChartComputeAll(benchmark::State& state) {
    CChart chart = DelhiChart();
    double jd = kJ2000;
    for (auto _ : state) {
        chart.JulianDayToDate(jd, chart);
        benchmark::DoNotOptimize(chart.ComputeAll(false));
        jd += kStep;
    }
}
BENCHMARK(BM_ChartComputeAll)->Unit(benchmark::kMicrosecond);

} // namespace
