#pragma once
// What selecting certain tabs does besides showing their page: the top strips switch the chart view
// between few large and many packed chart panes, the bottom strip of the dasa pages restores that
// page's dasa, and "Longitude Correlation" raises its flag.
#include <functional>
#include <string>

enum TabStripStyle { kTabStripTop = 0, kTabStripBottom = 1 };

// How a tab change reaches the document. Empty hooks do nothing (no document yet).
struct TabChangeHooks {
    std::function<void(int dasaPage)> restoreDasaPage; // copy the page's saved state, recompute the dasa
    std::function<void()> updateAllViews;
};
extern TabChangeHooks g_tabChangeHooks;

// Runs the effects of a tab window of `style` whose current tab became the one titled `title`.
void RunTabChangeEffects(int style, const std::string& title);
