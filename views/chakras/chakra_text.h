#pragma once
// Keeping a chakra's texts apart: its label slots and star cells are fixed fractions of the figure, so
// a font is made lower where a text would run into the one below, and narrower where it would run
// into the one beside it.
#include <span>
#include <string_view>

#include "display/styled_text.h"

// `font` condensed (its width alone made smaller) so that `text` is at most `maxWidth` wide on
// `surface`; unchanged when it fits.
LogicalFont FontNoWiderThan(DrawSurface& surface, LogicalFont font, std::string_view text, int maxWidth);
// `font` condensed (FontNoWiderThan) so that `text` is at most `maxWidth` wide on `surface`; where that
// would take more than a fifth of its width, first made lower at its face's own width, no lower than
// kLegibleTextHeight on screen.
LogicalFont FontLoweredToWidth(DrawSurface& surface, LogicalFont font, std::string_view text, int maxWidth);
// The width `text` takes in `font` on `surface`, pixels.
int TextWidth(DrawSurface& surface, const LogicalFont& font, std::string_view text);
// The extent `text` takes drawn in `style` (left-aligned or centred in its box, from its top).
Rect TextExtent(DrawSurface& surface, std::string_view text, const TextStyle& style);
// A text written on one line from the point `at`: its top-left corner, or with `centred` the middle
// of its top edge; pixels.
struct PlacedText {
    std::string_view text;
    Point at;
};
// `font` made narrower or lower, as little as it takes, so that no two of `texts` (all left-aligned,
// or all centred) run into each other with `gap` pixels kept between them: two texts on overlapping
// lines are either condensed to fit side by side or made lower to fit one above the other, whichever
// keeps more of the font. Texts written at the same point (a slot taken again) are left to overlap.
LogicalFont FontKeepingTextsApart(DrawSurface& surface, LogicalFont font, std::span<const PlacedText> texts,
                                  int gap, bool centred = false);
