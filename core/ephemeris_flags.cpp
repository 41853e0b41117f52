#include "core/ephemeris_flags.h"

#include <swephexp.h>

#include "core/calc_options.h"

static_assert(kFlagSwissEphemeris == SEFLG_SWIEPH && kFlagTruePositions == SEFLG_TRUEPOS &&
              kFlagNoNutation == SEFLG_NONUT && kFlagSpeed == SEFLG_SPEED &&
              kFlagNoGravDeflection == SEFLG_NOGDEFL && kFlagNoAberration == SEFLG_NOABERR &&
              kFlagEquatorial == SEFLG_EQUATORIAL && kFlagTopocentric == SEFLG_TOPOCTR &&
              kFlagSidereal == SEFLG_SIDEREAL);

std::int32_t CalculationOptionFlags() {
    std::int32_t flags = kFlagSwissEphemeris | kFlagSpeed;
    if (g_bTruePositions) flags |= kFlagTruePositions;
    if (g_bNoNutation) flags |= kFlagNoNutation;
    if (g_bNoAberration) flags |= kFlagNoAberration;
    if (g_bNoGravDeflection) flags |= kFlagNoGravDeflection;
    return flags;
}

std::int32_t SetTopocentric(double longitudeEast, double latitude, double altitude) {
    std::int32_t flags = CalculationOptionFlags();
    if (g_bTopocentricPositions) {
        swe_set_topo(longitudeEast, latitude, altitude);
        flags |= kFlagTopocentric;
    }
    return flags;
}
