#include "views/info/strength_graph_drawing.h"

#include <algorithm>

#include "display/styled_text.h"
#include "shell/color_settings.h"
#include "views/info/cell_format.h"

namespace {
// Setting numbers of the graph colours (shell/color_settings_table.cpp).
constexpr int kColorTitle = 100;
constexpr int kColorItemName = 101;
constexpr int kColorBar = 102;
constexpr int kColorValue = 103;
constexpr int kColorGraphBackground = 104;
constexpr int kColorOutline = 105;

constexpr int kMinimumWindow = 600; // pixels: a smaller window lays out as this and scrolls
constexpr int kGap = 10;            // pixels between graphs and around them
constexpr double kBandFactor = 1.1; // a band is this many font heights
constexpr int kLabelGap = 4;        // pixels kept between the names under neighbouring bars
constexpr int kTitleMargin = 4;     // pixels kept between the title and the graph's border on either side
constexpr int kValueInset = 3;      // pixels a value written on its bar keeps from the bar's end

int Band(const LogicalFont& font) {
    return static_cast<int>(kBandFactor * font.height);
}
LogicalFont TitleFont(const LogicalFont& font) {
    return ScaledFont(font, 1.4, 1.6, 1.0);
}
LogicalFont LabelFont(const LogicalFont& font) {
    return ScaledFont(font, 1.2, 1.2, 1.0);
}

int TextWidth(DrawSurface& surface, const std::string& text, const LogicalFont& font) {
    TextStyle measured;
    measured.font = font;
    return MeasureStyledText(surface, text, measured) - measured.left;
}

// `font` narrowed and lowered in proportion so that `text` is at most `width` wide on `surface`. A font
// scaled in proportion may still come out a pixel wider (its sizes are whole pixels): it is lowered again
// until the text fits.
LogicalFont FontFittingWidth(DrawSurface& surface, const std::string& text, int width, LogicalFont font) {
    constexpr int kTries = 4;
    for (int tried = 0; tried < kTries; ++tried) {
        const int taken = TextWidth(surface, text, font);
        if (taken <= width || taken <= 0 || font.height <= 1) break;
        const double narrowing = std::min(static_cast<double>(width) / taken, (font.height - 1.0) / font.height);
        ScaleFontFields(font, narrowing, narrowing, 1.0);
    }
    return font;
}

// The font of `texts`, one under or over each band: narrowed for the widest to keep `gap` from its band's
// edges, so that they all read in one size.
LogicalFont SharedFont(DrawSurface& surface, const std::vector<std::string>& texts,
                       const std::vector<Rect>& bands, int gap, LogicalFont font) {
    for (size_t i = 0; i < texts.size() && i < bands.size(); ++i)
        font = FontFittingWidth(surface, texts[i], bands[i].Width() - gap, font);
    return font;
}

// The text centred on one line in the band; a text wider than the band is drawn in a font narrowed
// and lowered in proportion, so that titles and labels of narrow graphs stay inside their graph.
void DrawCentred(DrawSurface& surface, const std::string& text, const Rect& band, const LogicalFont& font,
                 ColorRef color) {
    TextStyle style;
    style.SetBox(band);
    style.color = color;
    style.format = kTextCenter | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
    style.font = FontFittingWidth(surface, text, band.Width(), font);
    DrawStyledText(surface, text, style);
}

// The value's band directly above the bar, below the title band; where there is no room for it there
// (a bar at or near the top of the scale), on the bar, clear of its top edge.
Rect ValueAbove(const Rect& bar, int labelHeight, int plotTop) {
    const int top = bar.top - labelHeight >= plotTop ? bar.top - labelHeight : bar.top + kValueInset;
    return Rect{bar.left, top, bar.right, top + labelHeight};
}
} // namespace

GraphLayout LayoutGraphs(int page, Size window) {
    const GraphPageShape shape = GraphPageShapeOf(page);
    const int width = std::max(window.cx, kMinimumWindow);
    const int height = std::max(window.cy, kMinimumWindow);
    const int w = (width - kGap * shape.columns - 3 * kGap) / shape.columns;
    const int h = (height - kGap * shape.rows - 3 * kGap) / shape.rows;
    GraphLayout layout;
    for (int i = 0; i < shape.groups; ++i) {
        const int left = (i % shape.columns) * (w + kGap) + kGap;
        const int top = (i / shape.columns) * (h + kGap) + kGap;
        layout.groups.push_back(Rect{left, top, left + w, top + h});
    }
    layout.fontScale = std::min(w / 300.0, h / 200.0);
    const int shownPage = ValidGraphPage(page);
    if (shownPage != kGrahaBalaPage && shownPage != kShadbalaBreakUpPage) layout.fontScale *= 0.8;
    // The graphs with their gap around them: the pane scrolls that far and no further.
    for (const Rect& group : layout.groups)
        layout.total = Size{std::max(layout.total.cx, group.right + kGap),
                            std::max(layout.total.cy, group.bottom + kGap)};
    return layout;
}

BarGraphGeometry BarGraphGeometryOf(const CStrengthGraphRecord& record, const Rect& rect, int titleHeight,
                                    int labelHeight) {
    BarGraphGeometry geometry;
    const int n = std::clamp(record.count, 1, kMaxBars);
    const int slot = (rect.right - rect.left) / n;
    const int gap = slot / 8;
    const int right = rect.left + n * slot + gap;
    const int plotTop = rect.top + titleHeight;
    const int plotBottom = rect.bottom - labelHeight;
    geometry.titleBand = Rect{rect.left, rect.top, right, plotTop};
    geometry.graphArea = Rect{rect.left, rect.top, right, plotBottom};
    geometry.zeroLine = (plotTop + plotBottom) / 2;
    const double plotHeight = rect.bottom - rect.top - titleHeight - labelHeight;
    const double top = record.topOfScale != 0.0 ? record.topOfScale : 1.0;
    for (int i = 0; i < record.count && i < kMaxBars; ++i) {
        const int left = rect.left + i * slot;
        const double v = record.values[i];
        Rect bar{left + gap, 0, left + slot, 0};
        Rect value;
        if (!record.isSigned) {
            const int height = static_cast<int>(v / top * plotHeight);
            bar.bottom = plotBottom - 1;
            bar.top = std::min(std::max(plotBottom - height, plotTop), bar.bottom);
            value = ValueAbove(bar, labelHeight, plotTop);
        } else {
            const int height = static_cast<int>(v / top * plotHeight * 0.5);
            if (v >= 0) {
                bar.top = std::max(geometry.zeroLine - height, plotTop);
                bar.bottom = geometry.zeroLine;
                value = ValueAbove(bar, labelHeight, plotTop);
            } else {
                // Downward from the zero line, clipped at the plot's foot; the value below the bar.
                bar.top = geometry.zeroLine;
                bar.bottom = std::min(geometry.zeroLine - height, plotBottom);
                // Likewise never down into the labels under the plot: on the bar, clear of its lower end.
                const int valueBottom = bar.bottom + labelHeight <= plotBottom ? bar.bottom + labelHeight
                                                                               : bar.bottom - kValueInset;
                value = Rect{bar.left, valueBottom - labelHeight, bar.right, valueBottom};
            }
        }
        geometry.bars.push_back(bar);
        geometry.valueBands.push_back(value);
        geometry.labelBands.push_back(Rect{left, plotBottom, left + slot, rect.bottom});
    }
    return geometry;
}

std::string BarValueText(const CStrengthGraphRecord& record, int i) {
    const double v = record.values[i];
    if (record.wholeNumbers || record.topOfScale >= 100.0) return FormatCell("%d", static_cast<int>(v + 0.5));
    return FormatCell("%.1f", v);
}

void DrawBarGraph(DrawSurface& surface, const CStrengthGraphRecord& record, const Rect& rect,
                  const LogicalFont& font) {
    const LogicalFont titleFont = TitleFont(font);
    const LogicalFont labelFont = LabelFont(font);
    const BarGraphGeometry geometry = BarGraphGeometryOf(record, rect, Band(titleFont), Band(labelFont));
    surface.SetTextBackground(g_colors[kColorGraphBackground], false);
    surface.SelectPen(LogicalPen{g_colors[kColorOutline], 1});
    surface.SelectBrush(LogicalBrush{g_colors[kColorGraphBackground]});
    surface.Rectangle(geometry.graphArea);
    if (record.isSigned)
        surface.Line(Point{geometry.graphArea.left, geometry.zeroLine},
                     Point{geometry.graphArea.right, geometry.zeroLine});
    const Rect& band = geometry.titleBand;
    DrawCentred(surface, record.title, band,
                FontFittingWidth(surface, record.title, band.Width() - 2 * kTitleMargin, titleFont),
                g_colors[kColorTitle]);
    // The names under the bars share one font, and the values over them another, each narrow enough for
    // the widest to keep clear of its neighbours.
    std::vector<std::string> names;
    std::vector<std::string> values;
    for (size_t i = 0; i < geometry.bars.size(); ++i) {
        names.push_back(record.labels[i]);
        values.push_back(BarValueText(record, static_cast<int>(i)));
    }
    const LogicalFont namesFont = SharedFont(surface, names, geometry.labelBands, kLabelGap, labelFont);
    const LogicalFont valuesFont = SharedFont(surface, values, geometry.valueBands, kLabelGap, labelFont);
    for (size_t i = 0; i < geometry.bars.size(); ++i) {
        DrawCentred(surface, record.labels[i], geometry.labelBands[i], namesFont, g_colors[kColorItemName]);
        surface.FillRect(geometry.bars[i], g_colors[kColorBar]);
        // A value written on its bar takes the graph's ground colour, which stands out of the bar.
        const Rect& bar = geometry.bars[i];
        const Rect& value = geometry.valueBands[i];
        const bool onBar = value.top < bar.bottom && bar.top < value.bottom;
        DrawCentred(surface, values[i], value, valuesFont, g_colors[onBar ? kColorGraphBackground : kColorValue]);
    }
}
