#include "core/calculated_moments.h"

#include <array>
#include <utility>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/ephemeris_flags.h"

namespace {

// Enough for the moments of two charts that are recalculated in turn (natal and working chart), each
// with its five sunrise snapshots and six 6:00 probes.
constexpr int kRememberedMoments = 32;

struct RememberedMoments {
    std::array<std::pair<MomentKey, CChartCore>, kRememberedMoments> entries;
    std::array<bool, kRememberedMoments> used{};
    int next = 0; // the oldest entry, replaced next
};

thread_local RememberedMoments t_moments;

} // namespace

PositionOptions CurrentPositionOptions() {
    const CAyanamsaSettings& ayanamsa = g_ayanamsaSettings;
    return {ayanamsa.m_nAyanamsaId,
            ayanamsa.m_bOwnValue,
            ayanamsa.m_nSiderealMode,
            ayanamsa.m_correction.m_dValue,
            CalculationOptionFlags(),
            g_bTopocentricPositions,
            g_bTrueNodes,
            g_bApparentRefraction,
            g_nHouseTypeWanted,
            g_nSiddhanta,
            g_nCalendarFlag,
            g_strCustomStarCode,
            g_dCustomStarLongitude,
            CachedAyanamsaGeneration()};
}

MomentKey KeyOfMoment(const CChartCore& record, double jdUt) {
    return {jdUt,
            record.m_longitude.m_dValue,
            record.m_latitude.m_dValue,
            record.m_dAltitude,
            record.m_dPressure,
            record.m_dTemperature,
            CurrentPositionOptions()};
}

const CChartCore* RememberedMoment(const MomentKey& key) {
    for (int i = 0; i < kRememberedMoments; ++i) {
        if (t_moments.used[i] && t_moments.entries[i].first == key) return &t_moments.entries[i].second;
    }
    return nullptr;
}

void RememberMoment(const MomentKey& key, const CChartCore& calculated) {
    const int slot = t_moments.next;
    t_moments.entries[slot] = {key, calculated};
    t_moments.used[slot] = true;
    t_moments.next = (slot + 1) % kRememberedMoments;
}
