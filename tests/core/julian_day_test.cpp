#include <gtest/gtest.h>

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
