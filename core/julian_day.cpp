#include "core/julian_day.h"

#include <swephexp.h>

#include <cmath>
#include <cstdint>

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
    // Centuries, then years and days within them, then months, each by one multiplication and shift
    // (C. Neri and L. Schneider, "Euclidean affine functions and their application to calendar
    // algorithms", Software: Practice and Experience 53 (2023)): a short chain of dependent steps.
    const std::uint32_t quarterDays = 4 * count + 3;
    const std::uint32_t century = quarterDays / kEraDays; // an era's days are a century's quarter-days
    const std::uint32_t quarterDaysOfCentury = quarterDays % kEraDays / 4 * 4 + 3;
    const std::uint64_t yearProduct = std::uint64_t{2939745} * quarterDaysOfCentury;
    const std::uint32_t yearOfCentury = static_cast<std::uint32_t>(yearProduct >> 32);
    const std::uint32_t dayOfYear = static_cast<std::uint32_t>(yearProduct) / 2939745 / 4; // from 1 March
    const std::uint32_t monthProduct = 2141 * dayOfYear + 197913;
    const std::uint32_t monthFromMarch = monthProduct >> 16; // 3-14
    const bool inNextYear = dayOfYear >= 306;                // January and February
    day = static_cast<int>((monthProduct & 0xFFFF) / 2141 + 1);
    month = static_cast<int>(inNextYear ? monthFromMarch - 12 : monthFromMarch);
    year = static_cast<int>(100 * century + yearOfCentury) - kErasBeforeYear0 * 400 + (inNextYear ? 1 : 0);
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
