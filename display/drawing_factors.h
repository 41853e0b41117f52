#pragma once
// Process-wide drawing factors and flags that the print, bitmap-capture and view code set before drawing
// and restore afterwards; every styled text and chart figure reads them.

// Horizontal factor (font widths, rectangle left and right) and vertical factor (font heights, rectangle
// top and bottom): device units of the target per unit the views lay themselves out in.
extern double g_dDrawScaleX;
extern double g_dDrawScaleY;
extern bool g_bPrinting;      // a print job draws: texts, rectangles and figures are scaled
extern bool g_bScaledCapture; // a bitmap at a changed resolution: fonts are scaled, rectangles are not
extern bool g_bPrintInBlack;  // a view is printed in black: every styled text is near-black

// Colour of every styled text while g_bPrintInBlack is set.
inline constexpr unsigned kPrintInBlackColor = 0x0A0A0A;
