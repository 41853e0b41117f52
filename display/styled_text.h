#pragma once
// Every text the display draws goes through these routines: a text-style record gives the rectangle,
// colour, layout flags and font; the drawing factors scale font and rectangle while printing (the font
// alone during a scaled bitmap capture), and a view printed in black draws near-black text.
// Rectangles and font sizes are in the units the caller lays out in (device units on screen).
#include <cstdint>
#include <string_view>

#include "platform/draw_surface.h"

struct TextStyle {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    ColorRef color = 0;
    std::uint32_t format = 0; // TextFormat flags
    LogicalFont font;

    Rect Box() const { return Rect{left, top, right, bottom}; }
    void SetBox(const Rect& box) {
        left = box.left;
        top = box.top;
        right = box.right;
        bottom = box.bottom;
    }
};

// `font` with height and width multiplied by the drawing factors (truncated) while printing or capturing.
LogicalFont ScaledStyleFont(const LogicalFont& font);
// `rect` with left and right times g_dDrawScaleX and top and bottom times g_dDrawScaleY (truncated).
Rect ScaledPrintRect(const Rect& rect);

// Draws the text into the style's rectangle (scaled while printing) with its format and font; returns
// the rectangle the text takes, in the surface's units (as MeasureStyledText gives it when not printing).
Rect DrawStyledText(DrawSurface& surface, std::string_view text, const TextStyle& style);
// The extent the text takes in the style's font, unscaled: the style's right and bottom become left +
// text width and top + text height. Returns the new right.
int MeasureStyledText(DrawSurface& surface, std::string_view text, TextStyle& style);
// Outlines the text's extent (10 units out on screen; 30 units out and a second outline one unit further
// when printing) with the current pen. Draws no text.
void DrawTextFrame(DrawSurface& surface, std::string_view text, const TextStyle& style);

// Multiplies height, width and weight by a, b and c, each truncated toward zero.
void ScaleFontFields(LogicalFont& font, double a, double b, double c);
// `font` with its height times `factor` (truncated) and its width kept in proportion to it (rounded): a
// width truncated alike would lose a whole pixel of a small font's two or three, condensing it.
LogicalFont FontScaledInProportion(LogicalFont font, double factor);
// `font` made no taller than `height`, its width shrunk in proportion; unchanged when it fits.
LogicalFont FontNoTallerThan(LogicalFont font, int height);
// Texts on screen are drawn no lower than this, pixels (a font's cell height), wherever they find room.
inline constexpr int kLegibleTextHeight = 8;
// A label that finds no clear place in its own font is tried lower, down to this, before it is drawn
// over another text: at 7 pixels the capitals of a two-letter label ("Su", "Me") are 5 pixels high and keep
// their strokes apart; at 6 they run into one grey block.
inline constexpr int kCrowdedTextHeight = 7;
// A lesser label of a chart's cell (an arudha, a special lagna, an upagraha) goes lower still rather than
// stand on a graha: at 5 pixels its capitals are 4 high, enough to tell "A7" from "AL" beside the grahas'
// larger letters.
inline constexpr int kLesserCrowdedTextHeight = 5;
// `font` made at least `height` tall at its face's own width; unchanged when it is.
LogicalFont FontNoLowerThan(LogicalFont font, int height);
// On screen `font` raised to kLegibleTextHeight; unchanged while printing, whose units are not pixels.
LogicalFont LegibleFont(const LogicalFont& font);
// `font` made `height` high, its width in proportion, rounded (a small font has but two or three pixels
// of it).
LogicalFont FontOfHeight(LogicalFont font, int height);
// The least height, pixels, a crowded label may be lowered to from `height` on screen (`floor`, or
// `height` itself when that is lower already); `height` itself while printing, whose units are not pixels.
int CrowdedTextHeight(int height, int floor = kCrowdedTextHeight);
// A copy of `font` scaled by ScaleFontFields.
LogicalFont ScaledFont(LogicalFont font, double a, double b, double c);
