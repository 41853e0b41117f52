// The key data pane: one block in natal mode, two side by side in the other modes (scaled by the zoom),
// the copied text, and the report pointer.
#include "views/info/core_info_view.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "document/dasa_codes.h"
#include "views/info/pane_support.h"

namespace {
class CoreInfoTest : public PaneTest {
protected:
    CoreInfoTest() {
        m_view.SetDocument(&m_document);
        m_view.resize(900, 600);
        m_view.show(); // offscreen: the pane takes its size
    }
    ~CoreInfoTest() override { m_document.m_pCurrentChart = &m_document.m_natalChart; }
    // A transit chart one day after birth becomes the current chart.
    void UseWorkChart() {
        m_document.m_workChart = m_document.m_natalChart;
        m_document.m_workChart.m_strTitle = "Transit";
        m_document.m_pCurrentChart = &m_document.m_workChart;
        m_document.m_nMode = kModeTransit;
    }
    // The lefts of the texts drawn, in order.
    std::vector<int> TextLefts() {
        ProbeSurface surface;
        m_view.OnDraw(surface);
        std::vector<int> lefts;
        for (const auto& text : surface.texts) lefts.push_back(text.rect.left);
        return lefts;
    }
    // The least left of the texts from x 200 on: where the second block starts.
    int SecondBlockLeft() {
        int least = 1 << 30;
        for (int left : TextLefts())
            if (left >= 200) least = std::min(least, left);
        return least;
    }

    CCoreInfoView m_view;
};

TEST_F(CoreInfoTest, NatalModeShowsOneBlockAndOtherModesTwoWithTheNatalOneFurtherRight) {
    EXPECT_EQ(SecondBlockLeft(), 1 << 30) << "one block only";
    UseWorkChart();
    EXPECT_EQ(SecondBlockLeft(), 280);
    SetZoom(7);
    EXPECT_EQ(SecondBlockLeft(), 420);
}

// A pane narrower than the two blocks side by side shows the natal block below the current one, and
// scrolls down to its last line.
TEST_F(CoreInfoTest, ANarrowPaneStacksTheBlocks) {
    m_view.resize(380, 600);
    const size_t oneBlock = TextLefts().size();
    UseWorkChart();
    ProbeSurface surface;
    m_view.OnDraw(surface);
    ASSERT_EQ(surface.texts.size(), 2 * oneBlock);
    int lowest = 0;
    for (size_t i = 0; i < surface.texts.size(); ++i) {
        SCOPED_TRACE(surface.texts[i].text);
        EXPECT_LT(surface.texts[i].rect.left, 200);
        if (i >= oneBlock) {
            EXPECT_GT(surface.texts[i].rect.top, surface.texts[oneBlock - 1].rect.top);
        }
        lowest = std::max(lowest, surface.texts[i].rect.top);
    }
    EXPECT_GT(m_view.GetTotalSize().cy, lowest + g_displayFonts[3].height);
}

// The texts drawn with the rectangle each takes.
class TakenTexts : public RecordingSurface {
public:
    struct Taken {
        std::string text;
        Rect box;
    };
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect taken = RecordingSurface::DrawText(text, rect, format);
        if (!(format & kTextCalcRect)) texts.push_back({std::string(text), taken});
        return taken;
    }
    std::vector<Taken> texts;
};

// A value too long for the pane (the tithi with its deity) breaks onto the next line instead of running
// off the pane's edge: every text ends inside the pane, none across another, and the pane does not
// scroll sideways; in natal mode and with both blocks, side by side or stacked.
TEST_F(CoreInfoTest, AValueTooLongForThePaneWrapsOntoTheNextLine) {
    const auto draw = [this] {
        TakenTexts surface;
        m_view.OnDraw(surface);
        return surface.texts;
    };
    int widest = 0; // the right end of the widest line in a wide pane
    for (const auto& t : draw()) widest = std::max(widest, t.box.right);
    const struct {
        const char* name;
        bool twoBlocks;
        int width;
        bool wraps; // the pane is too narrow for the tithi line (the side by side blocks have room)
    } cases[] = {{"natal", false, widest - 40, true}, {"side by side", true, 560, false}, {"stacked", true, 300, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.twoBlocks) UseWorkChart();
        m_view.resize(c.width, 500);
        QApplication::processEvents();
        const std::vector<TakenTexts::Taken> texts = draw();
        const int right = m_view.viewport()->width();
        ASSERT_GT(texts.size(), 40u);
        int lineHeight = 1 << 30; // of a text on one line
        for (const auto& t : texts) lineHeight = std::min(lineHeight, t.box.Height());
        bool wrapped = false;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            SCOPED_TRACE(texts[i].text);
            EXPECT_LE(texts[i].box.right, right);
            wrapped = wrapped || texts[i].box.Height() >= 2 * lineHeight;
            for (std::size_t k = 0; k < i; ++k) {
                const Rect& a = texts[i].box;
                const Rect& b = texts[k].box;
                EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                    << "over " << texts[k].text;
            }
        }
        EXPECT_EQ(wrapped, c.wraps);
        EXPECT_EQ(m_view.horizontalScrollBar()->maximum(), 0);
    }
}

TEST_F(CoreInfoTest, CopyingGivesTheNatalBlockOnlyOutsideNatalMode) {
    const std::string natal = m_view.GetInfoText(true);
    ASSERT_FALSE(natal.empty());
    UseWorkChart();
    const std::string current = m_view.GetInfoText(false);
    EXPECT_NE(current, natal);
    EXPECT_EQ(m_view.GetInfoText(true), current + natal);
}

// The drawing covers the window and the blocks; the pane scrolls as far as the blocks reach.
TEST_F(CoreInfoTest, TheLayoutCoversTheBlocksAndTheReportPointerLeavesWithThePane) {
    m_view.RecalcLayout();
    ProbeSurface surface;
    m_view.OnDraw(surface);
    int lowest = 0;
    for (const DrawnRecord::Text& text : surface.texts) lowest = std::max(lowest, text.rect.top);
    const Size total = m_view.GetTotalSize();
    EXPECT_GT(total.cy, lowest);
    EXPECT_LT(total.cy, lowest + 3 * g_displayFonts[3].height);
    EXPECT_GE(m_view.DrawingRect().right, std::max(total.cx, m_view.GetClientRect().right));
    EXPECT_GE(m_view.DrawingRect().bottom, std::max(total.cy, m_view.GetClientRect().bottom));
    {
        CCoreInfoView other;
        EXPECT_EQ(g_pCoreInfoView, &other);
    }
    EXPECT_EQ(g_pCoreInfoView, nullptr);
}
} // namespace
