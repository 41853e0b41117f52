#include "views/chakras/chakra_text.h"

#include <algorithm>

int TextWidth(DrawSurface& surface, const LogicalFont& font, std::string_view text) {
    TextStyle style;
    style.font = font;
    style.format = kTextSingleLine | kTextNoPrefix;
    return MeasureStyledText(surface, text, style) - style.left;
}

LogicalFont FontNoWiderThan(DrawSurface& surface, LogicalFont font, std::string_view text, int maxWidth) {
    const int width = TextWidth(surface, font, text);
    if (width <= maxWidth || width <= 0 || maxWidth <= 0) return font;
    // Condensed rather than made smaller, so that it stays as legible as its neighbours; a font of its
    // face's own width gets the width it has now, condensed.
    if (font.width == 0) font.width = std::max(1, width / static_cast<int>(std::max<size_t>(text.size(), 1)));
    ScaleFontFields(font, 1.0, static_cast<double>(maxWidth) / width, 1.0);
    return font;
}

void DrawTextWithin(DrawSurface& surface, std::string_view text, TextStyle style, int left, int right) {
    const int width = TextWidth(surface, style.font, text);
    int x = style.left;
    if (style.format & kTextCenter) x = (style.left + style.right - width) / 2;
    else if (style.format & kTextRight) x = style.right - width;
    x = std::max(left, std::min(x, right - width));
    style.format = (style.format & ~(kTextCenter | kTextRight)) | kTextLeft;
    style.SetBox(Rect{x, style.top, x + width, style.bottom});
    DrawStyledText(surface, text, style);
}
