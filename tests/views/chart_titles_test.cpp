// The titles of the charts of the Basics and Many Vargas tabs (each chart's title and its varga's name and
// label; twelve charts a tab, six on the smallest screen) in the South, North and East Indian styles, at
// the font size a window starts with and at each larger one the user steps to with "Use bigger fonts" (A+),
// with the window at its size on a 1024 x 768, a 1366 x 768 and a 1600 x 1000 screen: no title runs into
// another, each stays within its chart's width, and each stays legible.
#include <sstream>

#include "../display/chart_label_census.h"
#include "main_window_test.h"
#include "shell/layout_table.h"

namespace {

struct DrawnTitle {
    const LabelLayoutSurface::Text* text;
    Rect chart;
};

// The texts of `drawn` that stand in a chart of `view` outside its twelve cells, each with its chart's
// square.
std::vector<DrawnTitle> ChartTitles(CChartView& view, const LabelLayoutSurface& drawn) {
    std::vector<DrawnTitle> titles;
    for (const int pane : DrawnPanes(view)) {
        const Rect chart = view.PaneRect(pane);
        for (const LabelLayoutSurface::Text& text : drawn.texts) {
            const int x = static_cast<int>(std::lround(text.ink.center().x()));
            const int y = static_cast<int>(std::lround(text.ink.center().y()));
            if (x < chart.left || x >= chart.right || y < chart.top || y >= chart.bottom) continue;
            bool inCell = false;
            for (int sign = 0; sign < 12 && !inCell; ++sign)
                inCell = view.DrawState().Region(pane, sign).ContainsPoint(x, y);
            if (!inCell) titles.push_back({&text, chart});
        }
    }
    return titles;
}

std::string At(const LabelLayoutSurface::Text& text) {
    std::ostringstream at;
    at << '"' << text.text << "\" at " << text.ink.left() << "," << text.ink.top() << "-" << text.ink.right()
       << "," << text.ink.bottom();
    return at.str();
}

// Every title of `titles` that meets another, reaches past its chart's sides or is drawn too small to read,
// one line each.
std::vector<std::string> TitleFaults(const std::vector<DrawnTitle>& titles) {
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const LabelLayoutSurface::Text& t = *titles[i].text;
        if (t.ink.left() < titles[i].chart.left || t.ink.right() > titles[i].chart.right)
            faults.push_back(At(t) + " reaches past its chart's sides " +
                             std::to_string(titles[i].chart.left) + "-" +
                             std::to_string(titles[i].chart.right));
        if (t.fontHeight < kLegibleHeight)
            faults.push_back(At(t) + " is " + std::to_string(t.fontHeight) + " px");
        for (std::size_t j = i + 1; j < titles.size(); ++j) {
            const QRectF common = t.ink.intersected(titles[j].text->ink);
            if (common.width() > 0 && common.height() > 0)
                faults.push_back(At(t) + " over " + At(*titles[j].text));
        }
    }
    return faults;
}

class ChartTitlesTest : public MainWindowTest {};

TEST_F(ChartTitlesTest, NoChartTitleRunsIntoAnotherAtAnyFontSize) {
    constexpr int kPressesToTheLargest = 4; // from "Standard" to "Biggest"
    const MainWindowScreen screens[] = {{{1024, 768}, QSize(1024, 743)}, kSmallScreen, kLargeScreen};
    for (const MainWindowScreen& screen : screens) {
        Start(screen);
        for (const int style : kChartStyles) {
            ChooseChartStyle(style);
            for (int pressed = 0; pressed <= kPressesToTheLargest; ++pressed) {
                if (pressed > 0) ChangeFontSize(1);
                for (const unsigned id : {kBasicsChartNode, unsigned{kNodeManyVargas}}) {
                    SCOPED_TRACE(testing::Message() << "window " << screen.window.width() << " x "
                                                    << screen.window.height() << ", style " << style
                                                    << ", A+ pressed " << pressed << " times, node " << id);
                    CChartView* view = ShowChartView(id);
                    ASSERT_NE(view, nullptr);
                    LabelLayoutSurface drawn;
                    view->OnDraw(drawn);
                    const std::vector<DrawnTitle> titles = ChartTitles(*view, drawn);
                    EXPECT_GE(titles.size(), 2 * DrawnPanes(*view).size());
                    EXPECT_EQ(TitleFaults(titles), std::vector<std::string>{});
                }
            }
            ChangeFontSize(-kPressesToTheLargest);
        }
    }
}

} // namespace
