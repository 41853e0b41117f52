#pragma once
// What the rasi dasas share: the orders in which they walk the signs, the directions by a sign's nature
// or parity with the chart's direction exception, the start signs the user chose, and the filling of a
// tree with sign periods (two cycles of twelve, the second giving each sign 12 minus its years) and
// sign sub-periods (twelve equal parts). Signs 0 Aries .. 11 Pisces; varga columns 0-28; years are dasa
// years.
#include <array>
#include <span>
#include <string>

#include "chart/chart.h"
#include "document/dasa_tree.h"

using SignOrder = std::array<int, 12>;
inline constexpr SignOrder kPlainOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
inline constexpr SignOrder kEverySixthOrder = {0, 5, 10, 3, 8, 1, 6, 11, 4, 9, 2, 7};
inline constexpr SignOrder kNarayanaTrineOrder = {0, 4, 8, 9, 1, 5, 6, 10, 2, 3, 7, 11};
inline constexpr SignOrder kCharaDualOrder = {0, 3, 6, 9, 4, 7, 10, 1, 8, 11, 2, 5};
inline constexpr SignOrder kKendraOrder = {0, 3, 6, 9, 1, 4, 7, 10, 2, 5, 8, 11};
inline constexpr SignOrder kTrineOrder = {0, 4, 8, 1, 5, 9, 2, 6, 10, 3, 7, 11};
inline constexpr SignOrder kSeventhOrder = {0, 6, 1, 7, 2, 8, 3, 9, 4, 10, 5, 11};

// Divisor of each varga column as the Narayana-type dasas count the d-th sign from the lagna.
int NarayanaVargaDivisor(int column);

// Direction exceptions of the chart for (column, sign): 0 none, 1 forward in plain order, 2 reversed
// (the Saturn and Ketu exceptions of the sign-lord tables).
inline constexpr int kNoDirectionException = 0;
inline constexpr int kForwardException = 1;
inline constexpr int kReversedException = 2;
int DirectionException(const CChart& chart, int column, int sign);
// A direction (+1, -1) with the exception for (column, sign) applied: 1 gives +1, 2 the opposite.
int WithDirectionException(const CChart& chart, int column, int sign, int direction);

// +1 for Aries, Leo, Virgo, Libra, Aquarius, Pisces; -1 for the others (floor((s + 8) / 3) odd).
int NarayanaDirection(int sign);
// +1 for the odd signs (Aries, Gemini ...: even index), -1 for the even signs.
int ParityDirection(int sign);
// The order of a sign's nature: movable plain, fixed every sixth, dual by `dualOrder`.
const SignOrder& OrderByNature(int sign, const SignOrder& dualOrder);

// A start sign the user chose (0-11), or the computed one when the slot names none (12 or more).
int ChosenOr(int chosen, int computed);
// The chart's start exception for a dasa code (m_signMarker), or the computed sign.
int MarkedStartOr(const CChart& chart, int code, int computed);

// Years of each of the signs by a rule of the sign.
template <typename Years> std::array<double, 12> YearsOf(const std::array<int, 12>& signs, Years years) {
    std::array<double, 12> out{};
    for (int i = 0; i < 12; ++i) out[i] = years(signs[i]);
    return out;
}
double SumOf(const std::array<double, 12>& years);
// The rasi dasas' years (CChart::RasiDasaYears) with the sign's lord by their co-lords, in a column.
double RasiYears(const CChart& chart, int sign, int column);
// Sthira years: 7, 8 and 9 for movable, fixed and dual signs, 96 in a cycle.
std::array<double, 12> SthiraYears(const std::array<int, 12>& signs);
inline constexpr double kSthiraCycleYears = 96.0;

// Sign of a body in a column; lord of a sign by the rasi dasas' co-lords.
int SignIn(const CChart& chart, int body, int column);
// The sign that the lord (SignLordForDasa) of the stronger of s and its 7th occupies in the column.
int LordOfStrongerSign(const CChart& chart, int sign, int column);

// The first level: sign i = (start + direction x order[i]) for i < 12, with its years; with a second
// cycle, periods 12-23 repeat the signs with 12 - years. Sets the common rasi-dasa settings: sign
// lords, twelve equal sub-periods, no balance, dCycleYears as given.
void FillSignPeriods(CDasaTree& tree, std::span<const int, 12> signs, std::span<const double, 12> years,
                     bool secondCycle, double cycleYears);
// The twelve signs start + direction x order[i].
std::array<int, 12> SignsInOrder(int start, int direction, const SignOrder& order);
// Sub-period row of sign s: start + direction x order[j].
void SetSubSigns(CDasaTree& tree, int sign, int start, int direction, const SignOrder& order);

// Narayana's sub-periods in a column (Paryaya's and several others' too): from the sign occupied by the
// lord of s (Paka) or of the stronger of s and its 7th, forward from an odd sign and backward from an
// even one, the exception of the column and of the sign whose lord was taken applied.
void SetNarayanaSubPeriods(const CChart& chart, CDasaTree& tree, int column, bool paka = false);
// Chara dasa's sub-periods in a column: from the stronger of s and its 7th, in the order of s's nature,
// backward for an even sign.
void SetCharaSubPeriods(const CChart& chart, CDasaTree& tree, int column);

// Completes a title that ends in "of " or "from " with the varga's name ("Rasi", "Navamsa" ...).
void AppendVargaName(CDasaTree& tree, int column, const std::string& suffix = "");
