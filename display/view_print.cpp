#include "display/view_print.h"

#include "display/print_pages.h"
#include "platform/view.h"

void CViewPrint::OnBeginPrinting(DrawSurface& surface, CPrintInfo& info) {
    InitPrintJob(surface, info);
}

void CViewPrint::OnPrint(DrawSurface& surface, CPrintInfo& info) {
    const CSavedPrintState restored; // the view's own drawing leaves the print scales behind
    PrintChartPage(surface, info);
    if (m_form != Form::kContent || !g_bPrintViewContent) return;
    CPrintingScope printing(true);
    m_view.OnDraw(surface);
}

void CViewPrint::OnEndPrinting(DrawSurface&, CPrintInfo&) {
    EndPrintJob(m_view.GetDocument());
}

void PrintViewContent(CView& view) {
    g_bPrintViewContent = true;
    view.OnFilePrint();
    g_bPrintViewContent = false;
}
