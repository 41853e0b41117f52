// The chakra frame's layout from the window's size: side, square, extent and the cap on the side.
#include <gtest/gtest.h>

#include "views/chakras/chakra_layout.h"

namespace {
struct LayoutCase {
    Size window;
    Rect square;
    Size extent;
};

TEST(ChakraLayout, SquareAndExtentFollowTheWindow) {
    const LayoutCase cases[] = {
        // Width 400: side 378 from the width, scale 1.05, margin 10, D 376 (a multiple of 4).
        {{400, 1000}, {10, 10, 386, 386}, {396, 396}},
        // Height 400: side 378 from the height.
        {{1000, 400}, {10, 10, 386, 386}, {396, 396}},
        // 845 pixels each way: side 800; larger windows keep it.
        {{845, 845}, {22, 22, 822, 822}, {844, 844}},
        {{3000, 2000}, {22, 22, 822, 822}, {844, 844}},
        // A very short pane: the figure and its margins, nothing to scroll over below them.
        {{800, 100}, {2, 2, 94, 94}, {96, 96}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.window.cx << " x " << c.window.cy);
        const ChakraLayout layout = CalcChakraLayout(c.window);
        EXPECT_EQ(layout.square, c.square);
        EXPECT_EQ(layout.extent, c.extent);
        EXPECT_EQ(layout.background,
                  (Rect{0, 0, std::max(c.window.cx, c.extent.cx), std::max(c.window.cy, c.extent.cy)}));
    }
    EXPECT_DOUBLE_EQ(CalcChakraLayout({400, 1000}).scale, 1.05);
}

TEST(ChakraLayout, TheSquareNeverExceeds800Pixels) {
    for (int side = 100; side <= 4000; side += 37) {
        const ChakraLayout layout = CalcChakraLayout({side, side + 13});
        EXPECT_LE(layout.square.Width(), kChakraMaxSide) << side;
        EXPECT_EQ(layout.square.Width() % 4, 0) << side;
    }
}

// The Surya Kalanala figure is 7/6 of its side wide: the whole figure lies within the window and the
// scroll extent covers it, however the window is shaped.
TEST(ChakraLayout, TheWideFigureFitsTheWindowAndTheExtentCoversIt) {
    const Size windows[] = {{400, 1000}, {1000, 400}, {600, 600}, {700, 620}, {1200, 900}, {2500, 2500}, {300, 200}};
    for (const Size& window : windows) {
        SCOPED_TRACE(testing::Message() << window.cx << " x " << window.cy);
        const ChakraLayout layout = CalcWideChakraLayout(window);
        EXPECT_LE(layout.square.right, window.cx);
        EXPECT_LE(layout.square.bottom, window.cy);
        EXPECT_EQ(layout.square.Width(), layout.square.Height() * 7 / 6);
        EXPECT_GE(layout.extent.cx, layout.square.right + layout.square.left);
        EXPECT_GE(layout.extent.cy, layout.square.bottom + layout.square.top);
        EXPECT_LE(layout.square.Height(), kChakraMaxSide);
    }
    // A tall narrow window: the side follows 6/7 of 18/19 of the width (324), not 18/19 of it (378),
    // which would make the figure 441 pixels wide in a window of 400.
    const ChakraLayout narrow = CalcWideChakraLayout({400, 1000});
    EXPECT_EQ(narrow.square, (Rect{9, 9, 387, 333}));
    EXPECT_EQ(narrow.extent, (Size{396, 342}));
}

TEST(ChakraLayout, AHeadingBandMovesTheSquareDown) {
    const ChakraLayout layout = CalcChakraLayoutBelowBand({400, 1024}, 24);
    EXPECT_EQ(layout.square, (Rect{10, 34, 386, 410}));
    EXPECT_EQ(layout.extent, (Size{396, 420}));
}
} // namespace
