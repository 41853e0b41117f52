// The chart view's commands that act beyond its panes: moving the birth time until the lagna reaches
// the previous or next sign of the pane's varga (with undo), the research vargas defined in their
// dialogs, the ashtakavarga and aspect table of the pane's chart, and packed chart mode.
#include <string>

#include "chart/chart.h"
#include "core/custom_varga_names.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "display/chart_commands.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "display/menu_commands.h"
#include "display/sign_change_search.h"
#include "display/view_handoffs.h"
#include "platform/message_box.h"
#include "shell/dialogs/custom_varga_dlg.h"
#include "shell/dialogs/sub_varga_dlg.h"
#include "shell/display_options.h"
#include "shell/extra_frames.h"
#include "shell/layout_table.h"
#include "shell/restart_exit.h"
#include "shell/visual_framework.h"

namespace {

// Past the sign's edge by 0.000005 days (0.432 s), so that the lagna lies just inside the new sign.
constexpr double kInsideNewSign = 0.000005;

} // namespace

void CChartView::AddBirthTimeEntries(QMenu& menu) {
    QMenu* move = menu.addMenu("Change the birthtime so that lagna goes to");
    AddCommand(*move, "The &previous sign", kCmdBirthTimePreviousSign);
    AddCommand(*move, "The &next sign", kCmdBirthTimeNextSign);
    move->addSeparator();
    AddCommand(*move, "&Undo the latest change", kCmdUndoLatestBirthTimeChange, BirthTimeUndoCount() > 1);
    AddCommand(*move, "&Undo all changes", kCmdUndoAllBirthTimeChanges);
}

void CChartView::AddResearchVargaEntries(QMenu& higher) {
    higher.addSeparator();
    Check(AddCommand(higher, "&Custom divisional chart for research (cyclical or non-cyclical D-n)",
                     kCmdCustomVarga),
          g_nPaneVarga[m_nCurPane] == kCustomColumn);
    Check(AddCommand(higher, "&Sub-divisional chart for research (D-mxn, i.e. D-n of D-m)", kCmdSubVarga),
          g_nPaneVarga[m_nCurPane] == kCompositeColumn);
}

void CChartView::AddChartEntries(QMenu& menu) {
    AddCommand(menu, "Show &ashtakavarga of this chart", kCmdShowAshtakavarga);
    AddCommand(menu, "&Aspect table with relationships", kCmdAspectTableOfPane);
    menu.addSeparator();
    AddCommand(menu,
               g_bMoreChartsOnBigDisplay ? "Turn OFF packed chart mode"
                                         : "Turn ON packed chart mode (available on big displays)",
               kCmdPackedChartMode, g_bWideDisplay);
}

bool CChartView::RunChartCommand(int command) {
    switch (command) {
    case kCmdBirthTimePreviousSign:
    case kCmdBirthTimeNextSign:
        MoveBirthTimeToSign(command == kCmdBirthTimeNextSign);
        return true;
    case kCmdUndoLatestBirthTimeChange:
        if (BirthTimeUndoCount() <= 1) return false;
        UndoBirthTime(false);
        return true;
    case kCmdUndoAllBirthTimeChanges:
        UndoBirthTime(true);
        return true;
    case kCmdShowAshtakavarga:
        ShowAshtakavarga();
        return true;
    case kCmdAspectTableOfPane:
        OpenAspectTable();
        return true;
    case kCmdCustomVarga:
        ChooseCustomVarga();
        return true;
    case kCmdSubVarga:
        ChooseSubVarga();
        return true;
    case kCmdPackedChartMode:
        TogglePackedChartMode();
        return true;
    default:
        return false;
    }
}

void CChartView::MoveBirthTimeToSign(bool next) {
    // The sign is searched in the pane's chart (perhaps a mode chart); the shift moves the natal birth.
    const CChart* chart = PaneChart(m_nCurPane);
    const CChart* natal = g_chartSource.natal ? g_chartSource.natal() : nullptr;
    if (!chart || !natal) return;
    const std::optional<SignChangeTimes> times =
        FindSignChangeTimes(*chart, kLagna, g_nPaneVarga[m_nCurPane]);
    if (!times) return;
    const double birth = natal->GetJulianDay();
    MoveBirthTime(next ? birth + times->forward + kInsideNewSign : birth - times->back - kInsideNewSign);
}

void CChartView::ShowAshtakavarga() {
    const int varga = g_nPaneVarga[m_nCurPane];
    AshtakavargaChoice& choice = g_ashtakavargaChoice;
    choice.source = g_nPaneDisplayMode[m_nCurPane] == kNatalChartOnly ? AshtakavargaSource::kNatal
                                                                      : AshtakavargaSource::kDerived;
    choice.varga = varga;
    choice.highlightVarga = varga;
    choice.displayMode = 0;
    choice.sodhita = false;
    choice.calculation = -1;
    // The mixed view's ashtakavarga stands beside it already.
    const bool mixed = m_nCurPane == kInnerPane || m_nCurPane == kOuterPane;
    if (!mixed && g_pVisualFramework)
        g_pVisualFramework->ActivateNode(g_pVisualFramework->GetNode(kNodeAshtakavarga));
    if (g_updateAllViewsOfMainDoc) g_updateAllViewsOfMainDoc();
}

void CChartView::OpenAspectTable() {
    g_nAspectTableVarga = g_nPaneVarga[m_nCurPane];
    OpenAspectTableWindow(this, GetDocument());
}

void CChartView::ChooseCustomVarga() {
    CCustomVargaDlg dialog(this);
    CustomDivisionSettings& settings = g_nCustDivSettings;
    dialog.m_nDivisions = settings.nCustDivN;
    dialog.m_bCyclical = settings.bCyclical;
    dialog.m_bReverseInEven = settings.bReverseDivsInEvenSigns;
    dialog.m_nBase = settings.bHouseAsSeed;
    dialog.m_nStartRule = settings.tStart;
    if (!dialog.DoModal()) return;
    settings.nCustDivN = dialog.m_nDivisions;
    settings.bCyclical = dialog.m_bCyclical != 0;
    settings.bReverseDivsInEvenSigns = dialog.m_bReverseInEven != 0;
    settings.bHouseAsSeed = dialog.m_nBase != 0;
    settings.tStart = dialog.m_nStartRule;
    ShowResearchVarga(kCustomColumn);
}

void CChartView::ChooseSubVarga() {
    CSubVargaDlg dialog(this);
    dialog.m_nOuterVarga = g_nDmDnChartDm;
    dialog.m_nInnerVarga = g_nDmDnChartDn;
    if (!dialog.DoModal()) return;
    g_nDmDnChartDm = dialog.m_nOuterVarga;
    g_nDmDnChartDn = dialog.m_nInnerVarga;
    ShowResearchVarga(kCompositeColumn);
}

void CChartView::ShowResearchVarga(int column) {
    g_nPaneVarga[m_nCurPane] = column;
    BuildCustomVargaNames();
    RecalculateCharts();
    Invalidate();
}

void CChartView::TogglePackedChartMode() {
    g_bMoreChartsOnBigDisplay = !g_bMoreChartsOnBigDisplay;
    UpdateMoreChartsOnWideDisplay();
    MessageBox(this,
               std::string("Packed chart mode is ") + (g_bMoreChartsOnBigDisplay ? "ON" : "OFF") +
                   " now. Kalomithra Hora will now close. Please restart Kalomithra Hora.",
               "Packed chart mode");
    EndForRestart();
}
