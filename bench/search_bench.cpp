// The longitude searches: a one-body Moon search, the most common probe of the returns and Pravesha
// charts, and a true sidereal solar return. Each run starts a day later, so the library's caches do
// not answer. Run with repetitions: the median is the figure to compare.
#include <benchmark/benchmark.h>

#include "core/ayanamsa.h"
#include "core/chart_core.h"
#include "core/return_charts.h"

namespace {

constexpr double kStartJd = 2451545.0; // J2000

CChartCore ChartAtUjjain(double jdUt) {
    CChartCore chart;
    chart.m_longitude.m_dValue = -75.7683; // positive west
    chart.m_latitude.m_dValue = 23.18;
    chart.JulianDayToDate(jdUt, chart);
    return chart;
}

// Runs a search from Ujjain on successive days under the default ayanamsa.
template <class Search> void SearchFromSuccessiveDays(benchmark::State& state, Search search) {
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTrueLahiri;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    double jd = kStartJd;
    CChartCore found;
    for (auto _ : state) {
        CChartCore start = ChartAtUjjain(jd);
        benchmark::DoNotOptimize(search(start, found));
        jd += 1.0;
    }
}

// The Moon's next arrival at its place a quarter turn ahead: some 7 days of stepping, then narrowing.
void BM_FindLongitudeTimeMoon(benchmark::State& state) {
    SearchFromSuccessiveDays(state, [](CChartCore& start, CChartCore& found) {
        std::uint8_t retrograde = 0;
        CLongitudeSearchRequest request;
        request.m_nBodyA = kMoon;
        request.m_dTarget =
            Reduce360(start.CalcBody(kMoon, start.GetJulianDay(), retrograde, false).value + 90.0);
        return start.FindLongitudeTime(found, request);
    });
}
BENCHMARK(BM_FindLongitudeTimeMoon)->Repetitions(9)->ReportAggregatesOnly(true);

// The natal chart's positions, then its thirtieth true sidereal solar return.
void BM_FindSiderealSolarReturn(benchmark::State& state) {
    SearchFromSuccessiveDays(state, [](CChartCore& natal, CChartCore& found) {
        benchmark::DoNotOptimize(natal.CalcPlanets());
        return natal.CastAnnualChart(30.0, found, kYearTrueSiderealSolar);
    });
}
BENCHMARK(BM_FindSiderealSolarReturn)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
