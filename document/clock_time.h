#pragma once
// The present moment on the clock of the default place.
#include <ctime>

#include "core/angle_time.h"

// The system clock's present moment, expressed in the default place's summer zone when daylight
// saving is in force there now, else in its standard zone (zones hours, positive west).
void SetToClockTime(CLocalDateTime& moment);

// The same for the universal time `utc` (seconds since 1970-01-01 00:00 UT).
void SetToUtcMoment(std::time_t utc, CLocalDateTime& moment);
