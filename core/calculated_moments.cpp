#include "core/calculated_moments.h"

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/ephemeris_flags.h"
#include "core/remembered_ring.h"

namespace {

// Enough for the moments of twelve charts recalculated in turn (a document's natal and working charts
// and those the transit and mode views cast), each with the three records the traditional model's
// sunrise search casts: 48 moments, with room to spare; about 320 kilobytes.
constexpr int kRememberedMoments = 64;

thread_local RememberedRing<MomentKey, CChartCore, kRememberedMoments> t_moments;

struct BodyKey {
    int body = 0;
    MomentKey moment;

    bool operator==(const BodyKey&) const = default;
};
// The Sun at the sunrise of twelve charts recalculated in turn, with room to spare.
thread_local RememberedRing<BodyKey, CRasiLongitude, 32> t_bodies;

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
    return t_moments.Find(key);
}

void RememberMoment(const MomentKey& key, const CChartCore& calculated) {
    t_moments.Add(key, calculated);
}

const CRasiLongitude* RememberedBody(const MomentKey& key, int body) {
    if (const CChartCore* moment = t_moments.Find(key)) return &moment->m_bodies[body];
    return t_bodies.Find({body, key});
}

void RememberBody(const MomentKey& key, int body, const CRasiLongitude& calculated) {
    t_bodies.Add({body, key}, calculated);
}
