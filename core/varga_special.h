#pragma once
// Rules of the user-defined, composite and special varga columns (23-25, 27, 28), one body at a time.
// Longitudes are degrees [0, 360), sidereal unless the chart is tropical; d is degrees into the sign.
#include <optional>
#include <span>

#include "core/varga_columns.h"
#include "core/varga_options.h"

// The user's D-N (column 23). Cyclical: part trunc(N L / 30) of the zodiac. Otherwise the parts of a
// sign are counted from a base (Aries, or the sign itself when bHouseAsSeed) moved on by the offset
// that the start rule tStart gives the sign:
//   0 the base; 1-5 the base or its 7th/9th/5th/11th/3rd for odd/even signs; 6 1st/5th/9th and
//   7 1st/9th/5th for movable/fixed/dual signs; 8 1st/4th/7th/10th and 9 1st/10th/7th/4th for
//   fiery/earthy/airy/watery signs.
// With bReverseDivsInEvenSigns the parts of even signs run from the end. Empty when N is outside
// 1-300 or the start rule outside 0-9: no division is defined.
std::optional<int> CustomVargaSign(const CRasiLongitude& body, const CustomDivisionSettings& settings);
bool IsValidCustomDivision(const CustomDivisionSettings& settings);

// The composite "D-n of D-m" takes the outer chart from a column m (0-28, but not the composite column
// itself) and applies the rule of one of the columns n = 0-19 to it.
bool IsValidCompositeVarga(int outerColumn, int innerColumn);

// A body's place among the 150 parts of its sign (D-150, nadi amsa) and the half of that part.
struct D150Place {
    int part = 0; // 0-149 within the sign
    int half = 0; // 0-299: 2 x part, plus 1 in the second half of the part
};
// Variant 0: equal parts of 0.2 degree; any other value: the unequal parts of Chandra Kala Nadi.
D150Place D150PlaceOf(double degreesInSign, int variant);
// Ruler 0-8 of a D-150 half-part in a sign: variant 0 counts on from 0/3/6 and variant 1 from 0/6/3
// for movable/fixed/dual signs; any other value counts movable signs forward, fixed signs back from
// the end, dual signs from the middle.
int D150CycleIndex(int sign, int half, int variant);

// Lord of the term (hadda) that holds d degrees of a sign: a planet number 3 Mars .. 7 Saturn.
// A boundary belongs to the next term.
int HaddaLord(int sign, double degreesInSign);

// Index 0-11 of the first of the twelve houses that holds the body. Houses that leave a gap put a
// body in the gap into the house whose start it passed last.
int HouseIndexOf(std::span<const CBhava, 12> houses, const CRasiLongitude& body);

// Whether the bhava/chalit chakra moves a body out of its sign in the base varga: -1 back one sign, 0
// stays, +1 on one sign. x and r are the degrees into their signs of the body and of the reference
// body (number referenceBody) in the base varga chart. With cuspsInMiddle the reference degree is the
// middle of every house, otherwise its start; houses counted from Rahu (8) or Ketu (9) run backwards
// when nodesReversed.
int ChalitSignShift(double x, double r, bool cuspsInMiddle, bool nodesReversed, int referenceBody);
