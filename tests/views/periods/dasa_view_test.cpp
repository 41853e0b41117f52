// The dasa page: level navigation by clicks, the hit rectangles under the zoom and am/pm times, the
// status lines, the cycle buttons and the page as text, on the Vimsottari dasa of a fixed birth.
#include "views/periods/dasa_view.h"

#include <QScrollBar>
#include <functional>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "dasa_view_fixture.h"
#include "document/dasa_tree.h"
#include "shell/view_registry.h"
#include "views/periods/period_view_registration.h"

namespace {

TEST_F(DasaViewTest, ClicksDescendToTheDeepestLevelWhereTheySelectWithoutDescending) {
    EXPECT_EQ(Tree().nCount, 9);
    for (int level = 0; level < 5; ++level) {
        ASSERT_TRUE(ClickPeriod(2)) << level;
        EXPECT_EQ(Tree().nLevel, level + 1);
    }
    EXPECT_FALSE(ClickPeriod(4));
    EXPECT_EQ(Tree().nLevel, 5);
    EXPECT_EQ(Tree().nSelected[5], 4);
}

TEST_F(DasaViewTest, TheTitleReturnsToTheMahaDasasKeepingTheDeeperSelections) {
    ClickPeriod(3);
    ClickPeriod(5);
    ASSERT_EQ(Tree().nLevel, 2);
    EXPECT_TRUE(m_view.OnLButtonUp(Centre(m_view.LevelRects()[0])));
    const DrawnRecord page = Draw();
    EXPECT_EQ(Tree().nLevel, 0);
    EXPECT_EQ(Tree().nSelected[0], 3);
    EXPECT_EQ(Tree().nSelected[1], 5);
    EXPECT_NE(page.FindText("Maha Dasas:"), nullptr);
    // An opened period returns to its sub-periods.
    ClickPeriod(3);
    ClickPeriod(5);
    EXPECT_TRUE(m_view.OnLButtonUp(Centre(m_view.LevelRects()[1])));
    EXPECT_EQ(Tree().nLevel, 1);
}

TEST_F(DasaViewTest, RasiBhuktaVimsottariOpensThreeLevelsOnly) {
    g_nSelectedDasa = kRasiBhuktaVimsottariCode;
    ASSERT_TRUE(m_document.CalculateDasa().ok());
    Update();
    EXPECT_TRUE(ClickPeriod(0));
    EXPECT_TRUE(ClickPeriod(0));
    EXPECT_FALSE(ClickPeriod(1));
    EXPECT_EQ(Tree().nLevel, 2);
}

TEST_F(DasaViewTest, TheLargestZoomScalesRowsAndHitRectanglesButNotTheStatusLines) {
    ClickPeriod(1);
    const DrawnRecord normal = Draw();
    const Rect period = m_view.PeriodRects()[2];
    const Rect opened = m_view.LevelRects()[1];
    SetZoom(7);
    Update();
    const DrawnRecord large = Draw();
    // The period's frame reaches round its texts, which the larger font draws a few pixels off.
    const Rect large2 = m_view.PeriodRects()[2];
    EXPECT_EQ((Rect{large2.left, large2.top, 0, large2.bottom}),
              (Rect{period.left * 3 / 2, period.top * 3 / 2, 0, period.bottom * 3 / 2}));
    EXPECT_NEAR(large2.right, period.right * 3 / 2, 4);
    EXPECT_EQ(m_view.LevelRects()[1],
              (Rect{opened.left * 3 / 2, opened.top * 3 / 2, opened.right * 3 / 2, opened.bottom * 3 / 2}));
    const std::string start = Tree().period[2].StartDate();
    const auto findLast = [&](const DrawnRecord& s) {
        const DrawnRecord::Text* last = nullptr;
        for (const auto& t : s.texts)
            if (t.text == start) last = &t;
        return last;
    };
    EXPECT_EQ(findLast(large)->rect.right, findLast(normal)->rect.right * 3 / 2);
    const std::string year = normal.texts.front().text;
    ASSERT_EQ(year, "Using true sidereal solar years");
    EXPECT_EQ(large.FindText(year)->rect, normal.FindText(year)->rect);
}

// The am/pm times' cells are 20 wider, and their texts longer.
TEST_F(DasaViewTest, AmPmTimesWidenTheHitRectangles) {
    const Rect plain = m_view.PeriodRects()[0];
    g_bTimeDisplayWithAmPm = true;
    Update();
    EXPECT_GE(m_view.PeriodRects()[0].right, plain.right + 20);
    EXPECT_EQ(m_view.PeriodRects()[0].left, plain.left);
}

TEST_F(DasaViewTest, TheTreeMovesDownOnlyWhenBothTheSeedAndTheShiftLinesShow) {
    const int top = m_view.LevelRects()[0].top;
    g_bDasaShift[kVimsottari] = true;
    g_dDasaShiftDays[kVimsottari] = -1.5;
    g_bDasaSeedNameValid = false;
    Update();
    const DrawnRecord shifted = Draw();
    EXPECT_NE(shifted.FindText("Shift: 1 days 12 hrs (back)"), nullptr);
    EXPECT_EQ(m_view.LevelRects()[0].top, top);
    g_bDasaSeedNameValid = true;
    g_strDasaSeedName = "Moon";
    Update();
    const DrawnRecord both = Draw();
    EXPECT_NE(both.FindText("Started from Moon"), nullptr);
    EXPECT_EQ(m_view.LevelRects()[0].top, top + 18);
}

TEST_F(DasaViewTest, ShiftTextsSplitDaysHoursAndMinutes) {
    EXPECT_EQ(DasaShiftText(-1.5), "Shift: 1 days 12 hrs (back)");
    EXPECT_EQ(DasaShiftText(2 + 30.0 / 1440), "Shift: 2 days 30 min (forward)");
    EXPECT_EQ(DasaShiftText(0.25), "Shift: 6 hrs (forward)");
}

TEST_F(DasaViewTest, RowsShowTheTreesDatesAndTimes) {
    const DrawnRecord page = Draw();
    for (int i = 0; i < Tree().nCount; ++i) {
        const CDasaPeriod& period = Tree().period[i];
        EXPECT_NE(page.FindText(period.Name() + ":"), nullptr) << i;
        EXPECT_NE(page.FindText(period.StartDate()), nullptr) << i;
        EXPECT_NE(page.FindText(" (" + period.EndTime() + ")"), nullptr) << i;
    }
    EXPECT_EQ(Tree().period[0].StartDate().size(), 10u); // "%04d-%02d-%02d"
}

TEST_F(DasaViewTest, HoverOutlinesTheRectangleUnderThePointer) {
    m_view.OnMouseMove(Centre(m_view.PeriodRects()[1]));
    EXPECT_EQ(m_view.HoverRect(), m_view.PeriodRects()[1]);
    m_view.OnMouseMove(Point{2, 890});
    EXPECT_EQ(m_view.HoverRect(), Rect{});
}

// A row's six texts (name, start date and time, hyphen, end date and time) drawn, each inside the row's
// frame (the "==>" of a located period stands left of it).
void ExpectRowInFrame(const TakenTextSurface& drawn, const Rect& frame) {
    int texts = 0;
    for (const auto& text : drawn.texts) {
        if (text.box.top != frame.top || text.box.bottom != frame.bottom || text.box.left < frame.left)
            continue;
        ++texts;
        EXPECT_LT(text.taken.right, frame.right) << text.text;
    }
    EXPECT_EQ(texts, 6) << "the row at " << frame.top;
}

// The frame round a period (the hover outline, where clicks and the menu pick it) holds the whole row:
// its end time too, which is drawn past the time's cell, with and without am/pm times.
TEST_F(DasaViewTest, ThePeriodFrameHoldsItsWholeRow) {
    for (const bool amPm : {false, true}) {
        SCOPED_TRACE(amPm ? "am/pm" : "24 hours");
        g_bTimeDisplayWithAmPm = amPm;
        Update();
        TakenTextSurface surface;
        m_view.OnDraw(surface);
        for (int i = 0; i < Tree().nCount; ++i) ExpectRowInFrame(surface, m_view.PeriodRects()[i]);
    }
}

// What painting must leave as it found: the scroll sizes and position, the header (a page step is the
// visible height below it), the hit rectangles, the buttons, the periods listed and the state kept for
// the page's next opening.
struct PageState {
    Size total;
    int verticalMaximum = 0, verticalValue = 0, verticalPage = 0, horizontalMaximum = 0;
    std::array<Rect, 6> levels{};
    std::array<Rect, 36> periods{};
    bool optionsShown = false;
    int periodsListed = 0;
    double firstStart = 0.0;
    std::array<int, kDasaPageStateSize> kept{};
    bool operator==(const PageState&) const = default;
    friend void PrintTo(const PageState& s, std::ostream* out) {
        *out << "total " << s.total.cx << " x " << s.total.cy << ", scroll 0.." << s.verticalMaximum << " at "
             << s.verticalValue << " by " << s.verticalPage << ", first period at " << s.periods[0].top
             << ", " << s.periodsListed << " periods listed";
    }
};

// The page is laid out when what it shows changes, and painting only draws: whatever changed, the
// scroll extent, the header and the hit rectangles are in place before the page is painted, reach as
// far as the drawing does, and painting (twice, into a recording and an image, then on screen) changes
// none of them.
TEST_F(DasaViewTest, ThePageIsLaidOutBeforeItIsPaintedAndPaintingChangesNothing) {
    const auto state = [this] {
        const QScrollBar& vertical = *m_view.verticalScrollBar();
        return PageState{m_view.GetTotalSize(),
                         vertical.maximum(),
                         vertical.value(),
                         vertical.pageStep(),
                         m_view.horizontalScrollBar()->maximum(),
                         m_view.LevelRects(),
                         m_view.PeriodRects(),
                         m_view.Button(1)->isVisible(),
                         Tree().nCount,
                         Tree().period[0].dStartJd,
                         g_dasaPageState[0]};
    };
    const struct {
        const char* change;
        std::function<void()> make;
    } changes[] = {
        // An option changed, and every view updated as the program's commands do then.
        {"larger fonts",
         [this] {
             SetZoom(7);
             Update();
         }},
        {"smaller fonts",
         [this] {
             SetZoom(0);
             Update();
         }},
        {"am/pm times",
         [this] {
             g_bTimeDisplayWithAmPm = true;
             Update();
         }},
        {"the seed and the shift lines",
         [this] {
             g_bDasaShift[kVimsottari] = true;
             g_dDasaShiftDays[kVimsottari] = -1.5;
             g_bDasaSeedNameValid = true;
             Update();
         }},
        // The page's own commands.
        {"a dasa without options", [this] { m_view.SelectDasa(63); }},
        {"a period opened", [this] { m_view.OnLButtonUp(Centre(m_view.PeriodRects()[2])); }},
        {"the next cycle", [this] { m_view.OnNextCycle(); }},
        {"a smaller pane", [this] { m_view.resize(500, 300); }},
    };
    SetZoom(3);
    for (const auto& [change, make] : changes) {
        SCOPED_TRACE(change);
        make();
        const PageState before = state();
        TakenTextSurface drawn;
        m_view.OnDraw(drawn);
        ImageSurface image(Size{900, 900});
        m_view.OnDraw(image.Surface());
        m_view.viewport()->grab();
        EXPECT_EQ(state(), before);

        // The extent reaches past every text drawn, and no further than a margin beyond them.
        const Point reach = drawn.Reach();
        EXPECT_GE(before.total.cx, reach.x);
        EXPECT_GE(before.total.cy, reach.y);
        EXPECT_LE(before.total.cy, reach.y + 20);
        for (int m = 0; m < Tree().nLevel; ++m) ExpectRowInFrame(drawn, m_view.LevelRects()[m + 1]);
        for (int i = 0; i < Tree().nCount; ++i) ExpectRowInFrame(drawn, m_view.PeriodRects()[i]);
        const std::string note = Tree().strNote.empty() ? "" : " (" + Tree().strNote + ")";
        const auto* title = drawn.Find(Tree().strName + note);
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(m_view.LevelRects()[0].top, title->taken.top);
    }
}

TEST_F(DasaViewTest, TheCycleButtonsMoveTheDasaByWholeCycles) {
    const std::string first = Tree().period[0].StartDate();
    m_view.OnNextCycle();
    Draw();
    EXPECT_EQ(g_nDasaCycleOffset, 1);
    EXPECT_GT(Tree().period[0].StartDate(), first);
    m_view.OnBirthCycle();
    Draw();
    EXPECT_EQ(Tree().period[0].StartDate(), first);
}

TEST_F(DasaViewTest, ThePageAsTextListsTheChainAndTheShownLevel) {
    ClickPeriod(2);
    const std::string text = m_view.PageText(false);
    const CDasaPeriod& opened = Tree().running[0];
    const CDasaPeriod& first = Tree().period[0];
    EXPECT_EQ(text.rfind(Tree().strName, 0), 0u);
    EXPECT_NE(text.find("\n" + opened.Name() + ": " + opened.StartDate() + " - " + opened.EndDate() + "\n"),
              std::string::npos);
    EXPECT_NE(text.find("\n\n  Antardasas in this MD:\n"), std::string::npos);
    EXPECT_NE(text.find("\n  " + first.Name() + ": " + first.StartDate() + " - " + first.EndDate()),
              std::string::npos);
    EXPECT_NE(m_view.PageText(true).find(" (" + first.StartTime() + ") - "), std::string::npos);
}

TEST_F(DasaViewTest, SelectingADasaRemembersItsFamilyAndStartsAtTheTop) {
    ClickPeriod(1);
    m_view.SelectDasa(3);
    EXPECT_EQ(g_nNakshatraDasaToBeDisplayed, 3);
    EXPECT_EQ(Tree().nLevel, 0);
    EXPECT_EQ(Tree().nDasaCode, 3);
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaViewTest, QuickInfoCaptionsCutTheNameAfterDasa) {
    EXPECT_EQ(QuickInfoCaption("Vimsottari Dasa (of Moon)"), "Quick Info on Vimsottari Dasa");
    EXPECT_EQ(QuickInfoCaption("Chara dasa of Rasi"), "Quick Info on Chara dasa");
    EXPECT_EQ(QuickInfoCaption("Sudasa"), "Quick Info on Sudasa");
}

TEST_F(DasaViewTest, TheOptionsButtonShowsForDasasWithOptionsOnly) {
    EXPECT_TRUE(m_view.HasOptions());
    m_view.SelectDasa(63);
    EXPECT_FALSE(m_view.HasOptions());
    g_nSelectedDasa = kVimsottari;
}

TEST_F(DasaViewTest, TheReportPointerLeavesWithItsPageAndTheRegistryMakesThePages) {
    {
        CDasaView other;
        EXPECT_EQ(g_pDasaView, &other);
    }
    EXPECT_EQ(g_pDasaView, nullptr);
    RegisterPeriodViews();
    std::unique_ptr<QWidget> pane(CreatePaneOfClass("CDasaView", nullptr, nullptr));
    EXPECT_NE(dynamic_cast<CDasaView*>(pane.get()), nullptr);
}
} // namespace

// A step of the birth moment lists the periods of the stepped chart: the page equals one opened afresh
// on that chart, nothing kept from before the step.
TEST_F(DasaViewTest, AStepOfTheBirthMomentDrawsAsAPageOpenedOnTheSteppedChart) {
    ClickPeriod(2);
    const std::string before = m_view.PageText(true);
    const auto step = [](CTavroDoc& document) {
        CChart& natal = document.m_natalChart;
        ASSERT_TRUE(natal.SetFromJulianDay(natal.GetJulianDay() + 1.0 / 24, natal).ok());
        ASSERT_TRUE(document.Calculate(0).ok());
    };
    step(m_document);
    Update();
    const std::string stepped = m_view.PageText(true);

    CTavroDoc fresh;
    ASSERT_TRUE(fresh.ReadChartText(kChennaiChartText, "chennai.tvd").ok());
    step(fresh);
    fresh.m_dasaTree.nLevel = 1;
    fresh.m_dasaTree.nSelected = {2};
    CDasaView freshPage;
    freshPage.SetDocument(&fresh);
    freshPage.resize(900, 900);
    freshPage.OnInitialUpdate();
    ProbeSurface surface;
    freshPage.OnDraw(surface);
    EXPECT_EQ(stepped, freshPage.PageText(true));
    EXPECT_NE(stepped, before);
}

// Rows scrolled up pass under the button row: the row of "<", "|", ">", "Quick Info", "Options" and the
// status lines beside them looks as it does unscrolled, with nothing of a row between the buttons, and
// a click between two buttons opens no period that lies under them.
TEST_F(DasaViewTest, ScrolledRowsStayBelowTheButtonRow) {
    constexpr int kButtonRowBottom = 35; // pixels: the buttons' lower edge
    m_view.resize(640, 240);
    m_view.show();
    QApplication::processEvents();
    QScrollBar& bar = *m_view.verticalScrollBar();
    const QRect buttonRow(0, 0, m_view.viewport()->width(), kButtonRowBottom);
    const QImage top = m_view.viewport()->grab().toImage();
    const Rect under = m_view.PeriodRects()[2];
    ASSERT_GT(bar.maximum(), under.top);
    for (const int passing : {-15, -8, 0, 8, 15}) {
        SCOPED_TRACE(passing);
        bar.setValue(under.top - kButtonRowBottom / 2 + passing);
        const QImage scrolled = m_view.viewport()->grab().toImage();
        EXPECT_EQ(scrolled.copy(buttonRow), top.copy(buttonRow));
        // The rows did move up below the button row.
        const QRect rows(0, kButtonRowBottom + 5, scrolled.width(), scrolled.height() - kButtonRowBottom - 5);
        EXPECT_NE(scrolled.copy(rows), top.copy(rows));
        EXPECT_GT(DrawnShare(scrolled, rows), 0.01);
    }

    // Period 2 lies under the gap between "|" and ">".
    bar.setValue(under.top - 12);
    const QPoint gap(40, 22);
    ASSERT_EQ(m_view.viewport()->childAt(gap), nullptr);
    QMouseEvent release(QEvent::MouseButtonRelease, gap, m_view.viewport()->mapToGlobal(gap), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_view.viewport(), &release);
    EXPECT_EQ(Tree().nLevel, 0);
}
