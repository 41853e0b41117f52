#include <benchmark/benchmark.h>

#include "bench/run_benchmarks.h"
#include "core/ayanamsa.h"
#include "core/chart_core.h"
#include "core/data_folder.h"
#include "core/ephemeris_flags.h"

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kStep = 0.0137; // days between calls, so the library's caches do not answer

void ChooseAyanamsa(int id) {
    g_ayanamsaSettings.m_nAyanamsaId = id;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
}

// The library's ayanamsa of the default id (Lahiri mode under Spica's anchoring).
void BM_GetAyanamsaValue(benchmark::State& state) {
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    double jd = kJ2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetAyanamsaValue(jd, g_ayanamsaSettings));
        jd += kStep;
    }
}
BENCHMARK(BM_GetAyanamsaValue);

// The whole ayanamsa of a star-anchored id: the library's value and the star correction.
void BM_StarAnchoredAyanamsa(benchmark::State& state) {
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    const auto anchor = StarAnchorOf(kAyanamsaTrueLahiri);
    const std::int32_t flags = SetTopocentric(0, 0, 0) | kFlagSidereal;
    double jd = kJ2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetAyanamsaValue(jd, g_ayanamsaSettings));
        benchmark::DoNotOptimize(CalcStarCorrection(*anchor, jd, flags));
        jd += kStep;
    }
}
BENCHMARK(BM_StarAnchoredAyanamsa);

// Bodies 0-12 of one chart, a new moment each time.
void BM_CalcPlanets(benchmark::State& state) {
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    CChartCore chart;
    chart.m_longitude.m_dValue = -75.7683;
    chart.m_latitude.m_dValue = 23.18;
    chart.JulianDayToDate(kJ2000, chart);
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.CalcPlanets());
        chart.JulianDayToDate(chart.GetJulianDay() + kStep, chart);
    }
}
BENCHMARK(BM_CalcPlanets);

// One body without speeds, as the longitude searches step it.
void BM_CalcBodySearchStep(benchmark::State& state) {
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    CChartCore chart;
    chart.m_latitude.m_dValue = 51.5;
    double jd = kJ2000;
    std::uint8_t retrograde = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart.CalcBody(static_cast<int>(state.range(0)), jd, retrograde, false));
        jd += kStep;
    }
}
BENCHMARK(BM_CalcBodySearchStep)->Arg(kLagna)->Arg(kMoon);

} // namespace

int main(int argc, char** argv) {
    InitialiseEphemeris();
    return RunBenchmarks(argc, argv);
}
