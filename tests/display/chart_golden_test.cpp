// One chart of a fixed birth in each style, rendered offscreen and compared with the checked-in images.
// Anti-aliasing may differ by a few pixels; a label in the wrong place changes far more. With
// KH_UPDATE_GOLDEN set the images are written into the source tree instead (look at them first).
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

#include "display/chart_colors.h"
#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display_test_support.h"
#include "platform/painter_surface.h"

namespace {

constexpr int kSide = 480;                // pixels of each image
constexpr int kChannelTolerance = 96;     // a pixel differs when a channel moves further than this
constexpr int kDifferingPixelLimit = 120; // a misplaced two-letter label differs in several hundred

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

int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance)
                ++differing;
        }
    }
    return differing;
}

void CompareWithGolden(const QImage& rendered, const std::string& name) {
    const QString golden = QString(KH_GOLDEN_DIR) + "/" + QString::fromStdString(name) + ".png";
    rendered.save(QString(KH_TEST_OUTPUT_DIR) + "/" + QString::fromStdString(name) + ".png");
    if (std::getenv("KH_UPDATE_GOLDEN")) {
        ASSERT_TRUE(rendered.save(golden));
        return;
    }
    const QImage expected(golden);
    ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
    ASSERT_EQ(expected.size(), rendered.size());
    EXPECT_LE(DifferingPixels(expected.convertToFormat(QImage::Format_RGB32),
                              rendered.convertToFormat(QImage::Format_RGB32)),
              kDifferingPixelLimit)
        << name;
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
