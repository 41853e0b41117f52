// The strength bar graphs: the grid of each page, bars below the zero line for a negative drig bala,
// bars clipped at the scale with their true value written, the pages' graphs, and each page rendered
// and compared with its checked-in picture.
#include "views/info/strength_graph_view.h"

#include <QMenu>
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "../../display/label_layout_surface.h"
#include "../views_test_support.h"
#include "core/planet_tables.h"
#include "display/view_handoffs.h"
#include "platform/painter_surface.h"
#include "tests/analysis/analysis_test_support.h"
#include "tests/golden_image.h"
#include "views/info/strength_graph_drawing.h"

namespace {

TEST(StrengthGraphLayout, ASmallWindowLaysOutAsSixHundredSquareAndScrolls) {
    const GraphLayout small = LayoutGraphs(kGrahaBalaPage, Size{400, 300});
    EXPECT_EQ(small.total, (Size{580, 580})); // the graphs and the gap after them
    ASSERT_EQ(small.groups.size(), 8u);
    // (600 - 30 - 30) / 3 = 180 wide and high; the eighth graph in the third row's second column.
    EXPECT_EQ(small.groups[0], (Rect{10, 10, 190, 190}));
    EXPECT_EQ(small.groups[7], (Rect{200, 390, 380, 570}));
    EXPECT_DOUBLE_EQ(small.fontScale, 0.6);

    // The bhava balas: two graphs one above the other, each as wide as the window allows.
    const GraphLayout bhava = LayoutGraphs(kBhavaBalaPage, Size{1000, 800});
    ASSERT_EQ(bhava.groups.size(), 2u);
    EXPECT_EQ(bhava.groups[0], (Rect{10, 10, 970, 385}));
    EXPECT_EQ(bhava.groups[1], (Rect{10, 395, 970, 770}));
    EXPECT_DOUBLE_EQ(bhava.fontScale, 375 / 200.0 * 0.8);
    // A page from nowhere is the graha balas.
    EXPECT_EQ(LayoutGraphs(17, Size{800, 800}).groups.size(), 8u);
}

// Jupiter opposite the others (see the shadbala tables' test): drig bala -48.75, the others 3.75.
TEST(StrengthGraphBars, ANegativeDrigBalaGoesDownFromTheZeroLineWithItsValueBelow) {
    CChart chart = EveryBodyIn(kAries, 10.0);
    PlaceBody(chart, kJupiter, 100.0);
    chart.m_shadbala.Compute(chart);
    const std::vector<CStrengthGraphRecord> graphs = CollectGraphData(kShadbalaBreakUpPage, chart, 0);
    ASSERT_EQ(graphs.size(), 9u);
    const CStrengthGraphRecord& drig = graphs[4];
    EXPECT_EQ(drig.title, "DrigBala");
    EXPECT_TRUE(drig.isSigned);
    ASSERT_EQ(drig.count, 7);
    // Graph 0-700 wide, 0-400 high; title band 40, label band 20: plot 40-380, zero line at 210.
    const BarGraphGeometry geometry = BarGraphGeometryOf(drig, Rect{0, 0, 700, 400}, 40, 20);
    EXPECT_EQ(geometry.zeroLine, 210);
    // Jupiter: trunc(-48.75 / 60 x 340 x 0.5) = -138: from the zero line down to 348.
    EXPECT_EQ(geometry.bars[4], (Rect{412, 210, 500, 348}));
    EXPECT_EQ(geometry.valueBands[4], (Rect{412, 348, 500, 368}));
    EXPECT_EQ(BarValueText(drig, 4), "-48.8");
    // The Sun: trunc(3.75 / 60 x 170) = 10 above the zero line, the value above the bar.
    EXPECT_EQ(geometry.bars[0], (Rect{12, 200, 100, 210}));
    EXPECT_EQ(geometry.valueBands[0], (Rect{12, 180, 100, 200}));
}

TEST(StrengthGraphBars, AValueBeyondTheScaleIsClippedAndShowsItsTrueValue) {
    CStrengthGraphRecord record;
    record.count = 2;
    record.topOfScale = 20;
    record.values = {35.25, 10.0};
    record.isSigned = false;
    const BarGraphGeometry geometry = BarGraphGeometryOf(record, Rect{0, 0, 200, 300}, 30, 20);
    EXPECT_EQ(geometry.bars[0].top, 30);     // the plot's top
    EXPECT_EQ(geometry.bars[0].bottom, 279); // one above the label band
    EXPECT_EQ(BarValueText(record, 0), "35.2");
    EXPECT_EQ(geometry.bars[1].top, 280 - 125); // trunc(10 / 20 x 250)
    // Negative values of a signed graph beyond the scale stop at the plot's foot.
    record.isSigned = true;
    record.values[1] = -50.0;
    EXPECT_EQ(BarGraphGeometryOf(record, Rect{0, 0, 200, 300}, 30, 20).bars[1].bottom, 280);
    // Whole-numbered graphs and scales of 100 or more round half up.
    record.wholeNumbers = true;
    record.values[0] = 6.5;
    EXPECT_EQ(BarValueText(record, 0), "7");
    record.wholeNumbers = false;
    record.topOfScale = 200;
    record.values[0] = 87.49;
    EXPECT_EQ(BarValueText(record, 0), "87");
}

// A value is written above its bar, but a bar at the top of the scale (Ashtakavarga Bala's 8 of 8) keeps
// its value out of the title band and a deep negative bar keeps its value out of the labels: they are
// written on their bars, clear of the bars' ends.
TEST(StrengthGraphBars, ValuesStayClearOfTheTitleAndTheLabels) {
    CStrengthGraphRecord record;
    record.count = 3;
    record.topOfScale = 8;
    record.values = {8.0, 4.0, 9.0};
    record.wholeNumbers = true;
    // Graph 0-300 wide, 0-300 high; title band 30, label band 20: plot 30-280.
    const BarGraphGeometry full = BarGraphGeometryOf(record, Rect{0, 0, 300, 300}, 30, 20);
    for (size_t i = 0; i < full.valueBands.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(full.valueBands[i].top, full.titleBand.bottom);
        EXPECT_EQ(full.valueBands[i].Height(), 20);
        EXPECT_EQ(full.valueBands[i].left, full.bars[i].left);
    }
    EXPECT_GT(full.valueBands[0].top, full.bars[0].top); // 8 of 8: on the bar, below its top
    EXPECT_GT(full.valueBands[2].top, full.bars[2].top);
    EXPECT_EQ(full.valueBands[1], (Rect{112, 135, 200, 155})); // half the scale: directly above its bar
    record.isSigned = true;
    record.values = {8.0, -8.0, -4.0};
    const BarGraphGeometry sign = BarGraphGeometryOf(record, Rect{0, 0, 300, 300}, 30, 20);
    EXPECT_GE(sign.valueBands[0].top, sign.titleBand.bottom);
    EXPECT_LT(sign.valueBands[1].bottom, sign.bars[1].bottom); // -8 of 8: on the bar, above its foot
    EXPECT_EQ(sign.valueBands[1].left, sign.bars[1].left);
    EXPECT_EQ(sign.valueBands[2], (Rect{212, sign.bars[2].bottom, 300, sign.bars[2].bottom + 20}));
}

class StrengthGraphViewTest : public PaneTest {
protected:
    StrengthGraphViewTest() {
        m_view.SetDocument(&m_document);
        m_view.resize(900, 700);
        m_view.show(); // the graphs fill the pane's visible part
        m_view.OnInitialUpdate();
    }
    ~StrengthGraphViewTest() override { g_ashtakavargaChoice = m_choice; }
    CStrengthGraphView m_view;

private:
    AshtakavargaChoice m_choice = g_ashtakavargaChoice;
};

TEST_F(StrengthGraphViewTest, EveryPageDrawsItsGraphs) {
    struct Case {
        int page;
        std::vector<std::string> titles;
    };
    const Case kCases[] = {
        {kGrahaBalaPage,
         {"Vimsopaka Bala (Dasa)", "Shadbala (% strength)", "Ishta Phala", "Pancha Vargeeya Bala",
          "Dwadasa Vargeeya Bala", "Harsha Bala", "Vaiseshikamsa (Dasa)", "Ashtakavarga Bala (D-9)"}},
        {kBhavaBalaPage, {"Bhava Bala - Shadbala", "Bhava Bala - SAV (D-9)"}},
        {kShadbalaBreakUpPage,
         {"Sthaana Bala", "Kaala Bala", "DigBala", "Cheshta Bala", "DrigBala", "Naisargika Bala", "Shadbala",
          "Shadbala (rupas)", "Shadbala (% strength)"}},
        {kVimsopakaPage,
         {"Vimsopaka Bala (10)", "Vimsopaka Bala (16)", "Vimsopaka Bala (6)", "Vimsopaka Bala (7)"}},
        {kVaiseshikamsaPage,
         {"Vaiseshikamsa (10)", "Vaiseshikamsa (16)", "Vaiseshikamsa (6)", "Vaiseshikamsa (7)"}},
        {kRashmiPage, {"Uchcha Rashmi", "Cheshta Rashmi", "Subha Rashmi", "Ishta Phala (of Parasara)"}},
    };
    g_ashtakavargaChoice.varga = 1; // D-9
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.page);
        m_view.SelectPage(c.page);
        ProbeSurface surface;
        m_view.OnDraw(surface);
        for (const std::string& title : c.titles) EXPECT_NE(surface.FindText(title), nullptr) << title;
    }
    // A varga from nowhere reads D-1.
    g_ashtakavargaChoice.varga = 99;
    m_view.SelectPage(kBhavaBalaPage);
    ProbeSurface surface;
    m_view.OnDraw(surface);
    EXPECT_NE(surface.FindText("Bhava Bala - SAV (D-1)"), nullptr);
}

// The names under the bars read apart: in the pane a 1366 x 768 screen gives (945 x 604), the planets
// under the narrow graphs of the graha balas keep a few pixels between one name's ink and the next's, and
// the names of one graph share their size.
TEST_F(StrengthGraphViewTest, NamesUnderTheBarsKeepApart) {
    m_view.resize(945, 604);
    m_view.SelectPage(kGrahaBalaPage);
    LabelLayoutSurface surface;
    m_view.OnDraw(surface);
    const std::set<std::string> names = {"As", "Su", "Mo", "Ma", "Me", "Ju", "Ve", "Sa", "Ra", "Ke"};
    constexpr double kLeastGap = 2.0; // pixels of ground between two names' ink
    for (const Rect& graph : m_view.Layout().groups) {
        std::vector<const LabelLayoutSurface::Text*> under;
        for (const LabelLayoutSurface::Text& t : surface.texts)
            if (names.count(t.text) && graph.Contains(Point{static_cast<int>(t.ink.center().x()),
                                                            static_cast<int>(t.ink.center().y())}))
                under.push_back(&t);
        ASSERT_GE(under.size(), 7u);
        std::sort(under.begin(), under.end(), [](auto* a, auto* b) { return a->ink.left() < b->ink.left(); });
        for (std::size_t k = 0; k + 1 < under.size(); ++k) {
            SCOPED_TRACE(under[k]->text + " " + under[k + 1]->text);
            EXPECT_GE(under[k + 1]->ink.left() - under[k]->ink.right(), kLeastGap);
            EXPECT_EQ(under[k + 1]->fontHeight, under[k]->fontHeight);
        }
    }
}

// In the same pane, on every page: the values over the bars of one graph are written in one size, and
// each graph's title keeps a few pixels of ground from the graph's border on either side.
TEST_F(StrengthGraphViewTest, ValuesShareTheirSizeAndTitlesKeepClearOfTheBorder) {
    m_view.resize(945, 604);
    constexpr double kLeastGap = 2.0; // pixels of ground between the title's ink and the border
    const auto isValue = [](const std::string& text) {
        return !text.empty() && text.find_first_not_of("-0123456789.") == std::string::npos;
    };
    for (int page = 0; page < kGraphPageCount; ++page) {
        SCOPED_TRACE(page);
        m_view.SelectPage(page);
        LabelLayoutSurface surface;
        m_view.OnDraw(surface);
        const std::vector<Rect>& groups = m_view.Layout().groups;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            SCOPED_TRACE(g);
            const Rect& graph = groups[g];
            // The border's top edge runs from the graph's top-left corner.
            int borderRight = 0;
            for (const LabelLayoutSurface::Stroke& s : surface.strokes)
                if (s.from == Point{graph.left, graph.top} && s.to.y == graph.top) borderRight = s.to.x;
            ASSERT_GT(borderRight, graph.left);
            std::set<int> valueSizes;
            int values = 0;
            const LabelLayoutSurface::Text* title = nullptr;
            for (const LabelLayoutSurface::Text& t : surface.texts) {
                const QPointF centre = t.ink.center();
                if (!graph.Contains(Point{static_cast<int>(centre.x()), static_cast<int>(centre.y())})) continue;
                if (isValue(t.text)) {
                    valueSizes.insert(t.fontHeight);
                    ++values;
                } else if (!title) {
                    title = &t; // the title is the graph's first text
                }
            }
            EXPECT_GE(values, 7);
            EXPECT_EQ(valueSizes.size(), 1u);
            ASSERT_NE(title, nullptr);
            SCOPED_TRACE(title->text);
            EXPECT_GE(title->ink.left() - graph.left, kLeastGap);
            EXPECT_GE(borderRight - title->ink.right(), kLeastGap);
        }
    }
}

TEST_F(StrengthGraphViewTest, TheMenuChecksTheShownPage) {
    m_view.SelectPage(kVimsopakaPage);
    QMenu menu;
    m_view.FillContextMenu(menu);
    std::vector<QAction*> pages;
    for (QAction* action : menu.actions())
        if (action->isCheckable()) pages.push_back(action);
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_TRUE(pages[kVimsopakaPage]->isChecked());
    EXPECT_EQ(menu.actions().back()->text().toStdString(), "Change the varga used in ashtakavarga");
    pages[kRashmiPage]->trigger();
    EXPECT_EQ(m_view.Page(), kRashmiPage);
}

TEST_F(StrengthGraphViewTest, PagesLookAsTheirPictures) {
    const char* const kNames[kGraphPageCount] = {"graphs_graha_balas",    "graphs_bhava_balas",
                                                 "graphs_shadbala",       "graphs_vimsopaka",
                                                 "graphs_vaiseshikamsas", "graphs_rashmis"};
    g_ashtakavargaChoice.varga = 0;
    for (int page = 0; page < kGraphPageCount; ++page) {
        SCOPED_TRACE(page);
        m_view.SelectPage(page);
        ImageSurface image(Size{900, 700});
        m_view.OnDraw(image.Surface());
        CompareWithGolden(image.Image(), kNames[page]);
    }
}

} // namespace
