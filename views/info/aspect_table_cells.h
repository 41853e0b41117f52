#pragma once
// The cells of the aspect table: how strongly each of the nine grahas of one varga aspects every other
// graha and each of the twelve houses, the compound relationship that colours each value, and the
// dignities drawn beside each aspecting graha. Planets are body numbers 1 Sun .. 9 Ketu; longitudes are
// the varga chart's, degrees.
#include <array>

class CChart;

inline constexpr int kAspectPlanets = 9;
inline constexpr int kBlankCell = -1; // a planet's cell against itself

// Relationship codes of the compound relationship tables: 0 own, 1 adhimitra ... 5 adhisatru.
inline constexpr int kRelationCodes = 6;

struct AspectTableRow {
    std::array<int, kAspectPlanets> planetValue{}; // [q - 1]; kBlankCell where q is the row's planet
    std::array<int, kAspectPlanets> planetRelation{};
    std::array<int, 12> houseValue{}; // [h - 1]
    std::array<int, 12> houseRelation{};
    bool exalted = false;
    bool debilitated = false;
    bool moolatrikona = false;
    int ownSignRelation = 0; // to the lord of the sign the planet occupies
    bool combust = false;
};

struct AspectTable {
    std::array<AspectTableRow, kAspectPlanets> rows; // [p - 1]
};

// The aspected longitude of house h (1-12): with the lagna as reference in D-1 the chart's house (its
// cusp with HouseCuspsInMiddle, else its start); otherwise the reference body's varga longitude plus
// 30 (h - 1) degrees, minus that for Rahu and Ketu with HousesFromNodesReversed. [0, 360).
double AspectTableHousePoint(const CChart& vargaChart, int varga, int houseReference, int h);
// The value shown for an aspect: DrishtiStrength x fullValue / 100, rounded half up (exact halves up
// despite the per-cent form's rounding error).
int AspectValue(double aspected, double aspecting, int planet, double fullValue);
// The table of the varga column `varga` (out of range: D-1) of `chart`, houses counted from body
// `houseReference` (out of 0-9: the lagna), a full aspect shown as `fullValue`. False when the varga
// chart cannot be calculated.
bool ComputeAspectTable(CChart& chart, int varga, int houseReference, double fullValue, AspectTable& table);
