// Geometry of the chart views, without a window: pane layout, cell polygons and their hit tests.
#include <gtest/gtest.h>

#include "display/chart_cells.h"
#include "display/chart_layout.h"
#include "display/polygon_region.h"

namespace {

struct LayoutCase {
    int width, height, panes;
    bool wide;
    int pane;
    Rect expected;
    Size total;
};

TEST(ChartPaneLayout, GridsOfTheWindowSizes) {
    const LayoutCase kCases[] = {
        {1000, 700, 12, true, 5, {236, 236, 466, 466}, {926, 696}},
        {1000, 700, 2, false, 1, {9, 354, 345, 690}, {354, 699}},
        // A side of 227 is cut to a multiple of 4.
        {1000, 710, 12, true, 0, {6, 6, 236, 236}, {926, 696}},
    };
    for (const LayoutCase& c : kCases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " panes " +
                     std::to_string(c.panes));
        const ChartPaneLayout layout = LayOutChartPanes(c.width, c.height, c.panes, c.wide);
        EXPECT_EQ(layout.panes[c.pane], c.expected);
        EXPECT_EQ(layout.total, c.total);
    }
    EXPECT_NEAR(LayOutChartPanes(1000, 700, 12, true).scale, 224.0 / 360, 1e-12);
    EXPECT_EQ(LayOutChartPanes(1000, 710, 12, true).side, 224);
    // Six panes stand 2 x 3 beside another pane and 3 x 2 on a whole page.
    EXPECT_EQ(LayOutChartPanes(1000, 700, 6, false).columns, 2);
    EXPECT_EQ(LayOutChartPanes(1000, 700, 6, true).columns, 3);
}

TEST(MixedChartLayout, SouthAreaOfA380By500Window) {
    const MixedChartLayout layout = LayOutMixedChart(380, 500, 0, 30);
    EXPECT_DOUBLE_EQ(layout.scale, 1.0);
    EXPECT_EQ(layout.area, (Rect{10, 10, 370, 370}));
    EXPECT_EQ(layout.inner, (Rect{55, 55, 325, 325}));
}

// The scroll size is the chart with its margins, which the window holds: no scroll bar while it fits.
TEST(MixedChartLayout, TheChartFitsItsWindowWithoutScrolling) {
    const Size windows[] = {{380, 500}, {500, 380}, {900, 700}, {700, 900}, {1200, 1000}, {240, 600}};
    for (const Size window : windows) {
        for (int style = 0; style <= 4; ++style) {
            SCOPED_TRACE(testing::Message() << window.cx << " x " << window.cy << ", style " << style);
            const MixedChartLayout layout = LayOutMixedChart(window.cx, window.cy, style, 20);
            EXPECT_LE(layout.total.cx, window.cx);
            EXPECT_LE(layout.total.cy, window.cy);
            EXPECT_GE(layout.total.cx, layout.area.right);
            EXPECT_GE(layout.total.cy, layout.area.bottom);
        }
    }
}

TEST(PolygonRegion, TriangleContainsItsBoundaryOnly) {
    CPolygonRegion triangle;
    triangle.SetPoints({{0, 0}, {100, 0}, {50, 50}});
    for (Point p : {Point{0, 0}, Point{100, 0}, Point{50, 50}, Point{50, 0}, Point{25, 25}, Point{50, 20}})
        EXPECT_TRUE(triangle.ContainsPoint(p.x, p.y)) << p.x << "," << p.y;
    for (Point p : {Point{50, -1}, Point{24, 26}, Point{76, 26}, Point{50, 51}})
        EXPECT_FALSE(triangle.ContainsPoint(p.x, p.y)) << p.x << "," << p.y;
}

TEST(PolygonRegion, FullRegionIsTestedWithinItsOwnVertices) {
    // A convex polygon of all 20 vertices: the hit test closes it without writing past the last one.
    CPolygonRegion region;
    region.SetPoints({{10, 0},  {20, 1},  {28, 4},  {34, 9},  {38, 15}, {40, 22}, {40, 30},
                      {38, 37}, {34, 43}, {28, 48}, {20, 50}, {10, 50}, {4, 47},  {1, 42},
                      {0, 35},  {0, 25},  {0, 15},  {1, 9},   {3, 4},   {6, 1}});
    ASSERT_EQ(region.Count(), CPolygonRegion::kCapacity);
    EXPECT_TRUE(region.ContainsPoint(20, 25));
    EXPECT_FALSE(region.ContainsPoint(39, 48));
    EXPECT_EQ(region[19], (Point{6, 1}));
}

TEST(NorthIndianCell, ShapesOfARectangle) {
    CPolygonRegion diamond;
    CalcNorthIndianCell(diamond, 0, 0, 0, 101, 51);
    ASSERT_EQ(diamond.Count(), 4);
    EXPECT_EQ(diamond[0], (Point{50, 0}));
    EXPECT_EQ(diamond[1], (Point{101, 25}));
    EXPECT_EQ(diamond[2], (Point{50, 51}));
    EXPECT_EQ(diamond[3], (Point{0, 25}));
    CPolygonRegion unchanged = diamond;
    CalcNorthIndianCell(unchanged, 5, 0, 0, 10, 10);
    EXPECT_EQ(unchanged.Count(), 4);
    EXPECT_EQ(unchanged[0], diamond[0]);
}

TEST(ChartCells, SignsStandWhereEachStylePutsThem) {
    const Rect square{0, 0, 400, 400};
    // South Indian: Pisces, Aries, Taurus, Gemini along the top row; mirrored: Gemini .. Pisces.
    EXPECT_EQ(SouthSignCell(square, 11, true).left, 0);
    EXPECT_EQ(SouthSignCell(square, 0, true).left, 100);
    EXPECT_EQ(SouthSignCell(square, 2, true).left, 300);
    EXPECT_EQ(SouthSignCell(square, 2, false).left, 0);
    EXPECT_EQ(SouthSignCell(square, 11, false).left, 300);
    EXPECT_EQ(SouthSignCell(square, 5, true).top, 300);
    // North Indian, lagna Aries: Aries in the top diamond, Taurus top-left, Cancer left, Capricorn right.
    EXPECT_EQ(NorthHousePosition(0, 0, 0), 0);
    EXPECT_EQ(NorthHousePosition(1, 0, 0), 1);
    EXPECT_EQ(NorthHousePosition(3, 0, 0), 3);
    EXPECT_EQ(NorthHousePosition(9, 0, 0), 9);
    EXPECT_EQ(NorthCellRect(square, 3), (Rect{0, 100, 200, 300}));
    // Turned so that the sign in the 5th house (Leo) takes the top diamond.
    EXPECT_EQ(NorthHousePosition(4, 0, 4), 0);
    // East Indian: Aries top middle, Cancer left middle, Libra bottom middle, Capricorn right middle.
    EXPECT_EQ(EastGridSquare(square, 0), (Rect{133, 0, 266, 133}));
    EXPECT_EQ(EastGridSquare(square, 3).left, 0);
    EXPECT_EQ(EastGridSquare(square, 6).top, 266);
    EXPECT_EQ(EastGridSquare(square, 9).left, 266);
}

} // namespace
