// The aspect table: cells of a chart filled by hand against the aspect strengths worked by hand, the
// houses counted backwards from the nodes, the table drawn and compared with its picture, and the
// window reopening where it was closed.
#include "views/info/aspect_table_view.h"

#include <QApplication>
#include <QMenu>

#include <functional>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/planet_tables.h"
#include "display/view_handoffs.h"
#include "platform/frame_wnd.h"
#include "platform/painter_surface.h"
#include "shell/extra_frames.h"
#include "tests/analysis/analysis_test_support.h"
#include "tests/golden_image.h"
#include "views/info/aspect_table_cells.h"
#include "views/info/info_view_registration.h"

namespace {

// The Sun at 10 Aries, the Moon at 15 Taurus, Mars at 10 Cancer, the others with the lagna at 10 Aries.
CChart FixedChart() {
    CChart chart = EveryBodyIn(kAries, 10.0);
    PlaceBody(chart, kMoon, 45.0);
    PlaceBody(chart, kMars, 100.0);
    RelationTable& relation = chart.m_compoundRelation[0];
    relation[kSun - 1][kMars - 1] = 1; // adhimitra
    relation[kSun - 1][kMoon - 1] = 4; // satru
    return chart;
}

// Aspect strengths worked by hand from the angle d the aspected point lies ahead of the Sun, in virupas
// (60 a full aspect): 30-60 (d - 30) / 2, 90-120 (120 - d) / 2 + 30, 300-360 none. The value shown is
// virupas / 60 x the full value, rounded half up.
TEST(AspectTableCells, ValuesOfTheSunsRowAtBothFullValues) {
    struct Case {
        double fullValue;
        int moon;  // d = 35: 2.5 virupas, exactly halfway at 60
        int mars;  // d = 90: 45 virupas
        int venus; // d = 0: conjunct, no aspect
    };
    constexpr Case kCases[] = {{60.0, 3, 45, 0}, {100.0, 4, 75, 0}};
    CChart chart = FixedChart();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.fullValue);
        AspectTable table;
        ASSERT_TRUE(ComputeAspectTable(chart, 0, kLagna, c.fullValue, table));
        const AspectTableRow& sun = table.rows[kSun - 1];
        EXPECT_EQ(sun.planetValue[kSun - 1], kBlankCell);
        EXPECT_EQ(sun.planetValue[kMoon - 1], c.moon);
        EXPECT_EQ(sun.planetValue[kMars - 1], c.mars);
        EXPECT_EQ(sun.planetValue[kVenus - 1], c.venus);
        EXPECT_EQ(sun.planetRelation[kMars - 1], 1);
        EXPECT_EQ(sun.planetRelation[kMoon - 1], 4);
        // The Moon sees the Sun 325 degrees ahead: no aspect.
        EXPECT_EQ(table.rows[kMoon - 1].planetValue[kSun - 1], 0);
        for (int p = kSun; p <= kKetu; ++p) EXPECT_EQ(table.rows[p - 1].planetValue[p - 1], kBlankCell) << p;
    }
    // The Sun exalted in Aries; in a friend's sign (Mars's) it sits as its relation to Mars says.
    AspectTable table;
    ASSERT_TRUE(ComputeAspectTable(chart, 0, kLagna, 60.0, table));
    EXPECT_TRUE(table.rows[kSun - 1].exalted);
    EXPECT_FALSE(table.rows[kSun - 1].debilitated);
    EXPECT_EQ(table.rows[kSun - 1].ownSignRelation, 1);
    EXPECT_TRUE(table.rows[kSaturn - 1].debilitated);
}

TEST(AspectTableCells, HousesRunBackwardsFromTheNodesWhenAsked) {
    const CScopedOption<bool> reversed(g_bHousesFromNodesReversed, true);
    const CScopedOption<bool> cusps(g_bHouseCuspsInMiddle, true);
    CChart chart = FixedChart();
    PlaceBody(chart, kRahu, 200.0);
    PlaceBody(chart, kKetu, 20.0);
    chart.m_bhava[2].m_start.m_dLongitude = 70.0;
    chart.m_bhava[2].m_middle.m_dLongitude = 85.0;
    struct Case {
        int reference;
        bool reversed;
        bool cuspsInMiddle;
        int house;
        double point;
    };
    constexpr Case kCases[] = {
        {kRahu, true, true, 2, 170.0}, {kRahu, true, true, 4, 110.0},   {kRahu, false, true, 2, 230.0},
        {kKetu, true, true, 12, 50.0}, {kKetu, false, true, 12, 350.0}, {kMars, true, true, 2, 130.0},
        {kLagna, true, true, 3, 85.0}, {kLagna, true, false, 3, 70.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.reference << " house " << c.house);
        g_bHousesFromNodesReversed = c.reversed;
        g_bHouseCuspsInMiddle = c.cuspsInMiddle;
        EXPECT_DOUBLE_EQ(AspectTableHousePoint(chart, 0, c.reference, c.house), c.point);
    }
    // From Rahu backwards the 4th house point is 110: 100 degrees ahead of the Sun, 40 virupas; its sign
    // Cancer's lord is the Moon, the Sun's enemy here.
    g_bHousesFromNodesReversed = true;
    AspectTable table;
    ASSERT_TRUE(ComputeAspectTable(chart, 0, kRahu, 60.0, table));
    EXPECT_EQ(table.rows[kSun - 1].houseValue[3], 40);
    EXPECT_EQ(table.rows[kSun - 1].houseRelation[3], 4);
    // A reference or varga from nowhere counts from the lagna in D-1.
    AspectTable fallback;
    ASSERT_TRUE(ComputeAspectTable(chart, 77, 55, 60.0, fallback));
    AspectTable lagna;
    ASSERT_TRUE(ComputeAspectTable(chart, 0, kLagna, 60.0, lagna));
    EXPECT_EQ(fallback.rows[kSun - 1].houseValue, lagna.rows[kSun - 1].houseValue);
}

class AspectTableViewTest : public PaneTest {
protected:
    AspectTableViewTest() {
        RegisterInfoViews();
        g_nAspectTableVarga = 0;
        g_nAspTblHouseRef = 0;
    }
    ~AspectTableViewTest() override {
        g_nAspTblPosLeft = m_kept.left, g_nAspTblPosTop = m_kept.top;
        g_nAspTblPosRight = m_kept.right, g_nAspTblPosBottom = m_kept.bottom;
    }
    // The table drawn into a fresh `Probe` at the default list font and at one half as large again, each
    // probe then handed to `check` with the view it was drawn from; the font is put back.
    template <class Probe>
    void DrawAtTwoListFontSizes(const std::function<void(Probe&, CAspectTableView&)>& check) {
        constexpr int kListFont = 2; // the small table font the table draws in
        const LogicalFont kept = g_displayFonts[kListFont];
        for (const int height : {kept.height, kept.height * 3 / 2}) {
            SCOPED_TRACE(height);
            g_displayFonts[kListFont].height = height;
            CAspectTableView view;
            view.SetDocument(&m_document);
            view.resize(760, 700);
            view.OnInitialUpdate();
            Probe probe;
            view.OnDraw(probe);
            check(probe, view);
        }
        g_displayFonts[kListFont] = kept;
    }
    // Opens the table as the chart view does: at the kept rectangle.
    CFrameWnd* Open() {
        CFrameWnd* frame = nullptr;
        EXPECT_TRUE(OpenChildWindowInRect(
            0, "CAspectTableView",
            Rect{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom}, &m_document,
            &frame));
        QApplication::processEvents();
        return frame;
    }

private:
    Rect m_kept{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom};
};

TEST_F(AspectTableViewTest, TheWindowReopensWhereItWasClosedEveryTime) {
    g_nAspTblPosLeft = 40, g_nAspTblPosTop = 50, g_nAspTblPosRight = 440, g_nAspTblPosBottom = 350;
    CFrameWnd* frame = Open();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->geometry(), QRect(40, 50, 400, 300));
    frame->setGeometry(60, 70, 500, 420); // the user moves and widens it
    QApplication::processEvents();
    frame->close();
    QApplication::processEvents();
    for (int reopened = 1; reopened <= 3; ++reopened) {
        SCOPED_TRACE(reopened);
        EXPECT_EQ((Rect{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom}),
                  (Rect{60, 70, 560, 490}));
        frame = Open();
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->geometry(), QRect(60, 70, 500, 420));
        frame->close();
        QApplication::processEvents();
    }
}

TEST_F(AspectTableViewTest, TheTableLooksAsItsPicture) {
    CAspectTableView view;
    view.SetDocument(&m_document);
    view.resize(760, 700);
    view.OnInitialUpdate();
    ProbeSurface probe;
    view.OnDraw(probe);
    for (const char* text : {"Su", "Ke", "1st", "12th", "Chart used: D-1", "Full aspect value: 60",
                             "Aspect Legend (color code):", "Bold Italic Red", "Asta (combust)"})
        EXPECT_NE(probe.FindText(text), nullptr) << text;
    // The Sun's own cell (first row, first column, a little right of the column's header) holds nothing.
    const int sunColumn = probe.FindText("Su")->rect.left + 2;
    for (const DrawnRecord::Text& text : probe.texts)
        EXPECT_FALSE(text.rect.left == sunColumn && text.rect.top == 30);
    // The scroll range follows the height drawn.
    EXPECT_GT(view.GetTotalSize().cy, 500);
    EXPECT_LT(view.GetTotalSize().cy, 900);

    ImageSurface image(Size{760, 700});
    view.OnDraw(image.Surface());
    CompareWithGolden(image.Image(), "aspect_table");
}

// Painting the open table only draws: the kept window rectangle is written when the window moves or
// is resized, never by a paint.
TEST_F(AspectTableViewTest, PaintingWritesNoGlobalState) {
    g_nAspTblPosLeft = 40, g_nAspTblPosTop = 50, g_nAspTblPosRight = 440, g_nAspTblPosBottom = 350;
    CFrameWnd* frame = Open();
    ASSERT_TRUE(frame);
    g_nAspTblPosLeft = -1, g_nAspTblPosTop = -1, g_nAspTblPosRight = -1, g_nAspTblPosBottom = -1;
    frame->grab(); // paints the table
    EXPECT_EQ((Rect{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom}),
              (Rect{-1, -1, -1, -1}));
    frame->close();
    QApplication::processEvents();
}

// The header row's texts, each with the extent it takes, left to right.
class HeaderProbe : public RecordingSurface {
public:
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect taken = RecordingSurface::DrawText(text, rect, format);
        constexpr int kHeaderTop = 10;
        if (!(format & kTextCalcRect) && rect.top == kHeaderTop)
            headers.push_back({std::string(text), taken});
        return taken;
    }
    std::vector<std::pair<std::string, Rect>> headers;
};

// Each column header has its own room ("10th", "11th" and "12th" ran together as "10th11th12th"), at the
// default list font and at a larger one; the scroll range reaches the last column.
TEST_F(AspectTableViewTest, NoTwoColumnHeadersOverlap) {
    DrawAtTwoListFontSizes<HeaderProbe>([](HeaderProbe& probe, CAspectTableView& view) {
        ASSERT_EQ(probe.headers.size(), 21u);
        EXPECT_EQ(probe.headers[9].first, "1st");
        EXPECT_EQ(probe.headers[20].first, "12th");
        for (size_t i = 1; i < probe.headers.size(); ++i)
            EXPECT_LT(probe.headers[i - 1].second.right, probe.headers[i].second.left)
                << probe.headers[i - 1].first << " runs into " << probe.headers[i].first;
        EXPECT_GE(view.GetTotalSize().cx, probe.headers.back().second.right);
    });
}

// The row labels, each with the box its text takes, and the boxes of the small figures (the dignity
// glyphs) drawn beside them.
class RowLabelProbe : public RecordingSurface {
public:
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        constexpr int kLabelLeft = 10, kFirstRowTop = 30, kRowsBottom = 30 + 9 * 20;
        if (!(format & kTextCalcRect) && rect.left == kLabelLeft && rect.top >= kFirstRowTop &&
            rect.top < kRowsBottom)
            labels.push_back(Rect{rect.left, rect.top, rect.left + TextExtent(text).cx, rect.bottom});
        return RecordingSurface::DrawText(text, rect, format);
    }
    void Line(Point from, Point to) override {
        Figure(Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                    std::max(from.y, to.y)});
        RecordingSurface::Line(from, to);
    }
    void Polygon(std::span<const Point> points) override {
        for (const Point& p : points) Figure(Rect{p.x, p.y, p.x, p.y});
        RecordingSurface::Polygon(points);
    }
    void Ellipse(const Rect& bounds) override {
        Figure(bounds);
        RecordingSurface::Ellipse(bounds);
    }
    void FillRect(const Rect& rect, ColorRef color) override {
        if (rect.Width() < 20) Figure(rect); // not a background
        RecordingSurface::FillRect(rect, color);
    }
    std::vector<Rect> labels;
    std::vector<Rect> figures;

private:
    void Figure(const Rect& box) { figures.push_back(box); }
};

// No dignity glyph covers a row's planet name, at the default list font and at a larger one.
TEST_F(AspectTableViewTest, NoGlyphCoversARowLabel) {
    DrawAtTwoListFontSizes<RowLabelProbe>([](RowLabelProbe& probe, CAspectTableView&) {
        ASSERT_EQ(probe.labels.size(), 9u);
        for (const Rect& label : probe.labels)
            for (const Rect& figure : probe.figures) {
                const bool apart = figure.left > label.right || figure.right < label.left ||
                                   figure.top >= label.bottom || figure.bottom < label.top;
                EXPECT_TRUE(apart) << "a glyph at x " << figure.left << " covers the label ending at x "
                                   << label.right << ", y " << label.top;
            }
        EXPECT_GT(probe.figures.size(), 9u);
    });
}

// The wheel scrolls the table; with Shift or Ctrl held it leaves the table where it is.
TEST_F(AspectTableViewTest, ShiftOrCtrlWheelLeavesTheTableWhereItIs) {
    CAspectTableView view;
    view.SetDocument(&m_document);
    view.resize(300, 200);
    view.show();
    view.OnInitialUpdate();
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::ShiftModifier | Qt::ControlModifier}) {
        SCOPED_TRACE(static_cast<int>(held));
        EXPECT_EQ(TurnWheel(view, held), (Point{0, 0}));
    }
    EXPECT_GT(TurnWheel(view, Qt::NoModifier).y, 0);
}

TEST_F(AspectTableViewTest, TheMenuChecksTheFullValueAndTheAspectRule) {
    const CScopedOption<double> full(g_dAspectValueMax, 60.0);
    CAspectTableView view;
    view.SetDocument(&m_document);
    QMenu menu;
    view.FillContextMenu(menu);
    std::vector<std::string> checked;
    for (QAction* action : menu.actions())
        if (QMenu* submenu = action->menu())
            for (QAction* choice : submenu->actions())
                if (choice->isChecked()) checked.push_back(choice->text().toStdString());
    EXPECT_EQ(checked[0], "&60");
    EXPECT_EQ(checked[1],
              g_bAspectEvalAsPerParasara ? "As per Parasara's teachings" : "As per Dr Raman's teachings");
    view.SetFullAspectValue(100.0);
    ProbeSurface probe;
    view.OnDraw(probe);
    EXPECT_NE(probe.FindText("Full aspect value: 100"), nullptr);
}

} // namespace
