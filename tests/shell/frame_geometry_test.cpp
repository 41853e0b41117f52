// Default pane sizes from the desktop, the display-size flags and the cascade rectangles.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/display_options.h"
#include "shell/frame_geometry.h"

namespace {

const WindowSizeRecord& Record(const std::array<WindowSizeRecord, kWindowSizeCount>& sizes,
                               const char* name) {
    for (const auto& r : sizes)
        if (std::strcmp(r.name, name) == 0) return r;
    ADD_FAILURE() << name;
    return sizes[0];
}

struct FlagsGuard {
    bool more = g_bMoreChartsOnBigDisplay;
    ~FlagsGuard() { g_bMoreChartsOnBigDisplay = more; }
};

TEST(DefaultWindowSizes, WideDisplayStartsAt1281Pixels) {
    FlagsGuard guard;
    g_bMoreChartsOnBigDisplay = true;
    auto sizes = g_windowSizes;
    // 1280 x 1024: h = 864, chart height 864 x 0.50666 = 437, chart width min(576, 437).
    ComputeDefaultWindowSizes(sizes, Rect{0, 0, 1280, 1024});
    EXPECT_FALSE(g_bWideDisplay);
    EXPECT_FALSE(g_bMoreChartsOnWideDisplay);
    EXPECT_EQ(Record(sizes, "WndSzBasicCht").cx, 437);
    EXPECT_EQ(Record(sizes, "WndSzBasicFull").cx, 1280 - 437);
    // 1281 x 1024: chart height 864 x 0.68 = 587, chart width min(576, 587).
    ComputeDefaultWindowSizes(sizes, Rect{0, 0, 1281, 1024});
    EXPECT_TRUE(g_bWideDisplay);
    EXPECT_TRUE(g_bMoreChartsOnWideDisplay);
    EXPECT_EQ(Record(sizes, "WndSzBasicCht").cx, 576);

    g_bMoreChartsOnBigDisplay = false;
    ComputeDefaultWindowSizes(sizes, Rect{0, 0, 1281, 1024});
    EXPECT_TRUE(g_bWideDisplay);
    EXPECT_FALSE(g_bMoreChartsOnWideDisplay);
    EXPECT_EQ(Record(sizes, "WndSzBasicCht").cx, 437);
}

TEST(DefaultWindowSizes, PanesTakeTheirSharesOfTheRest) {
    FlagsGuard guard;
    g_bMoreChartsOnBigDisplay = true;
    auto sizes = g_windowSizes;
    // 1920 x 1080 at (10, 20): h = 920, chart height 625, chart width min(864, 625) = 625, rest 1295.
    ComputeDefaultWindowSizes(sizes, Rect{10, 20, 1930, 1100});
    struct Case {
        const char* name;
        int cx, cy;
    };
    const Case cases[] = {
        {"WndSzClientOffset", 10, 20}, {"WndSzClient", 1920, 1080},  {"WndSzMixedCht", 960, 920},
        {"WndSzMiscCht", 625, 920},    {"WndSzDasaFull", 1295, 920}, {"WndSzBasicCalc", 1295, 404},
        {"WndSzBasicKey", 582, 515},   {"WndSzBasicAV", 712, 515},   {"WndSzStrenYogas", 1295, 487},
        {"WndSzTransCore", 479, 377},  {"WndSzTransSpl4", 738, 441}, {"WndSzMundForm", 1295, 533},
        {"WndSzProgMixed", 777, 368},  {"WndSzAngretAV", 673, 506},  {"WndSzTranResView", 1295, 690},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Record(sizes, c.name).cx, c.cx);
        EXPECT_EQ(Record(sizes, c.name).cy, c.cy);
    }
}

TEST(CascadeRects, QuartersWithFourPixelMargins) {
    const auto rects = ComputeCascadeRects(100, 50, 801, 601);
    EXPECT_EQ(rects[0], (Rect{104, 54, 496, 346}));
    EXPECT_EQ(rects[1], (Rect{104, 354, 496, 647}));
    EXPECT_EQ(rects[2], (Rect{504, 54, 897, 346}));
    EXPECT_EQ(rects[3], (Rect{504, 354, 897, 647}));
}

} // namespace
