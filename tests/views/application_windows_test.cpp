// The program as a user meets it, through its menus: the windows opened apart show the chart they were
// opened on, the View menu's bars, Save As, and the screen after a print drawn as before it.
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <array>
#include <functional>

#include "application_fixture.h"
#include "chart/chart.h"
#include "core/option_snapshot.h"
#include "display/entry_chart_view.h"
#include "display/print_pages.h"
#include "platform/frame_wnd.h"
#include "platform/print_job.h"
#include "shell/color_settings.h"
#include "shell/dialogs/birth_data_dlg.h"
#include "shell/dialogs/change_date_time_dlg.h"
#include "views/info/ashtakavarga_colors.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/aspect_table_view.h"
#include "views/info/basic_info_view.h"
#include "views/info/seed_strength_view.h"
#include "views/periods/dasa_transit_view.h"
#include "views/periods/dasa_view.h"
#include "views/periods/transit_calendar_view.h"

namespace {

class ApplicationWindowsTest : public ApplicationStartTest {
protected:
    ~ApplicationWindowsTest() override {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<CFrameWnd*>(widget);
                window && window != m_application.MainFrame())
                window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CMainFrame& Start() {
        EXPECT_TRUE(m_application.InitInstance(
            {QString::fromStdString(WriteChartFile("chennai.tvd", kChennaiChartText))}));
        return *m_application.MainFrame();
    }

    // The view of class View in a window of its own that is showing; null when there is none.
    template <class View> static View* OpenedView() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<CFrameWnd*>(widget); window && window->isVisible())
                if (auto* view = dynamic_cast<View*>(window->centralWidget())) return view;
        return nullptr;
    }

    CView& ActivePane(unsigned node) {
        CVisualFramework& framework = m_application.MainFrame()->Framework();
        EXPECT_TRUE(framework.ActivateNode(framework.GetNode(node)));
        auto* view = dynamic_cast<CView*>(framework.GetNode(node)->m_pWnd.data());
        EXPECT_NE(view, nullptr);
        return *view;
    }

    // Opens `pane`'s context menu at `content` (pixels of its content) and chooses the item `text` with
    // the keyboard, as the menu's own choice.
    static void ChooseFromContextMenu(CView& pane, Point content, const std::string& text) {
        auto chosen = std::make_shared<bool>(false);
        QTimer::singleShot(20, [chosen, text] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions())
                if (action->text().toStdString() == text && action->isEnabled()) {
                    *chosen = true;
                    menu->setActiveAction(action);
                    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                    QApplication::sendEvent(menu, &enter);
                    // A menu taller than the screen scrolls, and Return passes over an item out of view:
                    // that one is triggered on its own (menus that act through their items' signals).
                    if (menu->isVisible()) {
                        menu->close();
                        action->trigger();
                    }
                    return;
                }
            menu->close();
        });
        pane.OnContextMenu(pane.viewport()->mapToGlobal(QPoint(content.x, content.y)));
        QEventLoop wait;
        QTimer::singleShot(60, &wait, &QEventLoop::quit);
        wait.exec();
        EXPECT_TRUE(*chosen) << text;
    }

    // Dasas > right-click on maha dasa `index` > "Entry chart of this period": the entry chart's view, laid
    // out; null when none opened.
    CEntryChartView* OpenEntryChartOf(int index) {
        g_nCurrentDasaViewType = 0;
        auto& dasa = dynamic_cast<CDasaView&>(ActivePane(kNodeNakshatraDasas));
        Drawn(dasa);
        const Rect row = dasa.PeriodRects()[index];
        ChooseFromContextMenu(dasa, Point{row.left + 5, (row.top + row.bottom) / 2},
                              "&Entry chart of this period");
        QCoreApplication::processEvents();
        return OpenedView<CEntryChartView>();
    }
    // The entry chart's menu item `text`, chosen with the pointer inside the chart.
    static void ChooseFromEntryChart(CEntryChartView& entry, const std::string& text) {
        const Rect area = entry.ChartArea();
        ChooseFromContextMenu(entry, Point{area.left + 5, area.top + 5}, text);
    }

    static DrawnRecord Drawn(CView& view) {
        ProbeSurface probe;
        view.OnDraw(probe);
        return probe;
    }
    static std::vector<std::string> DrawnCalls(CView& view) {
        RecordingSurface recorder;
        view.OnDraw(recorder);
        return recorder.Calls();
    }

    // The item `text` of the menu-bar menu `menu`; null when there is none.
    QAction* MenuItem(const char* menu, const char* text) {
        for (QAction* top : m_application.MainFrame()->menuBar()->actions())
            if (top->text() == menu && top->menu())
                for (QAction* item : top->menu()->actions())
                    if (item->text() == text) return item;
        ADD_FAILURE() << menu << " > " << text << " not found";
        return nullptr;
    }

    // Answers each modal dialog of class Dialog that comes up while it lives with `answer`, as a user would.
    template <class Dialog> class ModalAnswer {
    public:
        explicit ModalAnswer(std::function<void(Dialog&)> answer) {
            QObject::connect(&m_timer, &QTimer::timeout, [answer] {
                if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) answer(*dialog);
            });
            m_timer.start(20);
        }

    private:
        QTimer m_timer;
    };

    // File > Save As with the paths `typed` entered into the dialog's name field, one each time the
    // dialog shows, and Save pressed once the dialog shows it as chosen (while its folder loads it may
    // select the chart's present file again); a showing past the last path is cancelled. Returns how
    // often the dialog showed.
    int SaveAsTyping(const QStringList& typed) {
        struct Progress {
            int showing = 0; // the dialog's showings answered
            int settled = 0;
        };
        auto progress = std::make_shared<Progress>();
        const ModalAnswer<QFileDialog> answer([typed, progress](QFileDialog& dialog) {
            if (progress->showing >= typed.size()) {
                ++progress->showing;
                dialog.reject();
                return;
            }
            const QString& path = typed[progress->showing];
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            if (!name || !dialog.isActiveWindow()) return; // a user types once the dialog has the focus
            if (dialog.selectedFiles().value(0) != path) {
                name->setText(QFileInfo(path).fileName());
                progress->settled = 0;
                return;
            }
            if (++progress->settled < 3) return;
            progress->settled = 0;
            ++progress->showing;
            static_cast<QDialog&>(dialog).accept(); // the file dialog's own, as its Save button
        });
        MenuItem("&File", "Save &As...")->trigger();
        return progress->showing;
    }
};

// Each window opened apart shows the application's chart, reached as the user reaches it.
TEST_F(ApplicationWindowsTest, WindowsOpenedApartShowTheChartTheyWereOpenedOn) {
    Start();
    CTavroDoc& document = *m_application.Document();

    // View > Aspect Table with Relationships.
    MenuItem("&View", "Aspect Table with Relationships")->trigger();
    auto* aspects = OpenedView<CAspectTableView>();
    ASSERT_NE(aspects, nullptr);
    EXPECT_EQ(aspects->GetDocument(), &document);
    const DrawnRecord table = Drawn(*aspects);
    for (const char* text : {"Su", "Ke", "1st", "Chart used: D-1"})
        EXPECT_NE(table.FindText(text), nullptr) << text;

    // The dasa page's "Vimsottari seed strength comparison help".
    g_nCurrentDasaViewType = 0;
    auto& dasa = dynamic_cast<CDasaView&>(ActivePane(kNodeNakshatraDasas));
    Drawn(dasa);
    ChooseFromContextMenu(dasa, Point{5, 5}, "Vimsottari seed strength comparison &help");
    auto* seeds = OpenedView<CVimsoStrengthHelpView>();
    ASSERT_NE(seeds, nullptr);
    EXPECT_EQ(seeds->GetDocument(), &document);
    EXPECT_GE(seeds->RowCount(), 12);
    EXPECT_EQ(seeds->CellText(0, 0).empty(), false);

    // "Dasa-Transit Correlation" on a period of the listing.
    Drawn(dasa);
    const Rect period = dasa.PeriodRects()[8];
    ChooseFromContextMenu(dasa, Point{period.left + 5, (period.top + period.bottom) / 2},
                          "&Dasa-Transit Correlation");
    auto* correlation = OpenedView<CDasaSignTransitView>();
    ASSERT_NE(correlation, nullptr);
    EXPECT_EQ(correlation->GetDocument(), &document);
    EXPECT_EQ(correlation->window()->windowTitle().toStdString(),
              "Dasa-Transit Correlation - " + document.GetTitle());
    QCoreApplication::processEvents();
    const DrawnRecord listing = Drawn(*correlation);
    EXPECT_EQ(listing.FindText(" W A I T "), nullptr);
    EXPECT_GT(listing.texts.size(), 12u);

    // The Transit Calendar tab's "Show Transit Calendar".
    constexpr unsigned kTransitCalendarTab = 194;
    QPushButton* show = nullptr;
    for (QPushButton* button : ActivePane(kTransitCalendarTab).findChildren<QPushButton*>())
        if (button->text() == "Show Transit Calendar") show = button;
    ASSERT_NE(show, nullptr);
    show->click();
    auto* calendar = OpenedView<CTransitCalenView>();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->GetDocument(), &document);
    QCoreApplication::processEvents();
    const DrawnRecord days = Drawn(*calendar);
    EXPECT_EQ(days.FindText(" W A I T "), nullptr);
    EXPECT_GT(days.texts.size(), 20u);
}

// File > Save As: a name typed without an extension is saved as a chart file, which File > Open lists.
TEST_F(ApplicationWindowsTest, SaveAsGivesANameWithoutExtensionTheChartFilesOwn) {
    Start();
    const struct {
        const char* typed;
        const char* saved;
    } cases[] = {{"ravi", "ravi.tvd"}, {"kumar.tvd", "kumar.tvd"}, {"sita.chart", "sita.chart"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(SaveAsTyping({m_folder.filePath(c.typed)}), 1);
        const QString saved = m_folder.filePath(c.saved);
        EXPECT_TRUE(QFileInfo::exists(saved));
        EXPECT_EQ(m_application.Document()->GetPathName(), saved.toStdString());
        EXPECT_EQ(m_application.MainFrame()->windowTitle().toStdString(),
                  std::string(c.saved) + " - Kalomithra Hora");
    }
    EXPECT_FALSE(QFileInfo::exists(m_folder.filePath("ravi")));
}

// File > Save As over a 1366x768 main window, as a new user first opens it, shows the size, type and
// date of the chart file whole beside its name, inside the view.
TEST_F(ApplicationWindowsTest, SaveAsShowsTheColumnsBesideTheNameWhole) {
    // Qt's file dialog remembers the widths its columns were left at (in the test settings here): a new
    // user has none. They come back after the test.
    QSettings qtSettings(QSettings::UserScope, "QtProject");
    const QString kHeaderKey = "FileDialog/treeViewHeader";
    const QVariant remembered = qtSettings.value(kHeaderKey);
    qtSettings.remove(kHeaderKey);
    qtSettings.sync();
    Start().resize(1366, 768);
    struct Seen {
        int polls = 0, listed = 0; // the dialog's polls, and those with the folder's rows laid out
        std::vector<std::string> cut;
    };
    auto seen = std::make_shared<Seen>();
    {
        const ModalAnswer<QFileDialog> look([seen](QFileDialog& dialog) {
            auto* tree = dialog.findChild<QTreeView*>("treeView");
            const QAbstractItemView* items = tree; // the detail view's widths as its items ask them
            const int rows = tree ? tree->model()->rowCount(tree->rootIndex()) : 0;
            ++seen->polls;
            if (rows > 0) ++seen->listed;
            if (seen->listed < 3 && seen->polls < 200) return; // the folder is read in the background
            if (rows > 0) {
                const QHeaderView* header = tree->header();
                for (int column = 1; column < header->count(); ++column) {
                    const bool whole =
                        header->sectionSize(column) >= items->sizeHintForColumn(column) &&
                        header->sectionViewportPosition(column) + header->sectionSize(column) <=
                            tree->viewport()->width();
                    if (!whole)
                        seen->cut.push_back(
                            tree->model()->headerData(column, Qt::Horizontal).toString().toStdString());
                }
            }
            dialog.reject();
        });
        MenuItem("&File", "Save &As...")->trigger();
    }
    EXPECT_GE(seen->listed, 3);
    EXPECT_EQ(seen->cut, std::vector<std::string>{});
    if (remembered.isValid())
        qtSettings.setValue(kHeaderKey, remembered);
    else
        qtSettings.remove(kHeaderKey);
}

// File > Save As over an existing chart asks first, under the name it writes: "kumar" typed while
// kumar.tvd exists asks about kumar.tvd, and "No" leaves that file as it was.
TEST_F(ApplicationWindowsTest, SaveAsAsksBeforeReplacingTheChartFileItWrites) {
    Start();
    const std::string existing = WriteChartFile("kumar.tvd", "an earlier chart");
    const std::string chennai = m_application.Document()->GetPathName();
    const QString typed = m_folder.filePath("kumar");
    for (const MessageResult answer : {MessageResult::kNo, MessageResult::kYes}) {
        SCOPED_TRACE(answer == MessageResult::kYes ? "yes" : "no");
        m_messages.clear();
        m_answer = answer;
        SaveAsTyping({typed});
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0], "Save As: " + existing + " already exists.\nDo you want to replace it?");
        if (answer == MessageResult::kNo) {
            EXPECT_EQ(ReadWhole(existing), "an earlier chart");
            EXPECT_EQ(m_application.Document()->GetPathName(), chennai);
        } else {
            EXPECT_EQ(ReadWhole(existing).substr(0, 7), "5\r\n15\r\n");
            EXPECT_EQ(m_application.Document()->GetPathName(), existing);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(typed));
}

// File > Save As onto an existing chart answered "No" is back in the file chooser, where another name
// is typed and saved; the chart that exists stays as it was.
TEST_F(ApplicationWindowsTest, SaveAsAnsweredNoReturnsToTheChooserForAnotherName) {
    Start();
    const std::string existing = WriteChartFile("kumar.tvd", "an earlier chart");
    const QString other = m_folder.filePath("ravi.tvd");
    m_messages.clear();
    m_answer = MessageResult::kNo;
    EXPECT_EQ(SaveAsTyping({m_folder.filePath("kumar.tvd"), other}), 2);
    EXPECT_EQ(m_messages, std::vector<std::string>{"Save As: " + existing +
                                                   " already exists.\nDo you want to replace it?"});
    EXPECT_EQ(ReadWhole(existing), "an earlier chart");
    EXPECT_EQ(ReadWhole(other.toStdString()).substr(0, 7), "5\r\n15\r\n");
    EXPECT_EQ(m_application.Document()->GetPathName(), other.toStdString());
    EXPECT_EQ(m_application.MainFrame()->windowTitle().toStdString(), "ravi.tvd - Kalomithra Hora");
}

// The transit calendar and the aspect table open in windows titled with what they show and the chart
// they show, cascaded over the main window's client area wherever that window stands, never over its
// menu bar; their titles follow the chart the window shows, and the name it is saved under.
TEST_F(ApplicationWindowsTest, WindowsOpenedApartAreTitledAndCascadedOverTheMainWindowBelowItsMenuBar) {
    // No place kept for the aspect table yet, as on the program's first run.
    const CScopedOption<int> left(g_nAspTblPosLeft, 0), top(g_nAspTblPosTop, 0), right(g_nAspTblPosRight, 0),
        bottom(g_nAspTblPosBottom, 0);
    CMainFrame& frame = Start();
    // The user has moved the main window away from the screen's corner.
    frame.showNormal();
    frame.setGeometry(160, 120, 600, 440);
    QCoreApplication::processEvents();
    const int menuBottom = frame.menuBar()->mapToGlobal(QPoint(0, frame.menuBar()->height())).y();
    const QRect belowMenu(QPoint(frame.geometry().left(), menuBottom), frame.geometry().bottomRight());

    MenuItem("&View", "Aspect Table with Relationships")->trigger();
    constexpr unsigned kTransitCalendarTab = 194;
    for (QPushButton* button : ActivePane(kTransitCalendarTab).findChildren<QPushButton*>())
        if (button->text() == "Show Transit Calendar") button->click();
    QCoreApplication::processEvents();
    const struct {
        CView* view;
        const char* title;
    } windows[] = {{OpenedView<CAspectTableView>(), "Aspect Table with Relationships"},
                   {OpenedView<CTransitCalenView>(), "Transit Calendar"}};
    std::vector<QRect> places;
    for (const auto& w : windows) {
        SCOPED_TRACE(w.title);
        ASSERT_NE(w.view, nullptr);
        QWidget* window = w.view->window();
        EXPECT_EQ(window->windowTitle().toStdString(), std::string(w.title) + " - chennai.tvd");
        const QRect place = window->frameGeometry();
        EXPECT_TRUE(belowMenu.contains(place)) << place.x() << "," << place.y() << " " << place.width() << "x"
                                               << place.height() << " menu bottom " << menuBottom;
        places.push_back(place);
    }
    EXPECT_FALSE(places[0].intersects(places[1]));

    // File > Save As under another name: the windows name it at once.
    ASSERT_EQ(SaveAsTyping({m_folder.filePath("ravi.tvd")}), 1);
    for (const auto& w : windows)
        EXPECT_EQ(w.view->window()->windowTitle().toStdString(), std::string(w.title) + " - ravi.tvd");

    // File > New: the windows now show the new, untitled chart.
    MenuItem("&File", "&New")->trigger();
    QCoreApplication::processEvents();
    for (const auto& w : windows)
        EXPECT_EQ(w.view->window()->windowTitle().toStdString(), std::string(w.title) + " - Untitled");
}

// Dasas > a maha dasa > "Entry chart of this period" > "Show ashtakavarga of this chart": the tables are
// those of a chart cast for the period's start, not the birth chart's.
TEST_F(ApplicationWindowsTest, TheEntryChartsAshtakavargaIsTheEntryChartsOwn) {
    Start();
    const CTavroDoc& document = *m_application.Document();
    constexpr int kMaha = 4;
    CEntryChartView* entry = OpenEntryChartOf(kMaha);
    ASSERT_NE(entry, nullptr);
    const CDasaPeriod maha = document.m_dasaTree.period[kMaha];
    ChooseFromEntryChart(*entry, "Show ashtakavarga of this chart");
    auto* ashtakavarga = OpenedView<CEntryAshtakaVargaView>();
    ASSERT_NE(ashtakavarga, nullptr);
    const CChart* shown = ashtakavarga->ShownChart();
    ASSERT_NE(shown, nullptr);

    // The chart cast for the period's start directly, at the birth place.
    CChart cast = document.m_natalChart;
    cast.m_pNatalChart = nullptr;
    cast.m_pAnalysisChart = nullptr;
    cast.m_dateTime = maha.Start();
    ASSERT_TRUE(cast.ComputeAll(false).ok());
    ASSERT_NEAR(shown->GetJulianDay(), cast.GetJulianDay(), 1e-9);
    const CAshtakavarga& own = cast.m_ashtakavarga;
    const CAshtakavarga& shownTables = shown->m_ashtakavarga;
    for (int v = 0; v < kVargaColumnCount; ++v) {
        if (v == 25 || v == 27) continue; // columns the ashtakavarga leaves alone
        SCOPED_TRACE(v);
        EXPECT_EQ(shownTables.m_bhinna[v], own.m_bhinna[v]);
        EXPECT_EQ(shownTables.m_sarva[v], own.m_sarva[v]);
        EXPECT_EQ(shownTables.m_sodhyaPinda[v], own.m_sodhyaPinda[v]);
    }
    EXPECT_NE(shownTables.m_bhinna[0], document.m_natalChart.m_ashtakavarga.m_bhinna[0]);

    // By hand. The signs at JD 2462486.73008667 UT, Chennai: swetest -bj2462486.73008667 -ut -p0123456
    // -sid1 -house80.16,13.05,P gives the lagna 309.6 (Aquarius), Sun 240.3, Moon 8.5, Mars 278.1,
    // Mercury 260.6, Jupiter 203.4, Venus 269.7, Saturn 24.8.
    const std::array<int, 8> signs = {10, 8, 0, 9, 8, 6, 8, 0}; // Lagna, Sun .. Saturn
    for (int r = 0; r < 8; ++r) ASSERT_EQ(shown->m_vargaSign.Sign(r, 0), signs[r]) << r;
    // The Sun's bindus, counted from each contributor's sign with the Sun's places of the classical table
    // (from the lagna 3 4 6 10 11 12; the Sun, Mars and Saturn 1 2 4 7 8 9 10 11; the Moon 3 6 10 11;
    // Mercury 3 5 6 9 10 11 12; Jupiter 5 6 9 11; Venus 6 7 12): 48 in all.
    const SignBindus sun = {4, 4, 4, 4, 4, 4, 4, 5, 3, 5, 5, 2};
    EXPECT_EQ(shownTables.m_bhinna[0][1], sun);
}

// The four period-entry windows are titled with what they show and the period whose entry chart it is.
TEST_F(ApplicationWindowsTest, PeriodEntryWindowsAreTitledByWhatTheyShow) {
    Start();
    CEntryChartView* entry = OpenEntryChartOf(2);
    ASSERT_NE(entry, nullptr);
    for (const char* item :
         {"Planet longitudes", "Show ashtakavarga of this chart", "Compressed Patyayini dasa"})
        ChooseFromEntryChart(*entry, item);
    const std::string period = dynamic_cast<CDasaView&>(*PaneOf(kNodeNakshatraDasas)).PickedLabel();
    ASSERT_FALSE(period.empty());
    const struct {
        CView* view;
        const char* what;
    } windows[] = {{entry, "Period Entry Chart"},
                   {OpenedView<CEntryBasicInfoView>(), "Planet Longitudes"},
                   {OpenedView<CEntryAshtakaVargaView>(), "Ashtakavarga"},
                   {OpenedView<CEntryDasaView>(), "Compressed Patyayini Dasa"}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.what);
        ASSERT_NE(w.view, nullptr);
        EXPECT_EQ(w.view->window()->windowTitle().toStdString(), std::string(w.what) + " - " + period);
    }
}

// The transit pane's "Change the transit date & time" and the dasa page's "Locate an event" answered OK
// without an edit: the moment keeps the seconds and zone minutes that the boxes show rounded.
TEST_F(ApplicationWindowsTest, OkWithoutAnEditKeepsTheMomentTheTimeDialogsShowRounded) {
    Start();
    constexpr unsigned kTransitPane = 85;
    const struct {
        unsigned node;
        const char* item;
    } cases[] = {{kTransitPane, "&Change the transit date && time"},
                 {kNodeNakshatraDasas, "&Locate an event"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        // 10:20:07.123 in the zone 5 h 21.1833333 min east of Greenwich.
        g_transitMoment.m_time.m_dHours = 10 + (20 + 7.123 / 60) / 60;
        g_transitMoment.m_time.SplitHours();
        g_transitMoment.m_zone.m_dHours = -(5 + 21.1833333 / 60);
        g_transitMoment.m_zone.SplitHours();
        std::vector<std::string> shown;
        const ModalAnswer<CChangeDateTimeDlg> ok([&shown](CChangeDateTimeDlg& dialog) {
            for (const auto field : {CChangeDateTimeDlg::kSecond, CChangeDateTimeDlg::kZoneMinutes})
                shown.push_back(dialog.Edit(field)->text().toStdString());
            dialog.accept();
        });
        CView& pane = ActivePane(c.node);
        Drawn(pane);
        ChooseFromContextMenu(pane, Point{5, 5}, c.item);
        EXPECT_EQ(shown, (std::vector<std::string>{"7.12", "21.18"}));
        EXPECT_NEAR(g_transitMoment.m_time.m_dSeconds, 7.123, 1e-6);
        EXPECT_EQ(g_transitMoment.m_zone.m_nMinutes, 21);
        EXPECT_NEAR(g_transitMoment.m_zone.m_dSeconds, 0.1833333 * 60, 1e-6);
    }
}

// 4 February 1962, 5:00:07.123, 5 h 21 min 10.998 s east of Greenwich, New Delhi at 77 12 31.014 E,
// 28 36 50.436 N.
const std::string kDelhiChartText =
    "2\r\n4\r\n1962\r\n5.001187166666667\r\n-5.211833\r\n-77.125169\r\n28.368406\r\n216.000000\r\n"
    "-5.353055\r\n-5.353055\r\n0\r\n105\r\nNew^Delhi\r\nDelhi\r\n1\r\n1013.250000\r\n25.000000\r\n1\r\n";

// Edit > Birthdata (Ctrl+D) answered OK without an edit, then File > Save: the chart file comes back
// byte for byte; the boxes show the seconds to the thousandth, as the file holds them, and the zone's
// 21.1833 minutes to the hundredth.
TEST_F(ApplicationWindowsTest, BirthDataLeftUneditedIsSavedAsItWasRead) {
    const std::string path = WriteChartFile("delhi.tvd", kDelhiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    QAction* birthData = MenuItem("&Edit", "&Birthdata");
    ASSERT_NE(birthData, nullptr);
    EXPECT_EQ(birthData->shortcut(), QKeySequence("Ctrl+D"));
    std::vector<std::string> shown;
    {
        const ModalAnswer<CBirthDataDlg> ok([&shown](CBirthDataDlg& dialog) {
            for (const BirthField field :
                 {BirthField::kSecond, BirthField::kZoneMinutes, BirthField::kLonSec, BirthField::kLatSec})
                shown.push_back(dialog.Edit(field)->text().toStdString());
            dialog.accept();
        });
        birthData->trigger();
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"7.123", "21.18", "31.014", "50.436"}));
    MenuItem("&File", "&Save")->trigger();
    EXPECT_EQ(ReadWhole(path), kDelhiChartText);
}

// Edit > Birthdata with one box edited as the user edits it, OK, then File > Save: the file changes
// only where that box says, and every other box, of its own group too, keeps what the file held (the
// birth time's 7.123 s, the zone's 10.998 s past its 21 minutes, the coordinates' seconds); a time
// edited leaves the zone as it was. A zone edited becomes the standard and daylight zone as well.
TEST_F(ApplicationWindowsTest, EachBirthDataBoxEditedChangesOnlyItsOwnPartOfTheFile) {
    const std::string path = WriteChartFile("delhi.tvd", kDelhiChartText);
    ASSERT_TRUE(m_application.InitInstance({QString::fromStdString(path)}));
    const auto type = [](CBirthDataDlg& dialog, BirthField field, const char* text) {
        dialog.Edit(field)->setText(text);
        emit dialog.Edit(field)->textEdited(text);
    };
    const auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    };
    using F = BirthField;
    struct Case {
        const char* edit;
        std::function<void(CBirthDataDlg&)> apply;
        std::vector<std::pair<int, std::string>> lines; // file lines (0 the month) and what they become
    };
    const Case cases[] = {
        {"time minutes 1", [&](CBirthDataDlg& d) { type(d, F::kMinute, "1"); }, {{3, "5.011187166666667"}}},
        {"time hours 6", [&](CBirthDataDlg& d) { type(d, F::kHour, "6"); }, {{3, "6.001187166666667"}}},
        {"time seconds 8", [&](CBirthDataDlg& d) { type(d, F::kSecond, "8"); }, {{3, "5.001333333333333"}}},
        {"time pm", [&](CBirthDataDlg& d) { choose(d.TimeFormatCombo(), kPm); }, {{3, "17.001187166666667"}}},
        {"zone hours 6",
         [&](CBirthDataDlg& d) { type(d, F::kZoneHours, "6"); },
         {{4, "-6.211833"}, {8, "-6.353055"}, {9, "-6.353055"}}},
        {"zone minutes 30",
         [&](CBirthDataDlg& d) { type(d, F::kZoneMinutes, "30"); },
         {{4, "-5.300000"}, {8, "-5.500000"}, {9, "-5.500000"}}},
        {"zone west",
         [&](CBirthDataDlg& d) { choose(d.ZoneSideCombo(), 1); },
         {{4, "5.211833"}, {8, "5.353055"}, {9, "5.353055"}}},
        {"longitude degrees 78", [&](CBirthDataDlg& d) { type(d, F::kLonDeg, "78"); }, {{5, "-78.125169"}}},
        {"longitude minutes 13", [&](CBirthDataDlg& d) { type(d, F::kLonMin, "13"); }, {{5, "-77.135169"}}},
        {"longitude seconds 32", [&](CBirthDataDlg& d) { type(d, F::kLonSec, "32"); }, {{5, "-77.125333"}}},
        {"longitude west", [&](CBirthDataDlg& d) { choose(d.LonSideCombo(), 1); }, {{5, "77.125169"}}},
        {"latitude degrees 29", [&](CBirthDataDlg& d) { type(d, F::kLatDeg, "29"); }, {{6, "29.368406"}}},
        {"latitude minutes 37", [&](CBirthDataDlg& d) { type(d, F::kLatMin, "37"); }, {{6, "28.378406"}}},
        {"latitude seconds 51", [&](CBirthDataDlg& d) { type(d, F::kLatSec, "51"); }, {{6, "28.368500"}}},
        {"latitude south", [&](CBirthDataDlg& d) { choose(d.LatSideCombo(), 1); }, {{6, "-28.368406"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        // The chart as the file holds it, opened again from the recent-file list.
        WriteChartFile("delhi.tvd", kDelhiChartText);
        MenuItem("&File", "&New")->trigger();
        m_application.MainFrame()->FindAction(kCmdRecentFile1)->trigger();
        {
            const ModalAnswer<CBirthDataDlg> ok([&c](CBirthDataDlg& dialog) {
                c.apply(dialog);
                dialog.accept();
            });
            MenuItem("&Edit", "&Birthdata")->trigger();
        }
        MenuItem("&File", "&Save")->trigger();
        QStringList expected = QString::fromStdString(kDelhiChartText).split("\r\n");
        for (const auto& [line, text] : c.lines) expected[line] = QString::fromStdString(text);
        EXPECT_EQ(ReadWhole(path), expected.join("\r\n").toStdString());
    }
}

// View > Toolbar and View > Status Bar carry a check mark while their bar shows and hide that bar alone.
TEST_F(ApplicationWindowsTest, ToolbarAndStatusBarItemsAreCheckedAndHideTheirOwnBarOnly) {
    CMainFrame& frame = Start();
    QAction* toolbarItem = MenuItem("&View", "&Toolbar");
    QAction* statusItem = MenuItem("&View", "&Status Bar");
    ASSERT_TRUE(toolbarItem && statusItem);
    const QList<QToolBar*> bars = frame.findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 3);
    QToolBar* main = frame.findChild<QToolBar*>(kMainToolBarName);
    ASSERT_NE(main, nullptr);
    const auto shown = [&] {
        std::vector<bool> state{!frame.statusBar()->isHidden()};
        for (QToolBar* bar : bars) state.push_back(!bar->isHidden());
        return state;
    };
    const auto expectBars = [&](bool toolbar, bool status) {
        EXPECT_TRUE(toolbarItem->isCheckable());
        EXPECT_TRUE(statusItem->isCheckable());
        EXPECT_EQ(toolbarItem->isChecked(), toolbar);
        EXPECT_EQ(statusItem->isChecked(), status);
        std::vector<bool> expected{status};
        for (QToolBar* bar : bars)
            expected.push_back(bar == main ? toolbar : true); // the time-step bars stay
        EXPECT_EQ(shown(), expected);
    };
    expectBars(true, true);
    toolbarItem->trigger();
    expectBars(false, true);
    statusItem->trigger();
    expectBars(false, false);
    toolbarItem->trigger();
    expectBars(true, false);
    statusItem->trigger();
    expectBars(true, true);
    // The tool bar area's own menu hides the main tool bar too: the item follows.
    main->toggleViewAction()->trigger();
    expectBars(false, true);
}

// Printing and its preview leave nothing behind: the ashtakavarga page (with its highlighted signs) and
// the chart draw after them exactly as before.
TEST_F(ApplicationWindowsTest, TheScreenDrawsTheSameAfterAPrintAndAPreview) {
    Start();
    CView& ashtakavarga = ActivePane(kNodeAshtakavarga);
    QApplication::processEvents(); // the page shown, its scroll bars as its size wants them
    const std::vector<std::string> before = DrawnCalls(ashtakavarga);
    ASSERT_NE(g_pChartView, nullptr);
    const std::vector<std::string> chartBefore = DrawnCalls(*g_pChartView);
    // The sign of each planet is highlighted in its chart (filled, or a region filled by the brush).
    char highlight[16];
    std::snprintf(highlight, sizeof highlight, " 0x%06x", g_colors[kAvColorHighlight]);
    EXPECT_TRUE(std::any_of(before.begin(), before.end(), [&](const std::string& call) {
        return call.find(highlight) != std::string::npos;
    }));

    const QString pdf = m_folder.filePath("report.pdf");
    const PrintDialogHandler previous = SetPrintDialogHandler([pdf](const PrintDialogRequest& request) {
        request.printer.setOutputFormat(QPrinter::PdfFormat);
        request.printer.setOutputFileName(pdf);
        request.paint(request.printer);
        return true;
    });
    const ModalAnswer<QDialog> title([](QDialog& dialog) { dialog.accept(); }); // "Enter the chart title"
    for (const char* item : {"&Print...", "Print Pre&view"}) {
        SCOPED_TRACE(item);
        ActivePane(kNodeAshtakavarga);
        QFile::remove(pdf);
        MenuItem("&File", item)->trigger();
        EXPECT_TRUE(QFileInfo(pdf).size() > 0);
        EXPECT_EQ(DrawnCalls(ashtakavarga), before);
        EXPECT_EQ(DrawnCalls(*g_pChartView), chartBefore);
    }
    SetPrintDialogHandler(previous);
}

} // namespace
