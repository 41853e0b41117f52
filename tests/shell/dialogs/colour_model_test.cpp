// The colour picker's HLS model.
#include "shell/dialogs/colour_model.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourModel, RgbToHlsOfPrimariesAndGreys) {
    const struct {
        ColorRef colour;
        double h, l, s;
    } cases[] = {
        {0x0000FF, 0, 0.5, 1},         // red
        {0x00FF00, 1.0 / 3, 0.5, 1},   // green
        {0xFF0000, 2.0 / 3, 0.5, 1},   // blue
        {0xFFFFFF, 0, 1, 0},           // white
        {0x000000, 0, 0, 0},           // black
        {0x808080, 0, 128 / 255.0, 0}, // grey
        {0xFF00FF, 5.0 / 6, 0.5, 1},   // magenta: the hue wraps past 1
        {0x000080, 0, 64 / 255.0, 1},  // dark red: lightness below one half
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.colour);
        double h = -1, s = -1, l = -1;
        RgbToHls(c.colour, &h, &s, &l);
        EXPECT_NEAR(h, c.h, 1e-12);
        EXPECT_NEAR(l, c.l, 1e-12);
        EXPECT_NEAR(s, c.s, 1e-12);
    }
}

TEST(ColourModel, HlsToRgbGivesTheColourBack) {
    for (ColorRef colour : {0x0000FFu, 0x00FF00u, 0xFF0000u, 0xFFFFFFu, 0x000000u, 0xFF00FFu, 0x00FFFFu}) {
        SCOPED_TRACE(testing::Message() << std::hex << colour);
        double h, s, l;
        RgbToHls(colour, &h, &s, &l);
        EXPECT_EQ(HlsToRgb(h, l, s), colour);
    }
    // Channels are truncated: a mid grey of lightness 0.5 is 127.
    EXPECT_EQ(HlsToRgb(0.3, 0.5, 0), 0x7F7F7Fu);
}

TEST(ColourModel, HueToRgbWrapsTheHue) {
    EXPECT_DOUBLE_EQ(HueToRgb(0, 1, -0.9), HueToRgb(0, 1, 0.1));
    EXPECT_DOUBLE_EQ(HueToRgb(0, 1, 1.3), HueToRgb(0, 1, 0.3));
    EXPECT_DOUBLE_EQ(HueToRgb(0, 1, 0.4), 1);
    EXPECT_DOUBLE_EQ(HueToRgb(0, 1, 0.9), 0);
}

} // namespace
