// The full pipeline of a natal chart, as the document runs it on every change of birth data, option,
// mode or time step, beside its floor: the bare library work of the one chart moment. Run with
// repetitions and compare medians; the counters give the library calls per chart by kind.
#include <benchmark/benchmark.h>

#include <vector>

#include <swephexp.h>

#include "bench_charts.h"
#include "call_counters.h"
#include "core/ayanamsa_cache.h"
#include "core/calc_options.h"
#include "core/ephemeris_flags.h"

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kStep = 0.0137; // days between runs, so the library's caches do not answer

// Delhi, zone -5.5, with the default ayanamsa (true Lahiri) and the default options, recalculated
// `step` days later each time; `forget`: with nothing remembered from the calculation before.
void ComputeCharts(benchmark::State& state, double step, bool forget) {
    CChart chart = DelhiChart();
    double jd = kJ2000;
    const CallCounters calls;
    for (auto _ : state) {
        if (forget) ForgetCachedAyanamsas();
        chart.JulianDayToDate(jd, chart);
        benchmark::DoNotOptimize(chart.ComputeAll(false));
        jd += step;
    }
    calls.Report(state);
}

// The time stepped by 20 minutes, as the user steps it: the birth day, the lunations and most stays
// in signs are taken back from the calculation before.
void BM_ChartComputeAll(benchmark::State& state) {
    ComputeCharts(state, kStep, false);
}
BENCHMARK(BM_ChartComputeAll)->Unit(benchmark::kMicrosecond);

// One chart a day, as the calendars cast them: a new birth day every time.
void BM_ChartComputeAllDayByDay(benchmark::State& state) {
    ComputeCharts(state, 1.0 + kStep, false);
}
BENCHMARK(BM_ChartComputeAllDayByDay)->Unit(benchmark::kMicrosecond);

// Every chart from scratch: nothing remembered.
void BM_ChartComputeAllFromScratch(benchmark::State& state) {
    ComputeCharts(state, kStep, true);
}
BENCHMARK(BM_ChartComputeAllFromScratch)->Unit(benchmark::kMicrosecond);

// Twelve births, each stepped by 20 minutes in turn, as a document steps its natal and current charts
// and the transit and mode views cast theirs between steps: what one chart reuses must survive the
// others. Places: longitude (degrees, east positive), latitude (north positive), zone (hours east).
void BM_TwelveChartsInTurn(benchmark::State& state) {
    struct Place {
        double longitudeEast, latitude, zoneEast, jdUt;
    };
    static constexpr Place kPlaces[] = {
        {77.2, 28.6, 5.5, 2451545.0},    {-0.13, 51.5, 0.0, 2440000.3},  {-74.0, 40.7, -5.0, 2445000.7},
        {151.2, -33.9, 10.0, 2448000.1}, {139.7, 35.7, 9.0, 2430000.5},  {18.9, 69.6, 1.0, 2455000.2},
        {-46.6, -23.5, -3.0, 2460000.9}, {37.6, 55.8, 3.0, 2420000.4},   {80.3, 13.1, 5.5, 2447000.6},
        {-149.9, 61.2, -9.0, 2452000.8}, {28.0, -26.2, 2.0, 2438000.05}, {-21.9, 64.1, 0.0, 2458000.35}};
    std::vector<CChart> charts;
    for (const Place& place : kPlaces) {
        CChart chart = DelhiChart();
        chart.m_longitude.m_dValue = -place.longitudeEast;
        chart.m_longitude.SplitDegrees();
        chart.m_latitude.m_dValue = place.latitude;
        chart.m_latitude.SplitDegrees();
        chart.m_dateTime.m_zone.m_dHours = -place.zoneEast;
        chart.m_dateTime.m_zone.SplitHours();
        chart.JulianDayToDate(place.jdUt, chart);
        charts.push_back(chart);
    }
    const CallCounters calls;
    std::size_t next = 0;
    for (auto _ : state) {
        CChart& chart = charts[next];
        chart.JulianDayToDate(chart.GetJulianDay() + kStep, chart);
        benchmark::DoNotOptimize(chart.ComputeAll(false));
        next = (next + 1) % charts.size();
    }
    calls.Report(state);
}
BENCHMARK(BM_TwelveChartsInTurn)->Unit(benchmark::kMicrosecond);

// The floor under BM_ChartComputeAll: the library work of one chart moment at the same place, with the
// chart's flags and nothing around it: the 12 bodies, Spica (the default ayanamsa's anchor) and the houses.
void BM_ChartMomentFloor(benchmark::State& state) {
    const CChart chart = DelhiChart();
    const double longitudeEast = -chart.m_longitude.m_dValue;
    const double latitude = chart.m_latitude.m_dValue;
    const std::int32_t flags = SetTopocentric(longitudeEast, latitude, 0.0) | kFlagSidereal;
    static constexpr int kBodies[] = {SE_SUN,       SE_MOON,   SE_MARS,    SE_MERCURY,
                                      SE_JUPITER,   SE_VENUS,  SE_SATURN,  SE_MEAN_NODE,
                                      SE_MEAN_NODE, SE_URANUS, SE_NEPTUNE, SE_PLUTO};
    const int houseSystem = HouseSystemLetter(g_nHouseTypeWanted);
    double jd = kJ2000;
    for (auto _ : state) {
        double x[6], cusps[13], angles[10];
        char error[AS_MAXCH];
        for (const int body : kBodies) benchmark::DoNotOptimize(swe_calc_ut(jd, body, flags, x, error));
        char star[2 * SE_MAX_STNAME + 1] = "Spica";
        benchmark::DoNotOptimize(swe_fixstar2_ut(star, jd, flags, x, error));
        benchmark::DoNotOptimize(swe_houses_ex(jd, 0, latitude, longitudeEast, houseSystem, cusps, angles));
        jd += kStep;
    }
}
BENCHMARK(BM_ChartMomentFloor)->Unit(benchmark::kMicrosecond);

} // namespace
