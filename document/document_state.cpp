#include "document/document_state.h"

CLocalDateTime g_clockMoment;
CLocalDateTime g_transitMoment;
int g_nLifecycle = 0;

CChart* g_pReferenceChart = nullptr;

int g_bChartPane1Natal = 1;
int g_bChartPane2Natal = 0;
int g_nChartPane1Varga = 0;
int g_nChartPane2Varga = 1;

std::array<DasaNavState, kDasaPageCount> g_dasaNavStates{};

int g_nBasicInfoSelection = 0;
bool g_bKalaChakraBaseOverride = false;
bool g_bKotaChakraBaseOverride = false;

std::string g_strChartBaseName;
