// The printed report on the recording surface: which pages a mask and a mode give, where each piece is
// placed and at which scales, the footer, the printed name, and the print state put back on every way
// out of a page.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "display/drawing_factors.h"
#include "display/print_pages.h"
#include "display/view_print.h"
#include "display_test_support.h"
#include "document/document_state.h"
#include "document/report_dispatch.h"
#include "platform/archive.h"
#include "platform/document_base.h"
#include "platform/recording_surface.h"

namespace {

// One line per piece printed: kind, arguments, drawing scales, the surface's origin and the print
// flags. The pieces draw nothing, so the job measures them as empty and keeps the page table's places.
class PieceLog : public CReportView {
public:
    PieceLog(int kind, std::vector<std::string>& log) : CReportView(kind), m_log(log) {}
    void PrintReport(DrawSurface& surface, int a, int b) override {
        if (m_throws) throw std::runtime_error("piece failed");
        auto* recorded = dynamic_cast<RecordingSurface*>(&surface);
        if (!recorded) return; // measured when the job begins
        const auto& calls = recorded->Calls();
        std::string origin = "none";
        for (const std::string& call : calls)
            if (call.starts_with("SetViewportOrigin ")) origin = call.substr(18);
        char line[160];
        std::snprintf(line, sizeof line, "%d %d %d %.4f %.4f %s%s%s", Kind(), a, b, g_dDrawScaleX,
                      g_dDrawScaleY, origin.c_str(), g_bPrinting ? " printing" : "",
                      g_bTribhagiVariation ? " tribhagi" : "");
        m_log.push_back(line);
    }
    void RebuildReportText(bool) override {}
    bool m_throws = false;

private:
    std::vector<std::string>& m_log;
};

class PrintPagesTest : public DisplayTest {
protected:
    PrintPagesTest() {
        for (int kind = 0; kind < kReportKindCount; ++kind)
            m_views.push_back(std::make_unique<PieceLog>(kind, m_log));
        g_askPrintedChartName = [this](std::string& name) {
            m_askedWith = name;
            if (!m_typedName) return false;
            name = *m_typedName;
            return true;
        };
        g_chartSource.baseName = [] { return std::string("/charts/Ravi"); };
        g_chartSource.mode = [this] { return m_mode; };
    }
    // Begins a job on a printer of 4800 x 6600 dots and prints page `page`.
    CPrintInfo Begin() {
        CPrintInfo info;
        info.pageArea = Size{4800, 6600};
        InitPrintJob(m_surface, info);
        return info;
    }
    void PrintPage(CPrintInfo& info, int page) {
        info.currentPage = page;
        PrintChartPage(m_surface, info);
    }

    std::vector<std::string> m_log;
    std::vector<std::unique_ptr<PieceLog>> m_views;
    RecordingSurface m_surface;
    int m_mode = 0;
    std::optional<std::string> m_typedName;
    std::string m_askedWith;
};

TEST_F(PrintPagesTest, TheMaskAndTheModeGiveThePages) {
    struct Case {
        int mask;
        int mode;
        bool viewContent;
        int pages;
        int lastKind;
    };
    const Case cases[] = {
        {2047, 0, false, 11, 11}, {2047, 1, false, 7, 11}, {2047, 2, false, 7, 11}, {2047, 3, false, 11, 11},
        {0x400, 0, false, 1, 11}, {0x0F0, 1, false, 0, 0}, {2047, 0, true, 1, 11},  {0, 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mask) + " in mode " + std::to_string(c.mode));
        g_nMaskedPrintPageMap = c.mask;
        m_mode = c.mode;
        g_bPrintViewContent = c.viewContent;
        const CPrintInfo info = Begin();
        EXPECT_EQ(info.maxPage, c.pages);
        EXPECT_EQ(info.currentPage, 1);
        const int reportPages = std::popcount(static_cast<unsigned>(g_nPrintPageMask));
        EXPECT_EQ(PageKindOf(g_nPrintPageMask, reportPages), c.lastKind);
        EXPECT_EQ(PageKindOf(g_nPrintPageMask, reportPages + 1), 0);
    }
}

TEST_F(PrintPagesTest, APrinterGivesMarginsAreaAndScales) {
    SetPrintGeometry(Size{4800, 6600});
    EXPECT_EQ(g_nPrintMarginX, 150);
    EXPECT_EQ(g_nPrintMarginY, 165);
    EXPECT_EQ(g_nPrintAreaWidth, 4500);
    EXPECT_EQ(g_nPrintAreaHeight, 6270);
    EXPECT_DOUBLE_EQ(g_dDrawScaleX, 4500.0 / 850);
    EXPECT_DOUBLE_EQ(g_dDrawScaleY, 6270.0 / 1100);
}

TEST_F(PrintPagesTest, TheFirstPagePlacesItsPiecesAndPrintsVimsottariWithoutTribhagi) {
    g_nMaskedPrintPageMap = 2047;
    g_bTribhagiVariation = true;
    CPrintInfo info = Begin();
    PrintPage(info, 1);
    const double sx = 4500.0 / 850, sy = 6270.0 / 1100;
    auto line = [&](int kind, int a, int b, double fx, double fy, const char* origin, bool tribhagi) {
        char text[160];
        std::snprintf(text, sizeof text, "%d %d %d %.4f %.4f %s printing%s", kind, a, b, sx * fx, sy * fy,
                      origin, tribhagi ? " tribhagi" : "");
        return std::string(text);
    };
    // Origins: margins (150, 165) plus W/2 = 2250, 2H/7 = 1791, 13H/21 = 3881.
    const std::vector<std::string> expected = {
        line(kCoreInfoReport, 0, 0, 0.9, 0.7, "150,165", true),
        line(kBasicInfoReport, 0, 0, 0.8, 0.8, "2400,165", true),
        line(kChartReport, kD1Column, 0, 1.0, 1.0, "150,1956", true),
        line(kChartReport, kD9Column, 1, 1.0, 1.0, "150,1956", true),
        line(kDasaReport, 0, 0, 1.0, 1.0, "150,4046", false),
    };
    EXPECT_EQ(m_log, expected);
    EXPECT_TRUE(g_bTribhagiVariation);
    EXPECT_FALSE(g_bPrinting);
    EXPECT_FALSE(g_bPrintInBlack);
    // The screen's scales are back: nothing drawn after the page is scaled to the printer.
    EXPECT_EQ(g_dDrawScaleX, 1.0);
    EXPECT_EQ(g_dDrawScaleY, 1.0);
    EXPECT_EQ(m_surface.Calls().back(), "SetViewportOrigin 0,0");
}

TEST_F(PrintPagesTest, ReturnChartsPrintTheirOwnDasaOnTheFirstPage) {
    const std::pair<int, int> cases[] = {{1, 65}, {2, 69}, {3, 0}};
    for (const auto& [mode, dasa] : cases) {
        SCOPED_TRACE(mode);
        m_mode = mode;
        m_log.clear();
        CPrintInfo info = Begin();
        PrintPage(info, 1);
        ASSERT_FALSE(m_log.empty());
        EXPECT_TRUE(m_log.back().starts_with("3 " + std::to_string(dasa) + " 0 ")) << m_log.back();
    }
}

TEST_F(PrintPagesTest, OnlyLaterPagesHaveTheFooterWithNameAndNumber) {
    g_nMaskedPrintPageMap = 0x700; // the three pages of six charts
    m_typedName = "Ravi Kumar";
    CPrintInfo info = Begin();
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        RecordingSurface surface;
        info.currentPage = page;
        PrintChartPage(surface, info);
        int names = 0, numbers = 0;
        for (const std::string& call : surface.Calls()) {
            names += call.starts_with("DrawText \"Ravi Kumar\"");
            numbers += call.starts_with("DrawText \"" + std::to_string(page) + "\"");
        }
        EXPECT_EQ(names, page > 1 ? 1 : 0);
        EXPECT_EQ(numbers, page > 1 ? 1 : 0);
    }
}

TEST_F(PrintPagesTest, ThePrintedNameIsAskedStartingFromTheFileName) {
    g_strChartBaseName = "left over";
    Begin();
    EXPECT_EQ(m_askedWith, "Ravi");        // the file's name, without its folders
    EXPECT_EQ(g_strChartBaseName, "Ravi"); // cancelled: the file's name stays
    m_typedName = "Ravi Kumar";
    Begin();
    EXPECT_EQ(g_strChartBaseName, "Ravi Kumar");
    // A preview drawing its pages again asks nothing and keeps the name.
    m_askedWith.clear();
    m_typedName = "Someone Else";
    CPrintInfo again;
    again.repeated = true;
    InitPrintJob(m_surface, again);
    EXPECT_EQ(m_askedWith, "");
    EXPECT_EQ(g_strChartBaseName, "Ravi Kumar");
}

TEST_F(PrintPagesTest, APieceThatFailsLeavesNothingInThePrintingState) {
    g_bTribhagiVariation = true;
    CPrintInfo info = Begin();
    m_views[kDasaReport]->m_throws = true;
    info.currentPage = 1;
    EXPECT_THROW(PrintChartPage(m_surface, info), std::runtime_error);
    EXPECT_FALSE(g_bPrinting);
    EXPECT_FALSE(g_bPrintInBlack);
    EXPECT_TRUE(g_bTribhagiVariation);
    EXPECT_EQ(g_dDrawScaleX, 1.0);
    EXPECT_EQ(g_dDrawScaleY, 1.0);
}

TEST_F(PrintPagesTest, AViewsOwnDrawingStandsBelowTheHeadingAndTheJobEndClearsIt) {
    struct Doc : CDocument {
        DocumentStatus Serialize(CArchive&) override { return {}; }
        FileSizeLimit FileLimit() const override { return {}; }
    } document;
    struct Listener : CDocumentView {
        void OnUpdate(CDocumentView*, long) override { ++updates; }
        int updates = 0;
    } listener;
    document.AddView(listener);
    m_typedName = "Ravi";
    g_bPrintViewContent = true;
    CPrintInfo info = Begin();
    PrintPage(info, 1);
    EXPECT_TRUE(m_log.empty()); // no report piece
    ASSERT_GE(m_surface.Calls().size(), 2u);
    EXPECT_TRUE(m_surface.Calls().back().starts_with("SetViewportOrigin 150,")) << m_surface.Calls().back();
    bool heading = false;
    for (const std::string& call : m_surface.Calls()) heading |= call.starts_with("DrawText \"Ravi\"");
    EXPECT_TRUE(heading);
    EndPrintJob(&document);
    EXPECT_FALSE(g_bPrintViewContent);
    EXPECT_EQ(listener.updates, 1);
}

} // namespace
