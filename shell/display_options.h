#pragma once
// Display preferences and remembered display state: process-wide globals named after their
// preference-file keys. Views and the frame read them directly; the preference file loads and saves them.
#include <array>
#include <string>

#include "core/bodies_to_show.h"
#include "core/calc_options.h"
#include "document/document_options.h"
#include "platform/draw_state.h" // the printing flag and draw scales live below the document

// The display options of the option table (core/option_table.h): [DisplayPreferences], the display
// preferences kept in [CalculationPreferences] (MoreChartsOnBigDisplay, the aspect table's window in
// pixels, AutoUpdateOn), [CurrentState] and [Address].
constexpr int kFontSizeSteps = 8; // the zoom table has eight factors: FontSizeSelection 0-7
constexpr int kChartPaneCount = 15;
using PaneVargas = std::array<int, kChartPaneCount>; // DisplayVarga: varga column 0-28 shown in pane n
// JyotishiAddress: the astrologer's name and address printed on reports, lines separated by "\n".
constexpr const char* kDefaultJyotishiAddress = "Please enter your name and address here";

#define DECLARE_SHELL_OPTION(layer, section, form, type, name, ...)                                          \
    OPTION_OF_LAYER(layer, Shell, extern type name;)
OPTION_TABLE(DECLARE_SHELL_OPTION)
#undef DECLARE_SHELL_OPTION

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
