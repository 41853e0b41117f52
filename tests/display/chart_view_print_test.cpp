// The chart view on paper: a report's chart pane lands in its slot at the print scale with the drawing
// scales put back, a screen repaint during a print draws nothing, and a printed page rendered to a
// picture for a look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display/print_pages.h"
#include "display_test_support.h"
#include "document/document_state.h"
#include "platform/painter_surface.h"
#include "platform/print_job.h"
#include "platform/recording_surface.h"

namespace {

class ChartViewPrintTest : public DisplayTest {
protected:
    ChartViewPrintTest() {
        g_nChartPaneCount = 2;
        g_bPackedChartMode = true;
        m_view.resize(600, 900);
        m_view.OnInitialUpdate();
        g_nPrintAreaWidth = 4500;
        g_nPrintAreaHeight = 6270;
        g_askPrintedChartName = [](std::string&) { return false; };
    }
    ~ChartViewPrintTest() override {
        g_askPrintedChartName = m_savedAsk;
        g_dDrawScaleX = g_dDrawScaleY = 1.0;
    }
    CChartView m_view;

private:
    std::function<bool(std::string&)> m_savedAsk = g_askPrintedChartName;
};

// The smallest rectangle around every line end the surface was given.
Rect LinesBounds(const RecordingSurface& surface) {
    Rect bounds{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const std::string& call : surface.Calls()) {
        if (!call.starts_with("Line ")) continue;
        std::istringstream in(call.substr(5));
        int x0, y0, x1, y1;
        char comma;
        in >> x0 >> comma >> y0 >> x1 >> comma >> y1;
        bounds = Rect{std::min({bounds.left, x0, x1}), std::min({bounds.top, y0, y1}),
                      std::max({bounds.right, x0, x1}), std::max({bounds.bottom, y0, y1})};
    }
    return bounds;
}

TEST_F(ChartViewPrintTest, EachSlotIsDrawnInItsPlaceAtThePrintScale) {
    g_nChartStyle = 2; // North Indian: the square's frame and diagonals are lines
    // Printed panes are squares of 360 units, whatever the view's window: the figure of such a pane
    // unscaled.
    const int w = 360, h = 360;
    SetChartScale(1.0);
    RecordingSurface screen;
    m_view.DrawChart(screen, Rect{0, 0, w, h}, kD9Column, FixedBirthChart(), 0, false);
    const Rect onScreen = LinesBounds(screen);
    const double sx = 4500 * 0.5 / (w + 15), sy = 6270 / 3.0 / (h + 15);
    g_dDrawScaleX = 2.0;
    g_dDrawScaleY = 3.0;
    CPrintingScope printing(false);
    Rect first;
    for (int slot = 0; slot < 6; ++slot) {
        SCOPED_TRACE(slot);
        RecordingSurface surface;
        surface.SetPrinter(true);
        m_view.PrintChartInto(surface, kD9Column, slot);
        const Rect bounds = LinesBounds(surface);
        if (slot == 0) first = bounds;
        // The figure at the print scale; its frame lies a few dots further out on paper than on screen.
        constexpr int kFrameDots = 20;
        EXPECT_NEAR(bounds.Width(), onScreen.Width() * sx, kFrameDots);
        EXPECT_NEAR(bounds.Height(), onScreen.Height() * sy, kFrameDots);
        // Two columns and three rows, 11 units apart.
        EXPECT_NEAR(bounds.left - first.left, (slot % 2) * (w + 11) * sx, 2);
        EXPECT_NEAR(bounds.top - first.top, (slot / 2) * (h + 11) * sy, 2);
        EXPECT_EQ(g_dDrawScaleX, 2.0);
        EXPECT_EQ(g_dDrawScaleY, 3.0);
    }
}

TEST_F(ChartViewPrintTest, NothingIsDrawnWithoutAChartOrOutsideTheSixSlots) {
    CPrintingScope printing(false);
    for (const int slot : {-1, 6}) {
        RecordingSurface surface;
        m_view.PrintChartInto(surface, kD1Column, slot);
        EXPECT_TRUE(surface.Calls().empty()) << slot;
    }
    g_chartSource.current = [] { return static_cast<CChart*>(nullptr); };
    RecordingSurface surface;
    m_view.PrintChartInto(surface, kD1Column, 0);
    EXPECT_TRUE(surface.Calls().empty());
}

TEST_F(ChartViewPrintTest, AScreenRepaintDuringAPrintDrawsNothing) {
    struct Case {
        bool printing;
        bool printer;
        bool draws;
    };
    for (const Case c : {Case{false, false, true}, Case{true, false, false}, Case{true, true, true}}) {
        SCOPED_TRACE(std::to_string(c.printing) + std::to_string(c.printer));
        g_bPrinting = c.printing;
        RecordingSurface surface;
        surface.SetPrinter(c.printer);
        m_view.OnDraw(surface);
        g_bPrinting = false;
        EXPECT_EQ(!surface.Calls().empty(), c.draws);
    }
}

// The first page of the report and the page of D-10 to D-40 as the chart view prints them, at 150 dots
// per inch on a letter page, written beside the build for a look.
TEST_F(ChartViewPrintTest, ReportPagesRenderToPictures) {
    const int savedMask = g_nMaskedPrintPageMap;
    g_nMaskedPrintPageMap = 0x101;
    g_strChartBaseName = "Natal Chart";
    for (const int page : {1, 2}) {
        ImageSurface image(Size{1275, 1650});
        CPrintInfo info;
        info.pageArea = Size{1275, 1650};
        m_view.PrintClient().OnBeginPrinting(image.Surface(), info);
        EXPECT_EQ(info.maxPage, 2);
        info.currentPage = page;
        m_view.PrintClient().OnPrint(image.Surface(), info);
        m_view.PrintClient().OnEndPrinting(image.Surface(), info);
        EXPECT_FALSE(g_bPrinting);
        const QImage picture = image.Image();
        picture.save(QString(KH_TEST_OUTPUT_DIR) + "/printed_chart_page" + QString::number(page) + ".png");
        // The charts printed; the bottom margin holds the footer from the second page on.
        const int footerTop = 1650 - 1650 / 40;
        int dark = 0, footer = 0;
        for (int y = 0; y < picture.height(); y += 3)
            for (int x = 0; x < picture.width(); x += 3) {
                const bool ink = qGray(picture.pixel(x, y)) < 128;
                dark += ink;
                footer += ink && y >= footerTop;
            }
        EXPECT_GT(dark, 200);
        EXPECT_EQ(footer > 0, page > 1);
    }
    g_nMaskedPrintPageMap = savedMask;
}

// Page `page` of a report job of `view`, drawn through the print steps on a white image of `area` pixels.
QImage PrintedPage(CChartView& view, int page, Size area) {
    ImageSurface image(area);
    CPrintInfo info;
    info.pageArea = area;
    view.PrintClient().OnBeginPrinting(image.Surface(), info);
    info.currentPage = page;
    view.PrintClient().OnPrint(image.Surface(), info);
    view.PrintClient().OnEndPrinting(image.Surface(), info);
    return image.Image();
}

// How dark each cell of a grid over the picture is: the mean of 255 - grey over its pixels.
std::vector<double> InkGrid(const QImage& picture, int columns, int rows) {
    std::vector<double> ink(columns * rows, 0.0);
    const int w = picture.width(), h = picture.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ink[(y * rows / h) * columns + x * columns / w] += 255 - qGray(picture.pixel(x, y));
    for (double& cell : ink) cell /= static_cast<double>(w / columns) * (h / rows);
    return ink;
}

// The six-chart page of the report is the same drawn by any chart view, whatever its window: a view
// in a small window, a hidden one, and the mixed view print what a chart view in a roomy window prints.
TEST_F(ChartViewPrintTest, AChartPageDoesNotDependOnTheViewOrItsWindow) {
    const int savedMask = g_nMaskedPrintPageMap;
    g_nMaskedPrintPageMap = 0x100;
    g_nChartStyle = 2;
    m_view.show();
    const QImage roomy = PrintedPage(m_view, 1, Size{850, 1100});
    m_view.resize(150, 100);
    EXPECT_EQ(PrintedPage(m_view, 1, Size{850, 1100}), roomy);
    CChartView hidden;
    hidden.OnInitialUpdate();
    EXPECT_EQ(PrintedPage(hidden, 1, Size{850, 1100}), roomy);
    CMixedChartView mixed; // constructed last: the report's chart panes are drawn by it
    mixed.resize(500, 500);
    mixed.OnInitialUpdate();
    EXPECT_EQ(PrintedPage(mixed, 1, Size{850, 1100}), roomy);
    g_nMaskedPrintPageMap = savedMask;
}

// The print preview shows a page as it is printed, even when the window of the view changed between the
// preview and the print: the preview's page (drawn on the printer, shown scaled) and the printed page
// (drawn on an image of the preview page's size) carry the same ink in every part of the page.
TEST_F(ChartViewPrintTest, ThePreviewShowsThePageAsPrinted) {
    const int savedMask = g_nMaskedPrintPageMap;
    g_nMaskedPrintPageMap = 0x100;
    g_nChartStyle = 2;
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(300); // the printed page's image is then small enough to draw whole
    printer.setOutputFileName(dir.filePath("job.pdf"));
    printer.setFullPage(true);
    m_view.show();
    m_view.resize(150, 100); // the window while the preview is drawn
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* device) {
        CPrintInfo info;
        PrintPages(*device, m_view.PrintClient(), info);
    });
    preview.setViewMode(QPrintPreviewWidget::SinglePageView);
    preview.resize(900, 1100);
    preview.show();
    preview.updatePreview();
    preview.fitInView();
    QApplication::processEvents();
    const QImage shown = preview.grab().toImage();
    // The page is the white area around the middle of the preview.
    const int midX = shown.width() / 2, midY = shown.height() / 2;
    const auto white = [&](int x, int y) { return qGray(shown.pixel(x, y)) >= 250; };
    int left = 0, right = 0, top = 0, bottom = 0;
    for (left = 0; left < midX && !white(left, midY); ++left) {
    }
    for (right = shown.width() - 1; right > midX && !white(right, midY); --right) {
    }
    for (top = 0; top < midY && !white(midX, top); ++top) {
    }
    for (bottom = shown.height() - 1; bottom > midY && !white(midX, bottom); --bottom) {
    }
    const QImage previewPage = shown.copy(left, top, right - left + 1, bottom - top + 1);
    previewPage.save(QString(KH_TEST_OUTPUT_DIR) + "/preview_chart_page.png");

    m_view.resize(600, 900); // the window when the page is printed
    CPrintInfo info;
    ASSERT_EQ(PrintPages(printer, m_view.PrintClient(), info).status, PrintStatus::kPrinted);
    EXPECT_TRUE(QFile::exists(dir.filePath("job.pdf")));
    // The printed page in the printer's dots, shown at the preview page's size.
    const QImage printedPage =
        PrintedPage(m_view, 1, Size{printer.width(), printer.height()})
            .scaled(previewPage.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    printedPage.save(QString(KH_TEST_OUTPUT_DIR) + "/printed_chart_page_beside_preview.png");

    constexpr int kColumns = 4, kRows = 6;
    const std::vector<double> previewInk = InkGrid(previewPage, kColumns, kRows);
    const std::vector<double> printedInk = InkGrid(printedPage, kColumns, kRows);
    for (int cell = 0; cell < kColumns * kRows; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_NEAR(previewInk[cell], printedInk[cell], 0.1 * printedInk[cell] + 0.5);
    }
    g_nMaskedPrintPageMap = savedMask;
}

} // namespace
