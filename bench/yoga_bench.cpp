// The yoga finder on a computed natal chart, as the pipeline and the yogas view run it.
#include <benchmark/benchmark.h>

#include "core/ayanamsa.h"
#include "core/chart.h"

namespace {

// Delhi, 1 January 2000 12:00 UT, true Lahiri; all categories in the rasi column.
void BM_FindAllYogas(benchmark::State& state) {
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTrueLahiri;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CChart chart;
    chart.m_longitude.m_dValue = -77.2;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = 28.6;
    chart.m_latitude.SplitDegrees();
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
