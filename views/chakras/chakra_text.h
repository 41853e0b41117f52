#pragma once
// Keeping a chakra's texts apart: its label slots and star cells are fixed fractions of the figure, so
// a font is made lower where a text would run into the one below, and narrower where it would run
// into the one beside it.
#include <string_view>

#include "display/styled_text.h"

// `font` condensed (its width alone made smaller) so that `text` is at most `maxWidth` wide on
// `surface`; unchanged when it fits.
LogicalFont FontNoWiderThan(DrawSurface& surface, LogicalFont font, std::string_view text, int maxWidth);
// The width `text` takes in `font` on `surface`, pixels.
int TextWidth(DrawSurface& surface, const LogicalFont& font, std::string_view text);
// Draws `text` single-line in `style`'s font, `format` aligning it within `box` as DrawText would, but
// moved sideways as far as needed to stay between `left` and `right`.
void DrawTextWithin(DrawSurface& surface, std::string_view text, TextStyle style, int left, int right);
