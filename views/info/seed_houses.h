#pragma once
// The twelve houses counted from a Vimsottari seed, for comparing seeds: the seed's longitude for each
// seed choice, the houses from it and the house a longitude falls in. Longitudes are sidereal degrees
// [0, 360).
#include <array>
#include <optional>

#include "core/angle_time.h"

class CChart;

// The seeds the comparison offers, as numbered in the dasa's seed choices.
enum SeedChoice : int {
    kSeedMoon = 0,
    kSeedUtpanna = 1,  // the 5th star from the Moon's
    kSeedKshema = 2,   // the 4th
    kSeedAadhaana = 3, // the 8th
    kSeedLagna = 4,
    kSeedMandi = 5,
    kSeedGulika = 6,
    kSeedTrisphuta = 7,
    kSeedSun = 8,
};
inline constexpr int kSeedChoiceCount = 9;

// How the first house is formed: the sign holding the seed, or the seed's pada and four padas on
// either side.
enum SeedHouseMode : int { kSeedSignHouses = 0, kSeedPadaHouses = 1 };

// The seed's longitude in the chart; a choice outside 0-8 is the Moon.
double SeedLongitude(const CChart& chart, int seed);

struct SeedHouses {
    std::array<CRasiLongitude, 12> start, middle, end;

    // The house 0-11 whose span from its start (included) to its end (excluded) holds `longitude`; 12
    // for none. A longitude on a boundary begins the later house: the start of the first house is in it.
    int FindSeedHouse(double longitude) const;
};

// Mode 0: house i is the sign i signs on from the seed's, its middle the seed plus 30 i degrees.
// Mode 1: the middle of house i is the middle of the seed's pada plus 30 i degrees, the house 15
// degrees either side of it.
SeedHouses ComputeSeedHouses(double seedLongitude, int mode);
