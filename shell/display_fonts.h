#pragma once
// The four display fonts every view draws its text with: 0 the table font, 1 the chart font (by the
// chart language), 2 the small table font, 3 the serif text font. Heights and widths are pixels at the
// zoom of FontSizeSelection; g_displayFontDefaults keeps them unscaled, for printing.
#include <array>

#include "platform/logical_font.h"
#include "shell/display_options.h"

constexpr int kDisplayFontCount = 4;
extern std::array<LogicalFont, kDisplayFontCount> g_displayFonts;
extern std::array<LogicalFont, kDisplayFontCount> g_displayFontDefaults;

// Zoom factor by FontSizeSelection 0-7.
extern const std::array<double, kFontSizeSteps> g_dFontSizeFactors;

// Chooses the chart labels, marker and chart font of ChartLanguage, sets the other three records,
// keeps the unscaled set and scales the fonts (AdjustDisplayFontSizes).
void CreateDisplayFonts();
// Scales the unscaled records by the zoom of FontSizeSelection (a value outside 0-7 is taken as the
// nearest step) and the chart font further by ChartFontSizeSelection.
void AdjustDisplayFontSizes();
// Puts the unscaled records back in use; printing does this while a job runs.
void CopyDisplayFontRecords();
