#include "core/varga_options.h"

int g_nD9Preference = 0;
int g_nHoraPreference = 6;
int g_nD3Preference = 0;
int g_nD4Preference = 0;
int g_nD5Preference = 0;
int g_nD7Preference = 0;
int g_nD8Preference = 0;
int g_nD10Preference = 0;
int g_nD11Preference = 0;
int g_nD12Preference = 0;
int g_nD16Preference = 0;
int g_nD20Preference = 0;
int g_nD24Preference = 1;
int g_nD27Preference = 0;
int g_nD30Preference = 0;
int g_nD60Preference = 0;
int g_nD81Variant = 0;
int& g_nD81Preference = g_nD81Variant;
int g_nD108Preference = 1;
int g_nD150Preference = 1;
int g_nArdhaNadiRulerDefinition = 1;

CustomDivisionSettings g_nCustDivSettings;
CustomDivisionSettings& g_bCustDivSettings = g_nCustDivSettings;
CustomDivisionSettings& g_bsCustDivSettings = g_nCustDivSettings;
CustomDivisionSettings& g_nsCustDivSettings = g_nCustDivSettings;

int g_nDmDnChartDm = 9;
int g_nDmDnChartDn = 1;

int g_nBhavaChartVarga = 0;
int g_nBhavaChartRef = 2;
bool g_bHouseCuspsInMiddle = true;
bool g_bHousesFromNodesReversed = true;
