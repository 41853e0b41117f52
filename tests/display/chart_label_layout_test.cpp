// The labels of the chart views at the pane sizes a 1366 x 768 screen gives them: every text is drawn at
// a legible size, no two texts' letters meet, and no line of the figure (nor the mixed view's ring
// border) runs through a text.
#include <gtest/gtest.h>

#include <QApplication>
#include <sstream>

#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display_test_support.h"
#include "label_layout_surface.h"

namespace {

constexpr int kLegibleHeight = 7; // pixels, the cell height of a font

// Every fault of the layout, one line each.
std::vector<std::string> LayoutFaults(const LabelLayoutSurface& surface) {
    std::vector<std::string> faults;
    const auto& texts = surface.texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const LabelLayoutSurface::Text& t = texts[i];
        std::ostringstream at;
        at << '"' << t.text << "\" at " << t.letters.left() << "," << t.letters.top();
        if (t.fontHeight < kLegibleHeight)
            faults.push_back(at.str() + " is " + std::to_string(t.fontHeight) + " px");
        for (const LabelLayoutSurface::Stroke& s : surface.strokes)
            if (StrokeCrosses(s, t.letters)) {
                std::ostringstream line;
                line << at.str() << " crossed by the line " << s.from.x << "," << s.from.y << "-" << s.to.x
                     << "," << s.to.y;
                faults.push_back(line.str());
                break;
            }
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (t.letters.adjusted(1, 1, -1, -1).intersects(texts[j].letters.adjusted(1, 1, -1, -1)))
                faults.push_back(at.str() + " over \"" + texts[j].text + "\"");
    }
    return faults;
}

// The view shown with its viewport at `size`, as the tab lays it out, and initialised.
void ShowAtSize(CChartView& view, Size size) {
    view.show();
    view.resize(size.cx, size.cy);
    QApplication::processEvents();
    view.OnInitialUpdate();
}

class ChartLabelLayoutTest : public DisplayTest {};

// The twelve panes of a split tab (the Basics tab's chart view, 415 x 640 pixels), in every style.
TEST_F(ChartLabelLayoutTest, TwelvePanesOfASplitTabStayLegibleAndClear) {
    g_nChartPaneCount = 12;
    g_bPackedChartMode = true;
    for (const int style : {0, 2, 4}) {
        SCOPED_TRACE("style " + std::to_string(style));
        g_nChartStyle = style;
        CChartView view;
        ShowAtSize(view, Size{415, 640});
        LabelLayoutSurface surface;
        view.OnDraw(surface);
        EXPECT_EQ(LayoutFaults(surface), std::vector<std::string>{});
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
            EXPECT_EQ(LayoutFaults(surface), std::vector<std::string>{});
        }
    }
}

} // namespace
