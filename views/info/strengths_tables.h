#pragma once
// The seven other-strengths tables of a chart: vaiseshikamsas and vimsopaka balas in the 10-, 16-, 7-
// and 6-varga groups, the basic and sayanadi avasthas of the Sun to Ketu, and the Tajaka harsha,
// pancha-vargeeya and dwadasa-vargeeya balas of the Sun to Saturn.
#include <string>

class CChart;
class CCustomListView;

enum StrengthsTable : int {
    kVaiseshikamsaTable = 0,
    kBasicAvasthaTable = 1,
    kSayanadiAvasthaTable = 2,
    kHarshaBalaTable = 3,
    kPanchaVargeeyaTable = 4,
    kDwadasaVargeeyaTable = 5,
    kVimsopakaTable = 6,
    kStrengthsTableCount = 7,
};

// `table` when it is one of the seven, else the vaiseshikamsas.
int ValidStrengthsTable(int table);
// The word of a harsha bala (0-20 in steps of 5): "Nil", "Little", "Average", "Full", "Excess".
const char* HarshaStrengthWord(int bala);
// The moods set for planet `planet` (1-9) of the chart's basic avasthas, in table order, joined by ", ".
std::string MoodList(const CChart& chart, int planet);

// Fills `list` with the table (out of range: the vaiseshikamsas) of `chart`.
void FillStrengthsTable(CCustomListView& list, int table, const CChart& chart);
