#pragma once
// Positions by the traditional rules of the Surya Siddhanta: mean motions in whole revolutions over the
// great age (mahayuga), corrections by the epicycles of the apsis (manda) and of the conjunction
// (sighra), and a sunrise and rising-time model with an obliquity of 24 degrees.
//
// Degrees unless said otherwise; longitudes are sidereal in the traditional frame (add the traditional
// ayanamsa, CalcSuryaSiddhantaAyanamsa, for tropical). Day counts are days since the Kali epoch
// (JD 588465.5) at local mean time; the longitude difference is degrees EAST of Ujjain.
#include <cstdint>

// Planet codes: 1 Sun, 2 Moon, 3 Mars, 4 Mercury, 5 Jupiter, 6 Venus, 7 Saturn, 8 Rahu (the mean node).
constexpr int kSsSun = 1;
constexpr int kSsMoon = 2;
constexpr int kSsRahu = 8;

// Ujjain, the prime meridian of the traditional day count: degrees east of Greenwich.
constexpr double kUjjainLongitudeEast = 75.7684565;
// Degrees per radian as the rising-time routines take it.
constexpr double kSsDegreesPerRadian = 57.2957795;

struct SsPlanetPosition {
    double trueLongitude = 0.0;
    std::uint8_t retrograde = 0;
    double meanLongitude = 0.0; // the mean the corrections start from (the Sun's for Mercury and Venus)
    double apsis = 0.0;
    // Sun and Moon: the anomaly (apsis - mean) reduced to 0-90 and signed by its half circle, so that its
    // sine is that of the full anomaly. Planets: the last, folded sighra anomaly (0-180).
    double anomaly = 0.0;
};

// True position of planet `code` at day count d.
SsPlanetPosition SuryaSiddhantaPlanet(double d, double longitudeDifference, int code);

// The four-step manda and sighra correction of Mars to Saturn (codes 3-7) from the mean, the sighra
// point and the apsis; retrograde when the final folded sighra anomaly reaches the planet's limit.
SsPlanetPosition SsTruePlanet(int code, double mean, double sighraPoint, double apsis);

// Equation of time in days from the Sun's mean longitude, its signed reduced anomaly and the ayanamsa.
double SsEquationOfTime(double sunMean, double sunAnomaly, double ayanamsa);

// The day count corrected by the equation of time (applied twice); ayanamsa in degrees.
double SsTrueDayCount(double d, double longitudeDifference, double ayanamsa);

// Local mean-time hour of sunrise on the day whose count is the integer part of d; latitude degrees north.
double SsSunriseHour(double d, double longitudeDifference, double latitude);

// Time for longitude l (tropical, degrees) to rise from 0 Aries, in minutes of time: the right ascension,
// plus sign x the ascensional difference unless rightAscensionOnly (sign -1 for longitudes north of
// the equator in a northern place gives the oblique ascension).
double SsRisingTime(double latitude, double degreesPerRadian, double longitude, int sign,
                    bool rightAscensionOnly);

// Oblique (or right) ascension of a sidereal longitude, minutes of time in [0, 1440), from the rising
// times of its quadrant; grows with the longitude.
double SsRisingTimeFromQuadrant(double latitude, double degreesPerRadian, double longitude, double ayanamsa,
                                bool rightAscensionOnly);

// The ascendant G scaled minutes after sunrise (a sunrise-to-sunrise day being 1440 minutes), from the
// Sun at the moment and at sunrise; sidereal in the frame of the ayanamsa given.
double SsAscendant(double latitude, double sunNow, double sunAtSunrise, double ayanamsa, double G);

// The tenth cusp, from right ascensions; G here is the scaled time since the Sun's culmination (G - D/2).
double SsTenthCusp(double latitude, double sunNow, double sunAtSunrise, double ayanamsa, double G);

// D: the scaled minutes from sunrise of day count d until the point `offset` degrees from the Sun
// (180: the point opposite) rises.
double SsDayLength(double latitude, double d, double longitudeDifference, double offset);
