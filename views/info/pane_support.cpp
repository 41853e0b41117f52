#include "views/info/pane_support.h"

#include <algorithm>

#include "document/dasa_tree.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "platform/clipboard.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "shell/dialogs/change_date_time_dlg.h"
#include "shell/display_fonts.h"

QPointer<CFrameWnd> g_pSeedHelpFrame;

CTavroDoc* TavroDocOf(const CView& pane) {
    return static_cast<CTavroDoc*>(pane.GetDocument());
}

void CPaneUpdateLink::Attach(CDocument* document) {
    if (document) document->AddView(*this);
}

void CPaneUpdateLink::OnUpdate(CDocumentView*, long hint) {
    m_pane.OnUpdate(nullptr, hint);
}

bool UpdateHeldForPrinting() {
    return g_bPrinting;
}

void UpdateAllPanesOf(const CView& pane) {
    if (CDocument* document = pane.GetDocument()) document->UpdateAllViews(nullptr);
}

double FontSizeFactor() {
    return g_dFontSizeFactors[std::clamp(g_nFontSizeSelection, 0, kFontSizeSteps - 1)];
}

int FontSizePercent() {
    // The sum of a factor and a hair keeps 1.15 at 115 (its double is just below it).
    return static_cast<int>(FontSizeFactor() * 100 + 1e-9);
}

Rect ScaledByFontSize(const Rect& rect) {
    const int p = FontSizePercent();
    return Rect{rect.left * p / 100, rect.top * p / 100, rect.right * p / 100, rect.bottom * p / 100};
}

int ScaledWidth(int pixels) {
    return static_cast<int>(pixels * FontSizeFactor());
}

bool CopyTextToClipboard(const QWidget& pane, const std::string& text) {
    if (PutTextOnClipboard(text)) return true;
    // The message box only takes the pane as its owner window.
    MessageBox(const_cast<QWidget*>(&pane), "Unable to set Clipboard data", "Error", MessageIcon::kError);
    return false;
}

bool ChangeTransitMoment(CView& pane) {
    CTavroDoc* document = TavroDocOf(pane);
    if (!document) return false;
    CChangeDateTimeDlg dialog(&pane);
    dialog.SetMoment(g_transitMoment);
    if (!dialog.DoModal()) return false;
    g_transitMoment = dialog.Moment(g_transitMoment);
    // The document recalculates and updates every view itself.
    const CalcStatus status = document->ShowTransitChart(g_transitMoment);
    if (!status.ok()) MessageBox(&pane, status.error, "Error", MessageIcon::kWarning);
    return true;
}
