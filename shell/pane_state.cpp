#include "shell/pane_state.h"

int g_nChartPaneCount = 12;
bool g_bPackedChartMode = true;
std::array<DasaNavState, kDasaPageCount> g_dasaNavStates = {};
bool g_bLongitudeCorrelationShown = false;
