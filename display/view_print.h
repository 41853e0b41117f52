#pragma once
// How a view takes part in printing: File > Print and Print Preview print the report (display/
// print_pages.h) from any view that has this print client; views with their own drawing on paper (the
// content form) print that drawing instead when "Print this window" started the job.
#include <functional>
#include <string>
#include <utility>

#include "document/report_dispatch.h"
#include "platform/print_job.h"

class CView;

// A view's piece of the printed report, registered under its report kind for as long as it lives, and
// its text form for the copy commands (none when the view gives no text routine).
class CPrintedPiece : public CReportView {
public:
    using PrintRoutine = std::function<void(DrawSurface& surface, int a, int b)>;
    using TextRoutine = std::function<std::string(bool complete)>;
    CPrintedPiece(int kind, PrintRoutine print, TextRoutine text = {})
        : CReportView(kind), m_print(std::move(print)), m_makeText(std::move(text)) {}
    void PrintReport(DrawSurface& surface, int a, int b) override { m_print(surface, a, b); }
    void RebuildReportText(bool complete) override { m_text = m_makeText ? m_makeText(complete) : ""; }
    std::string ReportText() const override { return m_text; }

private:
    PrintRoutine m_print;
    TextRoutine m_makeText;
    std::string m_text;
};

class CViewPrint : public CPrintClient {
public:
    enum class Form {
        kReport,  // the report pages only
        kContent, // the report pages, or the view's own drawing for "Print this window"
    };
    CViewPrint(CView& view, Form form) : m_view(view), m_form(form) {}

    void OnBeginPrinting(DrawSurface& surface, CPrintInfo& info) override;
    // The page; in the content form with g_bPrintViewContent set, the view's own OnDraw below the
    // heading, with g_bPrinting and g_bPrintInBlack set while it draws.
    void OnPrint(DrawSurface& surface, CPrintInfo& info) override;
    // Ends the job and updates every view of the view's document.
    void OnEndPrinting(DrawSurface& surface, CPrintInfo& info) override;

private:
    CView& m_view;
    Form m_form;
};

// "Print this window": the view's own drawing on one page under the chart's name, through the print
// dialog. Nothing stays set when the dialog is cancelled or the print fails.
void PrintViewContent(CView& view);
