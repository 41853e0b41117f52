#pragma once
// What the information and period panes share of the view protocol: the chart document they show, the
// link through which the document's updates reach them, the update a print job holds back, the zoom
// factor their layouts scale by, and the clipboard their copy commands fill.
#include <QPointer>
#include <string>

#include "platform/document_base.h"
#include "platform/geometry.h"
#include "platform/view.h"

class CFrameWnd;
class CTavroDoc;

// The frame of the Vimsottari seed comparison that the nakshatra-dasa page opened; null once closed.
extern QPointer<CFrameWnd> g_pSeedHelpFrame;

// The pane's document as the chart document; null while the pane has none.
CTavroDoc* TavroDocOf(const CView& pane);

// Registers a pane with its document, so that the document's UpdateAllViews reaches it; the link
// leaves the document when the pane (which owns it) is destroyed.
class CPaneUpdateLink : public CDocumentView {
public:
    explicit CPaneUpdateLink(CView& pane) : m_pane(pane) {}
    // Registers with `document`; null leaves the link unregistered.
    void Attach(CDocument* document);
    void OnUpdate(CDocumentView* sender, long hint) override;

private:
    CView& m_pane;
};

// Points a process-wide slot at the last constructed pane of a class, for the document's reports, and
// clears the slot when that pane is destroyed, so a report never reaches a dead pane.
template <class Pane> class CReportPointer {
public:
    CReportPointer(Pane*& slot, Pane* pane) : m_slot(slot), m_pane(pane) { slot = pane; }
    ~CReportPointer() {
        if (m_slot == m_pane) m_slot = nullptr;
    }
    CReportPointer(const CReportPointer&) = delete;
    CReportPointer& operator=(const CReportPointer&) = delete;

private:
    Pane*& m_slot;
    Pane* m_pane;
};

// The print-aware update: true while a print job draws a view, when updates are dropped.
bool UpdateHeldForPrinting();
// Every pane of the pane's document updated, after a command changed what they show.
void UpdateAllPanesOf(const CView& pane);

// The zoom factor of FontSizeSelection (0.7 to 1.5; an out-of-range selection is taken as the nearest).
double FontSizeFactor();
// The zoom in whole per cent, truncated (115 for 1.15): layouts scale by it.
int FontSizePercent();
// `rect` with every coordinate times FontSizePercent() / 100, truncated.
Rect ScaledByFontSize(const Rect& rect);
// `pixels` times the zoom factor, truncated: a column width or distance.
int ScaledWidth(int pixels);

// "Change Date and Time" preset from g_transitMoment; on OK the moment entered is stored there and the
// document shows the transit chart of it (a chart that cannot be cast is told in a message box).
// False when cancelled or the pane has no document.
bool ChangeTransitMoment(CView& pane);

// Puts `text` on the clipboard as plain text; a clipboard that refuses it is told over `pane`
// ("Unable to set Clipboard data"). True when the text arrived.
bool CopyTextToClipboard(const QWidget& pane, const std::string& text);
