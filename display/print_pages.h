#pragma once
// The printed report and the one-page print of a view: the print state, the page layouts and the
// three steps every printing view shares (begin, one page, end). A report page is laid out on a logical
// page of 850 x 1100 units filling the printer's area inside its margins; its pieces are drawn by the
// views registered for the report (document/report_dispatch.h) at fixed places and scales.
#include <functional>
#include <string>
#include <vector>

#include "platform/print_job.h"

class CDocument;

extern int g_nPrintPageMask;     // the page mask of the running job (bit n: page kind n + 1)
extern bool g_bPrintViewContent; // the job prints the view's own drawing on one page
extern int g_nPrintMarginX;      // page margins, printer dots
extern int g_nPrintMarginY;
extern int g_nPrintAreaWidth; // printable width and height inside the margins, printer dots
extern int g_nPrintAreaHeight;

// Asks the user for the name printed on the pages, starting from `name`; false (Cancel) keeps it. The
// chart-title dialog by default; tests answer in its place.
extern std::function<bool(std::string& name)> g_askPrintedChartName;

// The logical page the report's pieces and the view prints are laid out on.
inline constexpr int kLogicalPageWidth = 850;
inline constexpr int kLogicalPageHeight = 1100;
// The pages Tajaka and Tithi Pravesha charts can print: the four rasi-dasa and Yogini pages are left out.
inline constexpr int kReturnChartPageMask = 0x70F;

// One piece of a report page: the view kind (ReportKind) with its two arguments, at an offset inside the
// margins of (xNum / xDen of the area width, yNum / yDen of the area height), drawn at the scales
// (scaleX, scaleY); chart panes (unscaled) go through the plain dispatch. `tribhagi` is the Tribhagi
// variation for this piece only: -1 as the user set it, 0 off, 1 on.
struct PrintPiece {
    int kind = 0;
    int a = 0;
    int b = 0;
    int xNum = 0, xDen = 1;
    int yNum = 0, yDen = 1;
    double scaleX = 1.0, scaleY = 1.0;
    bool scaled = true;
    int tribhagi = -1;
};
// The pieces of report page kind `pageKind` (1-11) in the document mode `mode` (0-6), in drawing order.
std::vector<PrintPiece> PiecesOfPage(int pageKind, int mode);
// The page kind (1-32) of page `page` (from 1) of `mask`: the bit at which the set bits counted reach
// the page; 0 when the mask has fewer pages.
int PageKindOf(unsigned mask, int page);

// g_bPrinting set, and g_bPrintInBlack as `black`, while it lives; both cleared on every way out.
class CPrintingScope {
public:
    explicit CPrintingScope(bool black);
    ~CPrintingScope();
    CPrintingScope(const CPrintingScope&) = delete;
    CPrintingScope& operator=(const CPrintingScope&) = delete;
};

// Every flag and scale a print sets for its drawing (g_bPrinting, g_bPrintInBlack and both drawing
// scales) as they were when it was made, put back when it goes: the screen draws after a print as it
// drew before.
class CSavedPrintState {
public:
    CSavedPrintState();
    ~CSavedPrintState();
    CSavedPrintState(const CSavedPrintState&) = delete;
    CSavedPrintState& operator=(const CSavedPrintState&) = delete;

private:
    bool m_printing;
    bool m_printInBlack;
    double m_scaleX;
    double m_scaleY;
};

// The margins, print area and drawing scales of a printer whose printable area is `area` dots.
void SetPrintGeometry(Size area);

// Begin printing: the printed name (refreshed from the document's path, then asked), the page mask of
// the document's mode, the unzoomed display fonts, and the page count: 1 for a view's own drawing, else
// the pages the report takes once its pieces are measured on `surface` (report_flow.h: a page kind
// takes more than one page where its pieces do not fit on one).
void InitPrintJob(DrawSurface& surface, CPrintInfo& info);
// One page: the report page of info.currentPage, or the heading of a view's own drawing with the
// surface's origin and the drawing scales left for that drawing below it. g_bPrinting is set only while
// the page draws; a report page puts the drawing scales back.
void PrintChartPage(DrawSurface& surface, CPrintInfo& info);
// End printing: the view's-own-drawing flag cleared, the zoomed display fonts back, every view of
// `document` updated (none when null).
void EndPrintJob(CDocument* document);
