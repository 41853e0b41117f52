#include "display/text_charts.h"

#include <algorithm>
#include <array>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/computed_bodies.h"
#include "core/zodiac_names.h"
#include "display/chart_captions.h"

namespace {

// The bodies every text chart shows, in the order a cell lists them.
constexpr int kTextChartBodies[] = {kLagna, 1,     2,          3,           4,       5,       6,           7,
                                    8,      kKetu, kHoraLagna, kGhatiLagna, kMaandi, kGulika, kArudhaLagna};
constexpr int kEntriesPerCell = 10;
// Entries of a cell stand at least five characters apart: four for the text, one blank between.
constexpr int kEntryWidth = 4;

// Where an entry stands from the place its cell's entries count from: lines down, characters right.
struct GridPlace {
    int line;
    int column;
};
using CellPlaces = std::array<GridPlace, kEntriesPerCell>;

// The character grid: the figure of the chart drawn with ASCII characters, then the texts written into
// the blanks of it.
class TextGrid {
public:
    explicit TextGrid(int lines) : m_text(static_cast<size_t>(lines * kTextChartLinePitch), ' ') {
        for (int i = 0; i < lines; ++i) {
            m_text[Offset(i, kTextChartWidth)] = '\r';
            m_text[Offset(i, kTextChartWidth) + 1] = '\n';
        }
    }
    static size_t Offset(int line, int column) {
        return static_cast<size_t>(line * kTextChartLinePitch + column);
    }

    void Put(int line, int column, char c) { m_text[Offset(line, column)] = c; }
    // A figure line from `pattern`: each character of it repeated its count of times, left to right.
    void Row(int line, std::initializer_list<std::pair<char, int>> pattern) {
        int column = 0;
        for (const auto& [c, count] : pattern)
            for (int k = 0; k < count; ++k) Put(line, column++, c);
    }
    // `text` from character `offset`, at most `width` characters, and only over blanks of its line: it
    // stops at a line of the figure or the line's end, so the figure keeps its shape.
    void Write(size_t offset, const std::string& text, int width) {
        const size_t lineEnd = offset - offset % kTextChartLinePitch + kTextChartWidth;
        const size_t count = std::min(text.size(), static_cast<size_t>(std::max(width, 0)));
        for (size_t k = 0; k < count; ++k) {
            const size_t at = offset + k;
            if (at >= lineEnd || m_text[at] != ' ') return;
            m_text[at] = text[k];
        }
    }
    // `text` centred in the `width` blanks from `offset`; a longer text is cut to the width.
    void WriteCentred(size_t offset, const std::string& text, int width) {
        const int length = std::min(static_cast<int>(text.size()), width);
        Write(offset + static_cast<size_t>((width - length) / 2), text, length);
    }
    std::string Text() const { return m_text + "\r\n"; }

private:
    std::string m_text;
};

// "Su " or "SuR": the body's abbreviation (without the blanks that pad it for drawing), then R when the
// body is retrograde.
std::string EntryText(const CChart& chart, int body) {
    std::string label = ChosenPlanetAbbrevs()[body];
    label.erase(label.find_last_not_of(' ') + 1);
    return label + (chart.m_bodies[body].m_bRetrograde ? 'R' : ' ');
}

// Writes the bodies of each sign into its cell: `origin`(sign) is the cell's origin offset and
// `places`(sign) its entry places. A cell keeps its first ten bodies.
template <class OriginOf, class PlacesOf>
void WriteBodies(TextGrid& grid, const CChart& chart, int varga, OriginOf origin, PlacesOf places) {
    std::array<int, 12> used{};
    for (const int body : kTextChartBodies) {
        const int sign = chart.m_vargaSign.Sign(body, varga);
        if (sign < 0 || sign > 11 || used[sign] >= kEntriesPerCell) continue;
        const GridPlace place = places(sign)[used[sign]++];
        grid.Write(origin(sign) + TextGrid::Offset(place.line, place.column), EntryText(chart, body),
                   kEntryWidth);
    }
}

// The varga's name (one line up when a label follows) and its "D-n" label, centred in the blanks of
// the chart's middle block: `width` characters from column `column` of line 12.
void WriteMiddleCaption(TextGrid& grid, int varga, int column, int width) {
    constexpr int kCaptionLine = 12;
    grid.WriteCentred(TextGrid::Offset(varga == 0 ? kCaptionLine : kCaptionLine - 1, column),
                      g_vargaNames[varga], width);
    if (varga != 0) grid.WriteCentred(TextGrid::Offset(kCaptionLine + 1, column), VargaLabel(varga), width);
}

// --- South Indian -------------------------------------------------------------------------------------

constexpr int kSouthColumn[12] = {1, 2, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0};
constexpr int kSouthRow[12] = {0, 0, 0, 1, 2, 3, 3, 3, 3, 2, 1, 0};
constexpr int kSouthCellLines = 6;
constexpr int kSouthCellColumns = 12;

TextGrid SouthTemplate() {
    TextGrid grid(kSouthTextLines);
    for (const int line : {0, 24}) grid.Row(line, {{'+', 1}, {'-', 47}, {'+', 1}});
    for (const int line : {6, 18})
        grid.Row(line, {{'|', 1}, {'-', 11}, {'+', 1}, {'-', 23}, {'+', 1}, {'-', 11}, {'|', 1}});
    grid.Row(12, {{'|', 1}, {'-', 11}, {'|', 1}, {' ', 23}, {'|', 1}, {'-', 11}, {'|', 1}});
    for (int line = 1; line <= 23; ++line) {
        if (line % 6 == 0) continue;
        const bool outerRow = line < 6 || line > 18;
        for (const int column : {0, 12, 36, 48}) grid.Put(line, column, '|');
        if (outerRow) grid.Put(line, 24, '|');
    }
    return grid;
}

CellPlaces SouthPlaces() {
    CellPlaces places{};
    for (int j = 0; j < kEntriesPerCell; ++j) places[j] = GridPlace{1 + j / 2, 1 + 5 * (j % 2)};
    return places;
}

// --- North Indian -------------------------------------------------------------------------------------

constexpr int kNorthRow[12] = {0, 0, 0, 1, 2, 2, 2, 2, 2, 1, 0, 0};
constexpr int kNorthColumn[12] = {1, 0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 2};
constexpr int kNorthShape[12] = {0, 1, 2, 0, 2, 3, 0, 3, 4, 0, 4, 1};
// Entry places of the five cell shapes: the four diamonds (0), the top and bottom triangles (1, 3),
// the left and right triangles (2, 4). Lines count from the line below the cell's origin.
constexpr CellPlaces kNorthPlaces[5] = {
    {{{5, 11}, {3, 11}, {7, 11}, {5, 5}, {5, 17}, {4, 11}, {6, 11}, {2, 11}, {4, 6}, {4, 16}}},
    {{{1, 11}, {0, 8}, {0, 13}, {2, 8}, {2, 13}, {1, 6}, {1, 16}, {3, 11}, {0, 18}, {0, 3}}},
    {{{5, 1}, {5, 6}, {4, 1}, {6, 1}, {3, 3}, {7, 3}, {2, 1}, {8, 1}, {4, 6}, {4, 6}}},
    {{{9, 11}, {10, 8}, {10, 13}, {8, 8}, {8, 13}, {9, 6}, {9, 16}, {7, 11}, {10, 18}, {10, 3}}},
    {{{5, 20}, {5, 15}, {4, 20}, {6, 20}, {3, 19}, {7, 19}, {2, 20}, {8, 20}, {4, 16}, {4, 16}}},
};
constexpr int kNorthLagnaNumberOffset = 585; // line 11, column 24: the middle of the diamond

TextGrid NorthTemplate() {
    TextGrid grid(kNorthTextLines);
    for (const int line : {1, 25}) grid.Row(line, {{'+', 1}, {'-', 47}, {'+', 1}});
    for (int line = 2; line <= 24; ++line) {
        grid.Put(line, 0, '|');
        grid.Put(line, 48, '|');
        // The square's diagonals, two columns a line.
        grid.Put(line, 2 * (line - 1), '\\');
        grid.Put(line, 48 - 2 * (line - 1), '/');
        // The diamond through the middles of the sides: (line 1, column 24), (13, 0), (25, 24), (13, 48).
        if (line < 13) {
            grid.Put(line, 24 - 2 * (line - 1), '/');
            grid.Put(line, 24 + 2 * (line - 1), '\\');
        } else if (line > 13) {
            grid.Put(line, 2 * (line - 13), '\\');
            grid.Put(line, 48 - 2 * (line - 13), '/');
        }
    }
    for (const auto& [line, column] : {std::pair{7, 12}, {7, 36}, {13, 24}, {19, 12}, {19, 36}})
        grid.Put(line, column, 'x');
    return grid;
}

// --- East Indian --------------------------------------------------------------------------------------

constexpr int kEastColumn[12] = {1, 0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 2};
constexpr int kEastRow[12] = {0, 0, 0, 1, 2, 2, 2, 2, 2, 1, 0, 0};
constexpr int kEastShape[12] = {0, 1, 2, 0, 3, 4, 0, 2, 1, 0, 4, 3};
constexpr CellPlaces kEastPlaces[5] = {
    {{{1, 3}, {1, 10}, {2, 3}, {2, 10}, {3, 3}, {3, 10}, {4, 3}, {4, 10}, {5, 3}, {5, 10}}},
    {{{3, 11}, {1, 11}, {1, 6}, {0, 8}, {2, 12}, {2, 7}, {4, 12}, {0, 3}, {0, 12}, {5, 13}}},
    {{{3, 2}, {5, 2}, {5, 7}, {6, 6}, {4, 1}, {4, 6}, {2, 2}, {6, 1}, {6, 10}, {1, 1}}},
    {{{3, 2}, {1, 2}, {1, 7}, {0, 6}, {2, 1}, {2, 6}, {4, 2}, {0, 1}, {0, 10}, {5, 1}}},
    {{{3, 11}, {5, 11}, {5, 6}, {6, 8}, {4, 12}, {4, 7}, {2, 12}, {6, 3}, {6, 12}, {1, 13}}},
};
constexpr int kEastBlock = 16; // characters of a block of the 3 x 3 grid, its line included
constexpr int kEastBlockLines = 8;

TextGrid EastTemplate(bool frame) {
    TextGrid grid(kEastTextLines);
    for (int line = 0; line < kEastTextLines; ++line) {
        if (line % kEastBlockLines == 0 && line > 0 && line < 24) continue;
        grid.Put(line, 16, '|');
        grid.Put(line, 32, '|');
        if (frame) {
            grid.Put(line, 0, '|');
            grid.Put(line, 48, '|');
        }
    }
    if (frame) {
        grid.Row(0, {{'+', 1}, {'-', 47}, {'+', 1}});
        grid.Row(24, {{'+', 1}, {'-', 15}, {'+', 1}, {'-', 15}, {'+', 1}, {'-', 15}, {'+', 1}});
        for (const int line : {8, 16})
            grid.Row(line, {{'|', 1}, {'-', 15}, {'+', 1}, {'-', 15}, {'+', 1}, {'-', 15}, {'|', 1}});
    } else {
        for (const int line : {8, 16}) grid.Row(line, {{'-', 16}, {'+', 1}, {'-', 15}, {'+', 1}, {'-', 16}});
    }
    // The corner blocks' diagonals from the outer corner to the inner one.
    const int first = frame ? 1 : 0;
    for (int line = first; line < kEastBlockLines; ++line) {
        grid.Put(line, 2 * line, '\\');
        grid.Put(line, 48 - 2 * line, '/');
    }
    for (int line = 17; line <= (frame ? 23 : 24); ++line) {
        grid.Put(line, 2 * (24 - line), '/');
        grid.Put(line, 48 - 2 * (24 - line), '\\');
    }
    return grid;
}

} // namespace

std::string FormatSouthChartText(const CChart& chart, int varga, bool standard) {
    TextGrid grid = SouthTemplate();
    const CellPlaces places = SouthPlaces();
    WriteBodies(
        grid, chart, varga,
        [standard](int sign) {
            const int column = standard ? kSouthColumn[sign] : 3 - kSouthColumn[sign];
            return TextGrid::Offset(kSouthCellLines * kSouthRow[sign], kSouthCellColumns * column);
        },
        [&places](int) { return places; });
    // The middle block: the 23 blanks from column 13.
    WriteMiddleCaption(grid, varga, 13, 23);
    return grid.Text();
}

std::string FormatNorthChartText(const CChart& chart, int varga) {
    TextGrid grid = NorthTemplate();
    const int lagna = chart.m_vargaSign.Sign(kLagna, varga);
    const auto house = [lagna](int sign) { return (sign - lagna + 12) % 12; };
    WriteBodies(
        grid, chart, varga,
        [&](int sign) {
            const int h = house(sign);
            // The cell's origin lies one line below the caption line; its entries' lines count from
            // the line below that.
            return TextGrid::Offset(6 * kNorthRow[h] + 2, 12 * kNorthColumn[h]);
        },
        [&](int sign) { return kNorthPlaces[kNorthShape[house(sign)]]; });
    grid.Write(kNorthLagnaNumberOffset, std::to_string(lagna + 1), 2);
    // The caption line above the frame: the name centred, or the name at the left and the label
    // centred; the name ends a blank before the label.
    const std::string& name = g_vargaNames[varga];
    if (varga == 0) {
        grid.WriteCentred(0, name, kTextChartWidth);
    } else {
        const std::string& label = VargaLabel(varga);
        const int labelLength = std::min(static_cast<int>(label.size()), kTextChartWidth);
        const int labelStart = (kTextChartWidth - labelLength) / 2;
        grid.WriteCentred(0, label, kTextChartWidth);
        grid.Write(0, name, labelStart - 1);
    }
    return grid.Text();
}

std::string FormatEastChartText(const CChart& chart, int varga, bool frame) {
    TextGrid grid = EastTemplate(frame);
    WriteBodies(
        grid, chart, varga,
        // The entries' lines count from the line below the cell's origin.
        [](int sign) {
            return TextGrid::Offset(kEastBlockLines * kEastRow[sign] + 1, kEastBlock * kEastColumn[sign]);
        },
        [](int sign) { return kEastPlaces[kEastShape[sign]]; });
    // The middle block: the 15 blanks from column 17 (centred there, a text that fits stands where it
    // would stand centred in the South chart's 23 blanks from column 13).
    WriteMiddleCaption(grid, varga, 17, 15);
    return grid.Text();
}

std::string FormatChartText(const CChart& chart, int varga, int style) {
    switch (style) {
    case 1:
        return FormatSouthChartText(chart, varga, false);
    case 2:
        return FormatNorthChartText(chart, varga);
    case 3:
        return FormatEastChartText(chart, varga, false);
    case 4:
        return FormatEastChartText(chart, varga, true);
    default:
        return FormatSouthChartText(chart, varga, true);
    }
}

std::string FormatChartTextAllStyles(const CChart& chart, int varga) {
    return FormatSouthChartText(chart, varga, true) + FormatNorthChartText(chart, varga) +
           FormatEastChartText(chart, varga, true);
}

ChartTexts FormatChartTexts(const CChart& chart, bool allVargas, int style) {
    constexpr int kLastStandardVarga = 22; // D-144
    ChartTexts texts;
    for (int varga = 0; varga <= (allVargas ? kLastStandardVarga : 1); ++varga) {
        const std::string text = FormatChartText(chart, varga, style);
        texts.all += text;
        if (varga == 0) texts.rasi = text;
    }
    return texts;
}
