#include "core/julian_day.h"

#include <swephexp.h>

#include "core/angle_math.h"

double JulianDay(int year, int month, int day, double hours, int calendar) {
    return swe_julday(year, month, day, hours, calendar);
}

void CivilDateOf(double jd, int& year, int& month, int& day, double& hours, int calendar) {
    swe_revjul(jd, calendar, &year, &month, &day, &hours);
}

int MonthLength(int year, int month, int calendar) {
    if (calendar == kJulianCalendar && month == 2) return year % 4 == 0 ? 29 : 28;
    return DaysInMonth(month, year);
}

int WeekdayFromMonday(double jd) {
    return swe_day_of_week(jd);
}

double EphemerisJulianDay(double jdUt) {
    return jdUt + swe_deltat(jdUt);
}
