// One chart of a fixed birth in each style, rendered offscreen and compared with the checked-in images.
#include <QImage>
#include <gtest/gtest.h>

#include "../golden_image.h"
#include "display/chart_colors.h"
#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display_test_support.h"
#include "platform/painter_surface.h"

namespace {

constexpr int kSide = 480; // pixels of each image

QImage RenderPane(int style) {
    g_nChartStyle = style;
    g_nChartPaneCount = 2;
    g_bPackedChartMode = true;
    g_nPaneVarga[0] = 0;
    CChartView view;
    view.OnInitialUpdate();
    // Two panes in a window this size are 460 pixels square.
    view.RecalcLayout(Size{486, 1000});
    const Rect pane = view.PaneRect(0);
    ImageSurface image(Size{kSide, kSide});
    image.Surface().FillRect(Rect{0, 0, kSide, kSide}, ColorOf(kColorChartViewFrame));
    view.DrawChart(image.Surface(), Rect{10, 10, 10 + pane.Width(), 10 + pane.Height()}, 0, FixedBirthChart(),
                   0, true);
    return image.Image();
}

QImage RenderMixedNorth() {
    g_nChartStyle = 2;
    CMixedChartView view;
    view.resize(kSide, kSide);
    view.OnInitialUpdate();
    ImageSurface image(Size{kSide, kSide});
    view.OnDraw(image.Surface());
    return image.Image();
}

class ChartGoldenTest : public DisplayTest {};

TEST_F(ChartGoldenTest, SouthIndian) {
    CompareWithGolden(RenderPane(0), "south_indian");
}

TEST_F(ChartGoldenTest, NorthIndian) {
    CompareWithGolden(RenderPane(2), "north_indian");
}

TEST_F(ChartGoldenTest, EastIndian) {
    CompareWithGolden(RenderPane(4), "east_indian");
}

TEST_F(ChartGoldenTest, MixedNorthIndian) {
    CompareWithGolden(RenderMixedNorth(), "mixed_north_indian");
}

} // namespace
