#include "views/chakras/chakra_text.h"

#include <algorithm>
#include <cstdlib>

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

LogicalFont FontLoweredToWidth(DrawSurface& surface, LogicalFont font, std::string_view text, int maxWidth) {
    // Condensed further than this, thin letters run into one block ("ill" of "Pillar").
    constexpr double kMostCondensing = 0.8;
    if (TextWidth(surface, font, text) * kMostCondensing > maxWidth && maxWidth > 0 && font.height > 0) {
        // At the face's own width, which narrows with the height (a set width of a few pixels would not).
        font.width = 0;
        while (TextWidth(surface, font, text) * kMostCondensing > maxWidth) {
            const LogicalFont lower = LegibleFont(FontOfHeight(font, font.height - 1));
            if (lower.height >= font.height) break;
            font = lower;
        }
    }
    return FontNoWiderThan(surface, font, text, maxWidth);
}

Rect TextExtent(DrawSurface& surface, std::string_view text, const TextStyle& style) {
    TextStyle measured = style;
    MeasureStyledText(surface, text, measured);
    const int width = measured.right - measured.left;
    const int left = (style.format & kTextCenter) ? (style.left + style.right - width) / 2 : style.left;
    return Rect{left, style.top, left + width, measured.bottom};
}

LogicalFont FontKeepingTextsApart(DrawSurface& surface, LogicalFont font, std::span<const PlacedText> texts,
                                  int gap, bool centred) {
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const PlacedText& left = texts[i].at.x <= texts[j].at.x ? texts[i] : texts[j];
            const PlacedText& right = &left == &texts[i] ? texts[j] : texts[i];
            const int down = std::abs(left.at.y - right.at.y);
            if (down >= font.height || (left.at.x == right.at.x && down == 0)) continue;
            // The width the two take between their anchors, and the room there is.
            const int leftWidth = TextWidth(surface, font, left.text);
            const int needed = centred ? (leftWidth + TextWidth(surface, font, right.text)) / 2 : leftWidth;
            const int room = right.at.x - left.at.x - gap;
            if (needed <= room || needed <= 0) continue;
            const double narrower = std::max(room, 0) / static_cast<double>(needed);
            const double lower = down / static_cast<double>(font.height);
            if (narrower >= lower)
                font = FontNoWiderThan(surface, font, left.text, static_cast<int>(leftWidth * narrower));
            else
                font = FontNoTallerThan(font, down);
        }
    }
    return font;
}
