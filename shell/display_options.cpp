#include "shell/display_options.h"

int g_nChartLanguage = 2;
int g_nChartStyle = 0;
int g_nChartStyle2 = 2;
bool g_bUseTwoChartStyles = false;
int g_nMaskedPrintPageMap = 2047;
bool g_bBlackPrintingWanted = true;
bool g_bTimeDisplayWithAmPm = false;
int g_nFontSizeSelection = 3;
int g_nChartFontSizeSelection = 3;
bool g_bSanskritPlanetNames = false;
bool g_bSanskritRasiNames = false;

bool g_bMoreChartsOnBigDisplay = true;
int g_nAspTblPosLeft = 0;
int g_nAspTblPosRight = 0;
int g_nAspTblPosTop = 0;
int g_nAspTblPosBottom = 0;
bool g_bAutoUpdateOn = true;
bool g_bAutoUpdateOnTest = false;

// D-1, D-9, D-30, D-3, D-10, D-60, D-7, D-12, D-20, D-24, D-16, D-2, D-1, D-1, D-1
std::array<int, kChartPaneCount> g_nPaneVarga = {0, 1, 16, 3, 9, 19, 7, 11, 13, 14, 12, 2, 0, 0, 0};
int g_nDasaSearchLevel = 2;
int g_nAmsaRulerVarga = 25;
int g_nTimeAdjBase = 2;
int g_nTranTimeAdjBase = 4;

std::string g_strJyotishiAddress = kDefaultJyotishiAddress;

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
