#pragma once
// The rise, set and meridian transits of the Sun or the Moon seen from a record's place, as the
// ephemeris library finds them (the body's disc against the horizon by SunriseDefinition). The birth
// day's frames and the panchanga's sun and moon times come from here.
#include "core/calc_status.h"
#include "core/chart_core.h"

enum class HorizonEvent { kRise, kSet, kUpperTransit, kLowerTransit };

// The body's next event after a moment.
struct HorizonEventResult {
    bool found = false; // false with an empty status: the body does not rise or set there that day
    double jdUt = 0.0;  // UT Julian day of the event, when found
    CalcStatus status;  // the library's failure
};

// The next `event` of body kSun or kMoon after `jdUt` (UT Julian day) seen from `place` (its geographic
// longitude, latitude, altitude, pressure and temperature): by SunriseDefinition 0 the centre of the
// disc without refraction, 1 the upper edge without refraction, 3 the centre with refraction, any other
// the upper edge with refraction.
HorizonEventResult NextHorizonEvent(const CChartCore& place, double jdUt, int body, HorizonEvent event);
