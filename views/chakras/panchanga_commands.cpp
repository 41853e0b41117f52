// The panchanga page's context menu: the monthly copies, the monthly ephemeris and movements, and
// printing the page.
#include <QMenu>
#include <algorithm>

#include "document/monthly_ephemeris.h"
#include "document/panchanga_text.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/panchanga_period_dlg.h"
#include "views/chakras/panchanga_view.h"
#include "views/info/work_progress.h"

void CPanchangaView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CPanchangaView::FillContextMenu(QMenu& menu) {
    menu.addAction("Copy monthly ephemeris in JD format (5:30 am)", [this] { OnCopyMonthlyEphemerisJD(); });
    menu.addAction("Copy monthly planetary movements (in JD format)",
                   [this] { OnCopyPlanetaryMovementsJD(); });
    menu.addAction("Copy monthly panchanga (DP format)", [this] { OnCopyMonthlyPanchangaDP(); });
    menu.addAction("Copy monthly panchanga", [this] { OnCopyMonthlyPanchanga(); });
    menu.addSeparator();
    menu.addAction("Print window", [this] { OnPrintWindow(); });
}

void CPanchangaView::CopyResult(const CalcStatus& status, const std::string& text) {
    if (!status.ok()) {
        MessageBox(this, status.error, "Error", MessageIcon::kError);
        return;
    }
    if (!CopyTextToClipboard(*this, text)) return;
    MessageBox(this,
               "Successfully copied the required text to the clipboard\nin plain text format.\n\nYou can "
               "\"paste\" it to any program that accepts plain text.",
               "Copied in plain text format!");
}

void CPanchangaView::OnCopyMonthlyPanchanga() {
    const PanchangaRun& month = ComputeMonth(kMonthDays);
    CopyResult(CalcStatus{month.error}, month.error.empty() ? FormatMonthlyPanchanga(month.days) : "");
}

void CPanchangaView::OnCopyMonthlyPanchangaDP() {
    const CChart* chart = CurrentChart();
    if (!chart) return;
    CPanchangaPeriodDlg dialog(this);
    dialog.m_nDay = chart->m_dateTime.m_nDay;
    dialog.m_nMonth = chart->m_dateTime.m_nMonth - 1;
    dialog.m_nYear = chart->m_dateTime.m_nYear;
    dialog.m_nDays = 20;
    if (!dialog.DoModal()) return;
    ShowWaitNotice(true);
    std::string text;
    bool cancelled = false;
    CalcStatus status;
    {
        CWorkProgress progress(this, "Panchanga", "Making the panchanga table...",
                               std::clamp(dialog.m_nDays, 0, kMaxTableDays));
        status = FormatPanchangaTableDP(*chart, dialog.m_nYear, dialog.m_nMonth + 1, dialog.m_nDay,
                                        dialog.m_nDays, text, [&progress, &cancelled](int done, int) {
                                            cancelled = !progress.Step(done);
                                            return !cancelled;
                                        });
    }
    ShowWaitNotice(false);
    // Cancelled: nothing is copied, and nothing needs saying.
    if (!cancelled) CopyResult(status, text);
}

void CPanchangaView::OnCopyMonthlyEphemerisJD() {
    const CChart* chart = CurrentChart();
    if (!chart) return;
    const PanchangaRun& month = ComputeMonth(kMonthDays);
    if (!month.error.empty()) return CopyResult(CalcStatus{month.error}, "");
    std::string text;
    const CalcStatus status = FormatMonthlyEphemeris(*chart, month.days, text);
    CopyResult(status, text);
}

void CPanchangaView::OnCopyPlanetaryMovementsJD() {
    const CChart* chart = CurrentChart();
    if (!chart) return;
    ShowWaitNotice(true);
    CPlanetaryMovements movements;
    const CalcStatus status = ComputePlanetaryMovements(*chart, movements);
    ShowWaitNotice(false);
    CopyResult(status, status.ok() ? FormatPlanetaryMovements(movements) : "");
}

void CPanchangaView::OnPrintWindow() {
    PrintViewContent(*this);
}
