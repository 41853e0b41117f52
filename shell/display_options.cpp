#include "shell/display_options.h"

#include "core/chart_labels.h"

#define DEFINE_SHELL_OPTION(layer, section, form, type, name, start, ...)                                    \
    OPTION_OF_LAYER(layer, Shell, type name = StartValue<type>(start);)
OPTION_TABLE(DEFINE_SHELL_OPTION)
#undef DEFINE_SHELL_OPTION

std::array<int, kBodyTypeCount> g_bodyTypeShown = std::to_array(g_bodyTypeDefaults);
// The chart-drawing flags take their defaults at start-up, before the preference file is read.
std::array<bool, kShowInChartsCount> g_bShowInCharts = {};

bool g_bWideDisplay = false;
bool g_bMoreChartsOnWideDisplay = false;

void UpdateMoreChartsOnWideDisplay() {
    g_bMoreChartsOnWideDisplay = g_bWideDisplay && g_bMoreChartsOnBigDisplay;
}

int g_nMinYear = -12900;
int g_nMaxYear = 16600;
