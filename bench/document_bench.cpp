// The document's recalculation after a change of the birth time: the natal chart, the current chart
// and its dasa, and the views told, as every birth-time step of the chart view runs it; and the
// computations of the modes.
#include <cmath>

#include <benchmark/benchmark.h>

#include "bench/run_benchmarks.h"
#include "core/ayanamsa.h"
#include "core/data_folder.h"
#include "document/eclipse_search.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/monthly_ephemeris.h"
#include "document/panchanga_day.h"
#include "document/tavro_doc.h"
#include "document/transit_calendar.h"
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

// One mode computation from the chart file's natal chart: its searches, the work chart and its dasa.
template <class Cast> void RunModeComputation(benchmark::State& state, Cast cast) {
    CTavroDoc document;
    if (!document.ReadChartText(kChartText, "chennai.tvd").ok()) {
        state.SkipWithError("the chart did not calculate");
        return;
    }
    for (auto _ : state) {
        if (!cast(document).ok()) {
            state.SkipWithError("the mode chart did not calculate");
            return;
        }
    }
}

void BM_TajakaAnnualChart(benchmark::State& state) {
    g_nTajakaYear = 2020;
    g_nTajakaMonth = 0;
    RunModeComputation(state, [](CTavroDoc& document) { return document.CalculateTajaka(); });
}
BENCHMARK(BM_TajakaAnnualChart)->Unit(benchmark::kMillisecond);

void BM_TithiPraveshaAnnualChart(benchmark::State& state) {
    g_nTithiPraveshaYear = 2020;
    g_nTithiPraveshaMonth = 0;
    RunModeComputation(state, [](CTavroDoc& document) { return document.CalcTithiPraveshaAnnual(); });
}
BENCHMARK(BM_TithiPraveshaAnnualChart)->Unit(benchmark::kMillisecond);

void BM_SolarEclipseChart(benchmark::State& state) {
    RunModeComputation(state, [](CTavroDoc& document) {
        std::string title, contacts;
        return document.CalcEclipseChart(true, EclipseKind::kSolarGlobal, false, title, contacts);
    });
}
BENCHMARK(BM_SolarEclipseChart)->Unit(benchmark::kMillisecond);

// A month of panchanga days from its 1st, as the monthly copies compute it. Each run takes the next
// month, so nothing the chart calculation remembers of earlier moments helps.
void BM_PanchangaMonth(benchmark::State& state) {
    CTavroDoc document;
    if (!document.ReadChartText(kChartText, "chennai.tvd").ok()) {
        state.SkipWithError("the chart did not calculate");
        return;
    }
    CChartCore place = document.m_natalChart;
    std::vector<CPanchangaDay> days;
    for (auto _ : state) {
        if (++place.m_dateTime.m_nMonth > 12) {
            place.m_dateTime.m_nMonth = 1;
            ++place.m_dateTime.m_nYear;
        }
        if (!ComputePanchangaDays(place, 31, true, days).ok()) state.SkipWithError("a day did not calculate");
    }
}
BENCHMARK(BM_PanchangaMonth)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The planetary movements of a month, each run the next month.
void BM_PlanetaryMovementsMonth(benchmark::State& state) {
    CTavroDoc document;
    if (!document.ReadChartText(kChartText, "chennai.tvd").ok()) {
        state.SkipWithError("the chart did not calculate");
        return;
    }
    CChartCore place = document.m_natalChart;
    CPlanetaryMovements movements;
    for (auto _ : state) {
        if (++place.m_dateTime.m_nMonth > 12) {
            place.m_dateTime.m_nMonth = 1;
            ++place.m_dateTime.m_nYear;
        }
        if (!ComputePlanetaryMovements(place, movements).ok()) state.SkipWithError("a search failed");
    }
}
BENCHMARK(BM_PlanetaryMovementsMonth)->Unit(benchmark::kMillisecond);

} // namespace

// The built-in preferences, whatever file the build tree holds, so runs compare.
// A transit calendar of 100 daily rows from scratch: one probe chart a row and the planets' sign-entry
// searches. Each run starts 400.37 days after the last (wrapping within 1900-2100), so no remembered
// moment or stay of an earlier run is taken back.
void BM_TransitCalendar100Rows(benchmark::State& state) {
    CTavroDoc document;
    if (!document.ReadChartText(kChartText, "chennai.tvd").ok()) {
        state.SkipWithError("the chart did not calculate");
        return;
    }
    constexpr double kFirst = 2415020.5; // 1900-01-01
    constexpr double kSpan = 73000.0;    // two centuries
    double offset = 0.0;
    TransitCalendarRequest request;
    request.stepDays = 1.0;
    request.count = 100;
    for (auto _ : state) {
        offset = std::fmod(offset + 400.37, kSpan);
        CChartCore start;
        document.m_natalChart.JulianDayToDate(kFirst + offset, start);
        request.start = start.m_dateTime;
        const TransitCalendar calendar = ComputeTransitCalendar(document.m_natalChart, request);
        if (!calendar.status.ok() || calendar.rows.size() != 100) {
            state.SkipWithError("the calendar did not calculate");
            return;
        }
        benchmark::DoNotOptimize(calendar.rows.back().planets[0].murthi);
    }
}
BENCHMARK(BM_TransitCalendar100Rows)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    InitialiseEphemeris();
    ApplyPreferenceDefaults(PreferenceKeys());
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    g_bPreferencesInitialised = true;
    return RunBenchmarks(argc, argv);
}
