// The document's recalculation after a change of the birth time: the natal chart, the current chart
// and its dasa, and the views told, as every birth-time step of the chart view runs it.
#include <benchmark/benchmark.h>

#include "core/ayanamsa.h"
#include "core/data_folder.h"
#include "document/tavro_doc.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"

namespace {

// Chennai, 10:25 am on 15 May 1990, zone 5 h 30 m east.
constexpr const char* kChartText = "5\n15\n1990\n10.25\n-5.3\n-80.16\n13.05\n6\n-5.5\n-5.5\n0\n105\nChennai\n"
                                   "Tamil^Nadu\n1\n1013.25\n30\n1\n";

// Each run moves the birth time 17 minutes on, so no moment repeats.
void BM_DocumentBirthTimeChange(benchmark::State& state) {
    CTavroDoc document;
    if (!document.ReadChartText(kChartText, "chennai.tvd").ok()) {
        state.SkipWithError("the chart did not calculate");
        return;
    }
    CChart& natal = document.m_natalChart;
    double jd = natal.GetJulianDay();
    for (auto _ : state) {
        jd += 17.0 / (24 * 60);
        natal.JulianDayToDate(jd, natal);
        benchmark::DoNotOptimize(document.OnBirthDataChanged());
    }
}
BENCHMARK(BM_DocumentBirthTimeChange)->Unit(benchmark::kMicrosecond);

} // namespace

// The built-in preferences, whatever file the build tree holds, so runs compare.
int main(int argc, char** argv) {
    InitialiseEphemeris();
    ApplyPreferenceDefaults(PreferenceKeys());
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    g_bPreferencesInitialised = true;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseEphemeris();
    return 0;
}
