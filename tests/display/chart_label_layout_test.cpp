// The labels of the chart views at the pane sizes a 1366 x 768 screen gives them: every body label is
// drawn in its sign's cell, every text at a legible size (a lesser label at its own lower floor), and no
// two texts' letters meet nor does a line of the figure (nor the mixed view's ring border) run through a
// text, unless a label with no clear place was lowered to the crowded height first.
#include <gtest/gtest.h>

#include <QApplication>

#include "chart_label_census.h"
#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display_test_support.h"

namespace {

// The view shown with its viewport at `size`, as the tab lays it out, and initialised.
void ShowAtSize(CChartView& view, Size size) {
    view.show();
    view.resize(size.cx, size.cy);
    QApplication::processEvents();
    view.OnInitialUpdate();
}

class ChartLabelLayoutTest : public DisplayTest {};

// The twelve panes of the Basics tab's chart view, as a 1366 x 768 screen (415 x 640 pixels) and a
// 1600 x 1000 one (571 x 870) give it, in every style.
TEST_F(ChartLabelLayoutTest, TwelvePanesOfASplitTabStayLegibleAndClear) {
    g_nChartPaneCount = 12;
    g_bPackedChartMode = true;
    for (const Size size : {Size{415, 640}, Size{571, 870}}) {
        for (const int style : {0, 2, 4}) {
            SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy << ", style " << style);
            g_nChartStyle = style;
            CChartView view;
            ShowAtSize(view, size);
            LabelLayoutSurface surface;
            view.OnDraw(surface);
            EXPECT_EQ(MissingLabels(view, DrawnPanes(view), surface), std::vector<std::string>{});
            EXPECT_EQ(LayoutFaults(surface, TextSpacing::kLettersMayTouch, Crowded::kMayMeetTextsAndLines,
                                   LesserLabels::kMayGoLower),
                      std::vector<std::string>{});
            EXPECT_EQ(CondensedLabels(surface), std::vector<std::string>{});
        }
    }
}

// The mixed view as the Chakras tab shows it (685 x 605) and as the Progressions pane does (230 x 235).
TEST_F(ChartLabelLayoutTest, MixedChartsKeepEachRingsLabelsInsideIt) {
    for (const Size size : {Size{685, 605}, Size{480, 480}, Size{230, 235}}) {
        for (const int style : {0, 2, 4}) {
            SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy << ", style " << style);
            g_nChartStyle = style;
            CMixedChartView view;
            ShowAtSize(view, size);
            LabelLayoutSurface surface;
            view.OnDraw(surface);
            EXPECT_EQ(MissingLabels(view, DrawnPanes(view), surface), std::vector<std::string>{});
            EXPECT_EQ(LayoutFaults(surface, TextSpacing::kLettersMayTouch, Crowded::kMayMeetTextsAndLines,
                                   LesserLabels::kMayGoLower),
                      std::vector<std::string>{});
        }
    }
}

} // namespace
