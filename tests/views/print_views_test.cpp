// The panes on paper: the basic information table in the report at the print scale, the report from a
// list pane and the dasa page's "Print this window" through the print dialog's stand-in, updates held
// back while a job draws, and printed pages rendered to pictures for a look.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <set>

#include "display/chart_source.h"
#include "display/drawing_factors.h"
#include "display/print_bands.h"
#include "display/print_pages.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "platform/painter_surface.h"
#include "platform/print_job.h"
#include "views/info/basic_info_tables.h"
#include "views/info/basic_info_view.h"
#include "views/info/core_info_view.h"
#include "views/info/shadbala_view.h"
#include "views/info/strengths_view.h"
#include "views/periods/dasa_view.h"
#include "views_test_support.h"

namespace {

class PrintViewsTest : public PaneTest {
protected:
    PrintViewsTest() {
        m_list.SetDocument(&m_document);
        m_list.resize(600, 400);
        m_list.OnInitialUpdate();
        g_nSelectedDasa = 0;
        g_nCurrentDasaViewType = 0;
        EXPECT_TRUE(m_document.CalculateDasa().ok());
        m_dasa.SetDocument(&m_document);
        m_dasa.resize(900, 900);
        m_dasa.OnInitialUpdate();
        m_core.SetDocument(&m_document);
        m_core.OnInitialUpdate();
        g_askPrintedChartName = [](std::string&) { return false; };
        g_strChartBaseName = "chennai";
    }
    ~PrintViewsTest() override {
        SetPrintDialogHandler({});
        g_askPrintedChartName = m_savedAsk;
        g_nMaskedPrintPageMap = m_savedMask;
        g_dDrawScaleX = g_dDrawScaleY = 1.0;
    }
    // The print dialog's stand-in: prints to a PDF when `accept`, and counts the jobs it was asked for.
    void AnswerPrintDialog(bool accept) {
        SetPrintDialogHandler([this, accept](const PrintDialogRequest& request) {
            ++m_dialogs;
            m_viewContentAtDialog = g_bPrintViewContent;
            if (!accept) return false;
            request.printer.setOutputFormat(QPrinter::PdfFormat);
            request.printer.setOutputFileName(m_dir.filePath("job.pdf"));
            request.paint(request.printer);
            return true;
        });
    }
    int PdfPages() {
        QFile file(m_dir.filePath("job.pdf"));
        if (!file.open(QIODevice::ReadOnly)) return 0;
        const QByteArray pdf = file.readAll();
        return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
    }
    // Page `page` of the job of `pane` drawn on a letter page at 150 dots per inch, saved as `name`.png.
    QImage RenderPage(CView& pane, int page, const char* name) {
        ImageSurface image(Size{1275, 1650});
        CPrintInfo info;
        info.pageArea = Size{1275, 1650};
        pane.PrintClient().OnBeginPrinting(image.Surface(), info);
        info.currentPage = page;
        pane.PrintClient().OnPrint(image.Surface(), info);
        pane.PrintClient().OnEndPrinting(image.Surface(), info);
        QImage picture = image.Image();
        picture.save(QString(KH_TEST_OUTPUT_DIR) + "/" + name + ".png");
        return picture;
    }
    static int DarkPixels(const QImage& picture, const Rect& area) {
        int dark = 0;
        for (int y = area.top; y < area.bottom; y += 2)
            for (int x = area.left; x < area.right; x += 2) dark += qGray(picture.pixel(x, y)) < 128;
        return dark;
    }

    CBasicInfoView m_list;
    CDasaView m_dasa;
    CCoreInfoView m_core;
    QTemporaryDir m_dir;
    int m_dialogs = 0;
    bool m_viewContentAtDialog = false;

private:
    std::function<bool(std::string&)> m_savedAsk = g_askPrintedChartName;
    int m_savedMask = g_nMaskedPrintPageMap;
};

TEST_F(PrintViewsTest, TheLongitudeTableIsPrintedAtThePrintScaleAndTheShownTableKept) {
    m_list.SetMode(kTableCoordinates);
    ProbeSurface surface;
    SetPrintGeometry(Size{4800, 6600});
    {
        CPrintingScope printing(true);
        m_list.PrintInto(surface);
    }
    EXPECT_EQ(m_list.Mode(), kTableCoordinates);
    const DrawnRecord::Text* header = surface.FindText("Body");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->rect.left, 0);
    EXPECT_EQ(header->rect.top, 0);
    EXPECT_EQ(header->color, kPrintInBlackColor);
    // Header and 18 rows per column, each row one text-font height lower, scaled to the printer.
    std::vector<int> bodyColumnTops;
    for (const DrawnRecord::Text& text : surface.texts)
        if (text.rect.left == 0) bodyColumnTops.push_back(text.rect.top);
    ASSERT_EQ(bodyColumnTops.size(), 19u);
    const int line = g_displayFonts[3].height;
    for (int row = 1; row <= 18; ++row)
        EXPECT_EQ(bodyColumnTops[row], static_cast<int>(row * line * g_dDrawScaleY)) << row;
    // The second column starts right of the widest body name.
    int second = 1 << 30;
    for (const DrawnRecord::Text& text : surface.texts)
        if (text.rect.left > 0) second = std::min(second, text.rect.left);
    for (const DrawnRecord::Text& text : surface.texts)
        if (text.rect.left == 0) {
            EXPECT_LT(text.rect.right, second + 1) << text.text;
        }
}

TEST_F(PrintViewsTest, AListPanePrintsTheReportAndUpdatesAfterTheJobOnly) {
    g_nMaskedPrintPageMap = 0x103;
    AnswerPrintDialog(true);
    m_list.SetMode(kTableCoordinates);
    const std::string shown = m_list.CellText(0, 1);
    m_list.OnFilePrint();
    EXPECT_EQ(m_dialogs, 1);
    EXPECT_EQ(PdfPages(), 3);
    EXPECT_FALSE(g_bPrinting);
    // The job left the longitude rows in the list; the update that ended it refilled the shown table.
    EXPECT_EQ(m_list.CellText(0, 1), shown);
}

TEST_F(PrintViewsTest, AnUpdateWhileAPageDrawsIsHeldBack) {
    m_list.SetMode(kTableCoordinates);
    const std::string shown = m_list.CellText(0, 1);
    SetPrintGeometry(Size{4800, 6600});
    ProbeSurface surface;
    {
        CPrintingScope printing(true);
        m_list.PrintInto(surface); // the list now holds the longitude rows
        const std::string printed = m_list.CellText(0, 1);
        EXPECT_NE(printed, shown);
        m_document.UpdateAllViews(nullptr);
        EXPECT_EQ(m_list.CellText(0, 1), printed);
    }
    m_document.UpdateAllViews(nullptr);
    EXPECT_EQ(m_list.CellText(0, 1), shown);
}

TEST_F(PrintViewsTest, TheDasaPageOfTheReportPrintsItsThreeDasasAndKeepsTheOneShown) {
    // The titles of Ashtottari, Kalachakra and Moola dasa, as the page shows them when selected.
    std::vector<std::string> titles;
    for (const int code : {1, 2, 60}) {
        g_nSelectedDasa = code;
        ASSERT_TRUE(m_document.CalculateDasa().ok());
        titles.push_back(m_document.m_dasaTree.strName);
    }
    g_nSelectedDasa = 0;
    ASSERT_TRUE(m_document.CalculateDasa().ok());
    const std::string shown = m_document.m_dasaTree.strName;
    m_dasa.show();
    m_document.UpdateAllViews(nullptr); // the page shown lays out the periods to click
    ASSERT_TRUE(
        m_dasa.OnLButtonUp(Point{(m_dasa.PeriodRects()[2].left + m_dasa.PeriodRects()[2].right) / 2,
                                 (m_dasa.PeriodRects()[2].top + m_dasa.PeriodRects()[2].bottom) / 2}));
    const int level = m_document.m_dasaTree.nLevel;

    g_nMaskedPrintPageMap = 0x4;
    ProbeSurface surface;
    CPrintInfo info;
    info.pageArea = Size{4800, 6600};
    InitPrintJob(surface, info);
    for (info.currentPage = 1; info.currentPage <= info.maxPage; ++info.currentPage) // two pages long
        PrintChartPage(surface, info);
    for (const std::string& title : titles) {
        bool printed = false;
        for (const DrawnRecord::Text& text : surface.texts) printed |= text.text.starts_with(title);
        EXPECT_TRUE(printed) << title;
    }
    EXPECT_EQ(g_nSelectedDasa, 0);
    EXPECT_EQ(m_document.m_dasaTree.strName, shown);
    EXPECT_EQ(m_document.m_dasaTree.nLevel, level);
}

// A printer's page on the recorder: every text with its box on the page (the surface's origin added)
// and the piece it belongs to (each origin set starts a piece).
class PrintedPage : public RecordingSurface {
public:
    struct Text {
        std::string text;
        Rect box;
        int piece;
    };
    PrintedPage() { SetPrinter(true); }
    void SetViewportOrigin(Point origin) override {
        m_origin = origin;
        ++m_piece;
        RecordingSurface::SetViewportOrigin(origin);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        if (!(format & kTextCalcRect)) {
            const Rect box = DrawnTextBox(*this, text, rect, format);
            texts.push_back(Text{std::string(text),
                                 Rect{box.left + m_origin.x, box.top + m_origin.y, box.right + m_origin.x,
                                      box.bottom + m_origin.y},
                                 m_piece});
        }
        return RecordingSurface::DrawText(text, rect, format);
    }
    int Pieces() const { return m_piece; }
    std::vector<Text> texts;

private:
    Point m_origin;
    int m_piece = 0;
};

// Every dasa of the report, each block whole: no row runs into the footer's strip or off the page, no
// block prints over another, and every row printed is printed once.
TEST_F(PrintViewsTest, DasaListingsBreakBetweenPagesWithoutLosingOrOverlappingRows) {
    g_nMaskedPrintPageMap = 0xFD; // the first page and the six pages of dasas
    const Size area{1275, 1650};  // letter paper at 150 dots per inch
    CPrintInfo info;
    info.pageArea = area;
    PrintedPage begun;
    m_dasa.PrintClient().OnBeginPrinting(begun, info);
    std::vector<std::unique_ptr<PrintedPage>> pages;
    for (int page = 1; page <= info.maxPage; ++page) {
        info.currentPage = page;
        pages.push_back(std::make_unique<PrintedPage>());
        m_dasa.PrintClient().OnPrint(*pages.back(), info);
    }
    m_dasa.PrintClient().OnEndPrinting(begun, info);
    for (size_t page = 0; page < pages.size(); ++page) { // for a look
        ImageSurface picture(area);
        pages[page]->Replay(picture.Surface());
        picture.Image().save(QString(KH_TEST_OUTPUT_DIR) + "/printed_dasa_report_page" +
                             QString::number(page + 1) + ".png");
    }

    // What the pieces draw, each drawn whole as the report draws it.
    std::multiset<std::string> whole;
    {
        SetPrintGeometry(area);
        CPrintingScope printing(true);
        const bool tribhagi = g_bTribhagiVariation;
        for (int n = 1; PageKindOf(g_nPrintPageMask, n) != 0; ++n)
            for (const PrintPiece& piece :
                 PiecesOfPage(PageKindOf(g_nPrintPageMask, n), m_document.m_nMode)) {
                if (piece.tribhagi >= 0) g_bTribhagiVariation = piece.tribhagi == 1;
                PrintedPage drawn;
                if (piece.scaled)
                    DrawViewKindScaled(drawn, piece.kind, piece.a, piece.b, piece.scaleY, piece.scaleX);
                else
                    DrawViewKind(drawn, piece.kind, piece.a, piece.b);
                g_bTribhagiVariation = tribhagi;
                for (const PrintedPage::Text& text : drawn.texts) whole.insert(text.text);
            }
        g_dDrawScaleX = g_dDrawScaleY = 1.0;
    }

    const int bottom = g_nPrintMarginY + g_nPrintAreaHeight;
    std::multiset<std::string> printed;
    for (size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(testing::Message() << "page " << page + 1);
        const int footer = page > 0 ? pages[page]->Pieces() : -1; // the last origin set: the footer's
        for (const PrintedPage::Text& text : pages[page]->texts) {
            if (text.piece == footer) continue;
            printed.insert(text.text);
            EXPECT_LE(text.box.bottom, bottom) << text.text;
            EXPECT_GE(text.box.top, g_nPrintMarginY) << text.text;
            for (const PrintedPage::Text& other : pages[page]->texts) {
                if (other.piece == text.piece || other.piece == footer) continue;
                const bool overlap = text.box.left < other.box.right && other.box.left < text.box.right &&
                                     text.box.top < other.box.bottom && other.box.top < text.box.bottom;
                EXPECT_FALSE(overlap) << '"' << text.text << "\" over \"" << other.text << '"';
            }
        }
    }
    EXPECT_EQ(printed, whole);
}

TEST_F(PrintViewsTest, PrintThisWindowPrintsOnePageAndLeavesNothingSet) {
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        g_dDrawScaleX = 1.25; // the screen's drawing scales, which the printer's replace while it prints
        g_dDrawScaleY = 0.75;
        QFile::remove(m_dir.filePath("job.pdf"));
        AnswerPrintDialog(accept);
        PrintViewContent(m_dasa);
        EXPECT_TRUE(m_viewContentAtDialog);
        EXPECT_EQ(PdfPages(), accept ? 1 : 0);
        EXPECT_FALSE(g_bPrintViewContent);
        EXPECT_FALSE(g_bPrinting);
        EXPECT_FALSE(g_bPrintInBlack);
        EXPECT_EQ(g_dDrawScaleX, 1.25);
        EXPECT_EQ(g_dDrawScaleY, 0.75);
    }
}

TEST_F(PrintViewsTest, PrintedPagesRenderToPictures) {
    g_nMaskedPrintPageMap = 0x1;
    const QImage report = RenderPage(m_list, 1, "printed_report_page1");
    // The key data at the top left, the basic information table in the right half, the dasa below.
    EXPECT_GT(DarkPixels(report, Rect{40, 41, 1275 / 2, 400}), 100);
    EXPECT_GT(DarkPixels(report, Rect{1275 / 2, 41, 1275 - 40, 400}), 100);
    EXPECT_GT(DarkPixels(report, Rect{40, 1650 * 13 / 21, 1275 - 40, 1650 - 41}), 100);
    g_bPrintViewContent = true;
    const QImage dasa = RenderPage(m_dasa, 1, "printed_dasa_page");
    EXPECT_FALSE(g_bPrintViewContent);
    EXPECT_GT(DarkPixels(dasa, Rect{40, 41, 1275 - 40, 800}), 100);
}

// The printed name is the chart file's name without its folders, or the title typed for the print: it
// heads the key data on the first page and stands in the footer of the later ones; the path never shows.
TEST_F(PrintViewsTest, TheTypedTitleHeadsTheFirstPageAndNamesTheFooter) {
    const ChartSource savedSource = g_chartSource;
    g_chartSource.baseName = [] { return std::string("/root/charts/ravi/Ravi"); };
    g_nMaskedPrintPageMap = 0x101;
    const struct {
        bool typed;
        const char* printedName;
    } cases[] = {{false, "Ravi"}, {true, "Ravi Kumar"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printedName);
        std::string askedWith;
        g_askPrintedChartName = [&](std::string& name) {
            askedWith = name;
            if (c.typed) name = "Ravi Kumar";
            return c.typed;
        };
        ProbeSurface first, second;
        CPrintInfo info;
        info.pageArea = Size{4800, 6600};
        InitPrintJob(first, info);
        EXPECT_EQ(askedWith, "Ravi");
        PrintChartPage(first, info);
        info.currentPage = 2;
        PrintChartPage(second, info);
        EndPrintJob(nullptr);
        EXPECT_NE(first.FindText(c.printedName), nullptr);  // the key data's heading
        EXPECT_NE(second.FindText(c.printedName), nullptr); // the footer
        EXPECT_NE(second.FindText("2"), nullptr);
        for (const ProbeSurface* page : {&first, &second})
            for (const DrawnRecord::Text& text : page->texts)
                EXPECT_EQ(text.text.find("/root"), std::string::npos) << text.text;
    }
    g_chartSource = savedSource;
}

TEST_F(PrintViewsTest, TheStrengthsPagePrintsTheShadbalaAndOtherStrengthTables) {
    CShadbalasView shadbala;
    shadbala.SetDocument(&m_document);
    shadbala.OnInitialUpdate();
    CStrengthsView strengths;
    strengths.SetDocument(&m_document);
    strengths.OnInitialUpdate();
    g_nMaskedPrintPageMap = 0x2; // the Strengths page alone

    // Its pieces: the shadbala summary and bhava balas (kind 4), the basic and sayanadi avasthas, the
    // vaiseshikamsas and the vimsopaka balas (kind 6).
    ProbeSurface surface;
    CPrintInfo info;
    info.pageArea = Size{4800, 6600};
    InitPrintJob(surface, info);
    info.currentPage = 1;
    PrintChartPage(surface, info);
    EndPrintJob(&m_document);
    for (const char* header : {"% Strength", "Lord's bala", "Mood (D-1)", "Activity", "Dasa Varga (10)",
                               "Shad Varga (6)", "Vimsopaka"})
        EXPECT_NE(surface.FindText(header), nullptr) << header;

    AnswerPrintDialog(true);
    shadbala.OnFilePrint();
    EXPECT_EQ(PdfPages(), 1);
    QFile::copy(m_dir.filePath("job.pdf"), QString(KH_TEST_OUTPUT_DIR) + "/printed_strengths_page.pdf");
    const QImage page = RenderPage(shadbala, 1, "printed_strengths_page");
    // Shadbala from 41 % of the page down, the avasthas from 56 %, each on the left.
    EXPECT_GT(DarkPixels(page, Rect{40, 1650 * 41 / 100, 1275 / 2, 1650 * 55 / 100}), 100);
    EXPECT_GT(DarkPixels(page, Rect{40, 1650 * 56 / 100, 1275 / 2, 1650 - 41}), 100);
}

} // namespace
