// A dasa as the document computes it after every chart calculation, and the dasa pages' descent: the
// first-level periods, then every level below one period down to the sixth. The counters give the
// library calls per listing (none under the years counted in days).
#include <benchmark/benchmark.h>

#include <set>

#include <swephexp.h>

#include "bench_charts.h"
#include "call_counters.h"
#include "core/ephemeris_flags.h"
#include "core/name_selection.h"
#include "core/return_charts.h"
#include "document/dasa_dispatcher.h"

namespace {

constexpr double kJ2000 = 2451545.0;

// The chart moved to J2000 and computed, with the English name tables, and the dasa of the first
// argument selected in the year kind of the second; false (the benchmark skipped) when the chart cannot
// be computed.
bool SelectDasaAtJ2000(benchmark::State& state, CChart& chart) {
    SelectNameTables(false, false);
    chart.JulianDayToDate(kJ2000, chart);
    if (!chart.Compute().ok()) {
        state.SkipWithError("the chart cannot be computed");
        return false;
    }
    const int code = static_cast<int>(state.range(0));
    g_nSelectedDasa = code;
    g_nDasaYearDefinition[code] = static_cast<int>(state.range(1));
    return true;
}

// The dasa of the first argument (0 Vimsottari, 2 Kalachakra, 25 Narayana) in the year kind of the
// second (0 mean tropical, 3 true sidereal solar, the default), computed and listed at all six levels
// along the chain of the fourth period at each level.
void BM_DasaSixLevels(benchmark::State& state) {
    CChart chart = DelhiChart();
    if (!SelectDasaAtJ2000(state, chart)) return;
    CDasaTree tree;
    const CallCounters calls;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateDasa({chart, chart, kModeNatal, 0}, tree));
        for (int level = 0; level < kDasaLevels; ++level) {
            tree.nLevel = level;
            benchmark::DoNotOptimize(tree.ExpandPeriod());
            tree.nSelected[level] = 3;
        }
    }
    calls.Report(state);
}
BENCHMARK(BM_DasaSixLevels)
    ->Args({0, kYearMeanTropical})
    ->Args({0, kYearTrueSiderealSolar})
    ->Args({2, kYearTrueSiderealSolar})
    ->Args({25, kYearTrueSiderealSolar})
    ->Unit(benchmark::kMillisecond);

// A nakshatra dasa as a chart listing shows it: the first-level periods and the sub-periods of each.
// Arguments: the dasa code (0 Vimsottari, 1 Ashtottari, 3 Yogini, 4-12 the conditional ones) and the year
// kind (0 mean tropical, 3 true sidereal solar, the default).
void BM_NakshatraDasaTwoLevels(benchmark::State& state) {
    CChart chart = DelhiChart();
    if (!SelectDasaAtJ2000(state, chart)) return;
    CDasaTree tree;
    tree.nLevel = 0;
    if (!CalculateDasa({chart, chart, kModeNatal, 0}, tree).ok() || !tree.ExpandPeriod().ok()) {
        state.SkipWithError("the dasa cannot be computed");
        return;
    }
    const int periods = tree.nCount; // of the first level
    const CallCounters calls;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateDasa({chart, chart, kModeNatal, 0}, tree));
        tree.nLevel = 1;
        for (int period = 0; period < periods; ++period) {
            tree.nSelected[0] = period;
            benchmark::DoNotOptimize(tree.ExpandPeriod());
        }
    }
    calls.Report(state);
}
BENCHMARK(BM_NakshatraDasaTwoLevels)
    ->Args({0, kYearMeanTropical})
    ->Args({0, kYearTrueSiderealSolar})
    ->ArgsProduct({{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {kYearMeanTropical}})
    ->Unit(benchmark::kMicrosecond);

// The floor of BM_NakshatraDasaTwoLevels/0/3: at each bound of its listing, the one Sun reading and the
// one Spica reading (tropical, on the mean equinox of date) that a bound under the true sidereal year
// cannot do without, asked of the library directly. Each bound lies months from the last, so each
// reading loads the library's file segments anew.
void BM_DasaBoundReadingsFloor(benchmark::State& state) {
    CChart chart = DelhiChart();
    if (!SelectDasaAtJ2000(state, chart)) return;
    CDasaTree tree;
    std::set<double> bounds;
    const auto collect = [&] {
        for (int j = 0; j < tree.nCount; ++j) bounds.insert({tree.period[j].dStartJd, tree.period[j].dEndJd});
    };
    tree.nLevel = 0;
    if (!CalculateDasa({chart, chart, kModeNatal, 0}, tree).ok() || !tree.ExpandPeriod().ok()) {
        state.SkipWithError("the dasa cannot be computed");
        return;
    }
    collect();
    const int periods = tree.nCount;
    tree.nLevel = 1;
    for (int period = 0; period < periods; ++period) {
        tree.nSelected[0] = period;
        if (!tree.ExpandPeriod().ok()) {
            state.SkipWithError("the dasa cannot be listed");
            return;
        }
        collect();
    }
    const std::int32_t flags = CalculationOptionFlags() | kFlagNoNutation;
    for (auto _ : state) {
        for (const double jd : bounds) {
            double x[6];
            char error[AS_MAXCH];
            char star[2 * SE_MAX_STNAME + 1] = "Spica";
            benchmark::DoNotOptimize(swe_calc_ut(jd, SE_SUN, flags, x, error));
            benchmark::DoNotOptimize(swe_fixstar2_ut(star, jd, flags & ~kFlagSpeed, x, error));
        }
    }
    state.counters["bounds"] = static_cast<double>(bounds.size());
}
BENCHMARK(BM_DasaBoundReadingsFloor)->Args({0, kYearTrueSiderealSolar})->Unit(benchmark::kMicrosecond);

} // namespace
