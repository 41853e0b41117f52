#pragma once
// Caption and centre texts of the chart renderers: each in the line colour unless given, through the
// styled-text path, with a copy of a chart font scaled for its purpose.
#include <string>

#include "platform/draw_surface.h"

inline constexpr std::uint32_t kCentredLine = kTextCenter | kTextVCenter | kTextSingleLine;

void DrawChartText(DrawSurface& surface, const std::string& text, const Rect& rect, std::uint32_t format,
                   const LogicalFont& font, ColorRef color);
void DrawChartText(DrawSurface& surface, const std::string& text, const Rect& rect, std::uint32_t format,
                   const LogicalFont& font);

// The font of the chart-language varga names: chart font B, or A with the symbol labels; scaled.
LogicalFont VargaNameFont(double height, double width, double weight);
// Chart font A scaled.
LogicalFont FontA(double height, double width, double weight);
// The height of a caption line above a chart: chart font A at 1.2 times (legible on screen) and 2 units.
int CaptionLineHeight();

// Varga names and labels by column 0-28.
const std::string& ChartVargaName(int varga); // in the chart language ("Rasi", "Navamsa" ...)
const std::string& VargaLabel(int varga);     // "D-1", "D-9" ...
const std::string& VargaTitle(int varga);     // "Rasi", "Navamsa", then "D-n"

// A caption band above a chart: its `title` on the left in chart font A, and on the right the varga's
// chart-language name for columns up to `namedUpTo`, else its label; in the graha arudha views
// "Arudhas of Planets" centred in `noteRect` before the label. The varga's texts are no taller than
// `lineHeight`, so they stay within their caption line; every text stays within the band, and the title
// within what the varga's texts leave of it, at any font size: drawn smaller, down to the legible size,
// then cut short with an ellipsis.
void DrawCaptionBand(DrawSurface& surface, const Rect& band, const Rect& noteRect, const std::string& title,
                     int varga, int pane, int namedUpTo, int lineHeight);
