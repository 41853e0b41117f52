#include "views/info/mrityu_bhaga_degrees.h"

#include <array>

namespace {
using SignDegrees = std::array<int, 12>; // Aries .. Pisces

constexpr std::array<SignDegrees, 10> kLagnaToKetu = {{
    {1, 9, 22, 22, 25, 2, 4, 23, 18, 20, 24, 10},    // lagna and house cusps
    {20, 9, 12, 6, 8, 24, 16, 17, 22, 2, 3, 23},     // Sun
    {8, 25, 22, 22, 21, 1, 4, 23, 18, 20, 20, 10},   // Moon, first list
    {19, 28, 25, 23, 29, 28, 14, 21, 2, 15, 11, 6},  // Mars
    {15, 14, 13, 12, 8, 18, 20, 10, 21, 22, 7, 5},   // Mercury
    {19, 29, 12, 27, 6, 4, 13, 10, 17, 11, 15, 28},  // Jupiter
    {28, 15, 11, 17, 10, 13, 4, 6, 27, 12, 29, 19},  // Venus
    {10, 4, 7, 9, 12, 16, 3, 18, 28, 14, 13, 15},    // Saturn
    {14, 13, 12, 11, 24, 23, 22, 21, 10, 20, 18, 8}, // Rahu
    {8, 18, 20, 10, 21, 22, 23, 24, 11, 12, 13, 14}, // Ketu
}};
constexpr SignDegrees kMoonSecondList = {26, 12, 13, 25, 24, 11, 26, 14, 13, 25, 5, 12};
constexpr SignDegrees kMaandi = {23, 24, 11, 12, 13, 14, 8, 18, 20, 10, 21, 22};
constexpr int kMoon = 2;
constexpr int kMaandiBody = 31;
} // namespace

int MrityuBhagaDegree(int body, int sign, bool secondMoonList) {
    if (sign < 0 || sign >= 12) return -1;
    if (body == kMaandiBody) return kMaandi[sign];
    if (body == kMoon && secondMoonList) return kMoonSecondList[sign];
    if (body < 0 || body >= static_cast<int>(kLagnaToKetu.size())) return -1;
    return kLagnaToKetu[body][sign];
}
