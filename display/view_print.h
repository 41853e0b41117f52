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

// A view's piece of the printed report, registered under its report kind for as long as it lives. A
// view that keeps a text form for the document's text refresh passes the routine that rebuilds it; the
// copy commands read the text form through the text routine (none: the view adds no text).
class CPrintedPiece : public CReportView {
public:
    using PrintRoutine = std::function<void(DrawSurface& surface, int a, int b)>;
    using RebuildRoutine = std::function<void(bool flag)>;
    using TextRoutine = std::function<std::string()>;
    CPrintedPiece(int kind, PrintRoutine print, RebuildRoutine rebuild = {}, TextRoutine text = {})
        : CReportView(kind), m_print(std::move(print)), m_rebuild(std::move(rebuild)), m_text(std::move(text)) {}
    void PrintReport(DrawSurface& surface, int a, int b) override { m_print(surface, a, b); }
    void RebuildReportText(bool flag) override {
        if (m_rebuild) m_rebuild(flag);
    }
    std::string ReportText() const override { return m_text ? m_text() : std::string(); }

private:
    PrintRoutine m_print;
    RebuildRoutine m_rebuild;
    TextRoutine m_text;
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
