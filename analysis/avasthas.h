#pragma once
// Avasthas: the planetary states and the varga strengths of a chart's planets: vaiseshikamsa counts for
// four varga groups, the baladi, jagradadi, sayanadi and deeptadi states, vimsopaka bala for the same
// groups and the Tajaka Harsha bala. Held by value by CChart and computed by its pipeline; the strength
// views read the members and run the baladi group again for the varga they show.
//
// Planets are body numbers 1 Sun .. 9 Ketu; arrays by planet have 10 slots, slot 0 unused.
#include <array>
#include <cstdint>

class CChartRecord;

inline constexpr int kAvasthaSlots = 10;
inline constexpr int kVargaGroupCount = 4; // the 6, 7, 10 and 16 varga groups
inline constexpr int kVimsopakaColumns = 20;
inline constexpr int kDeeptadiFlags = 15;

using PlanetInts = std::array<int, kAvasthaSlots>;

// The vargas of one group (varga columns) with their vimsopaka weights (they add up to 20).
struct VargaGroupMember {
    int column;
    double weight;
};
struct VargaGroup {
    int size; // 6, 7, 10 or 16
    std::array<VargaGroupMember, 16> members;
};
extern const std::array<VargaGroup, kVargaGroupCount> g_vargaGroups;

// Indices of the deeptadi flags of a planet in its sign s in the member's column; the remaining bytes
// of a record are 0.
enum DeeptadiFlag : int {
    kDeeptaExalted,               // exalted in s
    kDeeptaOwnSign,               // owns s
    kDeeptaGreatFriend,           // compound relation to the lord of s is 1
    kDeeptaFriend,                // ... 2
    kDeeptaNeutral,               // ... 3
    kDeeptaEnemy,                 // ... 4 or 5
    kDeeptaAmongMalefics,         // s holds more than one (benefics) or two (malefics) malefics
    kDeeptaMaleficLord,           // the lord of s is the Sun, Mars or Saturn
    kDeeptaNearSun,               // within 6 degrees of the Sun (not the Sun itself)
    kDeeptaFifthWithMalefics,     // in the 5th from the lagna with one (benefics) or two (malefics) malefics
    kDeeptaExaltedOrMoolatrikona, // s is its exaltation or moolatrikona sign
};

// The number of vargas of each group in which a planet is in a good place.
class CVaiseshikamsa {
public:
    virtual ~CVaiseshikamsa() = default;
    std::array<PlanetInts, kVargaGroupCount> m_nCount{}; // [group][planet]
};

// Baladi, jagradadi, sayanadi (with the cheshta sub-states) and deeptadi states in one varga column.
class CBaladiAvastha {
public:
    virtual ~CBaladiAvastha() = default;
    // Baladi, then jagradadi, deeptadi and sayanadi of the chart for m_nVarga.
    void Compute(const CChartRecord& chart);

    int m_nVarga = 0;                       // varga column 0-28, 0 the rasi chart
    PlanetInts m_nBaladi{};                 // 0 Baala .. 4 Mrita
    PlanetInts m_nSayanadi{};               // 0 Sayana .. 11 Nidra
    std::array<PlanetInts, 5> m_nCheshta{}; // [j - 1]: 0 Drishti, 1 Cheshta, 2 Vicheshta
    PlanetInts m_nJagradadi{};              // 0 Jaagrita, 1 Swapna, 2 Sushupta
    std::array<std::array<std::uint8_t, kDeeptadiFlags>, kAvasthaSlots>
        m_deeptadi{}; // [planet][DeeptadiFlag]

private:
    void ComputeBaladi(const CChartRecord& chart);
    void ComputeJagradadi(const CChartRecord& chart);
    void ComputeDeeptadi(const CChartRecord& chart);
    void ComputeSayanadi(const CChartRecord& chart);
};

// Vimsopaka bala: dignity points per planet and varga column 0-19, and the weighted sum per group.
class CVimsopakaBala {
public:
    virtual ~CVimsopakaBala() = default;
    void Compute(const CChartRecord& chart);

    std::array<std::array<int, kVimsopakaColumns>, kAvasthaSlots> m_nPoints{}; // [planet][column]: 5-20
    std::array<std::array<double, kAvasthaSlots>, kVargaGroupCount> m_dBala{}; // [group][planet]: 0-20
};

// Harsha bala (Tajaka) of the Sun to Saturn: 5 for each of four rules met, 0-20.
class CHarshaBala {
public:
    virtual ~CHarshaBala() = default;
    void Compute(const CChartRecord& chart);

    std::array<int, 7> m_nBala{}; // [planet - 1]
};

class CAvasthas {
public:
    virtual ~CAvasthas() = default;

    // Baladi, vimsopaka, vaiseshikamsa and Harsha bala of the chart, in that order.
    void Compute(const CChartRecord& chart);
    // The vaiseshikamsa counts of the four groups.
    void ComputeStateGroup(const CChartRecord& chart);
    // True when planet p (1-9) is in a good place in varga column v: own sign, exaltation or
    // moolatrikona, or a kendra of the reference that SwarudhaInAmsaBala chooses unless one of the
    // ...BadInAmsaBala options cancels it.
    bool PlanetStateInGroup(const CChartRecord& chart, int p, int v) const;

    CVaiseshikamsa m_vaiseshikamsa;
    CBaladiAvastha m_baladi;
    CVimsopakaBala m_vimsopaka;
    CHarshaBala m_harsha;

private:
    bool InSwarudhaKendra(const CChartRecord& chart, int p, int v) const;
    bool SwarudhaPlaceCancelled(const CChartRecord& chart, int p, int v) const;
};
