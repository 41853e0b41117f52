#pragma once
// Process-wide drawing factors and flags that the print, bitmap-capture and view code set before drawing
// and restore afterwards; every styled text and chart figure reads them. The drawing scales and
// g_bPrinting are kept with the display options.
#include "shell/display_options.h"

extern bool g_bScaledCapture; // a bitmap at a changed resolution: fonts are scaled, rectangles are not
extern bool g_bPrintInBlack;  // a view is printed in black: every styled text is near-black

// Colour of every styled text while g_bPrintInBlack is set.
inline constexpr unsigned kPrintInBlackColor = 0x0A0A0A;
