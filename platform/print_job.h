#pragma once
// The print flow a view takes part in: prepare (may refuse), begin (decides the page count), one call
// per page, end. A job runs on a printer chosen in the print dialog, on a print preview's pages or on
// any paged device (a PDF file); every page is drawn through a painter surface whose device units are
// the printer's dots.
#include <functional>
#include <string>

#include "platform/draw_surface.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// What a job knows of its pages. Pages are numbered from 1.
struct CPrintInfo {
    int minPage = 1;
    int maxPage = 1;       // set by OnBeginPrinting; a maximum below minPage prints nothing
    int currentPage = 1;   // the page OnPrint draws
    bool preview = false;  // the pages go to the print preview
    bool repeated = false; // the preview draws the job again (its page setup changed)
    Size pageArea;         // the printable area of a page, device units (printer dots)
};

// A view's part in the print flow.
class CPrintClient {
public:
    virtual ~CPrintClient() = default;
    // Before the print dialog; false stops the job before it starts.
    virtual bool OnPreparePrinting(CPrintInfo&) { return true; }
    // Once, on the first page's surface, before any page: sets the page count.
    virtual void OnBeginPrinting(DrawSurface&, CPrintInfo&) {}
    // One page: info.currentPage.
    virtual void OnPrint(DrawSurface& surface, CPrintInfo& info) = 0;
    // Once after the last page, and after a job that failed midway, whenever OnBeginPrinting ran.
    virtual void OnEndPrinting(DrawSurface&, CPrintInfo&) {}
};

enum class PrintStatus { kPrinted, kCancelled, kFailed };
struct PrintOutcome {
    PrintStatus status = PrintStatus::kPrinted;
    std::string message; // for kFailed: what went wrong, to show the user
};

// Runs begin, every page and end on `device` (already set up: printer, file). Fails, without drawing,
// when the device cannot be opened, and when the printer reports an error after the last page.
PrintOutcome PrintPages(QPagedPaintDevice& device, CPrintClient& client, CPrintInfo& info);

// The printer every job of the program uses, so the print setup's choices stay for later jobs.
QPrinter& SharedPrinter();
// File > Print: prepare, the print dialog on the shared printer, then the pages.
PrintOutcome RunPrintDialog(QWidget* parent, CPrintClient& client);
// File > Print Preview: prepare, then the pages in the print preview (which may print them).
PrintOutcome RunPrintPreview(QWidget* parent, CPrintClient& client);
// File > Print Setup: page size, orientation and margins of the shared printer.
void RunPrintSetup(QWidget* parent);
// Shows a failed job's message ("Sorry"); nothing for a printed or cancelled job.
void ReportPrintOutcome(QWidget* parent, const PrintOutcome& outcome);

// What the print and preview dialogs do, for a handler that stands in for them (tests, which cannot
// answer a modal dialog): `paint` draws the job onto a printer; the handler returns false to cancel.
struct PrintDialogRequest {
    QPrinter& printer;
    bool preview;
    std::function<void(QPrinter&)> paint;
};
using PrintDialogHandler = std::function<bool(const PrintDialogRequest&)>;
// Answers every later print and preview dialog through `handler` (an empty one restores the real
// dialogs); returns the handler it replaces.
PrintDialogHandler SetPrintDialogHandler(PrintDialogHandler handler);
