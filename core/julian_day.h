#pragma once
// The one place the program converts between civil dates and Julian days, and from universal to
// ephemeris time. A civil date is read in the calendar the option g_nCalendarFlag chooses, unless a
// rule is fixed to the Gregorian calendar (dates of laws and epochs).
#include "core/calc_options.h"

constexpr int kJulianCalendar = 0;    // the library's SE_JUL_CAL
constexpr int kGregorianCalendar = 1; // the library's SE_GREG_CAL

// The Julian day of a civil date and a time of day in decimal hours (which may leave [0, 24): the day
// carries). Time scale: that of the hours, UT for universal time.
double JulianDay(int year, int month, int day, double hours, int calendar = g_nCalendarFlag);

// The civil date and time of day (decimal hours in [0, 24)) of a Julian day, in its time scale.
void CivilDateOf(double jd, int& year, int& month, int& day, double& hours, int calendar = g_nCalendarFlag);

// Days in `month` (1-12) of `year` (astronomical numbering: 1 BC is 0) in a calendar: February has 29
// in every fourth year in the Julian calendar, and in the Gregorian one unless the year is a century
// not divisible by 400.
int MonthLength(int year, int month, int calendar);

// Day of the week of a Julian day's civil date, counted from Monday (0) to Sunday (6).
int WeekdayFromMonday(double jd);

// The Julian day in ephemeris time (TT) of a UT Julian day: UT + Delta T, as the library models it.
double EphemerisJulianDay(double jdUt);

// A UT Julian day with its ephemeris-time one, worked out once for the readings that share the moment.
struct EphemerisMoment {
    explicit EphemerisMoment(double ut) : jdUt(ut), jdEt(EphemerisJulianDay(ut)) {}
    double jdUt;
    double jdEt;
};
