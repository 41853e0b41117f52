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

LogicalFont FontKeepingTextsApart(DrawSurface& surface, LogicalFont font, std::span<const PlacedText> texts, int gap,
                                  bool centred) {
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
            if (narrower >= lower) font = FontNoWiderThan(surface, font, left.text, static_cast<int>(leftWidth * narrower));
            else font = FontNoTallerThan(font, down);
        }
    }
    return font;
}

LogicalFont FontClearOf(DrawSurface& surface, LogicalFont font, std::span<const PlacedText> texts,
                        std::span<const Rect> obstacles, int gap) {
    for (const PlacedText& text : texts) {
        for (const Rect& obstacle : obstacles) {
            // A text's cell starts with blank leading above its letters: it may reach into the bottom of
            // the obstacle's cell by that much.
            const int leading = font.height / 8;
            if (text.at.y + leading >= obstacle.bottom || text.at.y + font.height <= obstacle.top) continue;
            const int width = TextWidth(surface, font, text.text);
            if (text.at.x + width + gap <= obstacle.left || text.at.x >= obstacle.right) continue;
            // A text that starts within the obstacle's width can only be made lower, when it stands above.
            const double narrower =
                text.at.x < obstacle.left ? std::max(obstacle.left - gap - text.at.x, 0) / static_cast<double>(width) : 0;
            const double lower = std::max(obstacle.top - text.at.y, 0) / static_cast<double>(font.height);
            if (narrower == 0 && lower == 0) continue; // nothing keeps it clear: left as it is
            if (narrower >= lower) font = FontNoWiderThan(surface, font, text.text, static_cast<int>(width * narrower));
            else font = FontNoTallerThan(font, obstacle.top - text.at.y);
        }
    }
    return font;
}
