#pragma once
// The grid of the Sarvatobhadra chakra: 9 x 9 cells, column 0-8 from left (west) to right (east), row
// 0-8 from top (north) to bottom (south). The 28 stars (0 Aswini .. 20 Uttarashadha, 21 Abhijit, 22
// Sravana .. 27 Revati) run clockwise round the border from the seventh cell of the top row, leaving
// the corners free; the sixteen vowels lie on the diagonals, the second ring holds "a" and nineteen
// consonants, the third the twelve signs (0 Aries .. 11 Pisces), and the inner cross the five tithi
// groups (0 Nanda, 1 Bhadra, 2 Jaya, 3 Rikta, 4 Poorna) with the weekdays (0 Sunday .. 6 Saturday).
// Also here: which cells strike which along the vedha lines, and the fixed graha drishti and lattas
// of the planets, counted in the stars.
#include <array>
#include <optional>

inline constexpr int kSbcSide = 9;
inline constexpr int kSbcCells = kSbcSide * kSbcSide;
inline constexpr int kSbcStars = 28;
inline constexpr int kSbcTithiGroups = 5;
// What the star of a cell that holds none reads as.
inline constexpr int kSbcNoStar = 1000;

struct SbcCell {
    int column = 4;
    int row = 4;
    bool operator==(const SbcCell&) const = default;
    // Index into per-cell arrays: 9 x column + row.
    int Index() const { return kSbcSide * column + row; }
};

enum class SbcKind { kVowel, kLetter, kStar, kSign, kTithiGroup };

struct SbcContent {
    SbcKind kind;
    int index = 0;              // the star, sign or tithi group
    const char* letter = "";    // a vowel or letter
    int weekdays[2] = {-1, -1}; // the weekdays of a tithi group's cell, -1 for none
};

// What the cell holds.
const SbcContent& SbcContentOf(SbcCell cell);
extern const char* const g_sbcTithiGroupNames[kSbcTithiGroups]; // "Nanda" .. "Poorna"

// The star 0-27 of a border cell that holds one; kSbcNoStar for every other cell.
int CellToNakshatra(SbcCell cell);
// The star of the cell in the 27-star scheme (0 Aswini .. 26 Revati): the Abhijit and Uttarashadha
// cells both give 20; kSbcNoStar for a cell without a star.
int CellToNakshatra27(SbcCell cell);
bool IsStarCell(SbcCell cell);
// The cell of a star 0-27, a sign 0-11, a tithi group 0-4.
SbcCell StarCell(int star);
SbcCell SignCell(int sign);
SbcCell TithiGroupCell(int group);

// True when `cell` lies on a vedha line of `from`: the column of a star on the top or bottom border,
// the row of a star on the left or right border, both diagonals through `from`, and between a corner
// and the two stars beside it. The relation holds both ways.
bool OnVedhaLine(SbcCell from, SbcCell cell);

// The star 0-27 of `count` counted from `star` (the star itself counting as 1), forward or backward;
// always within 0-27.
int StarCounted(int star, int count, bool forward = true);
// True when planet `planet` (1 Sun .. 7 Saturn) standing in star `from` casts its fixed graha drishti
// on star `on` (stars 0-27).
bool GrahaDrishtiFalls(int planet, int from, int on);
// The star 0-27 the latta of planet `planet` (1 Sun .. 8 Rahu) standing in star `from` strikes; none
// for Ketu and other bodies.
std::optional<int> LattaTarget(int planet, int from);
