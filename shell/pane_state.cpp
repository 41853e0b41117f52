#include "shell/pane_state.h"

int g_nChartPaneCount = 12;
bool g_bPackedChartMode = true;
bool g_bLongitudeCorrelationShown = false;
