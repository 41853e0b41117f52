#pragma once
// The two library values behind a moment's ayanamsa, remembered for the last two moments asked: the
// library's ayanamsa and the position of an anchor star. The bodies and houses of one chart moment (and
// the two bodies of one search step) share them instead of asking the library each time. An entry
// answers only the same Julian day, flags, sidereal mode and star it was made for, and only until the
// ayanamsa settings or the ephemeris files change (ForgetCachedAyanamsas). Each thread keeps its own
// entries, as the library keeps its own state per thread. Failures are not remembered.
#include <cstdint>
#include <string>

#include "core/calc_status.h"
#include "core/julian_day.h"

// How a value is used. A search step, narrowing a crossing, may take the value interpolated linearly
// between the two remembered exact ones when it lies between them and they are at most
// kAyanamsaInterpolationSpan apart; a chart moment always takes the exact value.
enum class AyanamsaUse { kChartMoment, kSearchStep };

// Over 45 minutes the straight line stays within 1e-5 arcsecond of both values: the library's ayanamsa
// bends with nutation by at most 0.07 arcsecond a day per day (the 13.7-day and shorter terms), a
// star's sidereal place with the annual aberration by 0.006, and the Sun's deflection of a star more
// than 2 degrees from it adds at most 0.1; the error is span^2 / 8 times the bend.
constexpr double kAyanamsaInterpolationSpan = 1.0 / 32.0; // days

// swe_get_ayanamsa_ex_ut at a UT Julian day with the given calculation flags, in the library's current
// sidereal mode (`siderealMode`, the value last handed to swe_set_sid_mode): degrees, without the
// user's correction. Fails with the library's message.
CalcValue LibraryAyanamsa(double jdUt, std::int32_t flags, int siderealMode, AyanamsaUse use);

// Ecliptic longitude of a fixed star (swe_fixstar2: the catalogue stays in memory) at a UT Julian day
// with the given flags, degrees (sidereal when the flags carry the sidereal bit). A star name as the
// library takes it ("Spica", ",alVir"). Fails with the library's message. Topocentric positions are
// not remembered: they also depend on the place last handed to the library.
CalcValue LibraryStarLongitude(const std::string& star, double jdUt, std::int32_t flags, AyanamsaUse use);

// A fixed star's ecliptic longitude and latitude at a UT Julian day with the given flags (the speed bit
// ignored), degrees, asked of the library every time. Fails with the library's message, and when the
// library gives a position that is not a number.
struct StarPlace {
    double longitude = 0.0;
    double latitude = 0.0;
};
CalcStatus LibraryStarPlace(const std::string& star, double jdUt, std::int32_t flags, StarPlace& place);
CalcStatus LibraryStarPlace(const std::string& star, const EphemerisMoment& moment, std::int32_t flags,
                            StarPlace& place);

// Drops every remembered value, in every thread: after the ayanamsa settings, the sidereal mode or
// the ephemeris files change.
void ForgetCachedAyanamsas();
// Counts the ForgetCachedAyanamsas calls: other remembered positions keep it in their keys.
std::uint64_t CachedAyanamsaGeneration();
