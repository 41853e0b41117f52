#include "views/chakras/chakra_layout.h"

#include <algorithm>

#include "display/styled_text.h"
#include "shell/display_fonts.h"

namespace {
constexpr int kScaleSpan = 360;       // the side is measured in 360 figure units
constexpr int kMarginUnits = 10;      // the margin around the figure, figure units
constexpr double kFontScale = 0.5;    // the fonts grow half as fast as the figure

// Width / height of the figure: 1 for the square chakras, 7/6 for the Surya Kalanala chakra.
struct Aspect {
    int across;
    int down;
};

ChakraLayout LayOut(Size window, int side, Aspect aspect, int band = 0) {
    side = std::min(side, kChakraMaxSide);
    ChakraLayout layout;
    layout.scale = static_cast<double>(side) / kScaleSpan;
    const int margin = static_cast<int>(layout.scale * kMarginUnits);
    const int d = static_cast<int>(layout.scale * kScaleSpan) / 4 * 4;
    const int width = d * aspect.across / aspect.down;
    layout.square = Rect{margin, band + margin, margin + width, band + margin + d};
    // The figure with its margins: the pane scrolls as far as the figure reaches and no further.
    layout.extent = Size{width + 2 * margin, band + d + 2 * margin};
    layout.background = Rect{0, 0, std::max(window.cx, layout.extent.cx), std::max(window.cy, layout.extent.cy)};
    const double fontScale = layout.scale * kFontScale;
    layout.label = ScaledFont(g_displayFonts[0], fontScale, fontScale, fontScale);
    // The chart-language font at its record's size (the chart drawings enlarge it further; the
    // chakras' label slots are laid out for the record's size).
    const double zoom = g_dFontSizeFactors[std::clamp(g_nFontSizeSelection, 0, kFontSizeSteps - 1)];
    layout.body = ScaledFont(g_displayFontDefaults[1], fontScale * zoom, fontScale * zoom, fontScale);
    return layout;
}
} // namespace

ChakraLayout CalcChakraLayout(Size window) {
    int side = window.cy * 18 / 19;
    if (side > window.cx * 18 / 19) side = window.cx * 18 / 19;
    return LayOut(window, side, Aspect{1, 1});
}

ChakraLayout CalcChakraLayoutBelowBand(Size window, int band) {
    const int height = std::max(window.cy - band, 0);
    const int side = std::min(height * 18 / 19, window.cx * 18 / 19);
    return LayOut(window, side, Aspect{1, 1}, band);
}

ChakraLayout CalcWideChakraLayout(Size window) {
    constexpr Aspect kWide{7, 6};
    // 18/19 of the width holds the figure, 7/6 of the side: the side is 18/19 x 6/7 of the width.
    const int side = std::min(window.cy * 18 / 19, window.cx * 18 * kWide.down / (19 * kWide.across));
    return LayOut(window, side, kWide);
}
