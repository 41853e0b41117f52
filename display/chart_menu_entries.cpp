#include "display/chart_menu_entries.h"

#include <QMenu>

#include "core/bodies_to_show.h"
#include "core/zodiac_names.h"
#include "display/chart_captions.h"
#include "display/chart_commands.h"
#include "display/menu_commands.h"
#include "shell/display_options.h"

namespace {

constexpr VargaCommand kHigherVargas[] = {{kCmdVargaD40, 17}, {kCmdVargaD45, 18},  {kCmdVargaD60, 19},
                                          {kCmdVargaD81, 20}, {kCmdVargaD108, 21}, {kCmdVargaD144, 22}};

constexpr ViewCommand kBodyViews[kBodyViewCount] = {
    {kCmdStandardView, "Standard view"},
    {kCmdStandardWithArudhas, "Standard view with graha arudhas"},
    {kCmdUpagrahaView, "&Upagraha view"},
    {kCmdGrahaArudhaView, "&Graha arudha view"},
    {kCmdDualGrahaArudhaView, "&Dual graha arudha view"},
    {kCmdChandraArudhaView, "&Chandra arudha view (from Moon)"},
    {kCmdSuryaArudhaView, "&Surya arudha view (from Sun)"},
    {kCmdVarnadaView, "&Varnada view"},
    {kCmdCharaKarakaView, "&Chara Karaka view"},
    {kCmdSpecialLagnaView, "&Special lagna view"},
};
constexpr const char* kOptionalBodyTexts[kShowInChartsCount] = {"Nodes (Rahu and Ketu)",
                                                                "Uranus, Neptune and Pluto",
                                                                "Arudha Lagna",
                                                                "Other Arudhas",
                                                                "Hora Lagna",
                                                                "Ghati Lagna (Ghatika Lagna)",
                                                                "Sree Lagna",
                                                                "Bhrigu Bindu",
                                                                "Pranapada Lagna",
                                                                "Maandi",
                                                                "Gulika"};
constexpr ViewCommand kHighlights[] = {
    {kCmdHighlightArgala, "having &argala on this rasi"},
    {kCmdHighlightVirodhargala, "having &virodhargala on this rasi"},
    {kCmdHighlightGrahaDrishti, "&aspected by this planet (graha drishti)"},
    {kCmdHighlightPlanetRasiDrishti, "aspected by this planet (&rasi drishti)"},
    {kCmdHighlightRasiDrishti, "aspected by this rasi (&rasi drishti)"},
    {kCmdHighlightOwned, "&owned by this planet"},
    {kCmdHighlightMoolatrikona, "which is &moolatrikona of this planet"},
    {kCmdHighlightExalted, "where this planet is &exalted"},
    {kCmdHighlightDebilitated, "where this planet is &debilitated"},
};
constexpr ViewCommand kRelations[] = {
    {kCmdPermanentRelations, "&Permanent relationships of this planet"},
    {kCmdTemporaryRelations, "&Temporary relationships of this planet"},
    {kCmdCompoundRelations, "&Compound relationships of this planet"},
};

constexpr PictureCommand kPictures[] = {
    {kCmdPictureAsOnScreen, "as bitmap (as it is on the screen now)", ChartPicture::kAsOnScreen, kScreenPicture},
    {kCmdPicture300DpiAsOnScreen, "as a 300 dpi bitmap (as it is on the screen now)", ChartPicture::kAsOnScreen,
     kScreenPicture300Dpi},
    {kCmdPictureSouthNorth, "as bitmap (south-north styles)", ChartPicture::kSouthNorth, kScreenPicture},
    {kCmdPicture300DpiSouthNorth, "as a 300 dpi bitmap for books (south-north styles)", ChartPicture::kSouthNorth,
     kBookPicture300Dpi},
    {kCmdPictureRasiNavamsa, "as bitmap (Rasi-Navamsa)", ChartPicture::kRasiNavamsa, kScreenPicture},
    {kCmdPicture300DpiRasiNavamsa, "as a 300 dpi bitmap for books (Rasi-Navamsa)", ChartPicture::kRasiNavamsa,
     kBookPicture300Dpi},
};

} // namespace

std::span<const PictureCommand> PictureCommands() {
    return kPictures;
}

void AddCopyChartEntries(QMenu& menu, bool rasiNavamsa) {
    QMenu* copy = menu.addMenu("&Copy chart");
    AddCommand(*copy, "as &text to clipboard (current chart style)", kCmdCopyChartText);
    AddCommand(*copy, "as text to clipboard (south-north-east styles)", kCmdCopyChartTextAllStyles);
    copy->addSeparator();
    for (const PictureCommand& entry : kPictures)
        if (rasiNavamsa || entry.picture != ChartPicture::kRasiNavamsa) AddCommand(*copy, entry.text, entry.command);
}

std::span<const VargaCommand> HigherVargaCommands() {
    return kHigherVargas;
}

std::string VargaEntryText(int column) {
    return g_vargaNames[column] + " (" + VargaLabel(column) + ")";
}

std::span<const ViewCommand, kBodyViewCount> BodyViewCommands() {
    return kBodyViews;
}

std::span<const ViewCommand> HighlightCommands() {
    return kHighlights;
}

std::span<const ViewCommand> RelationCommands() {
    return kRelations;
}

bool HighlightNeedsSign(int command) {
    return command == kCmdHighlightArgala || command == kCmdHighlightVirodhargala ||
           command == kCmdHighlightRasiDrishti;
}

QMenu* AddRelationEntries(QMenu& menu, bool planetHit) {
    QMenu* relations = menu.addMenu("Relationships");
    for (const ViewCommand& entry : kRelations) AddCommand(*relations, entry.text, entry.command, planetHit);
    return relations;
}

void AddHighlightEntries(QMenu& menu, bool planetHit, bool signHit) {
    QMenu* highlight = menu.addMenu("&Highlight rasi(s)");
    for (const ViewCommand& entry : kHighlights)
        AddCommand(*highlight, entry.text, entry.command,
                   HighlightNeedsSign(entry.command) ? signHit : planetHit);
}

void AddBodyViewEntries(QMenu& menu, int pane, std::span<const int> presets, std::span<const int> groups) {
    QMenu* views = menu.addMenu("Choose a view (which bodies to show)");
    for (const int preset : presets)
        Check(AddCommand(*views, kBodyViews[preset].text, kBodyViews[preset].command),
              g_nPaneBodyView[pane] == preset);
    QMenu* optional = views->addMenu("Optional bodies in standard view");
    for (const int group : groups)
        Check(AddCommand(*optional, kOptionalBodyTexts[group], kOptionalBodyCommands[group]),
              g_bShowInCharts[group]);
}

void AddDisplayModeEntries(QMenu& menu, int pane) {
    QMenu* mode = menu.addMenu("Chart display mode");
    Check(AddCommand(*mode, "&Automatic (Natal, Tajaka etc)", kCmdAutomatic),
          g_nPaneDisplayMode[pane] == kAutomaticChart);
    Check(AddCommand(*mode, "&Natal chart only", kCmdNatalOnly), g_nPaneDisplayMode[pane] == kNatalChartOnly);
}
