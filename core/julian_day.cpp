#include "core/julian_day.h"

#include <swephexp.h>

double JulianDay(int year, int month, int day, double hours, int calendar) {
    return swe_julday(year, month, day, hours, calendar);
}

void CivilDateOf(double jd, int& year, int& month, int& day, double& hours, int calendar) {
    swe_revjul(jd, calendar, &year, &month, &day, &hours);
}

int WeekdayFromMonday(double jd) {
    return swe_day_of_week(jd);
}

double EphemerisJulianDay(double jdUt) {
    return jdUt + swe_deltat(jdUt);
}
