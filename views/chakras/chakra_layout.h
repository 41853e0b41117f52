#pragma once
// Where a chakra figure goes in its pane: the square (or, for the Surya Kalanala chakra, the wider
// rectangle) that follows the window's size, the drawing scale, the scroll extent and the two fonts the
// chakras write with. All sizes are pixels of the pane (device units of the drawing surface).
#include "platform/geometry.h"
#include "platform/logical_font.h"

// The largest side of a chakra square, pixels: the figure stops growing with the window there.
inline constexpr int kChakraMaxSide = 800;

struct ChakraLayout {
    Size extent;       // the scroll extent: the figure with its margins
    Rect background;   // from (0, 0) to the window, widened to the extent where the window is smaller
    Rect square;       // the figure's drawing area
    double scale = 0;  // the side before rounding, divided by 360
    LogicalFont label; // display font 0 (the label font) scaled by scale x 0.5
    LogicalFont body;  // display font 1 (the chart-language font) at its record's size times the zoom,
                       // scaled by scale x 0.5
};

// The square chakras: the side is 18/19 of the window's smaller dimension (at most 800), the square
// side D that side rounded down to a multiple of 4, a margin of side/36 around it.
ChakraLayout CalcChakraLayout(Size window);

// A square chakra with a band of `band` pixels above it for a heading: laid out as CalcChakraLayout in
// the window less the band, and moved down below it.
ChakraLayout CalcChakraLayoutBelowBand(Size window, int band);

// The Surya Kalanala chakra, a figure 7/6 of its side wide: the side is chosen so that the whole
// figure takes at most 18/19 of the window's width and the side at most 18/19 of its height (and 800);
// the drawing area is 7/6 D wide and D high, and the scroll extent's width covers it.
ChakraLayout CalcWideChakraLayout(Size window);
