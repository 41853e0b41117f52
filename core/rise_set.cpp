#include "core/rise_set.h"

#include <string>

#include <swephexp.h>

#include "core/calc_options.h"
#include "core/ephemeris_calls.h"
#include "core/ephemeris_flags.h"

namespace {

// Library bits of swe_rise_trans by SunriseDefinition.
int RiseDefinitionBits(int definition) {
    switch (definition) {
    case 0:
        return SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
    case 1:
        return SE_BIT_NO_REFRACTION;
    case 3:
        return SE_BIT_DISC_CENTER;
    default:
        return 0;
    }
}

int LibraryEvent(HorizonEvent event) {
    switch (event) {
    case HorizonEvent::kRise:
        return SE_CALC_RISE;
    case HorizonEvent::kSet:
        return SE_CALC_SET;
    case HorizonEvent::kUpperTransit:
        return SE_CALC_MTRANSIT;
    default:
        return SE_CALC_ITRANSIT;
    }
}

} // namespace

HorizonEventResult NextHorizonEvent(const CChartCore& place, double jdUt, int body, HorizonEvent event) {
    const double longitudeEast = -place.m_longitude.m_dValue;
    double position[3] = {longitudeEast, place.m_latitude.m_dValue, place.m_dAltitude};
    const std::int32_t flags = SetTopocentric(longitudeEast, place.m_latitude.m_dValue, place.m_dAltitude);
    const bool moon = body == kMoon;
    char error[AS_MAXCH] = "";
    double found = 0.0;
    CountEphemerisCall(EphemerisCall::kRiseTransit);
    const std::int32_t result =
        swe_rise_trans(jdUt, moon ? SE_MOON : SE_SUN, nullptr, flags & ~kFlagSpeed,
                       LibraryEvent(event) | RiseDefinitionBits(g_nSunriseDefinition), position,
                       place.m_dPressure, place.m_dTemperature, &found, error);
    if (result == -2) return {}; // circumpolar: no rise or set
    if (result < 0) {
        const std::string what = moon ? "The moonrise" : "The sunrise";
        return {false, 0.0, CalcStatus::Failure(what + " cannot be calculated for this moment: " + error)};
    }
    return {true, found, {}};
}
