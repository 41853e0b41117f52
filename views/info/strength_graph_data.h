#pragma once
// The bar graphs of the strengths pane: one record per graph, gathered from a chart's shadbala,
// avasthas and ashtakavarga for one of six graph pages, and how many graphs each page lays out in how
// many columns and rows.
#include <array>
#include <string>
#include <vector>

class CChart;

inline constexpr int kMaxBars = 25;
inline constexpr int kMaxGraphs = 10;

enum GraphPage : int {
    kGrahaBalaPage = 0,
    kBhavaBalaPage = 1,
    kShadbalaBreakUpPage = 2,
    kVimsopakaPage = 3,
    kVaiseshikamsaPage = 4,
    kRashmiPage = 5,
    kGraphPageCount = 6,
};

// One bar graph: bars 0..count-1 with their labels and values, drawn against a top of scale.
struct CStrengthGraphRecord {
    std::string title;
    int count = 0;
    double topOfScale = 1.0; // the value drawn as a full-height bar
    bool isSigned = false;   // the scale runs from minus to plus the top about a zero line in the middle
    bool wholeNumbers = false;
    std::array<std::string, kMaxBars> labels;
    std::array<double, kMaxBars> values{};
};

struct GraphPageShape {
    int groups;
    int columns;
    int rows;
};

// `page` when it is one of the six, else the graha balas.
int ValidGraphPage(int page);
// The graphs of the page (out of range: the graha balas) and their grid.
GraphPageShape GraphPageShapeOf(int page);
// `varga` when it is a varga column 0-28, else D-1 (0).
int ValidVargaColumn(int varga);

// The graphs of `page` (out of range: the graha balas) for `chart`; the ashtakavarga graphs read varga
// column `ashtakavargaVarga` (out of range: D-1).
std::vector<CStrengthGraphRecord> CollectGraphData(int page, const CChart& chart, int ashtakavargaVarga);
