#include "platform/print_job.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

#include "platform/message_box.h"
#include "platform/painter_surface.h"

namespace {

PrintDialogHandler& DialogHandler() {
    static PrintDialogHandler handler;
    return handler;
}

// Runs OnEndPrinting on every way out once OnBeginPrinting has run, so no view stays in a job.
class EndOfJob {
public:
    EndOfJob(CPrintClient& client, CPrintInfo& info) : m_client(client), m_info(info) {}
    ~EndOfJob() {
        if (m_surface) m_client.OnEndPrinting(*m_surface, m_info);
    }
    EndOfJob(const EndOfJob&) = delete;
    EndOfJob& operator=(const EndOfJob&) = delete;
    void Begun(DrawSurface& surface) { m_surface = &surface; }

private:
    CPrintClient& m_client;
    CPrintInfo& m_info;
    DrawSurface* m_surface = nullptr;
};

bool PrinterFailed(QPagedPaintDevice& device) {
    auto* printer = dynamic_cast<QPrinter*>(&device);
    return printer && printer->printerState() == QPrinter::Error;
}

// The dialog (or its stand-in) around a job; the job's outcome is that of its last painting.
PrintOutcome RunDialog(QWidget* parent, CPrintClient& client, bool preview) {
    CPrintInfo prepared;
    prepared.preview = preview;
    if (!client.OnPreparePrinting(prepared)) return {PrintStatus::kCancelled, {}};
    PrintOutcome outcome{PrintStatus::kCancelled, {}};
    int paints = 0;
    auto paint = [&](QPrinter& printer) {
        CPrintInfo info = prepared;
        info.repeated = paints++ > 0;
        outcome = PrintPages(printer, client, info);
    };
    QPrinter& printer = SharedPrinter();
    if (DialogHandler()) {
        if (!DialogHandler()(PrintDialogRequest{printer, preview, paint}))
            return {PrintStatus::kCancelled, {}};
        return outcome;
    }
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [&](QPrinter* preview) { paint(*preview); });
        dialog.exec();
        return outcome;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return {PrintStatus::kCancelled, {}};
    paint(printer);
    return outcome;
}

} // namespace

PrintOutcome PrintPages(QPagedPaintDevice& device, CPrintClient& client, CPrintInfo& info) {
    QPainter painter;
    if (!painter.begin(&device))
        return {PrintStatus::kFailed, "The printer could not be opened; nothing was printed."};
    PainterSurface surface(painter);
    info.pageArea = Size{device.width(), device.height()};
    {
        EndOfJob end(client, info);
        client.OnBeginPrinting(surface, info);
        end.Begun(surface);
        for (int page = info.minPage; page <= info.maxPage; ++page) {
            if (page > info.minPage && !device.newPage()) {
                painter.end();
                return {PrintStatus::kFailed, "The printer refused a new page; the print is incomplete."};
            }
            info.currentPage = page;
            surface.SetViewportOrigin(Point{0, 0});
            client.OnPrint(surface, info);
        }
    }
    painter.end();
    if (PrinterFailed(device))
        return {PrintStatus::kFailed, "The printer reported an error; the print may be incomplete."};
    return {PrintStatus::kPrinted, {}};
}

QPrinter& SharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

PrintOutcome RunPrintDialog(QWidget* parent, CPrintClient& client) {
    return RunDialog(parent, client, false);
}

PrintOutcome RunPrintPreview(QWidget* parent, CPrintClient& client) {
    return RunDialog(parent, client, true);
}

void RunPrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}

void ReportPrintOutcome(QWidget* parent, const PrintOutcome& outcome) {
    if (outcome.status == PrintStatus::kFailed)
        MessageBox(parent, outcome.message, "Sorry", MessageIcon::kError);
}

PrintDialogHandler SetPrintDialogHandler(PrintDialogHandler handler) {
    return std::exchange(DialogHandler(), std::move(handler));
}
