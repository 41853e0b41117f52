#include "display/chart_captions.h"

#include <algorithm>
#include <vector>

#include "core/chart_labels.h"
#include "display/chart_colors.h"
#include "display/chart_label_text.h"
#include "display/drawing_factors.h"
#include "display/pane_settings.h"
#include "display/styled_text.h"

namespace {

// Pixels a fitted text keeps from the sides of its rectangle, clear of the lines there.
constexpr int kSideClearance = 2;

TextStyle StyleOf(const Rect& rect, std::uint32_t format, const LogicalFont& font, ColorRef color) {
    TextStyle style;
    style.SetBox(rect);
    style.format = format;
    style.font = font;
    style.color = color;
    return style;
}

// `style`, whose box is `rect`, made to draw `text` legible on screen; where `fit`, also within `rect`,
// clear of the lines at its sides: a text too long is drawn smaller, not across the cells or into the
// next text, and where it is still too long at the legible size it keeps its start and ends in an
// ellipsis, rather than lose letters at both ends or be squeezed past reading. Gives the width the text
// takes where it is fitted (no more than its rectangle less the clearances), else 0.
int FitText(DrawSurface& surface, const std::string& text, const Rect& rect, TextStyle& style, bool fit) {
    const int room = rect.Width() - 2 * kSideClearance;
    fit = fit && room > 0;
    const auto width = [&] {
        style.SetBox(rect);
        return MeasureStyledText(surface, text, style) - rect.left;
    };
    int drawn = 0;
    if (fit) {
        drawn = width();
        if (drawn > room) {
            const double factor = static_cast<double>(room) / drawn;
            ScaleFontFields(style.font, factor, factor, 1.0);
            drawn = room;
        }
    }
    // Legible, even if that makes it too long again.
    const bool raised = !g_bPrinting && style.font.height > 0 && style.font.height < kLegibleTextHeight;
    if (raised) {
        style.font.width = style.font.width * kLegibleTextHeight / style.font.height;
        style.font.height = kLegibleTextHeight;
    }
    Rect box = rect;
    if (fit && raised) {
        drawn = width();
        if (drawn > room) {
            style.format |= kTextSingleLine | kTextEndEllipsis;
            box = Rect{rect.left + kSideClearance, rect.top, rect.right - kSideClearance, rect.bottom};
            drawn = room;
        }
    }
    style.SetBox(box);
    return drawn;
}

// The left edge of a text `width` wide as `style` places it in its box.
int TextLeft(const TextStyle& style, int width) {
    if (style.format & kTextRight) return style.right - width;
    if (style.format & kTextCenter) return (style.left + style.right - width) / 2;
    return style.left;
}

} // namespace

void DrawChartText(DrawSurface& surface, const std::string& text, const Rect& rect, std::uint32_t format,
                   const LogicalFont& font, ColorRef color) {
    TextStyle style = StyleOf(rect, format, font, color);
    FitText(surface, text, rect, style, (format & kTextCenter) && !(format & kTextNoClip));
    DrawStyledText(surface, text, style);
}

void DrawChartText(DrawSurface& surface, const std::string& text, const Rect& rect, std::uint32_t format,
                   const LogicalFont& font) {
    DrawChartText(surface, text, rect, format, font, ColorOf(kColorChartViewChartLine));
}

int CaptionLineHeight() {
    return LegibleFont(FontA(1.2, 1.2, 1.0)).height + 2;
}

LogicalFont VargaNameFont(double height, double width, double weight) {
    return ScaledFont(ChartLanguageIsSymbols() ? g_chartFontA : g_chartFontB, height, width, weight);
}

LogicalFont FontA(double height, double width, double weight) {
    return ScaledFont(g_chartFontA, height, width, weight);
}

const std::string& ChartVargaName(int varga) {
    return g_pszChartVargaNames ? g_pszChartVargaNames[varga] : g_vargaNames[varga];
}

const std::string& VargaLabel(int varga) {
    return g_strVargaLabels[varga];
}

const std::string& VargaTitle(int varga) {
    return g_vargaTitles[varga];
}

void DrawCaptionBand(DrawSurface& surface, const Rect& band, const Rect& noteRect, const std::string& title,
                     int varga, int pane, int namedUpTo, int lineHeight) {
    struct Caption {
        std::string text;
        TextStyle style;
    };
    constexpr std::uint32_t kRightAligned = kTextRight | kTextNoClip;
    const ColorRef line = ColorOf(kColorChartViewChartLine);
    std::vector<Caption> captions;
    if (g_nPaneBodyView[pane] == kGrahaArudhaView || g_nPaneBodyView[pane] == kDualGrahaArudhaView) {
        captions.push_back(
            {"Arudhas of Planets", StyleOf(noteRect, kTextCenter | kTextNoClip, FontA(1.1, 1.1, 1.1),
                                           ColorOf(kColorChartViewGrahaArudhaTitle))});
        captions.push_back({VargaLabel(varga), StyleOf(band, kRightAligned, FontA(1.2, 1.2, 1.0), line)});
    } else if (varga <= namedUpTo) {
        captions.push_back(
            {ChartVargaName(varga),
             StyleOf(band, kRightAligned, FontNoTallerThan(VargaNameFont(1.2, 1.2, 1.2), lineHeight), line)});
    } else {
        captions.push_back({VargaLabel(varga), StyleOf(band, kRightAligned, FontA(1.2, 1.2, 1.0), line)});
    }
    // The title takes what the varga's texts leave of the band.
    int titleEnd = band.right;
    for (Caption& caption : captions) {
        const int width = FitText(surface, caption.text, caption.style.Box(), caption.style, true);
        titleEnd = std::min(titleEnd, TextLeft(caption.style, width));
        DrawStyledText(surface, caption.text, caption.style);
    }
    const Rect titleRect{band.left, band.top, titleEnd, band.bottom};
    if (titleRect.Width() <= 2 * kSideClearance) return; // no room for a letter of it
    TextStyle style = StyleOf(titleRect, kTextNoClip, FontA(1.2, 1.2, 1.0), line);
    FitText(surface, title, titleRect, style, true);
    DrawStyledText(surface, title, style);
}
