// The dasa page's commands that run a dialog or open a window: the Tajaka seed settings, locating an
// event, shifting the dasa dates, the entry chart of a period, the dasa-transit correlation and the
// Vimsottari seed help.
#include <algorithm>
#include <memory>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "document/dasa_tree.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "shell/dialogs/dasa_seed_year_dlgs.h"
#include "shell/dialogs/dasa_shift_dlg.h"
#include "shell/dialogs/locate_event_dlg.h"
#include "shell/display_options.h"
#include "shell/extra_frames.h"
#include "views/info/pane_support.h"
#include "views/periods/dasa_transit_input.h"
#include "views/periods/dasa_view.h"

namespace {
constexpr int kChildFrameResource = 128; // the program's document template
constexpr int kSudarsanaChakraDasaCode = 66;
constexpr int kEntryWindowResource = 137;

int CurrentCode() {
    return std::clamp(g_nSelectedDasa, 0, kDasaCodeCount - 1);
}

void ReportNoWindow(QWidget* owner) {
    MessageBox(owner, "Unable to create window.", "Oops", MessageIcon::kWarning);
}
} // namespace

void CDasaView::OnTajakaSeedSettings() {
    const int code = CurrentCode();
    CTajakaDasaSeedDlg dialog(this);
    dialog.m_bFirst = g_bUseDasaSeedFromNatalInTajaka[code] ? 1 : 0;
    dialog.m_bSecond = g_bProgressDasaSeedInTajaka[code] ? 1 : 0;
    dialog.m_nScope = CDasaScopeDlg::kCurrentDasa;
    if (!dialog.DoModal()) return;
    const bool all = dialog.m_nScope == CDasaScopeDlg::kWiderScope;
    for (int c = all ? 0 : code; c <= (all ? kDasaCodeCount - 1 : code); ++c) {
        g_bUseDasaSeedFromNatalInTajaka[c] = dialog.m_bFirst == 1;
        g_bProgressDasaSeedInTajaka[c] = dialog.m_bSecond == 1;
    }
    Recompute();
}

void CDasaView::OnLocateEvent() {
    CLocateEventDlg dialog(this);
    dialog.SetMoment(g_transitMoment);
    dialog.m_nLevel = std::clamp(g_nDasaSearchLevel, 0, kDasaLevels - 1);
    if (!dialog.DoModal()) return;
    const CLocalDateTime when = dialog.Moment(g_transitMoment);
    g_transitMoment = when;
    g_nDasaSearchLevel = std::max(dialog.m_nLevel, 0);
    LocateEvent(when, g_nDasaSearchLevel);
}

void CDasaView::LocateEvent(const CLocalDateTime& when, int level) {
    CDasaTree* tree = Tree();
    CTavroDoc* document = GetDasaDocument();
    if (!tree || !document) return;
    const CalcStatus status = tree->FindRunningPeriods(when, std::clamp(level, 0, kDasaLevels - 1));
    if (!status.ok()) MessageBox(this, status.error, "Error", MessageIcon::kWarning);
    document->UpdateAllViews(nullptr);
    Invalidate();
}

void CDasaView::OnShiftDasaDates() {
    const int code = CurrentCode();
    CDasaShiftDlg dialog(this);
    dialog.m_amount = SplitDasaShift(g_bDasaShift[code], g_dDasaShiftDays[code]);
    if (!dialog.DoModal()) return;
    bool shifted = false;
    const double days = JoinDasaShift(dialog.m_amount, shifted);
    g_bDasaShift[code] = shifted;
    if (shifted) g_dDasaShiftDays[code] = days;
    Recompute();
}

void CDasaView::OnEntryChart() {
    CTavroDoc* document = GetDasaDocument();
    if (!m_bPicked || !document || !document->m_pCurrentChart) return;
    CChart& entry = document->m_thirdChart;
    entry = *document->m_pCurrentChart;
    entry.m_dateTime = m_pickedStart;
    entry.m_strTitle = m_strPickedLabel;
    // Its ashtakavarga, strengths and yogas are its own, whatever chart the copied one was read against.
    entry.m_pAnalysisChart = nullptr;
    const CalcStatus status = entry.ComputeAll(false);
    if (!status.ok()) {
        MessageBox(this, status.error, "Error", MessageIcon::kWarning);
        return;
    }
    document->m_nEntryVarga = g_nSelectedDasa == kSudarsanaChakraDasaCode ? g_nSCDasaVarga : 0;
    document->m_dEntrySpanDays = m_dPickedSpanDays;
    // The period-entry window shows a document of its own, which goes with the last of its windows.
    auto entryDocument = std::make_shared<CTavroDoc>();
    entryDocument->TakeEntryCharts(document->m_natalChart, entry, m_dPickedSpanDays, document->m_nEntryVarga);
    entryDocument->SetTitle(entry.m_strTitle);
    if (!OpenChildWindow(kEntryWindowResource, "CEntryChartView", entryDocument.get()))
        ReportNoWindow(this);
}

void CDasaView::OnDasaTransitCorrelation() {
    const CTavroDoc* document = GetDasaDocument();
    const CDasaTree* tree = Tree();
    if (!m_bPicked || !document || !tree || !document->m_pCurrentChart) return;
    const int sign = DasaPeriodSign(m_bPickedIsPlanet, m_nPickedLord, tree->bUseLabelTables, m_strPickedName,
                                    *document->m_pCurrentChart);
    if (sign < 0) return;
    g_dasaTransitInput = CDasaTransitInput{m_pickedStart, m_pickedEnd, m_strPickedLabel, sign, true};
    if (!OpenChildWindow(kChildFrameResource, "CDasaSignTransitView", GetDocument())) ReportNoWindow(this);
}

void CDasaView::OnSeedStrengthHelp() {
    CFrameWnd* frame = nullptr;
    if (!OpenChildWindow(kChildFrameResource, "CVimsoStrengthHelpView", GetDocument(), &frame))
        ReportNoWindow(this);
    if (frame) frame->setWindowTitle("Vimsottari Seed Strength Comparison Help");
    g_pSeedHelpFrame = frame;
}
