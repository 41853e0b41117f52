#include "core/julian_day.h"

#include <swephexp.h>

#include <cmath>

#include "core/angle_math.h"

namespace {

// The days whose Gregorian dates GregorianDateOf finds (as day numbers floor(jd + 0.5)), about the
// years -15700 to 19900, wider than the ephemeris; the test checks each against the library.
constexpr double kFirstCountedDay = -4000000.0;
constexpr double kLastCountedDay = 9000000.0;
// Moments nearer midnight than this (days) go to the library, whose rounding decides their date.
constexpr double kNearMidnightDays = 1e-6;
constexpr int kMarchOfYear0Day = 1721120; // the day number of 1 March of year 0
constexpr unsigned kEraDays = 146097;     // days of 400 Gregorian years
constexpr int kErasBeforeYear0 = 40;      // counted from here, every counted day has a count above zero

// The Gregorian date and hours of a Julian day, as the library finds them but in integer arithmetic
// (its floating divisions were most of a dasa listing's time); false for a moment it leaves to the
// library: next to midnight, outside the counted days, or not a number. Days are counted from 1 March
// in 400-year eras, so that February, the month of varying length, comes last in its year.
bool GregorianDateOf(double jd, int& year, int& month, int& day, double& hours) {
    const double dayStart = std::floor(jd + 0.5);
    const double fraction = jd + 0.5 - dayStart;
    if (!(fraction >= kNearMidnightDays && fraction <= 1.0 - kNearMidnightDays)) return false;
    if (!(dayStart >= kFirstCountedDay && dayStart <= kLastCountedDay)) return false;
    const unsigned count = static_cast<unsigned>(static_cast<int>(dayStart) - kMarchOfYear0Day +
                                                 kErasBeforeYear0 * static_cast<int>(kEraDays));
    const unsigned era = count / kEraDays;
    const unsigned dayOfEra = count - era * kEraDays; // 0-146096
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;             // 0-399
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100); // from 1 March
    const unsigned monthFromMarch = (5 * dayOfYear + 2) / 153;                                 // 0-11
    day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    year =
        static_cast<int>(yearOfEra) + (static_cast<int>(era) - kErasBeforeYear0) * 400 + (month <= 2 ? 1 : 0);
    hours = (jd - dayStart + 0.5) * 24.0;
    return true;
}

} // namespace

double JulianDay(int year, int month, int day, double hours, int calendar) {
    return swe_julday(year, month, day, hours, calendar);
}

void CivilDateOf(double jd, int& year, int& month, int& day, double& hours, int calendar) {
    if (calendar == kGregorianCalendar && GregorianDateOf(jd, year, month, day, hours)) return;
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
