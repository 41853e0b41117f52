#include "display/chart_captions.h"

#include "core/chart_labels.h"
#include "display/chart_colors.h"
#include "display/chart_label_text.h"
#include "display/drawing_factors.h"
#include "display/pane_settings.h"
#include "display/styled_text.h"

void DrawChartText(DrawSurface& surface, const std::string& text, const Rect& rect, std::uint32_t format,
                   const LogicalFont& font, ColorRef color) {
    TextStyle style;
    style.format = format;
    style.font = font;
    style.color = color;
    // A centred text stays within its rectangle, clear of the lines at its sides: a long varga name is
    // drawn smaller, not across the cells.
    constexpr int kSideClearance = 2; // pixels
    const int room = rect.Width() - 2 * kSideClearance;
    const bool fitted = (format & kTextCenter) && !(format & kTextNoClip) && room > 0;
    const auto width = [&] {
        style.SetBox(rect);
        return MeasureStyledText(surface, text, style) - rect.left;
    };
    if (fitted) {
        if (const int w = width(); w > room) {
            const double factor = static_cast<double>(room) / w;
            ScaleFontFields(style.font, factor, factor, 1.0);
        }
    }
    // Legible, even if that makes it too long again.
    const bool raised = !g_bPrinting && style.font.height > 0 && style.font.height < kLegibleTextHeight;
    if (raised) {
        style.font.width = style.font.width * kLegibleTextHeight / style.font.height;
        style.font.height = kLegibleTextHeight;
    }
    // Still too long at the legible size, it keeps its start and ends in an ellipsis between its side
    // lines, rather than lose letters at both ends or be squeezed past reading.
    Rect box = rect;
    if (fitted && raised && width() > room) {
        style.format |= kTextSingleLine | kTextEndEllipsis;
        box = Rect{rect.left + kSideClearance, rect.top, rect.right - kSideClearance, rect.bottom};
    }
    style.SetBox(box);
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

void DrawVargaCaption(DrawSurface& surface, const Rect& band, const Rect& noteRect, int varga, int pane,
                      int namedUpTo, int lineHeight) {
    constexpr std::uint32_t kRightAligned = kTextRight | kTextNoClip;
    if (g_nPaneBodyView[pane] == kGrahaArudhaView || g_nPaneBodyView[pane] == kDualGrahaArudhaView) {
        DrawChartText(surface, "Arudhas of Planets", noteRect, kTextCenter | kTextNoClip,
                      FontA(1.1, 1.1, 1.1), ColorOf(kColorChartViewGrahaArudhaTitle));
        DrawChartText(surface, VargaLabel(varga), band, kRightAligned, FontA(1.2, 1.2, 1.0));
    } else if (varga <= namedUpTo) {
        DrawChartText(surface, ChartVargaName(varga), band, kRightAligned,
                      FontNoTallerThan(VargaNameFont(1.2, 1.2, 1.2), lineHeight));
    } else {
        DrawChartText(surface, VargaLabel(varga), band, kRightAligned, FontA(1.2, 1.2, 1.0));
    }
}
