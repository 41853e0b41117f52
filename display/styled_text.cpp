#include "display/styled_text.h"

#include <algorithm>
#include <cmath>

#include "display/drawing_factors.h"

namespace {

int Truncated(double value) {
    return static_cast<int>(value);
}

// The font a style draws with, selected into the surface, and its text colour.
void SelectStyle(DrawSurface& surface, const TextStyle& style, bool scaled) {
    surface.SelectFont(scaled ? ScaledStyleFont(style.font) : style.font);
    surface.SetTextColor(g_bPrintInBlack ? kPrintInBlackColor : style.color);
}

} // namespace

void ScaleFontFields(LogicalFont& font, double a, double b, double c) {
    font.height = Truncated(font.height * a);
    font.width = Truncated(font.width * b);
    font.weight = Truncated(font.weight * c);
}

LogicalFont ScaledFont(LogicalFont font, double a, double b, double c) {
    ScaleFontFields(font, a, b, c);
    return font;
}

LogicalFont FontScaledInProportion(LogicalFont font, double factor) {
    const int height = Truncated(font.height * factor);
    if (font.height > 0 && font.width > 0)
        font.width = std::max(
            1, static_cast<int>(std::lround(static_cast<double>(font.width) * height / font.height)));
    font.height = height;
    return font;
}

LogicalFont FontNoTallerThan(LogicalFont font, int height) {
    if (font.height <= height || height <= 0) return font;
    const double factor = static_cast<double>(height) / font.height;
    ScaleFontFields(font, factor, factor, 1.0);
    return font;
}

LogicalFont FontNoLowerThan(LogicalFont font, int height) {
    if (font.height >= height || font.height <= 0) return font;
    // A font shrunk this far has a width of a pixel or two left: the face's own width reads better.
    font.width = 0;
    font.height = height;
    return font;
}

LogicalFont LegibleFont(const LogicalFont& font) {
    return g_bPrinting ? font : FontNoLowerThan(font, kLegibleTextHeight);
}

LogicalFont FontOfHeight(LogicalFont font, int height) {
    if (font.height > 0 && font.width > 0)
        font.width = std::max(
            1, static_cast<int>(std::lround(static_cast<double>(font.width) * height / font.height)));
    font.height = height;
    return font;
}

int CrowdedTextHeight(int height, int floor) {
    return g_bPrinting ? height : std::min(height, floor);
}

LogicalFont ScaledStyleFont(const LogicalFont& font) {
    if (!g_bPrinting && !g_bScaledCapture) return font;
    return ScaledFont(font, g_dDrawScaleY, g_dDrawScaleX, 1.0);
}

Rect ScaledPrintRect(const Rect& rect) {
    return Rect{Truncated(rect.left * g_dDrawScaleX), Truncated(rect.top * g_dDrawScaleY),
                Truncated(rect.right * g_dDrawScaleX), Truncated(rect.bottom * g_dDrawScaleY)};
}

Rect DrawStyledText(DrawSurface& surface, std::string_view text, const TextStyle& style) {
    SelectStyle(surface, style, true);
    return surface.DrawText(text, g_bPrinting ? ScaledPrintRect(style.Box()) : style.Box(), style.format);
}

int MeasureStyledText(DrawSurface& surface, std::string_view text, TextStyle& style) {
    SelectStyle(surface, style, false);
    style.SetBox(surface.DrawText(text, style.Box(), kTextCalcRect));
    return style.right;
}

void DrawTextFrame(DrawSurface& surface, std::string_view text, const TextStyle& style) {
    SelectStyle(surface, style, true);
    surface.SelectBrush(LogicalBrush{0, true});
    if (g_bPrinting) {
        constexpr int kPrintMargin = 30; // printer dots between the text and its frame
        Rect box = surface.DrawText(text, ScaledPrintRect(style.Box()), kTextCalcRect);
        box = Rect{box.left - kPrintMargin, box.top - kPrintMargin, box.right + kPrintMargin,
                   box.bottom + kPrintMargin};
        surface.Rectangle(box);
        surface.Rectangle(Rect{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1});
        return;
    }
    constexpr int kScreenMargin = 10; // pixels between the text and its frame
    const Rect outer{style.left - kScreenMargin, style.top - kScreenMargin, style.right + kScreenMargin,
                     style.bottom + kScreenMargin};
    surface.Rectangle(surface.DrawText(text, outer, kTextCalcRect));
}
