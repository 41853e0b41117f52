#include "shell/tab_change_effects.h"

#include <iterator>

#include "core/calc_options.h"
#include "shell/display_options.h"
#include "shell/pane_state.h"

TabChangeHooks g_tabChangeHooks;

namespace {

// Chart panes of the chart view: unpacked on the chakra tabs, packed elsewhere; more when packed chart
// mode is on for a wide display (the preference the chart view's command sets, not the width alone).
constexpr int kUnpackedPanesWide = 6;
constexpr int kUnpackedPanes = 2;
constexpr int kPackedPanesWide = 12;
constexpr int kPackedPanes = 6;

struct DasaPage {
    const char* title;
    int* rememberedDasa;
};

void RestoreDasaPage(int page, int rememberedDasa) {
    g_nCurrentDasaViewType = page;
    g_nSelectedDasa = rememberedDasa;
    if (g_tabChangeHooks.restoreDasaPage) g_tabChangeHooks.restoreDasaPage(page);
    if (g_tabChangeHooks.updateAllViews) g_tabChangeHooks.updateAllViews();
}

void RunTopStripEffects(const std::string& title) {
    const bool unpacked = title == "Chakras" || title == "Many Vargas";
    g_bPackedChartMode = !unpacked;
    if (unpacked)
        g_nChartPaneCount = g_bMoreChartsOnWideDisplay ? kUnpackedPanesWide : kUnpackedPanes;
    else
        g_nChartPaneCount = g_bMoreChartsOnWideDisplay ? kPackedPanesWide : kPackedPanes;
}

void RunBottomStripEffects(const std::string& title) {
    const DasaPage pages[] = {
        {"Nakshatra dasas", &g_nNakshatraDasaToBeDisplayed},
        {"Rasi dasas", &g_nRasiDasaToBeDisplayed},
        {"Other dasas", &g_nOtherDasaToBeDisplayed},
    };
    for (int page = 0; page < std::ssize(pages); ++page)
        if (title == pages[page].title) RestoreDasaPage(page, *pages[page].rememberedDasa);
    g_bLongitudeCorrelationShown = title == "Longitude Correlation";
    if (g_bLongitudeCorrelationShown && g_tabChangeHooks.updateAllViews) g_tabChangeHooks.updateAllViews();
}

} // namespace

void RunTabChangeEffects(int style, const std::string& title) {
    if (style == kTabStripTop)
        RunTopStripEffects(title);
    else if (style == kTabStripBottom)
        RunBottomStripEffects(title);
}
