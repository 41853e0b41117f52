#include "views/chakras/sarvatobhadra_grid.h"

#include <vector>

#include "core/chart_core.h"

const char* const g_sbcTithiGroupNames[kSbcTithiGroups] = {"Nanda", "Bhadra", "Jaya", "Rikta", "Poorna"};

namespace {
using enum SbcKind;

constexpr SbcContent V(const char* letter) {
    return {kVowel, 0, letter};
}
constexpr SbcContent L(const char* letter) {
    return {kLetter, 0, letter};
}
constexpr SbcContent N(int star) {
    return {kStar, star};
}
constexpr SbcContent S(int sign) {
    return {kSign, sign};
}
constexpr SbcContent T(int group, int first, int second = -1) {
    return {kTithiGroup, group, "", {first, second}};
}

// The grid by rows, top to bottom.
constexpr SbcContent kGrid[kSbcSide][kSbcSide] = {
    {V("ii"), N(23), N(24), N(25), N(26), N(27), N(0), N(1), V("a")},
    {N(22), V("rii"), L("g"), L("s"), L("d"), L("ch"), L("l"), V("u"), N(2)},
    {N(21), L("kh"), V("ai"), S(10), S(11), S(0), V("lu"), L("a"), N(3)},
    {N(20), L("j"), S(9), V("ah"), T(3, 5), V("o"), S(1), L("v"), N(4)},
    {N(19), L("bh"), S(8), T(2, 4), T(4, 6), T(0, 0, 2), S(2), L("k"), N(5)},
    {N(18), L("y"), S(7), V("am"), T(1, 1, 3), V("au"), S(3), L("h"), N(6)},
    {N(17), L("n"), V("e"), S(6), S(5), S(4), V("luu"), L("d"), N(7)},
    {N(16), V("ri"), L("t"), L("r"), L("p"), L("t~"), L("m"), V("uu"), N(8)},
    {V("i"), N(15), N(14), N(13), N(12), N(11), N(10), N(9), V("aa")},
};

constexpr int kAbhijit = 21;
constexpr int kUttarashadha = 20;

SbcCell FirstCellOf(SbcKind kind, int index) {
    for (int column = 0; column < kSbcSide; ++column)
        for (int row = 0; row < kSbcSide; ++row)
            if (kGrid[row][column].kind == kind && kGrid[row][column].index == index) return {column, row};
    return {};
}

bool IsCorner(SbcCell cell) {
    return (cell.column == 0 || cell.column == kSbcSide - 1) && (cell.row == 0 || cell.row == kSbcSide - 1);
}

// A corner and the two stars beside it strike each other: the corner's column-and-row rule.
bool BesideCorner(SbcCell corner, SbcCell cell) {
    const int c = cell.column, r = cell.row;
    if (corner == SbcCell{0, 0}) return c + r == 1;
    if (corner == SbcCell{8, 0}) return c - r == 7;
    if (corner == SbcCell{8, 8}) return c + r == 15;
    if (corner == SbcCell{0, 8}) return c - r == -7;
    return false;
}

// Fixed graha drishti, counted from the planet's own star (1), Sun .. Saturn.
const std::vector<int> kDrishtiCounts[] = {{14, 15}, {14, 15}, {1, 3, 7, 8, 15}, {1, 15}, {10, 15, 19}, {1, 15},
                                           {3, 5, 15, 19}};

struct Latta {
    int count;
    bool forward;
};
// Lattas, counted from the planet's own star, Sun .. Rahu.
constexpr Latta kLattas[] = {{12, true}, {22, false}, {3, true}, {7, false}, {6, true}, {5, false}, {8, true}, {9, false}};
} // namespace

const SbcContent& SbcContentOf(SbcCell cell) {
    return kGrid[cell.row][cell.column];
}

int CellToNakshatra(SbcCell cell) {
    const SbcContent& content = SbcContentOf(cell);
    return content.kind == kStar ? content.index : kSbcNoStar;
}

int CellToNakshatra27(SbcCell cell) {
    const int star = CellToNakshatra(cell);
    if (star == kSbcNoStar || star < kAbhijit) return star;
    return star == kAbhijit ? kUttarashadha : star - 1;
}

bool IsStarCell(SbcCell cell) {
    return CellToNakshatra(cell) != kSbcNoStar;
}

SbcCell StarCell(int star) {
    return FirstCellOf(kStar, star);
}

SbcCell SignCell(int sign) {
    return FirstCellOf(kSign, sign);
}

SbcCell TithiGroupCell(int group) {
    return FirstCellOf(kTithiGroup, group);
}

bool OnVedhaLine(SbcCell from, SbcCell cell) {
    const int c = from.column, r = from.row, x = cell.column, y = cell.row;
    const bool edgeColumn = c == 0 || c == kSbcSide - 1, edgeRow = r == 0 || r == kSbcSide - 1;
    if (x == c && !edgeColumn) return true;
    if (y == r && !edgeRow) return true;
    if (c - x == r - y || c - x == y - r) return true;
    return (IsCorner(cell) && BesideCorner(cell, from)) || (IsCorner(from) && BesideCorner(from, cell));
}

int StarCounted(int star, int count, bool forward) {
    const int step = forward ? count - 1 : -(count - 1);
    return ((star + step) % kSbcStars + kSbcStars) % kSbcStars;
}

bool GrahaDrishtiFalls(int planet, int from, int on) {
    if (planet < kSun || planet > kSaturn) return false;
    for (int count : kDrishtiCounts[planet - kSun])
        if (StarCounted(from, count) == on) return true;
    return false;
}

std::optional<int> LattaTarget(int planet, int from) {
    if (planet < kSun || planet > kRahu) return std::nullopt;
    const Latta latta = kLattas[planet - kSun];
    return StarCounted(from, latta.count, latta.forward);
}
