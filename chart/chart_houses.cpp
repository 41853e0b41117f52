// The twelve houses of a chart (start, middle and end) by the chosen house type.
#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/option_snapshot.h"
#include "core/planet_tables.h"

namespace {

constexpr int kHousesAreSigns = 0;    // "Each rasi is a house"
constexpr int kPadaCentredHouses = 2; // "Equal houses based on nakshatra padas (9 padas each)"
constexpr int kSriSuryaSiddhanta = 11;

void SetHouse(CBhava& house, double start, double middle, double end) {
    house.m_start.m_dLongitude = start;
    house.m_middle.m_dLongitude = middle;
    house.m_end.m_dLongitude = end;
    house.m_start.SplitLongitude();
    house.m_middle.SplitLongitude();
    house.m_end.SplitLongitude();
}

} // namespace

CalcStatus CChart::ComputeBhavas(bool bLagnaFromExtraPoint) {
    const int reference =
        g_nBhavaReferenceBody >= 0 && g_nBhavaReferenceBody < kBodyCount ? g_nBhavaReferenceBody : 0;
    const double L = m_bodies[reference].m_dLongitude;
    const int S = m_bodies[reference].m_nSign;
    if (bLagnaFromExtraPoint || reference != kLagna ||
        (g_nSiddhanta == 1 && g_nHouseTypeWanted != kSriSuryaSiddhanta)) {
        // The cusps of the reference come from the ephemeris even in the traditional model.
        const SearchResult found = [&] {
            const CScopedOption ephemerisModel(g_nSiddhanta, g_nSiddhanta == 1 ? 0 : g_nSiddhanta);
            return CalcAtTimeOffset(L);
        }();
        // A polar lagna that never reaches the longitude leaves the cusps as they are.
        if (found.outcome == SearchOutcome::kFailed) return found.status;
    }
    for (int i = 0; i < 12; ++i) {
        CBhava& house = m_bhava[i];
        if (g_nHouseTypeWanted == kHousesAreSigns) {
            const double start = (S + i) * 30.0;
            SetHouse(house, start, i * 30.0 + L, start + 30.0);
        } else if (g_nHouseTypeWanted == kPadaCentredHouses) {
            const int pada = static_cast<int>(L * 0.3);
            const double padaMiddle = pada * kPadaSpan + kPadaSpan / 2.0;
            const double base = i * 30.0 + padaMiddle;
            if (g_bHouseCuspsInMiddle)
                SetHouse(house, base - 15.0, base, base + 15.0);
            else
                SetHouse(house, base, base + 15.0, base + 30.0);
        } else {
            const double previous = m_dHouseCusps[(i + 11) % 12];
            const double cusp = m_dHouseCusps[i];
            const double next = m_dHouseCusps[(i + 1) % 12];
            // Bounds halfway forward from one cusp to the next (AngleMidpoint(to, from, 0)).
            if (g_bHouseCuspsInMiddle)
                SetHouse(house, AngleMidpoint(cusp, previous, 0.0), cusp, AngleMidpoint(next, cusp, 0.0));
            else
                SetHouse(house, cusp, AngleMidpoint(next, cusp, 0.0), next);
        }
    }
    return {};
}
