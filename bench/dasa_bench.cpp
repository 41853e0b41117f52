// A dasa as the document computes it after every chart calculation, and the dasa pages' descent: the
// first-level periods, then every level below one period down to the sixth.
#include <benchmark/benchmark.h>

#include "core/ayanamsa.h"
#include "core/chart.h"
#include "core/data_folder.h"
#include "core/name_selection.h"
#include "core/return_charts.h"
#include "document/dasa_dispatcher.h"

namespace {

constexpr double kJ2000 = 2451545.0;

// Delhi at J2000, the default ayanamsa (true Lahiri).
CChart DelhiChart() {
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTrueLahiri;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CChart chart;
    chart.m_longitude.m_dValue = -77.2;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = 28.6;
    chart.m_latitude.SplitDegrees();
    chart.JulianDayToDate(kJ2000, chart);
    chart.Compute();
    return chart;
}

// Vimsottari in the year kind of the argument (0 mean tropical, 3 true sidereal solar, the default),
// computed and listed at all six levels along the chain of the fourth period at each level.
void BM_VimsottariSixLevels(benchmark::State& state) {
    SelectNameTables(false, false);
    CChart chart = DelhiChart();
    g_nSelectedDasa = 0;
    g_nDasaYearDefinition[0] = static_cast<int>(state.range(0));
    CDasaTree tree;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateDasa({chart, chart, kModeNatal, 0}, tree));
        for (int level = 0; level < kDasaLevels; ++level) {
            tree.nLevel = level;
            benchmark::DoNotOptimize(tree.ExpandPeriod());
            tree.nSelected[level] = 3;
        }
    }
}
BENCHMARK(BM_VimsottariSixLevels)
    ->Arg(kYearMeanTropical)
    ->Arg(kYearTrueSiderealSolar)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    InitialiseEphemeris();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseEphemeris();
    return 0;
}
