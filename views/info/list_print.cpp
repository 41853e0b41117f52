#include "views/info/list_print.h"

#include <algorithm>
#include <vector>

#include "display/styled_text.h"
#include "shell/color_settings.h"
#include "shell/display_fonts.h"
#include "views/info/custom_list_view.h"

namespace {
// Setting numbers of the list colours (shell/color_settings_table.cpp): texts of column 0 and the others.
constexpr int kColorTitle = 0;
constexpr int kColorItem = 1;
constexpr int kTextFont = 3; // the text font of the display fonts
constexpr double kHeaderWeight = 2.5;
constexpr int kManyColumns = 10;

TextStyle PrintStyle(const LogicalFont& font, ColorRef color, int left, int top) {
    TextStyle style;
    style.font = font;
    style.color = color;
    style.format = kTextNoClip;
    style.SetBox(Rect{left, top, left, top});
    return style;
}

int TextWidth(DrawSurface& surface, const std::string& text, const LogicalFont& font) {
    TextStyle style = PrintStyle(font, 0, 0, 0);
    return MeasureStyledText(surface, text, style);
}
} // namespace

void DrawListCtrl(const CCustomListView& list, DrawSurface& surface, int columns, int rows) {
    columns = std::clamp(columns, 0, list.ColumnCount());
    rows = rows == 0 ? list.RowCount() : std::clamp(rows, 0, list.RowCount());
    const LogicalFont itemFont = g_displayFonts[kTextFont];
    const LogicalFont headerFont = ScaledFont(itemFont, 1.0, 1.0, kHeaderWeight);
    const int gap = columns < kManyColumns ? 10 : 5;
    const int lineHeight = std::max(1, itemFont.height);

    std::vector<int> left(columns, 0);
    for (int c = 0; c + 1 < columns; ++c) {
        int widest = TextWidth(surface, list.ColumnHeader(c), headerFont);
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, TextWidth(surface, list.CellText(r, c), itemFont));
        left[c + 1] = left[c] + widest + gap;
    }
    for (int c = 0; c < columns; ++c) {
        DrawStyledText(surface, list.ColumnHeader(c),
                       PrintStyle(headerFont, g_colors[kColorTitle], left[c], 0));
        for (int r = 0; r < rows; ++r)
            DrawStyledText(surface, list.CellText(r, c),
                           PrintStyle(itemFont, g_colors[kColorItem], left[c], (r + 1) * lineHeight));
    }
}

void DrawListCtrlDefault(const CCustomListView& list, DrawSurface& surface, int columns) {
    DrawListCtrl(list, surface, columns, 0);
}
