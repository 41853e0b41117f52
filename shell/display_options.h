#pragma once
// Display preferences and remembered display state: process-wide globals named after their
// preference-file keys (the key stands beside each, with its built-in default). Views and the frame
// read them directly; the preference file loads and saves them.
#include <array>
#include <string>

#include "core/bodies_to_show.h"

// [DisplayPreferences]
extern int g_nChartLanguage;          // ChartLanguage = 2 (English); 0-11, see chart_labels.h
extern int g_nChartStyle;             // ChartStyle = 0
extern int g_nChartStyle2;            // ChartStyle2 = 2
extern bool g_bUseTwoChartStyles;     // UseTwoChartStyles = 0
extern int g_nMaskedPrintPageMap;     // MaskedPrintPageMap = 2047: one bit per report page
extern bool g_bBlackPrintingWanted;   // BlackPrintingWanted = 1
extern bool g_bTimeDisplayWithAmPm;   // TimeDisplayWithAmPm = 0
extern int g_nFontSizeSelection;      // FontSizeSelection = 3: zoom step 0-7
extern int g_nChartFontSizeSelection; // ChartFontSizeSelection = 3: chart-font step 0-7
extern bool g_bSanskritPlanetNames;   // SanskritPlanetNames = 0
extern bool g_bSanskritRasiNames;     // SanskritRasiNames = 0

constexpr int kFontSizeSteps = 8; // the zoom table has eight factors

// Display preferences kept in [CalculationPreferences].
extern bool g_bMoreChartsOnBigDisplay; // MoreChartsOnBigDisplay = 1: more chart panes on a wide display
extern int g_nAspTblPosLeft;           // AspTblPosLeft = 0: the aspect table's window, pixels
extern int g_nAspTblPosRight;          // AspTblPosRight = 0
extern int g_nAspTblPosTop;            // AspTblPosTop = 0
extern int g_nAspTblPosBottom;         // AspTblPosBottom = 0
extern bool g_bAutoUpdateOn;           // AutoUpdateOn = 1: check for an update at start-up
extern bool g_bAutoUpdateOnTest;       // AutoUpdateOnTest = 0: check the test channel

// [CurrentState]
constexpr int kChartPaneCount = 15;
extern std::array<int, kChartPaneCount> g_nPaneVarga; // DisplayVarga: varga column 0-28 shown in pane n
extern int g_nDasaSearchLevel;                        // DasaSearchLevel = 2
extern int g_nAmsaRulerVarga;                         // AmsaRulerVarga = 25
extern int g_nTimeAdjBase;     // TimeAdjBase = 2: birth-time step unit 0-6 ("Sec" ... "Year")
extern int g_nTranTimeAdjBase; // TranTimeAdjBase = 4: transit-time step unit 0-6

// [Address]: the astrologer's name and address printed on reports, lines separated by "\n".
extern std::string g_strJyotishiAddress; // JyotishiAddress
constexpr const char* kDefaultJyotishiAddress = "Please enter your name and address here";

// [BodiesToShow]: body-type groups the information tables list, and the chart-drawing flags
// (keys, defaults and ranges in core/bodies_to_show.h).
extern std::array<int, kBodyTypeCount> g_bodyTypeShown;
extern std::array<bool, kShowInChartsCount> g_bShowInCharts;

// Set by the frame from the desktop: at least 1,281 pixels wide, and that with MoreChartsOnBigDisplay.
extern bool g_bWideDisplay;
extern bool g_bMoreChartsOnWideDisplay;
void UpdateMoreChartsOnWideDisplay(); // g_bMoreChartsOnWideDisplay from the two above

// Years accepted by date fields; they follow the ephemeris files present (ephemeris_range.h).
extern int g_nMinYear; // -12900 until the files are checked
extern int g_nMaxYear; // 16600
