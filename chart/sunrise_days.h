#pragma once
// Sunrise days that always meet. Day D is the day of the sunrise between 18:00 local mean time of date
// D - 1 and 18:00 of date D: every sunrise falls between local midnight (give or take the equation of
// time) and a little after noon, so each such span holds the one sunrise of its date. Where the span
// has none (polar night, or the midnight sun) the day starts instead at 6:00 local mean time, the start
// of the program's 6:00-to-6:00 day. The night starts at the sunset within the day, or at 18:00 local
// mean time where the Sun does not set in it. Each day ends where the next begins, whatever mix of
// sunrises and 6:00 stand-ins the two have, so every moment lies in exactly one day.
//
// Sunrise and sunset by Siddhanta and SunriseDefinition, as in the chart's day frames: the ephemeris'
// disc against the horizon, or (Siddhanta 1) the lagna meeting the Sun. Moments are UT Julian days;
// zones and longitudes positive west, as in CChartCore. A date is the Julian day number of its noon.
#include "core/calc_status.h"
#include "core/chart_core.h"

// The civil date of a moment on the zone clock of `place`.
int CivilDateOf(const CChartCore& place, double jdUt);
// The date whose sunrise day a moment's span (18:00 to 18:00 local mean time) belongs to.
int SunDayOf(const CChartCore& place, double jdUt);

// 6:00 local mean time on a date, UT Julian day.
double MeanSixOClockOn(const CChartCore& place, int date);

// The start of a date's sunrise day.
struct SunDayStart {
    double jdUt = 0.0;
    bool standIn = false; // the Sun does not rise on the date: 6:00 local mean time
};
CalcStatus FindSunDayStart(const CChartCore& place, int date, SunDayStart& start);

// The sunrise day holding a moment: its start, the start of its night and the start of the next day,
// each with its stand-in flag.
struct SunriseDay {
    double rise = 0.0;
    double set = 0.0;
    double nextRise = 0.0;
    bool standInRise = false;
    bool standInSet = false; // the Sun does not set within the day: 18:00 local mean time
    bool standInNextRise = false;
};
CalcStatus FindSunriseDayAt(const CChartCore& place, double jdUt, SunriseDay& day);

// Whether a sunrise and the next one start consecutive days by the rule above (no date between them
// lacks a sunrise).
bool AreSunrisesOfConsecutiveDays(const CChartCore& place, double rise, double nextRise);

// How far (degrees) the lagna stands behind the Sun at its rise in the traditional model (Siddhanta 1),
// from the Sun's mean apparent radius of 16.09' by SunriseDefinition.
double LagnaSunriseOffset();
