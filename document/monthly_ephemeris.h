#pragma once
// Two monthly tables of the chart's month at the chart's place, as tab-separated text: the ephemeris
// (each day's sunrise, sunset, sidereal time and the longitudes of the Sun to Rahu at 5:30 in the
// morning) and the planetary movements (sign and nakshatra ingresses, conjunctions, oppositions and the
// sign distances of pairs of bodies, in order of time). Times are local times of the chart's zone;
// longitudes are sidereal degrees in the chart's zodiac.
#include <string>
#include <vector>

#include "core/calc_status.h"
#include "document/panchanga_day.h"

class CChartCore;

// "%03d:%02d:%02d": degrees 0-359, minutes and seconds of a longitude, the seconds rounded. A rounding
// that would reach 360 degrees writes 359:59:59, so no body at the end of Pisces reads as 0 Aries.
std::string LongitudeDms(double longitude);

// The ephemeris of the month of `chart` (from its 1st, `month` the days from there as ComputePanchangaDays
// gives them: their weekdays, sunrises and sunsets), one row per day.
CalcStatus FormatMonthlyEphemeris(const CChartCore& chart, const std::vector<CPanchangaDay>& month,
                                  std::string& text);

// One line of the movements: its text and its moment (UT Julian day).
struct CMovementEvent {
    std::string text;
    double jdUt = 0.0;
    int body = 0;     // ingresses: the body (1 Sun, 3 Mars .. 9 Ketu)
    int division = 0; // ingresses: the sign 0-11 or nakshatra 0-26 entered
};

struct CPlanetaryMovements {
    int year = 0;
    int month = 1;                                // 1-12
    std::vector<CMovementEvent> signEntries;      // by body, in time within each body
    std::vector<CMovementEvent> nakshatraEntries; // likewise
    std::vector<CMovementEvent> aspects;          // in time; events at one moment in the order found
};

// The movements within the calendar month of `chart`'s date, from its 1st at 0:00 to the 1st of the
// next month at 0:00 in the chart's zone. Each crossing is listed once; there is no limit to the count.
CalcStatus ComputePlanetaryMovements(const CChartCore& chart, CPlanetaryMovements& movements);
// The movements as the clipboard text.
std::string FormatPlanetaryMovements(const CPlanetaryMovements& movements);
