#pragma once
// The main frame's sizes in pixels: default pane sizes from the desktop, the display-size flags, and
// the four cascade rectangles in which extra frame windows open.
#include <array>

#include "platform/geometry.h"
#include "shell/window_sizes.h"

constexpr int kWideDisplayWidth = 1281; // a display at least this wide shows more chart panes

// Fills every record from the desktop rectangle (pixels) and sets g_bWideDisplay and
// g_bMoreChartsOnWideDisplay from its width.
void ComputeDefaultWindowSizes(std::array<WindowSizeRecord, kWindowSizeCount>& sizes, const Rect& desktop);

// Sets the display-size flags from the saved frame width (record 1) when sizes were saved.
void SetDisplayFlagsFromSavedSizes();

// The quarters of the frame rectangle (left x, top y, width cx, height cy, pixels) with 4-pixel
// margins, in the order top-left, bottom-left, top-right, bottom-right.
std::array<Rect, 4> ComputeCascadeRects(int x, int y, int cx, int cy);

// Screen pixels; the main frame keeps them over its client area below the menu bar, and each holds
// a whole extra frame, title bar included.
extern std::array<Rect, 4> g_rcCascade;
extern int g_nCascadeSlot;              // the rectangle the next extra frame takes: 0, 1, 2, 3, 0 ...

// Where an extra frame whose client area should be `client` goes so that the whole frame, with its
// decorations (`decoration`: the frame's extra pixels on the left, top, right and bottom), lies inside
// `available` (the screen's area without panels): the frame rectangle moved inside, shrunk where it is
// larger. Returns the frame rectangle, decorations included (screen pixels).
Rect FrameRectInside(const Rect& client, const Rect& decoration, const Rect& available);
