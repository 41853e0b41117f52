#include "shell/display_fonts.h"

#include <algorithm>

#include "core/chart_labels.h"

std::array<LogicalFont, kDisplayFontCount> g_displayFonts;
std::array<LogicalFont, kDisplayFontCount> g_displayFontDefaults;

const std::array<double, kFontSizeSteps> g_dFontSizeFactors = {0.7, 0.8, 0.9, 1.0, 1.15, 1.25, 1.35, 1.5};

namespace {

// Chart-font size, width and weight by chart language; any language not listed takes English's.
struct ChartFontSize {
    int language;
    int height;
    int width;
    int weight;
};
constexpr ChartFontSize kChartFontSizes[] = {
    {0, 32, 8, 300},  {1, 32, 8, 300}, {3, 27, 8, 300},  {4, 27, 11, 300}, {5, 30, 8, 300},   {6, 25, 9, 200},
    {7, 30, 12, 300}, {8, 27, 9, 300}, {9, 26, 78, 200}, {10, 27, 6, 300}, {11, 24, 13, 200},
};
constexpr ChartFontSize kEnglishChartFont = {kChartLanguageEnglish, 27, 9, 200};

// Pitch and family, italic, underline, strike-out and quality of every display font.
LogicalFont Record(const char* face, int height, int width, int weight) {
    return LogicalFont{face, height, width, weight, 2, 0, 0, 0, 2};
}

constexpr int kUnscaledChartFontStep = 3; // the ChartFontSizeSelection that leaves the chart font alone
constexpr double kChartFontZoom = 1.6;    // the chart font is drawn 1.6 times its record's size
constexpr double kTableFontWidening = 1.2;
constexpr double kChartFontStep = 0.2; // each ChartFontSizeSelection step grows the chart font by 20 %

} // namespace

void CreateDisplayFonts() {
    const char* chartFace = SelectChartLanguage(g_nChartLanguage);
    const auto* found = std::find_if(std::begin(kChartFontSizes), std::end(kChartFontSizes),
                                     [](const ChartFontSize& s) { return s.language == g_nChartLanguage; });
    const ChartFontSize& size = found != std::end(kChartFontSizes) ? *found : kEnglishChartFont;
    g_displayFontDefaults = {
        Record("Arial Narrow", 21, 7, 200),
        Record(chartFace, size.height, size.width, size.weight),
        Record("Arial Narrow", 18, 7, 200),
        Record("Times New Roman", 18, 6, 300),
    };
    AdjustDisplayFontSizes();
}

void AdjustDisplayFontSizes() {
    g_displayFonts = g_displayFontDefaults;
    const double f =
        g_dFontSizeFactors[static_cast<size_t>(std::clamp(g_nFontSizeSelection, 0, kFontSizeSteps - 1))];
    ScaleRecordFields(g_displayFonts[3], f, f, 1.0);
    ScaleRecordFields(g_displayFonts[2], f, f, 1.0);
    ScaleRecordFields(g_displayFonts[1], kChartFontZoom * f, kChartFontZoom * f, 1.0);
    ScaleRecordFields(g_displayFonts[0], f, kTableFontWidening * f, 1.0);
    if (g_nChartFontSizeSelection != kUnscaledChartFontStep) {
        const double step = 1.0 + kChartFontStep * (g_nChartFontSizeSelection - kUnscaledChartFontStep);
        ScaleRecordFields(g_displayFonts[1], step, step, 1.0);
    }
}

void CopyDisplayFontRecords() {
    g_displayFonts = g_displayFontDefaults;
}
