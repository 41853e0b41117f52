#pragma once
// The state a drawing runs under, set by whoever starts it (a print job, a report page) and read by
// everything that lays out text and figures, the dasa tree and the report dispatch among them. No Qt.

// Set while a print job draws: texts and figures are scaled, second dasa labels left out.
extern bool g_bPrinting;

// The drawing scales of the chart view and the report pages. Horizontal factor (font widths,
// rectangle left and right) and vertical factor (font heights, rectangle top and bottom): device units
// of the target per unit the views lay themselves out in.
extern double g_dDrawScaleX;
extern double g_dDrawScaleY;
