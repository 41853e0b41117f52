#pragma once
// Sunrise days that always meet. A civil day (a date on the zone clock) starts at its first sunrise; a
// date on which the Sun does not rise (polar night, or the midnight sun) starts instead at 6:00 local
// mean time, the start of the program's 6:00-to-6:00 day. The night starts at the sunset within the day,
// or at 18:00 local mean time where the Sun does not set in it. Each day ends where the next begins,
// whatever mix of sunrises and 6:00 stand-ins the two have, so every moment lies in exactly one day.
//
// Sunrise and sunset by Siddhanta and SunriseDefinition, as in the chart's day frames: the ephemeris'
// disc against the horizon, or (Siddhanta 1) the lagna meeting the Sun. Moments are UT Julian days;
// zones and longitudes positive west, as in CChartCore.
#include "core/calc_status.h"
#include "core/chart_core.h"

// A civil date on the zone clock of `place`, as the Julian day number of its noon.
int CivilDateOf(const CChartCore& place, double jdUt);

// 6:00 local mean time on a civil date, UT Julian day (for a zone more than six hours off mean time,
// the 6:00 of the neighbouring mean-time date that falls on it).
double MeanSixOClockOn(const CChartCore& place, int civilDate);

// The start of a civil date's sunrise day.
struct SunDayStart {
    double jdUt = 0.0;
    bool standIn = false; // the Sun does not rise on the date: 6:00 local mean time
};
CalcStatus FindSunDayStart(const CChartCore& place, int civilDate, SunDayStart& start);

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

// Whether a sunrise and the next one start consecutive days by the rule above: both come before noon
// on the zone clock, on consecutive dates. A date has at most one sunrise before its noon (a second
// needs a sunset between them), so each is then its date's first and no date between them lacks one.
bool AreMorningSunrisesOfConsecutiveDates(const CChartCore& place, double rise, double nextRise);

// How far (degrees) the lagna stands behind the Sun at its rise in the traditional model (Siddhanta 1),
// from the Sun's mean apparent radius of 16.09' by SunriseDefinition.
double LagnaSunriseOffset();
