#pragma once
// Ashtakavarga of a chart, for every varga column: the bhinna (individual) ashtakavarga of eight
// reference points, its prastara (which contributor gave each bindu), the sarva ashtakavarga, the
// trikona and ekadhipatya reductions and the graha, rasi and sodhya pindas. Held by value by CChart and
// computed by its pipeline; the views read the tables directly.
//
// Indices: reference point r (owner of an ashtakavarga, or contributor of bindus) 0 Lagna, 1 Sun,
// 2 Moon, 3 Mars, 4 Mercury, 5 Jupiter, 6 Venus, 7 Saturn (the body numbers); sign s 0 Aries .. 11
// Pisces; varga column v 0-28.
#include <array>
#include <cstdint>

#include "core/varga_columns.h"

class CChartRecord;

inline constexpr int kAshtakavargaPoints = 8; // Lagna and the seven planets Sun .. Saturn

using SignBindus = std::array<std::uint8_t, 12>;
using PointBindus = std::array<SignBindus, kAshtakavargaPoints>; // [r][s]

// The spread-out ashtakavarga of one owner: its bindus per sign, and per sign and contributor c a 1 when
// c gave the owner a bindu there.
struct CPrastara {
    SignBindus m_total{};
    std::array<std::array<std::uint8_t, kAshtakavargaPoints>, 12> m_given{}; // [s][c]
};

// One of the six disputed bindu places that AshtakaVargaCalculation switches: present when the flag of
// its index equals `presentWhen`. Houses are counted from the contributor's sign (its own sign is 1).
struct DisputedBinduPlace {
    int owner;
    int contributor;
    int house;
    bool presentWhen;
};
extern const std::array<DisputedBinduPlace, 6> g_disputedBinduPlaces;

// Houses (bit h - 1 for house h) in which contributor c gives owner r a bindu, [r][c].
using BinduHouseTable = std::array<std::array<std::uint16_t, kAshtakavargaPoints>, kAshtakavargaPoints>;

// The bindu houses as they stand with every AshtakaVargaCalculation flag at 1 (the default);
// g_disputedBinduPlaces overrides six of them.
extern const BinduHouseTable g_binduHouses;
extern const SignBindus g_rasiMultipliers;                             // Aries .. Pisces
extern const std::array<int, kAshtakavargaPoints> g_planetMultipliers; // [1..7] Sun .. Saturn; [0] unused

// True when contributor c gives owner r a bindu in house h (1-12) under the current options.
bool GivesBindu(int owner, int contributor, int house);

// Trikona then ekadhipatya reduction of one row of twelve values. `occupied[s]` is true when one of
// the planets Sun .. Saturn stands in sign s.
void ReduceAshtakavargaRow(SignBindus& row, const std::array<bool, 12>& occupied);

class CAshtakavarga {
public:
    virtual ~CAshtakavarga() = default;

    // Recomputes every table of every column from the chart's varga sign table (bodies 0-7) and the
    // ashtakavarga options as they are now. The D-150 and Hadda columns read as
    // the rasi chart, as the varga sign table gives them.
    void Compute(const CChartRecord& chart);

    std::array<PointBindus, kVargaColumnCount> m_bhinna{};
    std::array<PointBindus, kVargaColumnCount> m_reducedBhinna{};
    std::array<SignBindus, kVargaColumnCount> m_sarva{};
    // Each sign's sarva total taken into 1-12 (12 for a multiple of 12), then reduced like a bhinna row.
    std::array<SignBindus, kVargaColumnCount> m_reducedSarva{};
    std::array<std::array<CPrastara, kAshtakavargaPoints>, kVargaColumnCount> m_prastara{};
    std::array<std::array<int, kAshtakavargaPoints>, kVargaColumnCount> m_grahaPinda{};
    std::array<std::array<int, kAshtakavargaPoints>, kVargaColumnCount> m_rasiPinda{};
    std::array<std::array<int, kAshtakavargaPoints>, kVargaColumnCount> m_sodhyaPinda{};
    // Per column, signs added to the lagna's sign to give the sign used in place of the lagna (0: the
    // lagna itself); the ashtakavarga view sets it when the user picks another house.
    std::array<int, kVargaColumnCount> m_referenceShift{};

private:
    // `binduHouses`: the bindu houses under the current options.
    void ComputeColumn(const CChartRecord& chart, int v, const BinduHouseTable& binduHouses);
};
