// The print flow on Qt's PDF printer, offscreen: the steps run in order for every page, a job that
// cannot start or stops midway says so and still ends, and the dialogs' stand-in decides.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <stdexcept>

#include "platform/print_job.h"

namespace {

// Records the steps it is given; prints `pages` pages.
class StepClient : public CPrintClient {
public:
    explicit StepClient(int pages) : m_pages(pages) {}
    bool OnPreparePrinting(CPrintInfo&) override {
        steps += "prepare ";
        return m_prepares;
    }
    void OnBeginPrinting(DrawSurface& surface, CPrintInfo& info) override {
        steps += info.repeated ? "again " : "begin ";
        info.maxPage = m_pages;
        printer = surface.IsPrinter();
        area = info.pageArea;
    }
    void OnPrint(DrawSurface& surface, CPrintInfo& info) override {
        steps += "page" + std::to_string(info.currentPage) + " ";
        surface.Line(Point{0, 0}, Point{100, 100});
        if (info.currentPage == m_throwOnPage) throw std::runtime_error("drawing failed");
    }
    void OnEndPrinting(DrawSurface&, CPrintInfo&) override { steps += "end"; }

    std::string steps;
    bool printer = false;
    Size area;
    bool m_prepares = true;
    int m_throwOnPage = 0;

private:
    int m_pages;
};

class PrintJobTest : public testing::Test {
protected:
    PrintJobTest() : m_printer(QPrinter::HighResolution) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_dir.filePath("job.pdf"));
    }
    ~PrintJobTest() override { SetPrintDialogHandler({}); }
    // Pages of the PDF written: one page object each.
    int PdfPages() {
        QFile file(m_dir.filePath("job.pdf"));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        const QByteArray pdf = file.readAll();
        return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
    }

    QTemporaryDir m_dir;
    QPrinter m_printer;
};

TEST_F(PrintJobTest, EveryPageIsPrintedBetweenBeginAndEndOnThePrintersDots) {
    StepClient client(3);
    CPrintInfo info;
    const PrintOutcome outcome = PrintPages(m_printer, client, info);
    EXPECT_EQ(outcome.status, PrintStatus::kPrinted);
    EXPECT_EQ(client.steps, "begin page1 page2 page3 end");
    EXPECT_TRUE(client.printer);
    EXPECT_EQ(client.area, (Size{m_printer.width(), m_printer.height()}));
    EXPECT_GT(client.area.cx, 3000); // high resolution: printer dots, not screen pixels
    EXPECT_EQ(PdfPages(), 3);
}

TEST_F(PrintJobTest, APrinterThatCannotBeOpenedFailsBeforeAnyStep) {
    m_printer.setOutputFileName(m_dir.filePath("no such folder/job.pdf"));
    StepClient client(2);
    CPrintInfo info;
    const PrintOutcome outcome = PrintPages(m_printer, client, info);
    EXPECT_EQ(outcome.status, PrintStatus::kFailed);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(client.steps, "");
}

TEST_F(PrintJobTest, APageThatFailsStillEndsTheJob) {
    StepClient client(3);
    client.m_throwOnPage = 2;
    CPrintInfo info;
    EXPECT_THROW(PrintPages(m_printer, client, info), std::runtime_error);
    EXPECT_EQ(client.steps, "begin page1 page2 end");
}

TEST_F(PrintJobTest, TheDialogDecidesWhetherAJobRuns) {
    struct Case {
        bool prepares;
        bool accepted;
        PrintStatus status;
        const char* steps;
    };
    const Case cases[] = {
        {true, true, PrintStatus::kPrinted, "prepare begin page1 page2 end"},
        {true, false, PrintStatus::kCancelled, "prepare "},
        {false, true, PrintStatus::kCancelled, "prepare "},
    };
    for (const bool preview : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(preview ? "preview " : "print ") + c.steps);
            StepClient client(2);
            client.m_prepares = c.prepares;
            bool askedForPreview = !preview;
            SetPrintDialogHandler([&](const PrintDialogRequest& request) {
                askedForPreview = request.preview;
                if (!c.accepted) return false;
                request.printer.setOutputFormat(QPrinter::PdfFormat);
                request.printer.setOutputFileName(m_dir.filePath("job.pdf"));
                request.paint(request.printer);
                return true;
            });
            const PrintOutcome outcome =
                preview ? RunPrintPreview(nullptr, client) : RunPrintDialog(nullptr, client);
            EXPECT_EQ(outcome.status, c.status);
            EXPECT_EQ(client.steps, c.steps);
            if (c.prepares) {
                EXPECT_EQ(askedForPreview, preview);
            }
        }
    }
}

TEST_F(PrintJobTest, APreviewDrawingItsPagesAgainSaysSo) {
    StepClient client(1);
    SetPrintDialogHandler([&](const PrintDialogRequest& request) {
        request.printer.setOutputFormat(QPrinter::PdfFormat);
        request.printer.setOutputFileName(m_dir.filePath("job.pdf"));
        request.paint(request.printer);
        request.paint(request.printer); // the preview's page setup changed
        return true;
    });
    EXPECT_EQ(RunPrintPreview(nullptr, client).status, PrintStatus::kPrinted);
    EXPECT_EQ(client.steps, "prepare begin page1 endagain page1 end");
}

} // namespace
