#pragma once
// Charts as plain ASCII text for the clipboard and the copied calculations: the South Indian box, the
// North Indian diamond and the East Indian grid on a character grid of lines of 49 characters, each
// ended by CR LF, so that line i, column j is character 51 i + j. Every text stays inside its slot: a
// long label or caption is cut, never written over a neighbour or a line of the figure.
#include <string>

class CChart;

inline constexpr int kTextChartWidth = 49;     // characters of a line before its CR LF
inline constexpr int kTextChartLinePitch = 51; // characters from one line to the next
inline constexpr int kSouthTextLines = 25;
inline constexpr int kNorthTextLines = 26;
inline constexpr int kEastTextLines = 25;

// The South Indian chart of `varga` (column 0-28): `standard` puts Aries in the second column of the
// top row, otherwise the columns are mirrored left to right. Ends with an empty line.
std::string FormatSouthChartText(const CChart& chart, int varga, bool standard);
// The North Indian chart: houses from the lagna, the number of the lagna's sign in the centre.
std::string FormatNorthChartText(const CChart& chart, int varga);
// The East Indian chart with or without its outer frame.
std::string FormatEastChartText(const CChart& chart, int varga, bool frame);

// The text chart in chart style `style` (ChartStyle 0-4; any other value draws South Indian).
std::string FormatChartText(const CChart& chart, int varga, int style);
// South (standard), North and East (framed) one after the other.
std::string FormatChartTextAllStyles(const CChart& chart, int varga);

// The chart's texts kept for the copied calculations: the rasi chart alone, and the charts of several
// vargas one after the other (D-1 to D-144 when `allVargas`, else D-1 and D-9), all in `style`.
struct ChartTexts {
    std::string rasi;
    std::string all;
};
ChartTexts FormatChartTexts(const CChart& chart, bool allVargas, int style);

// The chart view's texts for the copied calculations (CChartView::GetChartText).
extern std::string g_strChartTextRasi;
extern std::string g_strChartTextAll;
