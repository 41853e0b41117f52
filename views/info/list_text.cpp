#include "views/info/list_text.h"

#include <algorithm>
#include <vector>

#include "views/info/custom_list_view.h"

namespace {
constexpr std::size_t kLineBreakWidth = 385; // a line continues below once it is this long, characters
constexpr std::size_t kPaddingLimit = 370;   // no blanks are added past this column
constexpr int kNoExtraBlankColumns = 100;    // from this many columns on, cells get no separating blank

void AppendLine(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
                bool extraBlank, std::string& text) {
    std::size_t running = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (running >= kLineBreakWidth) {
            text += "\n    ";
            running = 4;
        }
        text += cells[c];
        running += cells[c].size();
        if (c + 1 == cells.size()) break;
        const std::size_t target = std::min(running + (widths[c] - cells[c].size()) + (extraBlank ? 1 : 0),
                                            std::max(running, kPaddingLimit));
        text.append(target - running, ' ');
        running = target;
    }
    text += "\n";
}
} // namespace

void ListCtrlToText(const CCustomListView& list, std::string& text, int columns) {
    const int count = std::min(columns, list.ColumnCount());
    std::vector<std::size_t> widths(count, 0);
    for (int c = 0; c < count; ++c) {
        widths[c] = list.ColumnHeader(c).size();
        for (int r = 0; r < list.RowCount(); ++r) widths[c] = std::max(widths[c], list.CellText(r, c).size());
    }
    const bool extraBlank = columns < kNoExtraBlankColumns;
    std::vector<std::string> cells(count);
    for (int c = 0; c < count; ++c) cells[c] = list.ColumnHeader(c);
    AppendLine(cells, widths, extraBlank, text);
    text += "\n";
    for (int r = 0; r < list.RowCount(); ++r) {
        for (int c = 0; c < count; ++c) cells[c] = list.CellText(r, c);
        AppendLine(cells, widths, extraBlank, text);
    }
    // A blank line closes the table, so tables joined into one text stay apart.
    text += "\n";
}
