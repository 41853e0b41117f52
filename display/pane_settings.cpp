#include "display/pane_settings.h"

#include <algorithm>

#include "core/bodies_to_show.h"
#include "core/computed_bodies.h"
#include "shell/display_fonts.h"

PaneArray g_nPaneDisplayMode{};
PaneArray g_nPaneBodyView{};
std::array<std::array<std::uint8_t, kBodyCount>, kChartPaneCount> g_bPaneShowBody{};
PaneArray g_nPaneArudhaFrom{};
PaneFlags g_bPaneKarakaLabels{};
PaneFlags g_bPaneBhavaFromBody{};
PaneArray g_nPaneBhavaBody{};
bool g_bResetPaneBodyViews = true;

double g_dChartScale = 1.0;
LogicalFont g_chartFontA;
LogicalFont g_chartFontB;
bool g_bHighlightsOn = false;
std::string g_strChartCentreCaption;

namespace {

// Optional groups whose bodies the graha-arudha standard view replaces by their arudha copies: the
// arudha lagna (59) by 71, the other arudhas (60-70) by 72-82.
constexpr int kArudhaLagnaGroup = 2;
constexpr int kOtherArudhasGroup = 3;
constexpr int kArudhaCopyOffset = 12;

void Show(int pane, int first, int last) {
    std::fill(g_bPaneShowBody[pane].begin() + first, g_bPaneShowBody[pane].begin() + last + 1, 1);
}

void ShowStandard(int pane, bool arudhaCopies) {
    Show(pane, kLagna, 7);
    for (int group = 0; group < kShowInChartsCount; ++group) {
        if (!g_bShowInCharts[group]) continue;
        const BodyRange range = g_showInChartsRanges[group];
        const bool copied = arudhaCopies && (group == kArudhaLagnaGroup || group == kOtherArudhasGroup);
        const int offset = copied ? kArudhaCopyOffset : 0;
        Show(pane, range.first + offset, range.last + offset);
    }
}

void ShowList(int pane, std::initializer_list<int> bodies) {
    for (int body : bodies) g_bPaneShowBody[pane][body] = 1;
}

} // namespace

void ApplyBodyView(int pane, int preset) {
    g_bPaneKarakaLabels[pane] = 0;
    g_bPaneShowBody[pane].fill(0);
    switch (preset) {
    case kStandardView:
    case kStandardWithGrahaArudhas:
        ShowStandard(pane, preset == kStandardWithGrahaArudhas);
        g_nPaneArudhaFrom[pane] = kArudhaFromLagna;
        break;
    case kUpagrahaView:
        ShowList(pane, {kLagna, kHoraLagna, kGhatiLagna, kArudhaLagna});
        Show(pane, kDhooma, kGulika);
        break;
    case kGrahaArudhaView:
        ShowList(pane, {kLagna, kHoraLagna, kGhatiLagna});
        Show(pane, 83, 91);
        break;
    case kDualGrahaArudhaView:
        ShowList(pane, {kLagna, kHoraLagna, kGhatiLagna, 83, 84, 90, 91});
        Show(pane, 92, 101);
        break;
    case kChandraArudhaView:
    case kSuryaArudhaView:
        ShowStandard(pane, false);
        g_nPaneArudhaFrom[pane] = preset == kChandraArudhaView ? kArudhaFromMoon : kArudhaFromSun;
        break;
    case kVarnadaView:
        ShowList(pane, {kLagna, kHoraLagna, kGhatiLagna, kArudhaLagna});
        Show(pane, 1, 9);
        Show(pane, 47, 58);
        break;
    case kCharaKarakaView:
        ShowList(pane, {kHoraLagna, kGhatiLagna});
        Show(pane, kLagna, 9);
        Show(pane, kArudhaLagna, 70);
        g_bPaneKarakaLabels[pane] = 1;
        break;
    case kSpecialLagnaView:
        ShowList(pane, {kLagna, 47, kArudhaLagna});
        Show(pane, kHoraLagna, kBhriguBindu);
        break;
    default:
        return;
    }
    g_nPaneBodyView[pane] = preset;
}

void ResetBodyFlagsStandard(int pane) {
    ApplyBodyView(pane, kStandardView);
}

void ResetBodyFlagsWithArudhas(int pane) {
    ApplyBodyView(pane, kStandardWithGrahaArudhas);
}

double ZoomFactor() {
    return g_dFontSizeFactors[static_cast<size_t>(std::clamp(g_nFontSizeSelection, 0, kFontSizeSteps - 1))];
}
