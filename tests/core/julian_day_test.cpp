#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <iomanip>
#include <random>

#include "core/julian_day.h"
#include "core/option_snapshot.h"

namespace {

// Julian days (UT) and Delta T as swetest 2.10.03 gives them for the same dates.
struct CalendarCase {
    int year, month, day;
    double hours;
    int calendar;
    double jd;
    double deltaTSeconds;
};
constexpr CalendarCase kCases[] = {
    {2000, 1, 1, 12.0, kGregorianCalendar, 2451545.0, 63.828915},
    {1985, 1, 24, 18.0, kGregorianCalendar, 2446090.25, 54.379202},
    {1582, 10, 15, 0.0, kGregorianCalendar, 2299160.5, 115.187628},
    {1582, 10, 4, 0.0, kJulianCalendar, 2299159.5, 115.192328},
    {-500, 3, 1, 6.0, kJulianCalendar, 1538492.75, 16766.497188},
};

TEST(JulianDay, DatesAndDeltaTAgreeWithSwetestBothWays) {
    for (const CalendarCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_DOUBLE_EQ(JulianDay(c.year, c.month, c.day, c.hours, c.calendar), c.jd);
        int year, month, day;
        double hours;
        CivilDateOf(c.jd, year, month, day, hours, c.calendar);
        EXPECT_EQ(year, c.year);
        EXPECT_EQ(month, c.month);
        EXPECT_EQ(day, c.day);
        EXPECT_NEAR(hours, c.hours, 1e-9);
        EXPECT_NEAR((EphemerisJulianDay(c.jd) - c.jd) * 86400.0, c.deltaTSeconds, 1e-3);
    }
}

// The date and the hours exactly as the library's own conversion gives them: the program converts
// Gregorian days itself, and every listed moment must stay what the library made of it.
void ExpectLibraryDate(double jd, int calendar) {
    int year, month, day, libraryYear, libraryMonth, libraryDay;
    double hours, libraryHours;
    CivilDateOf(jd, year, month, day, hours, calendar);
    swe_revjul(jd, calendar, &libraryYear, &libraryMonth, &libraryDay, &libraryHours);
    ASSERT_TRUE(year == libraryYear && month == libraryMonth && day == libraryDay)
        << std::setprecision(17) << jd << ": " << year << "-" << month << "-" << day << " against "
        << libraryYear << "-" << libraryMonth << "-" << libraryDay;
    ASSERT_EQ(hours, libraryHours) << std::setprecision(17) << jd;
}

TEST(JulianDay, CivilDatesAreTheLibrarysToTheLastBit) {
    // Every day from the year -15900 to 20100 (beyond the ephemeris both ways), at an hour off midnight.
    for (double dayNumber = -4100000.0; dayNumber <= 9100000.0; dayNumber += 1.0)
        ExpectLibraryDate(dayNumber - 0.5 + 0.3125, kGregorianCalendar);
    // Random moments of the ephemeris' span, moments at and a hair from midnight, and far ones.
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> anyMoment(-3100000.0, 8000000.0);
    for (int i = 0; i < 200000; ++i) ExpectLibraryDate(anyMoment(random), kGregorianCalendar);
    for (double midnight : {-3000000.5, 0.5, 2299160.5, 2451544.5, 2488069.5, 7900000.5}) {
        for (double step : {0.0, 1e-12, 1e-9, 1e-7, 1e-6, 1.1e-6, 1e-5}) {
            ExpectLibraryDate(midnight + step, kGregorianCalendar);
            ExpectLibraryDate(std::nextafter(midnight - step, -INFINITY), kGregorianCalendar);
        }
    }
    for (double far : {-1e9, 1e9}) ExpectLibraryDate(far, kGregorianCalendar);
    ExpectLibraryDate(1538492.75, kJulianCalendar);
    ExpectLibraryDate(2451545.2, kJulianCalendar);
}

TEST(JulianDay, TheCalendarOptionChoosesHowADateIsRead) {
    const CScopedOption julian(g_nCalendarFlag, kJulianCalendar);
    EXPECT_DOUBLE_EQ(JulianDay(1582, 10, 4, 0.0), 2299159.5);
    g_nCalendarFlag = kGregorianCalendar;
    EXPECT_DOUBLE_EQ(JulianDay(1582, 10, 15, 0.0), 2299160.5);
}

TEST(JulianDay, WeekdaysCountFromMonday) {
    EXPECT_EQ(WeekdayFromMonday(2446090.25), 3); // 24 January 1985, a Thursday
    EXPECT_EQ(WeekdayFromMonday(2451545.0), 5);  // 1 January 2000, a Saturday
}

} // namespace
