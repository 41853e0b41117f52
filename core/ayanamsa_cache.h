#pragma once
// The two library values behind a moment's ayanamsa, remembered for the last moment asked: the library's
// ayanamsa and the position of an anchor star. The bodies and houses of one chart moment (and the two
// bodies of one search step) share them instead of asking the library each time. An entry answers only
// the same Julian day, flags, sidereal mode and star it was made for, and only until the ayanamsa
// settings or the ephemeris files change (ForgetCachedAyanamsas). Each thread keeps its own entries,
// as the library keeps its own state per thread. Failures are not remembered.
#include <cstdint>
#include <string>

#include "core/calc_status.h"

// swe_get_ayanamsa_ex_ut at a UT Julian day with the given calculation flags, in the library's current
// sidereal mode (`siderealMode`, the value last handed to swe_set_sid_mode): degrees, without the
// user's correction. Fails with the library's message.
CalcValue LibraryAyanamsa(double jdUt, std::int32_t flags, int siderealMode);

// Ecliptic longitude of a fixed star (swe_fixstar2: the catalogue stays in memory) at a UT Julian day
// with the given flags, degrees (sidereal when the flags carry the sidereal bit). A star name as the
// library takes it ("Spica", ",alVir"). Fails with the library's message. Topocentric positions are
// not remembered: they also depend on the place last handed to the library.
CalcValue LibraryStarLongitude(const std::string& star, double jdUt, std::int32_t flags);

// Drops every remembered value, in every thread: after the ayanamsa settings, the sidereal mode or
// the ephemeris files change.
void ForgetCachedAyanamsas();
