#pragma once
// Entries that the chart view's context menu and the mixed chart view's menu share: the relationship,
// highlight, body-view and display-mode popups, with their check marks and enable states, and the
// command tables the views' handlers look their commands up in.
#include <span>
#include <string>

#include "display/chart_pictures.h"
#include "display/pane_settings.h"

class QMenu;

// Varga columns 2-16 follow the D-2 command in order; the higher divisions have ids of their own.
inline constexpr int kLastPlainVarga = 16;
struct VargaCommand {
    int command;
    int column;
};
// D-40, D-45, D-60, D-81, D-108 and D-144 with their columns 17-22, in menu order.
std::span<const VargaCommand> HigherVargaCommands();
// The plain entry of a varga column: its name and number, "Shashtyamsa (D-60)".
std::string VargaEntryText(int column);

struct ViewCommand {
    int command;
    const char* text;
};

// The ten body-view presets (BodyView order), the nine rasi highlights and the three relationship
// queries, in menu order.
std::span<const ViewCommand, kBodyViewCount> BodyViewCommands();
std::span<const ViewCommand> HighlightCommands();
std::span<const ViewCommand> RelationCommands();

// A highlight that starts from the sign under the click (argala, virodhargala, the sign's rasi drishti);
// the others start from the planet under it.
bool HighlightNeedsSign(int command);

// "Relationships": the three queries, enabled when a planet was hit.
QMenu* AddRelationEntries(QMenu& menu, bool planetHit);
// "&Highlight rasi(s)": each entry enabled when its planet or sign was hit.
void AddHighlightEntries(QMenu& menu, bool planetHit, bool signHit);
// "Choose a view (which bodies to show)": the presets of `presets` (BodyView values) with the one `pane`
// shows checked, then "Optional bodies in standard view" with the groups of `groups` (indices of
// g_bShowInCharts) checked when on.
void AddBodyViewEntries(QMenu& menu, int pane, std::span<const int> presets, std::span<const int> groups);
// "Chart display mode": automatic or natal chart only, the pane's checked.
void AddDisplayModeEntries(QMenu& menu, int pane);

// The picture commands of "Copy chart": the picture and its resolution factor, in menu order.
struct PictureCommand {
    int command;
    const char* text;
    ChartPicture picture;
    int k;
};
std::span<const PictureCommand> PictureCommands();
// "&Copy chart": the chart as text in the chart style or in all three, then the pictures; the
// rasi-navamsa book pictures only when `rasiNavamsa`.
void AddCopyChartEntries(QMenu& menu, bool rasiNavamsa);
