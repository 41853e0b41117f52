#pragma once
// The colour settings the chart display reads, by their number in the colour table (the preference keys
// ColorChartView... and ColorCoreView...). Always read live, so a changed colour shows at the next draw.
#include "platform/color_ref.h"
#include "shell/color_settings.h"

enum ChartColor {
    kColorChartViewFrame = 21,
    kColorChartViewCartBackground = 22,
    kColorChartViewChartLine = 23,
    kColorChartViewLagna = 24,
    kColorChartViewPlanet = 25,
    kColorChartViewAL = 26,
    kColorChartViewSpecialLagna = 27,
    kColorChartViewBhavaArudha = 28,
    kColorChartViewUpagraha = 29,
    kColorChartViewOuterPlanets = 30,
    kColorChartViewGrahaArudha = 31,
    kColorChartViewVarnada = 32,
    kColorChartViewCharaKaraka = 33,
    kColorChartViewSpecialPoint = 34,
    kColorChartViewGrahaArudhaTitle = 35,
    kColorChartViewSelectedPlanet = 36,
    kColorChartViewSelectedRasi = 37,
    kColorChartViewHighlightedRasi = 38,
    kColorChartViewStartRasi = 39,
    kColorChartViewAdhimitraBackground = 40, // then foreground, and the same pair for mitra ... adhisatru
    kColorChartViewHint = 50,
    kColorChartViewInnerOuterSeparator = 51,
    kColorChartViewOuter = 52,
    kColorCoreViewHeader = 63,
    kColorCoreViewItemDescription = 64,
    kColorCoreViewItemValue = 65,
};

inline ColorRef ColorOf(ChartColor setting) {
    return g_colors[setting];
}
