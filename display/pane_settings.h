#pragma once
// What each chart pane shows, process-wide so that every chart view shows the same panes: 15 slots,
// 0-11 the ordinary panes, 12 and 13 the mixed view's inner and outer charts, 14 the entry chart. The
// pane vargas (g_nPaneVarga) and the pane count live with the shell's display state.
#include <array>
#include <cstdint>
#include <string>

#include "core/chart_core.h"
#include "core/option_appliers.h"
#include "platform/logical_font.h"
#include "shell/display_options.h"

using PaneArray = std::array<int, kChartPaneCount>;
using PaneFlags = std::array<std::uint8_t, kChartPaneCount>;

inline constexpr int kInnerPane = 12; // the mixed chart view's inner chart
inline constexpr int kOuterPane = 13; // the mixed chart view's outer chart

// Display mode: 0 the document's current chart (natal, Tajaka ... as the mode makes it), 1 natal only.
enum PaneDisplayMode { kAutomaticChart = 0, kNatalChartOnly = 1 };
// Body-view presets in menu order.
enum BodyView {
    kStandardView = 0,
    kStandardWithGrahaArudhas = 1,
    kUpagrahaView = 2,
    kGrahaArudhaView = 3,
    kDualGrahaArudhaView = 4,
    kChandraArudhaView = 5,
    kSuryaArudhaView = 6,
    kVarnadaView = 7,
    kCharaKarakaView = 8,
    kSpecialLagnaView = 9,
};
inline constexpr int kBodyViewCount = 10;
// Reference of the arudhas drawn.
enum ArudhaReference { kArudhaFromLagna = 0, kArudhaFromSun = 1, kArudhaFromMoon = 2 };

extern PaneArray g_nPaneDisplayMode;
extern PaneArray g_nPaneBodyView;
extern std::array<std::array<std::uint8_t, kBodyCount>, kChartPaneCount> g_bPaneShowBody;
extern PaneArray g_nPaneArudhaFrom;
extern PaneFlags g_bPaneKarakaLabels;
extern PaneFlags g_bPaneBhavaFromBody;
extern PaneArray g_nPaneBhavaBody;
extern bool g_bResetPaneBodyViews; // the next initial update resets every pane to the standard view

// Side of one pane square / 360: the renderers draw a chart of 360 units scaled by it.
extern double g_dChartScale;
// Display fonts 0 and 1 with height, width and weight scaled by g_dChartScale.
extern LogicalFont g_chartFontA;
extern LogicalFont g_chartFontB;
extern bool g_bHighlightsOn; // a highlight is shown
// The caption a chart picture carries in its centre in place of the chart's title (chart bitmaps).
extern std::string g_strChartCentreCaption;

// Clears the pane's flags and karaka labels, then shows the bodies of a preset; presets 0, 1, 5 and 6
// also set the arudha reference (lagna, lagna, Moon, Sun). Stores the preset. Pane 0-14, preset 0-9.
void ApplyBodyView(int pane, int preset);
// Presets 0 and 1 of a pane (the standard view, without or with the graha arudha copies).
void ResetBodyFlagsStandard(int pane);
void ResetBodyFlagsWithArudhas(int pane);

// The display-font zoom factor of FontSizeSelection (0.7 ... 1.5).
double ZoomFactor();
