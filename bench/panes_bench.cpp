// One time step as the user steps the chart: the natal chart moved on by a minute and recalculated
// with its dasa, then the chart view, the basic information table, the dasa page and the ashtakavarga
// page and small pane redrawn into an image, offscreen; and the same step with a chakra pane visible
// (the Chandra Kalanala chakra). (Opening the document and the Qt application object are outside the
// measure.)
#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/run_benchmarks.h"
#include "core/data_folder.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "document/tavro_doc.h"
#include "platform/painter_surface.h"
#include "tests/views/built_in_preferences.h"
#include "views/chakras/star_chakras.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/basic_info_view.h"
#include "views/periods/dasa_view.h"

namespace {
// 10:25 am on 15 May 1990 at Chennai (80 deg 16' E, 13 deg 05' N, zone 5 h 30 m east).
const char kChennai[] = "5\r\n15\r\n1990\r\n10.250000000000000\r\n-5.300000\r\n-80.160000\r\n13.050000\r\n"
                        "6.000000\r\n-5.500000\r\n-5.500000\r\n0\r\n105\r\nChennai\r\nTamil^Nadu\r\n1\r\n"
                        "1013.250000\r\n30.000000\r\n1\r\n";
constexpr double kMinuteDays = 1.0 / 1440;

void BM_TimeStepRedraw(benchmark::State& state) {
    CTavroDoc document;
    (void)document.ReadChartText(kChennai, "chennai.tvd");
    g_chartSource.natal = [&] { return &document.m_natalChart; };
    g_chartSource.current = [&] { return document.m_pCurrentChart; };
    CChartView chartView;
    CBasicInfoView basicInfo;
    CDasaView dasaPage;
    CAshtakaVargaView ashtakavargaPage;
    CAVSmalView ashtakavargaPane;
    for (CView* view : std::initializer_list<CView*>{&chartView, &basicInfo, &dasaPage, &ashtakavargaPage,
                                                     &ashtakavargaPane}) {
        view->SetDocument(&document);
        view->resize(680, 700);
        view->show();
        view->OnInitialUpdate();
    }
    ImageSurface image(Size{680, 700});
    // Arg 0: the whole step; 1: the calculation alone; 2: the redraw alone.
    const bool calculate = state.range(0) != 2;
    const bool redraw = state.range(0) != 1;
    for (auto _ : state) {
        if (calculate) {
            CChart& natal = document.m_natalChart;
            (void)natal.SetFromJulianDay(natal.GetJulianDay() + kMinuteDays, natal);
            (void)document.Calculate(0);
        }
        if (redraw) {
            document.UpdateAllViews(nullptr); // the table refills; the pages are drawn below
            chartView.OnDraw(image.Surface());
            basicInfo.OnDraw(image.Surface());
            dasaPage.OnDraw(image.Surface());
            ashtakavargaPage.OnDraw(image.Surface());
            ashtakavargaPane.OnDraw(image.Surface());
        }
    }
    g_chartSource = ChartSource{};
}
BENCHMARK(BM_TimeStepRedraw)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
// Arg 0: the step with the chakra redrawn; 1: the chakra's redraw alone.
void BM_TimeStepChakra(benchmark::State& state) {
    CTavroDoc document;
    (void)document.ReadChartText(kChennai, "chennai.tvd");
    CCKChakraView chakra;
    chakra.SetDocument(&document);
    chakra.resize(1000, 700);
    chakra.show();
    chakra.OnInitialUpdate();
    ImageSurface image(Size{1000, 700});
    const bool calculate = state.range(0) == 0;
    for (auto _ : state) {
        if (calculate) {
            CChart& natal = document.m_natalChart;
            (void)natal.SetFromJulianDay(natal.GetJulianDay() + kMinuteDays, natal);
            (void)document.Calculate(0);
        }
        chakra.OnDraw(image.Surface());
    }
}
BENCHMARK(BM_TimeStepChakra)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    UseBuiltInPreferences("kh-panes-bench");
    return RunBenchmarks(argc, argv);
}
