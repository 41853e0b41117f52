// The ashtakavarga of a chart: bindus, sarva, reductions and pindas of every varga column.
#include "analysis/ashtakavarga.h"

#include <algorithm>
#include <bit>

#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/chart_record.h"

namespace {

constexpr std::array<std::array<int, 3>, 4> kTriangles = {{{0, 4, 8}, {1, 5, 9}, {2, 6, 10}, {3, 7, 11}}};
// Sign pairs of one lord, in the order they are reduced; Cancer and Leo take no part.
constexpr std::array<std::array<int, 2>, 5> kOneLordPairs = {{{0, 7}, {1, 6}, {2, 5}, {8, 11}, {9, 10}}};

void ReduceTrikona(SignBindus& row) {
    for (const auto& triangle : kTriangles) {
        std::uint8_t& a = row[triangle[0]];
        std::uint8_t& b = row[triangle[1]];
        std::uint8_t& c = row[triangle[2]];
        if (a == b && b == c) {
            a = b = c = 0;
            continue;
        }
        const std::uint8_t least = std::min({a, b, c});
        a -= least;
        b -= least;
        c -= least;
    }
}

void ReduceEkadhipatya(SignBindus& row, const std::array<bool, 12>& occupied) {
    for (const auto& pair : kOneLordPairs) {
        std::uint8_t& x = row[pair[0]];
        std::uint8_t& y = row[pair[1]];
        if (x == 0 || y == 0) continue;
        if (occupied[pair[0]] && occupied[pair[1]]) continue;
        if (!occupied[pair[0]] && !occupied[pair[1]]) {
            if (x == y)
                x = y = 0;
            else
                x = y = std::min(x, y);
            continue;
        }
        // One side occupied: the empty side loses all when the occupied side has as many, else keeps
        // only the occupied side's value.
        const std::uint8_t o = occupied[pair[0]] ? x : y;
        std::uint8_t& u = occupied[pair[0]] ? y : x;
        u = o >= u ? 0 : o;
    }
}

// The signs (bit s for sign s) of a set of houses (bit h - 1 for house h) counted from `sign` (house 1):
// the twelve bits turned by `sign` places.
unsigned SignsOfHouses(std::uint16_t houses, int sign) {
    return ((houses << sign) | (houses >> (12 - sign))) & 0xFFFu;
}

// The bindu houses of one owner and contributor under the current options: the default houses with the
// disputed places switched by AshtakaVargaCalculation.
std::uint16_t BinduHouses(int owner, int contributor) {
    std::uint16_t houses = g_binduHouses[owner][contributor];
    for (std::size_t flag = 0; flag < g_disputedBinduPlaces.size(); ++flag) {
        const DisputedBinduPlace& place = g_disputedBinduPlaces[flag];
        if (place.owner != owner || place.contributor != contributor) continue;
        const auto bit = static_cast<std::uint16_t>(1u << (place.house - 1));
        if (g_abAshtakaVargaCalculation[flag] == place.presentWhen)
            houses |= bit;
        else
            houses &= static_cast<std::uint16_t>(~bit);
    }
    return houses;
}

} // namespace

bool GivesBindu(int owner, int contributor, int house) {
    return (BinduHouses(owner, contributor) >> (house - 1)) & 1u;
}

void ReduceAshtakavargaRow(SignBindus& row, const std::array<bool, 12>& occupied) {
    ReduceTrikona(row);
    ReduceEkadhipatya(row, occupied);
}

void CAshtakavarga::Compute(const CChartRecord& chart) {
    // The options hold for every column: the bindu places are read once per chart.
    BinduHouseTable binduHouses{};
    for (int r = 0; r < kAshtakavargaPoints; ++r)
        for (int c = 0; c < kAshtakavargaPoints; ++c) binduHouses[r][c] = BinduHouses(r, c);
    for (int v = 0; v < kVargaColumnCount; ++v) ComputeColumn(chart, v, binduHouses);
}

void CAshtakavarga::ComputeColumn(const CChartRecord& chart, int v, const BinduHouseTable& binduHouses) {
    // Reference signs: the lagna's (moved by the reference shift), then the planets'.
    std::array<int, kAshtakavargaPoints> place{};
    place[0] = (chart.m_vargaSign.Sign(kLagna, v) + m_referenceShift[v]) % 12;
    for (int r = 1; r < kAshtakavargaPoints; ++r) place[r] = chart.m_vargaSign.Sign(r, v);

    PointBindus& bhinna = m_bhinna[v];
    bhinna = {};
    std::array<CPrastara, kAshtakavargaPoints>& prastara = m_prastara[v];
    prastara = {};
    const bool byOwner = g_bAshtakaVargaDefinition;
    for (int a = 0; a < kAshtakavargaPoints; ++a) {
        for (int c = 0; c < kAshtakavargaPoints; ++c) {
            // With the other definition the table is read the other way round: the bindu goes to the
            // contributor's own ashtakavarga and is credited to the owner.
            const int owner = byOwner ? a : c;
            const int giver = byOwner ? c : a;
            for (unsigned signs = SignsOfHouses(binduHouses[a][c], place[c]); signs != 0;
                 signs &= signs - 1) {
                const int s = std::countr_zero(signs);
                ++bhinna[owner][s];
                prastara[owner].m_given[s][giver] = 1;
            }
        }
    }
    for (int r = 0; r < kAshtakavargaPoints; ++r) prastara[r].m_total = bhinna[r];

    SignBindus& sarva = m_sarva[v];
    const int firstOwner = g_bEightAVInSAV ? 0 : 1;
    const bool bhavaDriven = g_bBhavaDrivenSarvaAshtakaVarga;
    for (int s = 0; s < 12; ++s) {
        int sum = 0;
        for (int r = firstOwner; r < kAshtakavargaPoints; ++r) {
            // Bhava-driven: each owner's row read by houses from its own sign, laid out from the reference.
            const int t = bhavaDriven ? (s - place[0] + place[r] + 12) % 12 : s;
            sum += bhinna[r][t];
        }
        sarva[s] = static_cast<std::uint8_t>(sum);
    }

    std::array<bool, 12> occupied{};
    for (int p = 1; p < kAshtakavargaPoints; ++p) occupied[place[p]] = true;
    for (int r = 0; r < kAshtakavargaPoints; ++r) {
        m_reducedBhinna[v][r] = bhinna[r];
        ReduceAshtakavargaRow(m_reducedBhinna[v][r], occupied);
    }
    for (int s = 0; s < 12; ++s)
        m_reducedSarva[v][s] = static_cast<std::uint8_t>(SignedModOneBased(sarva[s], 12));
    ReduceAshtakavargaRow(m_reducedSarva[v], occupied);

    for (int r = 0; r < kAshtakavargaPoints; ++r) {
        const SignBindus& reduced = m_reducedBhinna[v][r];
        int rasiPinda = 0;
        for (int s = 0; s < 12; ++s) rasiPinda += reduced[s] * g_rasiMultipliers[s];
        int grahaPinda = 0;
        for (int p = 1; p < kAshtakavargaPoints; ++p)
            grahaPinda += reduced[place[p]] * g_planetMultipliers[p];
        m_rasiPinda[v][r] = rasiPinda;
        m_grahaPinda[v][r] = grahaPinda;
        m_sodhyaPinda[v][r] = rasiPinda + grahaPinda;
    }
}
