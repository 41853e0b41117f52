// The chart view's commands that reach beyond its panes, on a real document: the birth time moved to
// the lagna's previous or next sign and undone, the research vargas chosen in their dialogs, the
// ashtakavarga and aspect table handed the pane's chart and varga, and packed chart mode.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <optional>

#include <gtest/gtest.h>

#include "app/chart_document_link.h"
#include "chart/chart.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "display/chart_commands.h"
#include "display/chart_view.h"
#include "display/sign_change_search.h"
#include "display/view_handoffs.h"
#include "display_test_support.h"
#include "document/birth_time_undo.h"
#include "document/tavro_doc.h"
#include "platform/frame_wnd.h"
#include "platform/recording_surface.h"
#include "shell/dialogs/custom_varga_dlg.h"
#include "shell/dialogs/sub_varga_dlg.h"
#include "shell/display_options.h"
#include "shell/extra_frames.h"
#include "shell/restart_exit.h"
#include "tests/shell/dialogs/dialog_test_support.h"

namespace {

// 1990-01-15 06:30 UT, the display tests' birth moment, at the default place.
constexpr double kBirthJd = 2447906.770833;
constexpr double kTwoSeconds = 2.0 / 86400;

class CountingView : public CDocumentView {
public:
    void OnUpdate(CDocumentView*, long) override { ++updates; }
    int updates = 0;
};

class ChartViewChartCommandsTest : public DisplayTest {
protected:
    ChartViewChartCommandsTest() {
        EXPECT_TRUE(m_document.OnNewDocument());
        m_document.m_natalChart.JulianDayToDate(kBirthJd, m_document.m_natalChart);
        g_birthTimeUndo.Clear();
        EXPECT_TRUE(m_document.SyncAndCalculate().ok());
        m_document.SetModifiedFlag(false);
        ConnectDocument(m_document);
        m_document.AddView(m_counter);
        g_nChartPaneCount = 2;
        m_view.resize(600, 900);
        m_view.OnInitialUpdate();
    }
    ~ChartViewChartCommandsTest() override {
        DisconnectDocument();
        g_birthTimeUndo.Clear();
    }
    CChart& Natal() { return m_document.m_natalChart; }
    void Draw() {
        RecordingSurface surface;
        m_view.OnDraw(surface);
    }
    // A right click on sign 0's cell of pane 0, so that the commands act on pane 0.
    void ClickPane0() {
        Draw();
        const CPolygonRegion& cell = m_view.DrawState().Region(0, 0);
        ASSERT_TRUE(m_view.HitTestForMenu(Point{(cell[0].x + cell[2].x) / 2, (cell[0].y + cell[2].y) / 2}));
        ASSERT_EQ(m_view.CurrentPane(), 0);
    }
    const QAction* MenuAction(int command) {
        m_menu.clear();
        m_view.BuildContextMenu(m_menu);
        std::vector<QMenu*> menus{&m_menu};
        for (std::size_t i = 0; i < menus.size(); ++i) {
            for (QAction* action : menus[i]->actions()) {
                if (action->menu()) menus.push_back(action->menu());
                if (action->data().toInt() == command) return action;
            }
        }
        return nullptr;
    }

    RecordedMessages m_messages;
    CTavroDoc m_document;
    CountingView m_counter;
    CChartView m_view;
    QMenu m_menu;
};

// The lagna's sign in `varga` and how long ago (days) it entered it.
struct LagnaPlace {
    int sign;
    double sinceEntry;
};
LagnaPlace LagnaOf(const CChart& chart, int varga) {
    const std::optional<SignChangeTimes> times = FindSignChangeTimes(chart, kLagna, varga);
    EXPECT_TRUE(times);
    return {chart.m_vargaSign.Sign(kLagna, varga), times ? times->back : 0.0};
}

TEST_F(ChartViewChartCommandsTest, BirthTimeMovesTheLagnaSignBySignAndUndoWalksBack) {
    for (const int varga : {0, 1}) {
        SCOPED_TRACE("varga " + std::to_string(varga));
        g_nPaneVarga[0] = varga;
        ClickPane0();
        const double entered = Natal().GetJulianDay();
        const int start = Natal().m_vargaSign.Sign(kLagna, varga);
        const int updates = m_counter.updates;

        ASSERT_TRUE(m_view.RunCommand(kCmdBirthTimeNextSign));
        const LagnaPlace first = LagnaOf(Natal(), varga);
        const double firstMove = Natal().GetJulianDay();
        EXPECT_EQ(first.sign, (start + 1) % 12);
        EXPECT_LT(first.sinceEntry, kTwoSeconds); // just inside the new sign
        EXPECT_GT(m_counter.updates, updates);
        EXPECT_TRUE(m_document.IsModified());
        // The pane redrawn from the moved chart: the lagna's label stands in the new sign's cell.
        Draw();
        const Rect lagna = m_view.DrawState().bodyLabelRect[0][kLagna];
        EXPECT_TRUE(m_view.DrawState()
                        .Region(0, first.sign)
                        .ContainsPoint((lagna.left + lagna.right) / 2, (lagna.top + lagna.bottom) / 2));

        ASSERT_TRUE(m_view.RunCommand(kCmdBirthTimeNextSign));
        EXPECT_EQ(Natal().m_vargaSign.Sign(kLagna, varga), (start + 2) % 12);
        EXPECT_EQ(g_birthTimeUndo.Count(), 3);

        ASSERT_TRUE(m_view.RunCommand(kCmdUndoLatestBirthTimeChange));
        EXPECT_NEAR(Natal().GetJulianDay(), firstMove, 1e-8);
        EXPECT_TRUE(m_document.IsModified());
        ASSERT_TRUE(m_view.RunCommand(kCmdUndoAllBirthTimeChanges));
        EXPECT_NEAR(Natal().GetJulianDay(), entered, 1e-8);
        EXPECT_EQ(g_birthTimeUndo.Count(), 1);
        EXPECT_FALSE(m_document.IsModified());
        // With nothing left to undo the latest-change entry is greyed and does nothing.
        EXPECT_FALSE(MenuAction(kCmdUndoLatestBirthTimeChange)->isEnabled());
        EXPECT_FALSE(m_view.RunCommand(kCmdUndoLatestBirthTimeChange));

        ASSERT_TRUE(m_view.RunCommand(kCmdBirthTimePreviousSign));
        EXPECT_EQ(Natal().m_vargaSign.Sign(kLagna, varga), (start + 11) % 12);
        const std::optional<SignChangeTimes> times = FindSignChangeTimes(Natal(), kLagna, varga);
        ASSERT_TRUE(times);
        EXPECT_LT(times->forward, kTwoSeconds);
        EXPECT_TRUE(MenuAction(kCmdUndoLatestBirthTimeChange)->isEnabled());
        ASSERT_TRUE(m_view.RunCommand(kCmdUndoAllBirthTimeChanges));
    }
}

TEST_F(ChartViewChartCommandsTest, AshtakavargaIsHandedThePanesChartAndVarga) {
    int updates = 0;
    const auto previous = g_updateAllViewsOfMainDoc;
    g_updateAllViewsOfMainDoc = [&] { ++updates; };
    g_ashtakavargaChoice = {};
    g_ashtakavargaChoice.displayMode = 3;
    g_ashtakavargaChoice.sodhita = true;
    g_ashtakavargaChoice.calculation = 7;
    g_nPaneVarga[0] = 9;
    g_nPaneDisplayMode[0] = kNatalChartOnly;
    ClickPane0();
    ASSERT_TRUE(m_view.RunCommand(kCmdShowAshtakavarga));
    EXPECT_EQ(g_ashtakavargaChoice.source, AshtakavargaSource::kNatal);
    EXPECT_EQ(g_ashtakavargaChoice.varga, 9);
    EXPECT_EQ(g_ashtakavargaChoice.highlightVarga, 9);
    EXPECT_EQ(g_ashtakavargaChoice.displayMode, 0);
    EXPECT_FALSE(g_ashtakavargaChoice.sodhita);
    EXPECT_EQ(g_ashtakavargaChoice.calculation, -1);
    EXPECT_EQ(updates, 1);
    g_updateAllViewsOfMainDoc = previous;
    g_nPaneDisplayMode[0] = kAutomaticChart;
    g_ashtakavargaChoice = {};
}

TEST_F(ChartViewChartCommandsTest, AspectTableOpensAtItsKeptPlaceWithThePanesVarga) {
    const Rect kept{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom};
    g_nAspTblPosLeft = 40, g_nAspTblPosTop = 50, g_nAspTblPosRight = 440, g_nAspTblPosBottom = 350;
    g_nPaneVarga[0] = 3;
    ClickPane0();
    const QWidgetList before = QApplication::topLevelWidgets();
    ASSERT_TRUE(m_view.RunCommand(kCmdAspectTableOfPane));
    EXPECT_EQ(g_nAspectTableVarga, 3);
    CFrameWnd* opened = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<CFrameWnd*>(widget); frame && !before.contains(widget)) opened = frame;
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->geometry(), QRect(40, 50, 400, 300));
    opened->close();
    EXPECT_TRUE(m_messages.texts.empty());

    // A table that cannot be made is reported.
    RegisterPaneClass("CAspectTableView", [](QWidget*) { return nullptr; });
    ASSERT_TRUE(m_view.RunCommand(kCmdAspectTableOfPane));
    ASSERT_EQ(m_messages.texts.size(), 1u);
    EXPECT_EQ(m_messages.texts[0], "Unable to create window.");
    UnregisterPaneClass("CAspectTableView");
    g_nAspTblPosLeft = kept.left, g_nAspTblPosTop = kept.top;
    g_nAspTblPosRight = kept.right, g_nAspTblPosBottom = kept.bottom;
}

TEST_F(ChartViewChartCommandsTest, CustomVargaIsStoredOnOkAndLeftOnCancel) {
    int recalculations = 0;
    const auto recalculate = g_chartSource.recalculate;
    g_chartSource.recalculate = [&] {
        ++recalculations;
        recalculate();
    };
    g_nCustDivSettings = CustomDivisionSettings{};
    g_nPaneVarga[0] = 0;
    ClickPane0();
    WhenModal<CCustomVargaDlg>([](CCustomVargaDlg& dialog) {
        dialog.DivisionsEdit()->setText("7");
        dialog.reject();
    });
    ASSERT_TRUE(m_view.RunCommand(kCmdCustomVarga));
    EXPECT_EQ(g_nCustDivSettings.nCustDivN, 0);
    EXPECT_EQ(g_nPaneVarga[0], 0);
    EXPECT_EQ(recalculations, 0);

    WhenModal<CCustomVargaDlg>([](CCustomVargaDlg& dialog) {
        dialog.DivisionsEdit()->setText("7");
        dialog.ReverseCheck()->setChecked(true);
        dialog.BaseCombo()->setCurrentIndex(1);
        dialog.StartRuleCombo()->setCurrentIndex(3);
        dialog.accept();
    });
    ASSERT_TRUE(m_view.RunCommand(kCmdCustomVarga));
    EXPECT_EQ(g_nCustDivSettings.nCustDivN, 7);
    EXPECT_FALSE(g_nCustDivSettings.bCyclical);
    EXPECT_TRUE(g_nCustDivSettings.bReverseDivsInEvenSigns);
    EXPECT_TRUE(g_nCustDivSettings.bHouseAsSeed);
    EXPECT_EQ(g_nCustDivSettings.tStart, 3);
    EXPECT_EQ(g_nPaneVarga[0], kCustomColumn);
    EXPECT_EQ(g_vargaTitles[kCustomColumn], "D-7");
    EXPECT_EQ(recalculations, 1);
    EXPECT_TRUE(MenuAction(kCmdCustomVarga)->isChecked());
}

TEST_F(ChartViewChartCommandsTest, SubVargaIsStoredOnOk) {
    g_nPaneVarga[0] = 0;
    ClickPane0();
    WhenModal<CSubVargaDlg>([](CSubVargaDlg& dialog) {
        dialog.OuterCombo()->setCurrentIndex(9); // D-10
        dialog.InnerCombo()->setCurrentIndex(1); // D-9
        dialog.accept();
    });
    ASSERT_TRUE(m_view.RunCommand(kCmdSubVarga));
    EXPECT_EQ(g_nDmDnChartDm, 9);
    EXPECT_EQ(g_nDmDnChartDn, 1);
    EXPECT_EQ(g_nPaneVarga[0], kCompositeColumn);
    EXPECT_EQ(g_strVargaLabels[kCompositeColumn], g_strVargaLabels[9] + " x " + g_strVargaLabels[1]);
    // The document recalculated the composite column: the natal chart's D-9 of its D-10.
    const CChart* d10 = Natal().GetVargaChart(9);
    ASSERT_TRUE(d10);
    EXPECT_EQ(Natal().m_vargaSign.Sign(kLagna, kCompositeColumn),
              static_cast<int>(d10->m_bodies[kLagna].m_dLongitude * 9 / 30) % 12);
}

TEST_F(ChartViewChartCommandsTest, PackedChartModeTellsTheUserAndEndsTheProgram) {
    const bool keptWide = g_bWideDisplay, keptMore = g_bMoreChartsOnBigDisplay;
    int ended = 0;
    const auto keptEnd = g_endForRestart;
    g_endForRestart = [&] { ++ended; };
    std::vector<std::string> captions;
    const auto previous = SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        captions.push_back(request.caption);
        m_messages.texts.push_back(request.text);
        return MessageResult::kOk;
    });
    const struct {
        bool wide;
        bool more;
        const char* entry;
        const char* message;
    } cases[] = {
        {true, false, "Turn ON packed chart mode (available on big displays)",
         "Packed chart mode is ON now. Kalomithra Hora will now close. Please restart Kalomithra Hora."},
        {true, true, "Turn OFF packed chart mode",
         "Packed chart mode is OFF now. Kalomithra Hora will now close. Please restart Kalomithra Hora."},
        {false, false, "Turn ON packed chart mode (available on big displays)",
         "Packed chart mode is ON now. Kalomithra Hora will now close. Please restart Kalomithra Hora."},
    };
    ClickPane0();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        g_bWideDisplay = c.wide;
        g_bMoreChartsOnBigDisplay = c.more;
        const QAction* entry = MenuAction(kCmdPackedChartMode);
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->text().toStdString(), c.entry);
        EXPECT_EQ(entry->isEnabled(), c.wide);
        m_messages.texts.clear();
        captions.clear();
        const int endedBefore = ended;
        ASSERT_TRUE(m_view.RunCommand(kCmdPackedChartMode));
        EXPECT_EQ(g_bMoreChartsOnBigDisplay, !c.more);
        EXPECT_EQ(g_bMoreChartsOnWideDisplay, c.wide && !c.more);
        ASSERT_EQ(m_messages.texts.size(), 1u);
        EXPECT_EQ(m_messages.texts[0], c.message);
        EXPECT_EQ(captions[0], "Packed chart mode");
        EXPECT_EQ(ended, endedBefore + 1);
    }
    SetMessageBoxHandler(previous);
    g_endForRestart = keptEnd;
    g_bWideDisplay = keptWide;
    g_bMoreChartsOnBigDisplay = keptMore;
    UpdateMoreChartsOnWideDisplay();
}

} // namespace
