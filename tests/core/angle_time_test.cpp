#include <cmath>

#include <gtest/gtest.h>

#include "core/angle_time.h"
#include "core/calc_options.h"

namespace {

CHmsTime Hours(double value) {
    CHmsTime t;
    t.m_dHours = value;
    t.SplitHours();
    return t;
}

CRasiLongitude Longitude(double degrees) {
    CRasiLongitude r;
    r.m_dLongitude = degrees;
    r.SplitLongitude();
    return r;
}

} // namespace

TEST(DmsAngle, SplitCases) {
    struct Case {
        double value;
        int positive, degrees, minutes;
        double seconds;
    };
    const Case kCases[] = {
        {-0.5, 0, 0, 30, 0.0},        // sign kept apart from the magnitude
        {10.999999, 1, 11, 0, 0.0},   // within 0.01 second of a whole degree rolls over
        {12.0033333, 1, 12, 0, 12.0}, // snapped to the whole second
        {0.0, 1, 0, 0, 0.0},          {75.768333333, 1, 75, 46, 6.0}, // Ujjain's longitude, 75 deg 46' 6''
        {-23.18, 0, 23, 10, 48.0},    {1.2345, 1, 1, 14, 4.2}, // not near a whole second: left as it is
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        CDmsAngle a;
        a.m_dValue = c.value;
        a.SplitDegrees();
        EXPECT_EQ(a.m_bPositive, c.positive);
        EXPECT_EQ(a.m_nDegrees, c.degrees);
        EXPECT_EQ(a.m_nMinutes, c.minutes);
        EXPECT_NEAR(a.m_dSeconds, c.seconds, 1e-6);
        EXPECT_DOUBLE_EQ(a.m_dValue, c.value); // the value itself is never rounded
        a.m_dValue = 999.0;
        a.JoinDegrees();
        EXPECT_NEAR(a.m_dValue, c.value, 1e-6);
    }
}

TEST(HmsTime, SplitRoundsSecondsToTenMillionths) {
    const CHmsTime t = Hours(-5.5);
    EXPECT_EQ(t.m_bPositive, 0);
    EXPECT_EQ(t.m_nHours, 5);
    EXPECT_EQ(t.m_nMinutes, 30);
    EXPECT_EQ(t.m_dSeconds, 0.0);
    EXPECT_DOUBLE_EQ(t.m_dHours, -5.5);

    const CHmsTime almost = Hours(1.0 - 1e-12); // rolls into the next hour
    EXPECT_EQ(almost.m_nHours, 1);
    EXPECT_EQ(almost.m_nMinutes, 0);
    EXPECT_EQ(almost.m_dSeconds, 0.0);

    CHmsTime joined;
    joined.m_bPositive = 0;
    joined.m_nHours = 4;
    joined.m_nMinutes = 45;
    joined.m_dSeconds = 36.0;
    joined.JoinHours();
    EXPECT_DOUBLE_EQ(joined.m_dHours, -4.76);
}

TEST(HmsTime, FormatCases) {
    struct Case {
        double hours;
        std::string hm0, hm1, hm2, ampm, hms, hmsAmPm;
    };
    const double lateSeconds = 23 + 59 / 60.0 + 59.6 / 3600;
    const Case kCases[] = {
        // Rounded up to midnight: a clock reads 0:00 then, never 24:00.
        {lateSeconds, "23:59", "0:00", "0:00", "12:00 am", "0:00:00", "12:00:00 am"},
        {5 / 60.0, "0:05", "0:05", "0:05", "12:05 am", "0:05:00", "12:05:00 am"},
        {12.0, "12:00", "12:00", "12:00", "12:00 pm", "12:00:00", "12:00:00 pm"},
        {13 + 29.5 / 60, "13:29", "13:30", "13:30", "1:30 pm", "13:29:30", "1:29:30 pm"},
        {9 + 10 / 60.0 + 10 / 3600.0, "9:10", "9:11", "9:10", "9:10 am", "9:10:10", "9:10:10 am"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.hours);
        const CHmsTime t = Hours(c.hours);
        EXPECT_EQ(t.FormatHmMode(0), c.hm0);
        EXPECT_EQ(t.FormatHmMode(1), c.hm1);
        EXPECT_EQ(t.FormatHmMode(2), c.hm2);
        EXPECT_EQ(t.FormatHm(), c.hm2);
        EXPECT_EQ(t.FormatAmPm(), c.ampm);
        EXPECT_EQ(t.FormatHms(), c.hms);
        EXPECT_EQ(t.FormatHmsAmPm(), c.hmsAmPm);
    }
}

// A clock text shows the hour within the day; a duration keeps its days.
TEST(HmsTime, ClockTextsReadTheHourOfTheDay) {
    EXPECT_EQ(Hours(123.5).FormatHms(), "3:30:00");
    EXPECT_EQ(Hours(123.5).FormatHm(), "3:30");
    EXPECT_EQ(Hours(10000.0 + 1 / 60.0).FormatHms(), "16:01:00");
    EXPECT_EQ(Hours(123.5).FormatDuration(), "5 day 3 hr 30 min 00 sec");
    EXPECT_EQ(Hours(23 + 59 / 60.0 + 59.6 / 3600).FormatDuration(), "1 day 0 hr 00 min 00 sec");
}

TEST(LocalDateTime, FormatDatePadsTheYearToFourPlaces) {
    struct Case {
        int year, month, day;
        const char* text;
    };
    const Case kCases[] = {
        {2024, 3, 9, "2024-03-09"},   {987, 12, 31, " 987-12-31"},     {5, 1, 1, "   5-01-01"},
        {0, 10, 10, "   0-10-10"},    {-44, 3, 15, " -44-03-15"},      {-1234, 7, 4, "-1234-07-04"},
        {12345, 6, 7, "12345-06-07"}, {-13000, 2, 28, "-13000-02-28"},
    };
    for (const Case& c : kCases) {
        CLocalDateTime moment;
        moment.m_nYear = c.year;
        moment.m_nMonth = c.month;
        moment.m_nDay = c.day;
        EXPECT_EQ(moment.FormatDate(), c.text);
    }
}

TEST(HmsTime, FormatDurationPicksTheLargestUnit) {
    EXPECT_EQ(Hours(49.5).FormatDuration(), "2 day 1 hr 30 min 00 sec");
    EXPECT_EQ(Hours(0.0125).FormatDuration(), "45 sec");
    EXPECT_EQ(Hours(1.0 + 2 / 3600.0).FormatDuration(), "1 hr 00 min 02 sec");
    EXPECT_EQ(Hours(0.5).FormatDuration(), "30 min 00 sec");
    EXPECT_EQ(Hours(0.0).FormatDuration(), "0 sec");
}

TEST(RasiLongitude, SplitCases) {
    struct Case {
        double longitude, normalised;
        int sign, degrees, minutes;
        double seconds;
    };
    const Case kCases[] = {
        {-30.0, 330.0, 11, 0, 0, 0.0},
        {725.0, 5.0, 0, 5, 0, 0.0},
        {359.5, 359.5, 11, 29, 30, 0.0},
        {123.456, 123.456, 4, 3, 27, 21.6},
        {60.0 - 1e-9, 60.0 - 1e-9, 1, 30, 0, 0.0}, // a hair below Gemini stays in Taurus at 30 degrees
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.longitude);
        CRasiLongitude r = Longitude(c.longitude);
        EXPECT_NEAR(r.m_dLongitude, c.normalised, 1e-9);
        EXPECT_EQ(r.m_nSign, c.sign);
        EXPECT_EQ(r.m_nDegrees, c.degrees);
        EXPECT_EQ(r.m_nMinutes, c.minutes);
        EXPECT_NEAR(r.m_dSeconds, c.seconds, 1e-6);
        r.JoinLongitude();
        EXPECT_NEAR(r.m_dLongitude, c.normalised, 1e-6);
    }
}

TEST(RasiLongitude, SplitLeavesTheRetrogradeFlag) {
    CRasiLongitude r;
    r.m_bRetrograde = 1;
    r.m_dLongitude = 10.0;
    r.SplitLongitude();
    EXPECT_EQ(r.m_bRetrograde, 1);
}

namespace {

// That a split refuses `value` in the decimal field and leaves the whole-units field as it was.
template <class Record>
void ExpectRefused(int Record::*whole, double Record::*decimal, bool (Record::*split)(), double value) {
    Record record;
    record.*whole = 7;
    record.*decimal = value;
    EXPECT_FALSE((record.*split)());
    EXPECT_EQ(record.*whole, 7);
}

} // namespace

// Whole units go into int fields: a value too large for them, or not a number, is refused and the
// fields keep what they held (a converted 1e300 once left every body of a chart at -0.0 degrees).
TEST(Splits, RefuseValuesTheirFieldsCannotHold) {
    const double kRefused[] = {1e300, -1e300, 2147483647.0, -2147483648.0, INFINITY, -INFINITY, NAN};
    for (const double value : kRefused) {
        SCOPED_TRACE(value);
        ExpectRefused(&CDmsAngle::m_nDegrees, &CDmsAngle::m_dValue, &CDmsAngle::SplitDegrees, value);
        ExpectRefused(&CHmsTime::m_nHours, &CHmsTime::m_dHours, &CHmsTime::SplitHours, value);
    }
    ExpectRefused(&CRasiLongitude::m_nSign, &CRasiLongitude::m_dLongitude, &CRasiLongitude::SplitLongitude,
                  NAN);

    CDmsAngle largest;
    largest.m_dValue = -2147483646.5;
    EXPECT_TRUE(largest.SplitDegrees());
    EXPECT_EQ(largest.m_nDegrees, 2147483646);
    EXPECT_EQ(largest.m_nMinutes, 30);
    EXPECT_TRUE(Longitude(1e300).m_dLongitude < 360.0); // any finite longitude reduces
}

TEST(LocalDateTime, ChangeZoneAcrossTheDateLine) {
    struct Case {
        int year, month, day;
        double time, zone, newZone;
        int newYear, newMonth, newDay;
        double newTime;
    };
    const Case kCases[] = {
        {2000, 1, 1, 3.0, -5.5, 0.0, 1999, 12, 31, 21.5},   // India to Greenwich: back one day and year
        {2000, 2, 28, 20.0, 0.0, -12.0, 2000, 2, 29, 8.0},  // forward into a leap day
        {2001, 3, 1, 1.0, -10.0, 10.0, 2001, 2, 28, 5.0},   // across the date line, 20 hours back
        {2024, 12, 31, 23.5, 12.0, -14.0, 2025, 1, 2, 1.5}, // 26 hours forward, across a year
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " zone " << c.newZone);
        CLocalDateTime t;
        t.m_nYear = c.year;
        t.m_nMonth = c.month;
        t.m_nDay = c.day;
        t.m_time = Hours(c.time);
        t.m_zone = Hours(c.zone);
        t.ChangeZone(c.newZone);
        EXPECT_EQ(t.m_nYear, c.newYear);
        EXPECT_EQ(t.m_nMonth, c.newMonth);
        EXPECT_EQ(t.m_nDay, c.newDay);
        EXPECT_NEAR(t.m_time.m_dHours, c.newTime, 1e-8);
        EXPECT_EQ(t.m_time.FormatHms(), Hours(c.newTime).FormatHms());
        EXPECT_DOUBLE_EQ(t.m_zone.m_dHours, c.newZone);
        EXPECT_EQ(t.m_zone.m_bPositive, c.newZone >= 0 ? 1 : 0);
    }
}

TEST(LocalDateTime, ChangeZoneFollowsTheCalendarFlag) {
    // 1582-10-15 Gregorian follows 1582-10-04 Julian.
    CLocalDateTime t;
    t.m_nYear = 1582;
    t.m_nMonth = 10;
    t.m_nDay = 4;
    t.m_time = Hours(23.0);
    t.m_zone = Hours(0.0);
    g_nCalendarFlag = 0;
    t.ChangeZone(-2.0);
    g_nCalendarFlag = 1;
    EXPECT_EQ(t.m_nDay, 5); // still the Julian calendar's day after
    EXPECT_EQ(t.m_nMonth, 10);
}

TEST(LocalDateTime, FormatTimeMarksAnotherDay) {
    CLocalDateTime t;
    t.m_nDay = 14;
    t.m_time = Hours(6 + 59.5 / 60);
    EXPECT_EQ(t.FormatTime(2, 14), "7:00");
    EXPECT_EQ(t.FormatTime(0, 15), "6:59*");
}

// The last seconds of 31 December listed under that day: the whole moment is rounded first, so a time
// that reaches midnight is the next day's 0:00 with its mark, and its date is the next year's.
TEST(LocalDateTime, AMomentRoundedToMidnightFallsOnTheNextDay) {
    struct Case {
        int day;                        // of the month: 31 December 2025 or 1 January 2026
        double seconds;                 // after 23:59 on the 31st, or after 0:00 on the 1st
        const char *cut, *up, *nearest; // FormatTime with rounding modes 0, 1 and 2
        const char *toSecond, *dateToSecond;
    };
    const Case kCases[] = {
        {31, 29.9, "23:59", "0:00*", "23:59", "23:59:30", "2025-12-31"},
        {31, 30.0, "23:59", "0:00*", "0:00*", "23:59:30", "2025-12-31"},
        {31, 59.9, "23:59", "0:00*", "0:00*", "0:00:00", "2026-01-01"},
        {1, 0.0, "0:00*", "0:00*", "0:00*", "0:00:00", "2026-01-01"}, // midnight itself
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.day << " " << c.seconds);
        CLocalDateTime t;
        t.m_nYear = c.day == 31 ? 2025 : 2026;
        t.m_nMonth = c.day == 31 ? 12 : 1;
        t.m_nDay = c.day;
        t.m_time = Hours((c.day == 31 ? 23 + 59 / 60.0 : 0.0) + c.seconds / 3600);
        EXPECT_EQ(t.FormatTime(0, 31), c.cut);
        EXPECT_EQ(t.FormatTime(1, 31), c.up);
        EXPECT_EQ(t.FormatTime(2, 31), c.nearest);
        const CLocalDateTime shown = t.RoundedToSecond();
        EXPECT_EQ(shown.m_time.FormatHms(), c.toSecond);
        EXPECT_EQ(shown.FormatDate(), c.dateToSecond);
        EXPECT_EQ(t.m_time.FormatHms(), c.toSecond); // the clock alone reads the same, without the date
    }
}

TEST(Bhava, ContainsLongitudeAcrossAries) {
    CBhava house;
    house.m_start = Longitude(350.0);
    house.m_end = Longitude(20.0);
    for (double inside : {350.0, 355.0, 0.0, 5.0, 20.0})
        EXPECT_TRUE(house.ContainsLongitude(Longitude(inside))) << inside;
    for (double outside : {21.0, 180.0, 349.9})
        EXPECT_FALSE(house.ContainsLongitude(Longitude(outside))) << outside;

    CBhava point;
    point.m_start = Longitude(100.0);
    point.m_end = Longitude(100.0);
    EXPECT_TRUE(point.ContainsLongitude(Longitude(100.0)));
    EXPECT_FALSE(point.ContainsLongitude(Longitude(100.5)));
    EXPECT_FALSE(point.ContainsLongitude(Longitude(99.5)));
}
