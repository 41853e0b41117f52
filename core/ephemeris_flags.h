#pragma once
// The calculation flags handed to the ephemeris library, composed from the calculation options.
#include <cstdint>

// Library flag bits used by the program (Swiss Ephemeris values).
constexpr std::int32_t kFlagSwissEphemeris = 2;
constexpr std::int32_t kFlagTruePositions = 16;
constexpr std::int32_t kFlagNoNutation = 64;
constexpr std::int32_t kFlagSpeed = 256;
constexpr std::int32_t kFlagNoGravDeflection = 512;
constexpr std::int32_t kFlagNoAberration = 1024;
constexpr std::int32_t kFlagEquatorial = 2048;
constexpr std::int32_t kFlagTopocentric = 32 * 1024;
constexpr std::int32_t kFlagSidereal = 64 * 1024;

// Swiss Ephemeris files with speed, plus the true-position, nutation, aberration and deflection options.
std::int32_t CalculationOptionFlags();

// Flags for a calculation at a place: Swiss Ephemeris files with speed, plus the true-position,
// nutation, aberration and deflection options; when topocentric positions are on, hands the place
// to the library (longitude degrees EAST positive, latitude degrees north, altitude metres) and adds
// the topocentric bit. The caller sets or clears the speed bit and adds the sidereal bit itself.
std::int32_t SetTopocentric(double longitudeEast, double latitude, double altitude);
