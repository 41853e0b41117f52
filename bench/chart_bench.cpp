// The full pipeline of a natal chart, as the document runs it on every change of birth data, option,
// mode or time step.
#include <benchmark/benchmark.h>

#include "core/ayanamsa.h"
#include "core/chart.h"

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kStep = 0.0137; // days between runs, so the library's caches do not answer

// Delhi, zone -5.5, with the default ayanamsa (true Lahiri) and equal houses.
void BM_ChartComputeAll(benchmark::State& state) {
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTrueLahiri;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CChart chart;
    chart.m_longitude.m_dValue = -77.2;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = 28.6;
    chart.m_latitude.SplitDegrees();
    chart.m_dateTime.m_zone.m_dHours = -5.5;
    chart.m_dateTime.m_zone.SplitHours();
    double jd = kJ2000;
    for (auto _ : state) {
        chart.JulianDayToDate(jd, chart);
        benchmark::DoNotOptimize(chart.ComputeAll(false));
        jd += kStep;
    }
}
BENCHMARK(BM_ChartComputeAll)->Unit(benchmark::kMicrosecond);

} // namespace
