// The menu bar of the main frame. Every item is listed; those whose commands have no handler yet stay
// disabled.
#include <QMenuBar>

#include "shell/main_frame.h"
#include "shell/web_links.h"

namespace {

enum class Entry { kPopup, kItem, kSeparator, kEnd, kRecentFiles, kWebLinks };

struct MenuEntry {
    Entry kind;
    const char* text;
    CommandId id;
};

constexpr CommandId kNone = CommandId(0);
constexpr MenuEntry Popup(const char* text) {
    return {Entry::kPopup, text, kNone};
}
constexpr MenuEntry Item(const char* text, CommandId id) {
    return {Entry::kItem, text, id};
}
constexpr MenuEntry kSep = {Entry::kSeparator, "", kNone};
constexpr MenuEntry kEnd = {Entry::kEnd, "", kNone};

constexpr MenuEntry kMenus[] = {
    Popup("&File"),
    Item("&New\tCtrl+N", kCmdFileNew),
    Item("&Open...\tCtrl+O", kCmdFileOpen),
    Item("&Save\tCtrl+S", kCmdFileSave),
    Item("Save &As...", kCmdFileSaveAs),
    kSep,
    Item("Import preferences (.ini file)", kCmdImportPreferences),
    Item("Export preferences (.ini file)", kCmdExportPreferences),
    kSep,
    Item("&Print...\tCtrl+P", kCmdFilePrint),
    Item("Print Pre&view", kCmdFilePrintPreview),
    Item("P&rint Setup...", kCmdFilePrintSetup),
    kSep,
    {Entry::kRecentFiles, "Recent File", kNone},
    kSep,
    Item("E&xit", kCmdAppExit),
    kEnd,
    Popup("&Edit"),
    Item("&Birthdata\tCtrl+D", kCmdEditBirthData),
    Item("Change timezone", kCmdChangeTimeZone),
    kSep,
    Item("User defined special point", kCmdSpecialPoint),
    Item("Planetary Special Lagnas (research)", kCmdPlanetarySpecialLagnas),
    kSep,
    Item("Copy basic calculations", kCmdCopyBasic),
    Item("Copy complete calculations", kCmdCopyComplete),
    Item("Copy chart as text", kCmdCopyChartAsText),
    Item("Copy chart as picture", kCmdCopyChartAsPicture),
    Item("Save chart picture...", kCmdSaveChartPicture),
    kSep,
    Item("Chart notes (in notepad)", kCmdChartNotes),
    kEnd,
    Popup("&View"),
    Item("Key Information", kCmdKeyInformation),
    Item("Two Vargas Together", kCmdTwoVargas),
    Item("Kalachakra", kCmdKalachakra),
    Item("Sarvatobhadra Chakra", kCmdSarvatobhadra),
    Item("Kota Chakra", kCmdKotaChakra),
    Item("Yogas", kCmdViewYogas),
    kSep,
    Item("Navigate Backward", kCmdNavigateBackward),
    Item("Navigate Forward", kCmdNavigateForward),
    kSep,
    Item("Aspect Table with Relationships", kCmdAspectTable),
    Item("Horoscope Matching Score", kCmdMatchingScore),
    Item("View tavro.ini file (preference settings) in notepad", kCmdViewPreferenceFile),
    kSep,
    Item("&Toolbar", kCmdViewToolbar),
    Item("&Status Bar", kCmdViewStatusBar),
    kEnd,
    Popup("&Modes"),
    Item("Reset to Natal Mode", kCmdGoBackToNatal),
    kSep,
    Item("Go to Tajaka Mode Screen", kCmdGoToTajakaScreen),
    Item("Go to Tithi Pravesha Mode Screen", kCmdGoToTithiPraveshaScreen),
    Item("Go to Transit Mode Screen", kCmdGoToTransitScreen),
    Item("Go to Progressions Mode Screen", kCmdGoToProgressionsScreen),
    Item("Go to Prasna/Horary Mode Screen", kCmdGoToPrasnaScreen),
    Item("Go to Mundane Mode Screen", kCmdGoToMundaneScreen),
    kSep,
    Item("Go to the previous lifecycle", kCmdPreviousLifecycle),
    Item("Go to the next lifecycle", kCmdNextLifecycle),
    Item("Go to Nisheka/Aadhana Chakra", kCmdNishekaChart),
    kEnd,
    Popup("&Preferences"),
    Item("Save Preferences", kCmdSavePreferences),
    Item("Updates", kCmdPreferencesUpdates),
    Item("Set Current Location as Default", kCmdSetLocationAsDefault),
    Popup("Related to Calculations"),
    Item("Restore Default Calculation Options", kCmdRestoreDefaultCalcOptions),
    Item("Set Calculation Options as recommended by author", kCmdRecommendedCalcOptions),
    kSep,
    Item("Siddhanta (Planetary Model) - Drik vs SSS (Sri Surya Siddhanta)", kCmdSiddhanta),
    Item("Ayanamsa", kCmdAyanamsa),
    Item("Divisional Chart Calculation Options", kCmdDivisionalChartOptions),
    Item("Upagraha Calculation Options", kCmdUpagrahaOptions),
    Item("Planet Calculation Options", kCmdPlanetOptions),
    Item("Life cycle length for casting a new chart (countries etc)", kCmdLifeCycleLength),
    Item("Sunrise, sunset && special lagna definitions", kCmdSunriseDefinition),
    Item("Hora, Kaala && Weekday Start Options", kCmdWeekdayOptions),
    Item("Mrityu Bhaga Options", kCmdMrityuBhaga),
    Item("Tajaka Calculation Options", kCmdTajakaOptions),
    Item("Tithi Pravesha Calculation Options", kCmdTithiPraveshaOptions),
    Item("Lunar calendar options", kCmdLunarCalendarOptions),
    Item("Solar calendar options", kCmdSolarCalendarOptions),
    Item("Ashtakavarga Calculation Options", kCmdAshtakavargaOptions),
    Item("Chara karaka scheme (7 or 8)", kCmdCharaKarakaScheme),
    Item("Nodal Exaltation && Debilitation Sign Options", kCmdNodalExaltation),
    Item("Pushkara Bhaga Definition Options", kCmdPushkaraBhaga),
    Item("Vaiseshikamsa Calculation Options", kCmdVaiseshikamsa),
    Item("Arudha Pada Calculation Options", kCmdArudhaOptions),
    kEnd,
    Popup("Related to Display"),
    Item("Chart Style and Language", kCmdChartStyleAndLanguage),
    Item("Use of 2 chart styles", kCmdUseTwoChartStyles),
    kSep,
    Item("Pages to include in printouts", kCmdPrintPages),
    Item("Colors to be used", kCmdColors),
    Item("Astrologer's name and address (for printouts)", kCmdAstrologerAddress),
    Popup("Font size adjustment"),
    Item("Adjust font size", kCmdAdjustFontSize),
    Item("Use bigger fonts", kCmdBiggerFonts),
    Item("Use smaller fonts", kCmdSmallerFonts),
    kEnd,
    Item("Save current window sizes for future use", kCmdSaveWindowSizes),
    Item("Switch back to default window sizes", kCmdDefaultWindowSizes),
    kEnd,
    kEnd,
    {Entry::kWebLinks, "&Websites", kNone},
    Popup("&Help"),
    Item("&Contents", kCmdHelpContents),
    Item("Getting started with this software", kCmdHelpGettingStarted),
    kSep,
    Item("&About Kalomithra Hora...", kCmdAppAbout),
    kEnd,
};

} // namespace

void CMainFrame::CreateMenus() {
    std::vector<QMenu*> open; // the popups being filled, innermost last
    for (const MenuEntry& entry : kMenus) {
        switch (entry.kind) {
        case Entry::kPopup:
            open.push_back(open.empty() ? menuBar()->addMenu(entry.text) : open.back()->addMenu(entry.text));
            break;
        case Entry::kEnd:
            open.pop_back();
            break;
        case Entry::kSeparator:
            open.back()->addSeparator();
            break;
        case Entry::kItem:
            open.back()->addAction(MakeAction(entry.id, entry.text));
            break;
        case Entry::kWebLinks: {
            QMenu* links = menuBar()->addMenu(entry.text);
            for (const WebLink& link : WebLinks()) links->addAction(MakeAction(link.command, link.menuText));
            break;
        }
        case Entry::kRecentFiles:
            m_recentFileMenu = open.back()->addMenu(entry.text);
            RebuildRecentFileMenu();
            break;
        }
    }
    // A menu-bar item of its own that only explains where the other menus are.
    menuBar()->addAction(MakeAction(kCmdMoreMenus, "MoreMenus"));
}

void CMainFrame::RebuildRecentFileMenu() {
    m_recentFileMenu->clear();
    for (auto it = m_actions.begin(); it != m_actions.end();)
        it = it->first >= kCmdRecentFile1 && it->first < kCmdRecentFile1 + CRecentFileList::kDefaultSize
                 ? m_actions.erase(it)
                 : std::next(it);
    const int count = static_cast<int>(m_recentFiles.Paths().size());
    m_recentFileMenu->setEnabled(count > 0);
    for (int i = 0; i < count; ++i) {
        const auto id = CommandId(kCmdRecentFile1 + i);
        QAction* action = MakeAction(id, m_recentFiles.MenuText(i));
        action->setParent(m_recentFileMenu); // cleared with the menu
        action->setEnabled(m_handlers.count(id) > 0);
        m_recentFileMenu->addAction(action);
    }
}
