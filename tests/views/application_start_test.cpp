// The whole program started as it is from the command line, offscreen: the chart document made at
// start-up, opened from a chart file or new when the file cannot be read, and joined to the main
// window's title, chart views, panes and commands. The main window on the chart is rendered into
// application_window_*.png in the build folder for a look.
#include <QApplication>
#include <QDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "application_fixture.h"
#include "display/chart_commands.h"
#include "display/entry_chart_view.h"
#include "display/mixed_chart_view.h"
#include "platform/frame_wnd.h"
#include "platform/recording_surface.h"
#include "shell/preferences.h"
#include "tests/core/ephemeris_folder_copy.h"
#include "views/info/custom_list_view.h"
#include "views/periods/dasa_view.h"

namespace {

std::string ShippedCatalogue() {
    std::ifstream file(std::filesystem::path(EphemerisFolder()) / "sefstars.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The program started on a data folder of the test's own, as start-up finds it: the preference file in
// it (the user's preference folder an empty one), its "ephe" folder holding the program's ephemeris
// files and the star catalogue `catalogue`.
class DataFolderStartTest : public ApplicationStartTest {
protected:
    void Start(const std::string& preferences, const std::string& catalogue) {
        ASSERT_TRUE(m_folder.isValid());
        std::ofstream(m_ephemeris.Catalogue(), std::ios::binary) << catalogue;
        std::ofstream(m_data / "tavro.ini") << preferences;
        std::filesystem::create_directories(m_config);
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_config.string()));
        g_strDataDirectory = m_data.string();
        g_strPreferenceFileNotice = LoadPreferences();
        ASSERT_EQ(g_strPreferenceFileNotice, "");
        ASSERT_TRUE(m_application.InitInstance({}));
    }
    ~DataFolderStartTest() override { qputenv("XDG_CONFIG_HOME", m_keptConfigHome); }

    std::filesystem::path m_data = std::filesystem::path(m_folder.path().toStdString()) / "data";
    EphemerisFolderCopy m_ephemeris{m_data / "ephe"};

private:
    std::filesystem::path m_config = std::filesystem::path(m_folder.path().toStdString()) / "config";
    QByteArray m_keptConfigHome = qgetenv("XDG_CONFIG_HOME");
};

// A catalogue without Aldebaran, and the Rohini-paksha ayanamsa (held on Aldebaran) chosen: every body
// of the start-up chart stood at 0 Aries, and nothing was said. The program's own Aldebaran stands in,
// and the start says so.
TEST_F(DataFolderStartTest, AnAyanamsasStarMissingFromTheCatalogueIsTheProgramsOwn) {
    std::istringstream shipped(ShippedCatalogue());
    std::string withoutAldebaran;
    for (std::string line; std::getline(shipped, line);)
        if (!line.starts_with("Aldebaran")) withoutAldebaran += line + "\n";
    Start("UserSelectedAyanamsa=20\n", withoutAldebaran);

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0],
              "Error: The star catalogue \"" + m_ephemeris.Catalogue() +
                  "\" holds no line for Aldebaran, on which an ayanamsa is held; the program's own "
                  "line is used for it.");
    const CChart& started = m_application.Document()->m_natalChart;
    ASSERT_TRUE(started.m_lastCalculation && started.m_lastCalculation->ok());
    // The same moment cast on the program's own folder, whose Aldebaran line the program's own is.
    UseEphemerisFolder(EphemerisFolder());
    CChart reference = started;
    reference.m_pNatalChart = nullptr;
    reference.m_pAnalysisChart = nullptr;
    ASSERT_TRUE(reference.ComputeAll(false).ok());
    for (int body = 0; body < kEphemerisBodyCount; ++body)
        EXPECT_DOUBLE_EQ(started.m_bodies[body].m_dLongitude, reference.m_bodies[body].m_dLongitude) << body;
    EXPECT_NE(started.m_bodies[kSun].m_dLongitude, 0.0);
}

// A custom star that the catalogue does not hold: the start says why the chart of the present moment
// cannot be calculated, in the words opening a chart file uses, and so does File > New; the chart panes
// and the list of longitudes show no chart of it.
TEST_F(DataFolderStartTest, ACustomStarNoCatalogueHoldsIsToldAtTheStart) {
    Start("UserSelectedAyanamsa=19\nCustomStarCode=,xxNone\n", ShippedCatalogue());
    const std::string told =
        "Error: The chart of the present moment cannot be calculated: The star \",xxNone\" of "
        "the ayanamsa cannot be computed: ";
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].rfind(told, 0), 0u) << m_messages[0];
    // The chart panes and the list of longitudes show no chart rather than one of no moment.
    EXPECT_FALSE(m_application.Document()->m_natalChart.m_lastCalculation->ok());
    EXPECT_EQ(ChartOfPane(0), nullptr);
    auto* longitudes = dynamic_cast<CCustomListView*>(PaneOf(kNodeBasicInfo));
    ASSERT_NE(longitudes, nullptr);
    EXPECT_EQ(longitudes->RowCount(), 0);
    // Nor does any pane that shows what is worked out from the chart: key data, ashtakavarga, bar
    // graphs, yogas, the dasa page.
    CMainFrame& frame = *m_application.MainFrame();
    for (const unsigned node :
         {kNodeKeyData, kNodeAshtakavarga, kNodeBarGraphs, kNodeYogas, kNodeNakshatraDasas}) {
        SCOPED_TRACE(node);
        frame.Framework().ActivateNode(frame.Framework().GetNode(node));
        CView* pane = PaneOf(node);
        ASSERT_NE(pane, nullptr);
        if (auto* list = dynamic_cast<CCustomListView*>(pane)) {
            EXPECT_EQ(list->RowCount(), 0);
            continue;
        }
        RecordingSurface drawn;
        pane->OnDraw(drawn);
        for (const std::string& call : drawn.Calls()) EXPECT_FALSE(call.starts_with("DrawText")) << call;
    }

    m_messages.clear();
    EXPECT_TRUE(m_application.MainFrame()->RunCommand(kCmdFileNew));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].rfind(told, 0), 0u) << m_messages[0];
}

TEST_F(ApplicationStartTest, ChartFileOnTheCommandLineIsShownInTheTitleAndThePanes) {
    ASSERT_TRUE(m_folder.isValid());
    const std::string path = WriteChartFile("chennai.tvd", kChennaiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CTavroDoc& document = *m_application.Document();
    CMainFrame& frame = *m_application.MainFrame();

    EXPECT_TRUE(m_messages.empty()) << m_messages.front();
    EXPECT_EQ(frame.windowTitle().toStdString(), "chennai.tvd - Kalomithra Hora");
    EXPECT_EQ(document.GetPathName(), path);
    const CLocalDateTime& birth = document.m_natalChart.m_dateTime;
    EXPECT_EQ(std::tuple(birth.m_nYear, birth.m_nMonth, birth.m_nDay), std::tuple(1990, 5, 15));
    ExpectViewsShow(document);
    EXPECT_EQ(ChartBaseName(), m_folder.filePath("chennai").toStdString());
    ASSERT_FALSE(frame.RecentFiles().Paths().empty());
    EXPECT_EQ(frame.RecentFiles().Paths().front().toStdString(), path);

    // The document's commands act in the program: a birth-time change is undone through the frame.
    EXPECT_TRUE(frame.FindAction(kCmdEditBirthData)->isEnabled());
    document.m_natalChart.m_dateTime.m_nDay = 16;
    ASSERT_TRUE(document.OnBirthDataChanged().ok());
    EXPECT_TRUE(frame.RunCommand(kCmdUndoLatestBirthTime));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nDay, 15);

    // Bringing a dasa page to the front computes that page's dasa.
    frame.Framework().ActivateNode(frame.Framework().GetNode(kNodeRasiDasas));
    EXPECT_EQ(document.m_dasaTree.nDasaCode, g_nRasiDasaToBeDisplayed);
    frame.Framework().ActivateNode(frame.Framework().GetNode(kNodeNakshatraDasas));
    EXPECT_EQ(document.m_dasaTree.nDasaCode, g_nNakshatraDasaToBeDisplayed);

    frame.setWindowState(Qt::WindowNoState);
    frame.resize(1366, 768);
    const std::pair<unsigned, const char*> pages[] = {
        {kNodeManyVargas, "application_window_chakras.png"},
        {kNodeBasicInfo, "application_window_basics.png"},
        {kNodeNakshatraDasas, "application_window_dasas.png"},
    };
    for (const auto& [node, file] : pages) {
        frame.Framework().ActivateNode(frame.Framework().GetNode(node));
        EXPECT_TRUE(frame.grab().toImage().save(QDir(KH_TEST_OUTPUT_DIR).filePath(file)));
    }
}

// "Show ashtakavarga of this chart" in a chart pane brings the ashtakavarga page to the front; the mixed
// chart view's ashtakavarga already stands beside it.
TEST_F(ApplicationStartTest, ChartViewsAshtakavargaCommandShowsTheAshtakavargaPage) {
    ASSERT_TRUE(m_folder.isValid());
    ASSERT_TRUE(m_application.InitInstance(
        {QString::fromStdString(WriteChartFile("chennai.tvd", kChennaiChartText))}));
    CVisualFramework& framework = m_application.MainFrame()->Framework();
    constexpr unsigned kBasicsChart = 21;
    ASSERT_TRUE(framework.ActivateNode(framework.GetNode(kBasicsChart)));
    auto* chartView = dynamic_cast<CChartView*>(PaneOf(kBasicsChart));
    ASSERT_NE(chartView, nullptr);
    RecordingSurface surface;
    chartView->OnDraw(surface);
    const Rect pane = chartView->PaneRect(0);
    ASSERT_TRUE(chartView->HitTestForMenu(Point{pane.left + 2, pane.top + 2}));
    ASSERT_TRUE(chartView->RunCommand(kCmdShowAshtakavarga));
    EXPECT_EQ(framework.GetActiveNode(), framework.GetNode(kNodeAshtakavarga));

    ASSERT_TRUE(framework.ActivateNode(framework.GetNode(kNodeMixedChart)));
    auto* mixed = dynamic_cast<CMixedChartView*>(PaneOf(kNodeMixedChart));
    ASSERT_NE(mixed, nullptr);
    mixed->OnDraw(surface);
    const Rect inner = mixed->InnerRect();
    ASSERT_TRUE(mixed->HitTestForMenu(Point{inner.left + 5, inner.top + 5}));
    ASSERT_TRUE(mixed->RunCommand(kCmdShowAshtakavarga));
    EXPECT_EQ(framework.GetActiveNode(), framework.GetNode(kNodeMixedChart));
}

TEST_F(ApplicationStartTest, UnreadableChartFileLeavesTheDefaultChartAndSaysWhy) {
    ASSERT_TRUE(m_folder.isValid());
    const std::string path = m_folder.filePath("absent.tvd").toStdString();
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CTavroDoc& document = *m_application.Document();

    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages.front().rfind("Error: ", 0), 0u) << m_messages.front();
    EXPECT_NE(m_messages.front().find("absent.tvd"), std::string::npos) << m_messages.front();
    EXPECT_EQ(m_application.MainFrame()->windowTitle().toStdString(), "Untitled - Kalomithra Hora");
    EXPECT_TRUE(document.GetPathName().empty());
    EXPECT_GT(document.m_natalChart.m_dateTime.m_nYear, 2000); // the present moment
    ExpectViewsShow(document);
}

// The splash stands above every other window: an error box shown at start-up stood behind it, and a
// key or click meant for the box closed only the splash. The splash goes first.
TEST_F(ApplicationStartTest, AStartUpMessageIsNotHiddenBehindTheSplash) {
    const std::string path = m_folder.filePath("absent.tvd").toStdString();
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_FALSE(m_bSplashOverAMessage);
    EXPECT_FALSE(CSplashWnd::IsShown());

    // A box of later (an update offered while the program starts) takes the splash away as well.
    CSplashWnd::ShowSplashScreen(m_application.MainFrame());
    ASSERT_TRUE(CSplashWnd::IsShown());
    MessageBox(m_application.MainFrame(), "A newer Kalomithra Hora is available.", "Update available");
    EXPECT_FALSE(m_bSplashOverAMessage);
    EXPECT_FALSE(CSplashWnd::IsShown());
}

TEST_F(ApplicationStartTest, FileNewAndTheRecentFileListActOnTheDocument) {
    const std::string path = WriteChartFile("chennai.tvd", kChennaiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CMainFrame& frame = *m_application.MainFrame();
    CTavroDoc& document = *m_application.Document();

    EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
    EXPECT_EQ(frame.windowTitle().toStdString(), "Untitled - Kalomithra Hora");
    EXPECT_GT(document.m_natalChart.m_dateTime.m_nYear, 2000);
    EXPECT_TRUE(ChartBaseName().empty());

    ASSERT_TRUE(frame.FindAction(kCmdRecentFile1));
    EXPECT_TRUE(frame.FindAction(kCmdRecentFile1)->isEnabled());
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));
    EXPECT_EQ(frame.windowTitle().toStdString(), "chennai.tvd - Kalomithra Hora");
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nYear, 1990);

    // File > Save writes the changed birth back into the chart's file.
    document.m_natalChart.m_dateTime.m_nDay = 16;
    ASSERT_TRUE(document.OnBirthDataChanged().ok());
    EXPECT_TRUE(frame.RunCommand(kCmdFileSave));
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nDay, 16);

    // A listed file that has gone is reported and leaves the list; the open chart stays.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_FALSE(frame.RecentFiles().Paths().contains(QString::fromStdString(path)));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nYear, 1990);
}

// A chart file marked read-only is replaced only when the user says so, and stays read-only.
TEST_F(ApplicationStartTest, SavingOverAReadOnlyChartFileAsksFirst) {
    const std::string path = WriteChartFile("chennai.tvd", kChennaiChartText);
    ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CMainFrame& frame = *m_application.MainFrame();
    CTavroDoc& document = *m_application.Document();
    document.m_natalChart.m_dateTime.m_nDay = 16;
    ASSERT_TRUE(document.OnBirthDataChanged().ok());

    m_answer = MessageResult::kNo;
    EXPECT_TRUE(frame.RunCommand(kCmdFileSave));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Kalomithra Hora: \"" + path + "\" is read-only.\nReplace it all the same?");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(ReadWhole(path), kChennaiChartText);

    m_answer = MessageResult::kYes;
    EXPECT_TRUE(frame.RunCommand(kCmdFileSave));
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(ReadWhole(path).substr(0, 7), "5\r\n16\r\n");
    EXPECT_EQ(QFile::permissions(QString::fromStdString(path)) & (QFile::WriteOwner | QFile::WriteGroup), 0);
}

// Nothing typed into a chart is lost by File > New, a recent file or closing the window: each asks
// first, and Cancel (or a failed save) keeps the chart as it is.
TEST_F(ApplicationStartTest, UnsavedChangesAreOfferedForSavingBeforeTheChartIsReplaced) {
    const std::string path = WriteChartFile("chennai.tvd", kChennaiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CMainFrame& frame = *m_application.MainFrame();
    CTavroDoc& document = *m_application.Document();

    EXPECT_TRUE(frame.RunCommand(kCmdFileNew)); // nothing changed: no question
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));

    const auto changeTheBirthDay = [&](int day) {
        document.m_natalChart.m_dateTime.m_nDay = day;
        ASSERT_TRUE(document.OnBirthDataChanged().ok());
        ASSERT_TRUE(document.IsModified());
    };
    changeTheBirthDay(17);
    m_answer = MessageResult::kCancel;
    EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Kalomithra Hora: Save changes to chennai.tvd?");
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nDay, 17);
    EXPECT_FALSE(frame.close()); // the window stays open too
    EXPECT_TRUE(document.IsModified());

    m_answer = MessageResult::kNo; // the change is dropped, the file untouched
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nDay, 15);

    changeTheBirthDay(18);
    m_answer = MessageResult::kYes; // saved into its file first
    EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
    EXPECT_EQ(frame.windowTitle().toStdString(), "Untitled - Kalomithra Hora");
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nDay, 18);

    // A save that fails keeps the chart: a folder now stands where the file was.
    changeTheBirthDay(19);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path)));
    const size_t before = m_messages.size();
    EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
    EXPECT_EQ(m_messages.size(), before + 2); // the question, then the error
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nDay, 19);
}

// Undoing birth-time changes takes back the moment only: a place changed with it keeps the chart changed,
// so File > New still asks; once the chart is again the one opened, nothing is asked.
TEST_F(ApplicationStartTest, UndoingBirthTimeChangesKeepsOtherChangesOfferedForSaving) {
    const std::string path = WriteChartFile("chennai.tvd", kChennaiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CMainFrame& frame = *m_application.MainFrame();
    CTavroDoc& document = *m_application.Document();
    CChart& natal = document.m_natalChart;
    const CDmsAngle openedLatitude = natal.m_latitude;

    for (const CommandId undo : {kCmdUndoAllBirthTime, kCmdUndoLatestBirthTime}) {
        SCOPED_TRACE(undo);
        // The place and the hour changed together, as the birth-data dialog changes them, then a step.
        natal.m_latitude.m_nDegrees += 2;
        natal.m_latitude.JoinDegrees();
        natal.m_dateTime.m_time.m_nHours += 1;
        natal.m_dateTime.m_time.JoinHours();
        ASSERT_TRUE(document.OnBirthDataChanged().ok());
        frame.BirthTimeCombo()->setCurrentIndex(3); // an hour
        ASSERT_TRUE(frame.RunCommand(kCmdBirthTimeForward));
        ASSERT_TRUE(frame.RunCommand(undo));
        if (undo == kCmdUndoLatestBirthTime) {
            ASSERT_TRUE(frame.RunCommand(undo));
        }
        EXPECT_EQ(natal.m_dateTime.m_time.m_nHours, 10);
        EXPECT_TRUE(document.IsModified());

        m_messages.clear();
        m_answer = MessageResult::kCancel;
        EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0], "Kalomithra Hora: Save changes to chennai.tvd?");
        EXPECT_EQ(natal.m_latitude.m_nDegrees, openedLatitude.m_nDegrees + 2);

        // The place put back by hand: the chart is the one opened again.
        natal.m_latitude = openedLatitude;
        ASSERT_TRUE(document.OnBirthDataChanged().ok());
        ASSERT_TRUE(frame.RunCommand(kCmdUndoAllBirthTime));
        EXPECT_FALSE(document.IsModified());
    }
}

// The period-entry windows show a document of their own: File > New and File > Open replace the main
// chart under them, and they go on drawing, updating and running their commands on their own charts.
TEST_F(ApplicationStartTest, EntryWindowsOutliveTheMainChartBeingReplaced) {
    const std::string path = WriteChartFile("chennai.tvd", kChennaiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    CMainFrame& frame = *m_application.MainFrame();
    CVisualFramework& framework = frame.Framework();
    ASSERT_TRUE(framework.ActivateNode(framework.GetNode(kNodeNakshatraDasas)));
    auto* dasa = dynamic_cast<CDasaView*>(PaneOf(kNodeNakshatraDasas));
    ASSERT_NE(dasa, nullptr);
    RecordingSurface surface;
    dasa->OnDraw(surface);
    const Rect period = dasa->PeriodRects()[2];
    dasa->PickPeriod(Point{(period.left + period.right) / 2, (period.top + period.bottom) / 2});
    dasa->OnEntryChart();

    std::vector<CFrameWnd*> entryFrames;
    CEntryChartView* entry = nullptr;
    const auto findEntryWindows = [&] {
        entryFrames.clear();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<CFrameWnd*>(widget); window && window != &frame) {
                entryFrames.push_back(window);
                if (auto* view = dynamic_cast<CEntryChartView*>(window->centralWidget())) entry = view;
            }
    };
    findEntryWindows();
    ASSERT_NE(entry, nullptr);
    for (const int command :
         {int(kCmdEntryPlanetLongitudes), int(kCmdShowAshtakavarga), int(kCmdEntryPatyayiniDasa)})
        ASSERT_TRUE(entry->RunCommand(command));
    findEntryWindows();
    ASSERT_EQ(entryFrames.size(), 4u);
    auto* entryDocument = static_cast<CTavroDoc*>(entry->GetDocument());
    const double entryJd = entryDocument->m_pCurrentChart->GetJulianDay();

    const auto everyEntryWindowWorks = [&] {
        for (CFrameWnd* window : entryFrames) {
            auto* view = dynamic_cast<CView*>(window->centralWidget());
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(view->GetDocument(), entryDocument);
            RecordingSurface drawn;
            view->OnDraw(drawn);
        }
        entryDocument->UpdateAllViews(nullptr);
        const Rect area = entry->ChartArea();
        ASSERT_TRUE(entry->HitTestForMenu(Point{area.left + 5, area.top + 5}));
        EXPECT_TRUE(entry->RunCommand(kCmdLagnaSignChange));
        EXPECT_NEAR(entryDocument->m_pCurrentChart->GetJulianDay(), entryJd, 1e-9);
        EXPECT_EQ(entryDocument->m_pCurrentChart->m_pNatalChart, &entryDocument->m_natalChart);
    };
    everyEntryWindowWorks();
    EXPECT_TRUE(frame.RunCommand(kCmdFileNew));
    everyEntryWindowWorks();
    EXPECT_TRUE(frame.RunCommand(kCmdRecentFile1));
    everyEntryWindowWorks();
    for (CFrameWnd* window : entryFrames) window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
