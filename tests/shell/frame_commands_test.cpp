// The main frame's menus and the commands that reach beyond the program: every command the menus
// place is there, web links and help pages go through the one opener (no test starts a browser),
// failures to open are told, dropped files, and the settings that need a restart close the program
// through the normal close.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/file_commands.h"
#include "core/data_folder.h"
#include "display/chart_commands.h"
#include "display/chart_view.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "shell/desktop_opener.h"
#include "shell/dialogs/document_commands.h"
#include "shell/dialogs/option_dialogs.h"
#include "shell/dialogs/special_lagna_dlg.h"
#include "shell/display_options.h"
#include "shell/frame_document_commands.h"
#include "shell/layout_table.h"
#include "shell/pane_state.h"
#include "shell/tab_wnd.h"
#include "shell/update_commands.h"
#include "shell/web_links.h"
#include "shell/window_sizes.h"
#include "tests/core/fifo_file.h"
#include "tests/core/sparse_file.h"
#include "tests/shell/dialogs/dialog_test_support.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

// The titles from the menu bar down to the action, e.g. "Preferences/Related to Display/Chart Style and
// Language"; mnemonics dropped.
std::string MenuPath(const QAction* action) {
    std::string path;
    const QObject* owner = nullptr;
    for (QObject* object : action->associatedObjects())
        if (qobject_cast<QMenu*>(object)) owner = object;
    path = action->text().remove('&').toStdString();
    for (auto* menu = qobject_cast<const QMenu*>(owner); menu;) {
        path = menu->title().remove('&').toStdString() + "/" + path;
        const QAction* own = menu->menuAction();
        const QMenu* parent = nullptr;
        for (QObject* object : own->associatedObjects())
            if (auto* candidate = qobject_cast<QMenu*>(object); candidate && !candidate->title().isEmpty())
                parent = candidate; // not the menu bar's overflow menu

        menu = parent;
    }
    return path;
}

// The frame with the document's, the frame's, the link and the update commands bound, as the program
// binds them; desktop openings recorded.
class FrameCommandsTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        ASSERT_TRUE(m_dataFolder.isValid());
        g_strDataDirectory = m_dataFolder.path().toStdString();
        // Its ephemeris files are the program's, which an import of preferences checks again.
        std::filesystem::create_directory_symlink(EphemerisFolder(), g_strDataDirectory + "/ephe");
        // The user's own preference folder is one of the test's, so that saves land in the data folder.
        m_keptConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dataFolder.filePath("config").toUtf8());
        g_desktopOpener = [this](const QUrl& url) {
            m_opened.push_back(url.toString().toStdString());
            return m_openerWorks;
        };
        g_strWebSite = "https://kalomithra-hora.example.org/";
        ASSERT_TRUE(m_document.OnNewDocument());
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        if (m_keptConfigHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_keptConfigHome);
    }
    CMainFrame& BuildBound() {
        CMainFrame& frame = Build();
        BindDocumentCommands(frame, m_document);
        BindFileCommands(frame, m_document);
        BindFrameDocumentCommands(frame, m_document);
        BindWebLinkCommands(frame);
        BindUpdateCommands(frame);
        return frame;
    }
    std::string PreferenceFileText() {
        std::ifstream file(m_dataFolder.filePath("tavro.ini").toStdString());
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    QTemporaryDir m_dataFolder;
    QByteArray m_keptConfigHome;
    std::vector<std::string> m_opened;
    bool m_openerWorks = true;
    CTavroDoc m_document;
};

TEST_F(FrameCommandsTest, EveryFrameCommandIsInItsMenuAndEnabled) {
    BuildBound();
    const std::pair<CommandId, const char*> items[] = {
        {kCmdEditBirthData, "Edit/Birthdata"},
        {kCmdChangeTimeZone, "Edit/Change timezone"},
        {kCmdSpecialPoint, "Edit/User defined special point"},
        {kCmdPlanetarySpecialLagnas, "Edit/Planetary Special Lagnas (research)"},
        {kCmdCopyBasic, "Edit/Copy basic calculations"},
        {kCmdCopyComplete, "Edit/Copy complete calculations"},
        {kCmdChartNotes, "Edit/Chart notes (in notepad)"},
        {kCmdViewYogas, "View/Yogas"},
        {kCmdGoBackToNatal, "Modes/Reset to Natal Mode"},
        {kCmdGoToTajakaScreen, "Modes/Go to Tajaka Mode Screen"},
        {kCmdGoToPrasnaScreen, "Modes/Go to Prasna/Horary Mode Screen"},
        {kCmdGoToMundaneScreen, "Modes/Go to Mundane Mode Screen"},
        {kCmdPreviousLifecycle, "Modes/Go to the previous lifecycle"},
        {kCmdNishekaChart, "Modes/Go to Nisheka/Aadhana Chakra"},
        {kCmdPreferencesUpdates, "Preferences/Updates"},
        {kCmdSetLocationAsDefault, "Preferences/Set Current Location as Default"},
        {kCmdRestoreDefaultCalcOptions, "Preferences/Related to Calculations/Restore Default Calculation Options"},
        {kCmdRecommendedCalcOptions,
         "Preferences/Related to Calculations/Set Calculation Options as recommended by author"},
        {kCmdDivisionalChartOptions, "Preferences/Related to Calculations/Divisional Chart Calculation Options"},
        {kCmdUpagrahaOptions, "Preferences/Related to Calculations/Upagraha Calculation Options"},
        {kCmdPlanetOptions, "Preferences/Related to Calculations/Planet Calculation Options"},
        {kCmdChartStyleAndLanguage, "Preferences/Related to Display/Chart Style and Language"},
        {kCmdUseTwoChartStyles, "Preferences/Related to Display/Use of 2 chart styles"},
        {kCmdColors, "Preferences/Related to Display/Colors to be used"},
        {kCmdWebSite, "Websites/Kalomithra Hora web site"},
        {kCmdHelpContents, "Help/Contents"},
        {kCmdHelpGettingStarted, "Help/Getting started with this software"},
    };
    for (const auto& [command, path] : items) {
        SCOPED_TRACE(path);
        const QAction* action = m_frame->FindAction(command);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(MenuPath(action), path);
        EXPECT_TRUE(action->isEnabled());
    }
    EXPECT_EQ(m_frame->FindAction(kCmdEditBirthData)->shortcut(), QKeySequence("Ctrl+D"));
    // The step boxes have numbers of their own, apart from the links'.
    EXPECT_NE(kCmdBirthTimeCombo, kCmdDiscussionGroup);
}

TEST_F(FrameCommandsTest, LinksAndHelpPagesOpenThroughTheOneOpener) {
    CMainFrame& frame = BuildBound();
    const std::pair<CommandId, std::string> cases[] = {
        {kCmdWebSite, "https://kalomithra-hora.example.org/"},
        {kCmdDiscussionGroup, "https://kalomithra-hora.example.org/discussion/"},
        {kCmdHelpContents, HelpPageAddress(kHelpContentsPage).toString().toStdString()},
        {kCmdHelpGettingStarted, HelpPageAddress(kHelpGettingStartedPage).toString().toStdString()},
    };
    for (const auto& [command, address] : cases) {
        SCOPED_TRACE(address);
        m_opened.clear();
        ASSERT_TRUE(frame.RunCommand(command));
        EXPECT_EQ(m_opened, std::vector<std::string>{address});
    }
    EXPECT_NE(cases[2].second.find("/help/index.html"), std::string::npos);
    EXPECT_TRUE(m_messages.empty());

    // Nothing took the page: its address is told.
    m_openerWorks = false;
    ASSERT_TRUE(frame.RunCommand(kCmdWebSite));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("https://kalomithra-hora.example.org/"), std::string::npos);
}

TEST_F(FrameCommandsTest, WithoutASiteTheLinksStayDisabled) {
    g_strWebSite.clear();
    BuildBound();
    for (const WebLink& link : WebLinks()) {
        EXPECT_FALSE(m_frame->FindAction(link.command)->isEnabled()) << link.menuText;
        EXPECT_FALSE(m_frame->RunCommand(link.command));
    }
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(FrameCommandsTest, APreferenceFileOrNotesNoOpenerTakesAreToldWithTheirPlace) {
    CMainFrame& frame = BuildBound();
    m_openerWorks = false;
    ASSERT_TRUE(frame.RunCommand(kCmdViewPreferenceFile));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("could not be opened"), std::string::npos);
    EXPECT_NE(m_messages[0].find("tavro.ini"), std::string::npos);

    // Notes of a chart never saved: the save-first message, and nothing started.
    m_messages.clear();
    m_opened.clear();
    ASSERT_TRUE(frame.RunCommand(kCmdChartNotes));
    EXPECT_EQ(m_messages, std::vector<std::string>{
                              "First save it: You can enter notes only after saving the file. First save it."});
    EXPECT_TRUE(m_opened.empty());

    // A saved chart: its notes file is made beside it and opened.
    m_openerWorks = true;
    const std::string chart = m_dataFolder.filePath("natal.tvd").toStdString();
    ASSERT_TRUE(m_document.OnSaveDocument(chart).ok());
    m_messages.clear();
    ASSERT_TRUE(frame.RunCommand(kCmdChartNotes));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(QFile::exists(m_dataFolder.filePath("natal.txt")));
    EXPECT_EQ(m_opened, std::vector<std::string>{QUrl::fromLocalFile(m_dataFolder.filePath("natal.txt")).toString().toStdString()});
}

// A drop of local files on the main window, as the desktop delivers it.
void DropFiles(CMainFrame& frame, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls.push_back(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint inside(frame.width() / 2, frame.height() / 2);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
}

TEST_F(FrameCommandsTest, ADroppedChartFileOpensAndAnotherFileIsNamed) {
    CMainFrame& frame = BuildBound();
    const QString chart = m_dataFolder.filePath("dropped.tvd");
    ASSERT_TRUE(m_document.OnSaveDocument(chart.toStdString()).ok());
    ASSERT_TRUE(m_document.OnNewDocument());
    const QString notes = m_dataFolder.filePath("notes.txt");
    QFile(notes).open(QIODevice::WriteOnly);

    DropFiles(frame, {notes, chart});
    EXPECT_EQ(m_document.GetPathName(), chart.toStdString());
    EXPECT_TRUE(m_messages.empty());

    DropFiles(frame, {notes});
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find(notes.toStdString() + " is not opened"), std::string::npos);
    EXPECT_EQ(m_document.GetPathName(), chart.toStdString());
}

TEST_F(FrameCommandsTest, ADroppedHugeChartFileIsRefusedUnreadWithTheLimit) {
    CMainFrame& frame = BuildBound();
    const QString chart = m_dataFolder.filePath("open.tvd");
    ASSERT_TRUE(m_document.OnSaveDocument(chart.toStdString()).ok());
    // Six gigabytes that take no room on the disk.
    const SparseFile huge(m_dataFolder.filePath("huge.tvd").toStdString(), std::uint64_t{6} << 30);
    ASSERT_TRUE(huge.made());

    const std::uint64_t readBefore = BytesReadByThisProcess();
    DropFiles(frame, {QString::fromStdString(huge.path())});
    // Threads of the toolkit may read a font meanwhile; the file would be gigabytes.
    EXPECT_LT(BytesReadByThisProcess() - readBefore, std::uint64_t{64} << 20) << "the file was read";
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("\"" + huge.path() + "\": it holds 6 GB, and a chart file holds at most 1 MB."),
              std::string::npos)
        << m_messages[0];
    EXPECT_EQ(m_document.GetPathName(), chart.toStdString());
}

TEST_F(FrameCommandsTest, TheChartStyleChosenFromTheMenuReachesThePreferenceFile) {
    CMainFrame& frame = BuildBound();
    g_nChartStyle = 0;
    WhenModal<CChartStyleDlg>([](CChartStyleDlg& dialog) {
        static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(2);
        dialog.accept();
    });
    ASSERT_TRUE(frame.RunCommand(kCmdChartStyleAndLanguage));
    EXPECT_EQ(g_nChartStyle, 2);
    frame.close();
    EXPECT_NE(PreferenceFileText().find("\nChartStyle=2"), std::string::npos);
}

TEST_F(FrameCommandsTest, ThePlanetarySpecialLagnaIsDefinedInItsDialog) {
    CMainFrame& frame = BuildBound();
    g_nSpecialLagnaPlanet = 1;
    g_nSpecialLagnaSpeedFactor = 1;
    WhenModal<CSpecialLagnaDlg>([](CSpecialLagnaDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Special Lagna Research");
        static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(1); // Moon
        static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(2); // three signs
        dialog.accept();
    });
    ASSERT_TRUE(frame.RunCommand(kCmdPlanetarySpecialLagnas));
    EXPECT_TRUE(g_bSpecialLagnaOn);
    EXPECT_EQ(g_nSpecialLagnaPlanet, 2);
    EXPECT_EQ(g_nSpecialLagnaSpeedFactor, 3);
    EXPECT_EQ(g_strSpecialLagnaName.back(), '3');
}

// Packed chart mode off and on again from the chart's menu: each time the program closes as File >
// Exit closes it, and the next start counts its chart panes by the preference.
TEST_F(FrameCommandsTest, PackedChartModeRoundTripFollowsThePreference) {
    g_bMoreChartsOnBigDisplay = true;
    CChartView chartView;
    for (bool turnOn : {false, true}) {
        SCOPED_TRACE(turnOn ? "on" : "off");
        CMainFrame& frame = BuildBound();
        ASSERT_TRUE(g_bWideDisplay); // 1366 pixels
        frame.Framework().ActivateNode(&Node(kNodeBasicInfo));
        EXPECT_EQ(g_nChartPaneCount, turnOn ? 6 : 12);
        ASSERT_TRUE(chartView.RunCommand(kCmdPackedChartMode));
        EXPECT_EQ(g_bMoreChartsOnBigDisplay, turnOn);
        EXPECT_FALSE(frame.isVisible()) << "closed through the normal close";
        EXPECT_NE(PreferenceFileText().find(std::string("MoreChartsOnBigDisplay=") + (turnOn ? "1" : "0")),
                  std::string::npos);
        m_frame.reset();
    }
    Build();
    m_frame->Framework().ActivateNode(&Node(kNodeBasicInfo));
    EXPECT_EQ(g_nChartPaneCount, 12);
}

TEST_F(FrameCommandsTest, RestartCommandsAskAboutAChangedChartAndTellAFailedSave) {
    CMainFrame& frame = BuildBound();
    m_document.SetModifiedFlag(true);
    // "Save changes ...?" answered Cancel: the program stays, the choice is kept for the next close.
    SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        m_messages.push_back(request.caption + ": " + request.text);
        return request.buttons == MessageButtons::kYesNoCancel ? MessageResult::kCancel : MessageResult::kOk;
    });
    g_bWindowSizesSaved = true;
    ASSERT_TRUE(frame.RunCommand(kCmdDefaultWindowSizes));
    EXPECT_TRUE(frame.isVisible());
    EXPECT_FALSE(g_bWindowSizesSaved);
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[1].rfind("Kalomithra Hora: Save changes to", 0), 0u);

    // Folders under a plain file cannot be made: the failed save is told, the program closes.
    m_document.SetModifiedFlag(false);
    QFile(m_dataFolder.filePath("plain")).open(QIODevice::WriteOnly);
    g_strDataDirectory = m_dataFolder.filePath("plain/folder").toStdString();
    qputenv("XDG_CONFIG_HOME", m_dataFolder.filePath("plain/config").toUtf8());
    m_messages.clear();
    ASSERT_TRUE(frame.RunCommand(kCmdDefaultWindowSizes));
    EXPECT_FALSE(frame.isVisible());
    bool toldFailure = false;
    for (const std::string& message : m_messages) toldFailure |= message.rfind("Error:", 0) == 0;
    EXPECT_TRUE(toldFailure);
}

// The lifecycle commands: natal mode only, never before the birth chart, never past the tenth
// lifecycle; each step casts the chart a lifecycle (144 years at start) on and counts it.
TEST_F(FrameCommandsTest, LifecycleCommandsKeepTheirLimitsAndSaySo) {
    CMainFrame& frame = BuildBound();
    const int birthYear = m_document.m_natalChart.m_dateTime.m_nYear;
    const struct {
        bool tajaka; // a Tajaka chart cast first
        int lifecycle;
        CommandId command;
        std::string message; // caption: text; empty for none
        int lifecycleAfter;
        int yearsOn; // the natal chart's year from the birth's afterwards
    } cases[] = {
        {true, 0, kCmdNextLifecycle,
         "Sorry, cannot do now: Previous/next lifecycle chart is cast only when we are in the natal chart "
         "mode. "
         "Return to the natal chart mode and try again.",
         0, 0},
        {false, 0, kCmdPreviousLifecycle,
         "Sorry, we are at the beginning: We cannot compute lifecycles before birth. After birth, we can "
         "cast a "
         "new lifecycle chart once in every 144 years (or a user programmed lifecycle length). We are right "
         "now "
         "showing the birthchart itself, i.e. the first lifecycle chart. We cannot go before that.",
         0, 0},
        {false, 10, kCmdNextLifecycle, "Sorry: This software cannot compute more than 10 lifecycles.", 10, 0},
        {false, 0, kCmdNextLifecycle, "", 1, 144},
        {false, 1, kCmdPreviousLifecycle, "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " from lifecycle " + std::to_string(c.lifecycle));
        if (c.tajaka) {
            ASSERT_TRUE(m_document.CalculateTajaka().ok());
        }
        g_nLifecycle = c.lifecycle;
        m_messages.clear();
        ASSERT_TRUE(frame.RunCommand(c.command));
        EXPECT_EQ(m_messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(g_nLifecycle, c.lifecycleAfter);
        EXPECT_NEAR(m_document.m_natalChart.m_dateTime.m_nYear - birthYear, c.yearsOn, 1);
        if (c.tajaka) {
            ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
        }
    }
    g_nLifecycle = 0;
}

// The text a menu shows for an action: the mnemonic marks dropped, "&&" shown as "&".
std::string ShownText(const QAction* action) {
    QString text = action->text();
    text.replace("&&", QChar(1));
    text.remove('&');
    text.replace(QChar(1), '&');
    return text.toStdString();
}

// Each pictured menu holds the program's commands that belong in it, in the menu's order, and the site's
// links; every submenu is pictured too.
TEST_F(FrameCommandsTest, MenusArePicturedForALook) {
    CMainFrame& frame = BuildBound();
    const std::map<std::string, std::vector<std::string>> expected = {
        {"Preferences",
         {"Save Preferences", "Updates", "Set Current Location as Default", "Related to Calculations",
          "Related to Display"}},
        {"Related to Calculations",
         {"Restore Default Calculation Options",
          "Set Calculation Options as recommended by author",
          "Siddhanta (Planetary Model) - Drik vs SSS (Sri Surya Siddhanta)",
          "Ayanamsa",
          "Divisional Chart Calculation Options",
          "Upagraha Calculation Options",
          "Planet Calculation Options",
          "Life cycle length for casting a new chart (countries etc)",
          "Sunrise, sunset & special lagna definitions",
          "Hora, Kaala & Weekday Start Options",
          "Mrityu Bhaga Options",
          "Tajaka Calculation Options",
          "Tithi Pravesha Calculation Options",
          "Lunar calendar options",
          "Solar calendar options",
          "Ashtakavarga Calculation Options",
          "Chara karaka scheme (7 or 8)",
          "Nodal Exaltation & Debilitation Sign Options",
          "Pushkara Bhaga Definition Options",
          "Vaiseshikamsa Calculation Options",
          "Arudha Pada Calculation Options"}},
        {"Related to Display",
         {"Chart Style and Language", "Use of 2 chart styles", "Pages to include in printouts",
          "Colors to be used", "Astrologer's name and address (for printouts)", "Font size adjustment",
          "Save current window sizes for future use", "Switch back to default window sizes"}},
        {"Websites", {"Kalomithra Hora web site", "Kalomithra Hora discussion group (message archive)"}},
    };
    const auto itemsOf = [](const QMenu& menu) {
        std::vector<std::string> items;
        for (const QAction* action : menu.actions())
            if (!action->isSeparator()) items.push_back(ShownText(action));
        return items;
    };
    int pictured = 0;
    for (const char* title : {"&Preferences", "&Websites"}) {
        for (QAction* top : frame.menuBar()->actions()) {
            if (top->text() != title || !top->menu()) continue;
            QMenu* menu = top->menu();
            menu->popup(QPoint(0, 0));
            EXPECT_EQ(itemsOf(*menu), expected.at(ShownText(top)));
            // The submenus each in a picture of their own.
            for (QAction* entry : menu->actions()) {
                if (!entry->menu()) continue;
                EXPECT_EQ(itemsOf(*entry->menu()), expected.at(ShownText(entry)));
                const std::string name = "menu_" + entry->text().replace(' ', '_').toLower().toStdString();
                SavePicture(*entry->menu(), name.c_str());
                ++pictured;
            }
            SavePicture(*menu, std::string(title) == "&Preferences" ? "menu_preferences" : "menu_websites");
            ++pictured;
            for (const QAction* action : menu->actions())
                EXPECT_TRUE(action->isEnabled()) << ShownText(action);
            menu->hide();
        }
    }
    EXPECT_EQ(pictured, 4);
}

// Preferences > Import says what it did not take and why: a file too large to be a preference file, a
// fifo, an empty file, a file with no preference in it, a name that reads a missing file once ".ini" is
// added, a file with a value out of range (whose built-in value is then used, as at start-up). The
// values stand as they were for all but the last.
TEST_F(FrameCommandsTest, ImportingPreferencesSaysWhatWasRefusedAndWhy) {
    CMainFrame& frame = BuildBound();
    const CScopedOption<double> altitude(g_dDefaultAltitude, 250.0);
    const SparseFile huge(m_dataFolder.filePath("huge.ini").toStdString(), std::uint64_t{3} << 30);
    ASSERT_TRUE(huge.made());
    const FifoFile fifo(m_dataFolder.filePath("fifo.ini").toStdString());
    ASSERT_TRUE(fifo.made());
    const QString empty = m_dataFolder.filePath("empty.ini");
    std::ofstream(empty.toStdString()) << "";
    const QString binary = m_dataFolder.filePath("binary.ini");
    std::ofstream(binary.toStdString(), std::ios::binary) << std::string("\0\xff\x01 binary\n\x02", 12);
    const QString withoutExtension = m_dataFolder.filePath("altitude"); // "altitude.ini" is read
    std::ofstream(withoutExtension.toStdString()) << "DefaultAltitude=100\n";
    const QString low = m_dataFolder.filePath("low.ini");
    std::ofstream(low.toStdString()) << "DefaultAltitude=-501\n";
    const struct {
        std::string path;
        std::string said;
        double altitudeAfter;
    } cases[] = {
        {huge.path(), "it holds 3 GB, and a preference file holds at most 4 MB.\nNo preference was imported.",
         250},
        {fifo.path(), "it is not a regular file", 250},
        {empty.toStdString(), "\" is empty; no preference was imported.", 250},
        {binary.toStdString(), "\" holds no preferences; none was imported.", 250},
        {withoutExtension.toStdString(), ".ini\": there is no such file. No preference was imported.", 250},
        {low.toStdString(), "\nDefaultAltitude=-501 (accepted: -500 to 20000)", 491}, // the built-in value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        m_messages.clear();
        const QString path = QString::fromStdString(c.path);
        WhenModal<QFileDialog>([path](QFileDialog& dialog) {
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path); // typed in whole
            static_cast<QDialog&>(dialog).accept(); // the file dialog's own, as its Open button
        });
        ASSERT_TRUE(frame.RunCommand(kCmdImportPreferences));
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_NE(m_messages[0].find(c.path), std::string::npos) << m_messages[0];
        EXPECT_NE(m_messages[0].find(c.said), std::string::npos) << m_messages[0];
        EXPECT_EQ(g_dDefaultAltitude, c.altitudeAfter);
    }
}

} // namespace
