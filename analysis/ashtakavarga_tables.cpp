// Constant tables of the ashtakavarga: the places of the bindus, the disputed places and the multipliers
// of the pindas.
#include <initializer_list>

#include "analysis/ashtakavarga.h"

namespace {
constexpr std::uint16_t Houses(std::initializer_list<int> houses) {
    std::uint16_t mask = 0;
    for (int h : houses) mask = static_cast<std::uint16_t>(mask | (1u << (h - 1)));
    return mask;
}
} // namespace

// Rows: owner Lagna, Sun .. Saturn; columns: contributor Lagna, Sun .. Saturn. Totals per owner: 49, 48,
// 49, 39, 54, 56, 52, 39.
const BinduHouseTable g_binduHouses = {{
    {Houses({3, 6, 10, 11}), Houses({3, 4, 6, 10, 11, 12}), Houses({3, 6, 10, 11, 12}),
     Houses({1, 3, 6, 10, 11}), Houses({1, 2, 4, 6, 8, 10, 11}), Houses({1, 2, 4, 5, 6, 7, 9, 10, 11}),
     Houses({1, 2, 3, 4, 5, 8, 9}), Houses({1, 3, 4, 6, 10, 11})}, // Lagna
    {Houses({3, 4, 6, 10, 11, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 6, 10, 11}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({3, 5, 6, 9, 10, 11, 12}), Houses({5, 6, 9, 11}),
     Houses({6, 7, 12}), Houses({1, 2, 4, 7, 8, 9, 10, 11})}, // Sun
    {Houses({3, 6, 10, 11}), Houses({3, 6, 7, 8, 10, 11}), Houses({1, 3, 6, 7, 9, 10, 11}),
     Houses({2, 3, 5, 6, 10, 11}), Houses({1, 3, 4, 5, 7, 8, 10, 11}), Houses({1, 2, 4, 7, 8, 10, 11}),
     Houses({3, 4, 5, 7, 9, 10, 11}), Houses({3, 5, 6, 11})}, // Moon
    {Houses({1, 3, 6, 10, 11}), Houses({3, 5, 6, 10, 11}), Houses({3, 6, 11}),
     Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 5, 6, 11}), Houses({6, 10, 11, 12}), Houses({6, 8, 11, 12}),
     Houses({1, 4, 7, 8, 9, 10, 11})}, // Mars
    {Houses({1, 2, 4, 6, 8, 10, 11}), Houses({5, 6, 9, 11, 12}), Houses({2, 4, 6, 8, 10, 11}),
     Houses({1, 2, 4, 7, 8, 9, 10, 11}), Houses({1, 3, 5, 6, 9, 10, 11, 12}), Houses({6, 8, 11, 12}),
     Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({1, 2, 4, 7, 8, 9, 10, 11})}, // Mercury
    {Houses({1, 2, 4, 5, 6, 7, 9, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 9, 10, 11}), Houses({2, 5, 7, 9, 11}),
     Houses({1, 2, 4, 7, 8, 10, 11}), Houses({1, 2, 4, 5, 6, 9, 10, 11}), Houses({1, 2, 3, 4, 7, 8, 10, 11}),
     Houses({2, 5, 6, 9, 10, 11}), Houses({3, 5, 6, 12})}, // Jupiter
    {Houses({1, 2, 3, 4, 5, 8, 9, 11}), Houses({8, 11, 12}), Houses({1, 2, 3, 4, 5, 8, 9, 11, 12}),
     Houses({3, 4, 6, 9, 11, 12}), Houses({3, 5, 6, 9, 11}), Houses({5, 8, 9, 10, 11}),
     Houses({1, 2, 3, 4, 5, 8, 9, 10, 11}), Houses({3, 4, 5, 8, 9, 10, 11})}, // Venus
    {Houses({1, 3, 4, 6, 10, 11}), Houses({1, 2, 4, 7, 8, 10, 11}), Houses({3, 6, 11}),
     Houses({3, 5, 6, 10, 11, 12}), Houses({6, 8, 9, 10, 11, 12}), Houses({5, 6, 11, 12}),
     Houses({6, 11, 12}), Houses({3, 5, 6, 11})}, // Saturn
}};

// Flag by flag: the Moon's own 9th, Mars's 9th for the Moon, Jupiter's 2nd and 12th for the Moon, Mars's
// 4th and 5th for Venus.
const std::array<DisputedBinduPlace, 6> g_disputedBinduPlaces = {{
    {2, 2, 9, true},
    {2, 3, 9, false},
    {2, 5, 2, true},
    {2, 5, 12, false},
    {6, 3, 4, true},
    {6, 3, 5, false},
}};

const SignBindus g_rasiMultipliers = {7, 10, 8, 4, 10, 5, 7, 8, 9, 5, 11, 12};
const std::array<int, kAshtakavargaPoints> g_planetMultipliers = {0, 5, 5, 8, 5, 10, 7, 5};
