// The birth data without widgets: range checks, zone fields, daylight saving and the copy to and from
// a chart.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/region_table.h"
#include "shell/dialogs/birth_data.h"
#include "shell/dialogs/field_checks.h"
#include "shell/display_options.h"

namespace {

// 10:25 am on 15 May 1990 at Chennai, in range everywhere.
BirthDataMembers ChennaiMembers() {
    BirthDataMembers m;
    m.m_nMonth = 4;
    m.m_nDay = 15;
    m.m_nYear = 1990;
    m.m_nHour = 10;
    m.m_dMinute = 25;
    m.m_nTimeFormat = kAm;
    m.m_nZoneHours = 5;
    m.m_dZoneMinutes = 30;
    m.m_nLonDeg = 80;
    m.m_nLonMin = 16;
    m.m_nLatDeg = 13;
    m.m_nLatMin = 5;
    m.m_dAltitude = 6;
    m.m_dPressure = 1013.25;
    m.m_dTemperature = 30;
    return m;
}

TEST(DaysInMonth, FebruaryFollowsTheLeapYearRule) {
    const struct {
        int year, days;
    } cases[] = {{2000, 29}, {1600, 29}, {1996, 29}, {1900, 28}, {2100, 28}, {1999, 28}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(DaysInMonth(2, c.year), c.days);
    }
    EXPECT_EQ(DaysInMonth(4, 2001), 30);
    EXPECT_EQ(DaysInMonth(12, 2001), 31);
}

TEST(ParseFields, OnlyWholeTextsScan) {
    EXPECT_EQ(ParseInteger(" 12 "), 12);
    EXPECT_EQ(ParseInteger("-5"), -5);
    EXPECT_FALSE(ParseInteger("12a"));
    EXPECT_FALSE(ParseInteger(""));
    EXPECT_DOUBLE_EQ(*ParseNumber("30.5"), 30.5);
    EXPECT_FALSE(ParseNumber("3x"));
    EXPECT_FALSE(ParseNumber("1e400"));
}

// The years the date fields allow when the ephemeris files cover -12900 to 16600.
class BirthDataChecks : public testing::Test {
protected:
    void SetUp() override { g_nMinYear = -12900, g_nMaxYear = 16600; }
    void TearDown() override { g_nMinYear = m_minYear, g_nMaxYear = m_maxYear; }
    int m_minYear = g_nMinYear, m_maxYear = g_nMaxYear;
};

TEST_F(BirthDataChecks, RefusesEveryFieldOutOfRangeSayingWhatIsAllowed) {
    struct Case {
        const char* what;
        void (*edit)(BirthDataMembers&);
        BirthField field;
        const char* message;
    };
    const Case cases[] = {
        {"29 Feb 1900", [](BirthDataMembers& m) { m.m_nMonth = 1, m.m_nDay = 29, m.m_nYear = 1900; },
         BirthField::kDay, "Day: enter a whole number from 1 to 28."},
        {"31 April", [](BirthDataMembers& m) { m.m_nMonth = 3, m.m_nDay = 31; }, BirthField::kDay,
         "Day: enter a whole number from 1 to 30."},
        {"year -12901", [](BirthDataMembers& m) { m.m_nYear = -12901; }, BirthField::kYear,
         "Year: enter a whole number from -12900 to 16600."},
        {"year 16601", [](BirthDataMembers& m) { m.m_nYear = 16601; }, BirthField::kYear,
         "Year: enter a whole number from -12900 to 16600."},
        {"13 am", [](BirthDataMembers& m) { m.m_nHour = 13; }, BirthField::kHour,
         "Hour: enter a whole number from 1 to 12."},
        {"24 hrs", [](BirthDataMembers& m) { m.m_nTimeFormat = kTwentyFourHours, m.m_nHour = 24; },
         BirthField::kHour, "Hour: enter a whole number from 0 to 23."},
        {"60 minutes", [](BirthDataMembers& m) { m.m_dMinute = 60; }, BirthField::kMinute,
         "Minutes: enter a number from 0 to below 60."},
        {"-1 seconds", [](BirthDataMembers& m) { m.m_dSecond = -1; }, BirthField::kSecond,
         "Seconds: enter a number from 0 to below 60."},
        {"zone minutes 75", [](BirthDataMembers& m) { m.m_dZoneMinutes = 75; }, BirthField::kZoneMinutes,
         "Time zone minutes: enter a number from 0 to below 60."},
        {"longitude 181", [](BirthDataMembers& m) { m.m_nLonDeg = 181; }, BirthField::kLonDeg,
         "Longitude degrees: enter a whole number from 0 to 180."},
        {"longitude 180 1'", [](BirthDataMembers& m) { m.m_nLonDeg = 180, m.m_nLonMin = 1; },
         BirthField::kLonDeg, "Longitude: enter at most 180 degrees."},
        {"latitude 90 0' 1\"",
         [](BirthDataMembers& m) { m.m_nLatDeg = 90, m.m_nLatMin = 0, m.m_dLatSec = 1; }, BirthField::kLatDeg,
         "Latitude: enter at most 90 degrees."},
        {"latitude minutes 60", [](BirthDataMembers& m) { m.m_nLatMin = 60; }, BirthField::kLatMin,
         "Latitude minutes: enter a whole number from 0 to 59."},
        {"altitude 30000", [](BirthDataMembers& m) { m.m_dAltitude = 30000; }, BirthField::kAltitude,
         "Altitude: enter a number from -500 to 20000."},
        {"altitude -501", [](BirthDataMembers& m) { m.m_dAltitude = -501; }, BirthField::kAltitude,
         "Altitude: enter a number from -500 to 20000."},
        {"temperature", [](BirthDataMembers& m) { m.m_dTemperature = 200; }, BirthField::kTemperature,
         "Temperature: enter a number from -90 to 60."},
    };
    ASSERT_FALSE(CheckBirthData(ChennaiMembers()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BirthDataMembers m = ChennaiMembers();
        c.edit(m);
        const auto problem = CheckBirthData(m);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, c.message);
    }
}

TEST_F(BirthDataChecks, AcceptsTheLeapDayOfLeapYearsAndTheEdgesOfTheRanges) {
    for (int year : {2000, 1600, -12900, 16600}) {
        SCOPED_TRACE(year);
        BirthDataMembers m = ChennaiMembers();
        m.m_nYear = year;
        m.m_nMonth = 1;
        m.m_nDay = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 29 : 28;
        m.m_nLatDeg = 90, m.m_nLatMin = 0, m.m_dLatSec = 0;
        m.m_nLonDeg = 180, m.m_nLonMin = 0;
        m.m_dSecond = 59.99;
        m.m_dAltitude = year < 0 ? -500 : 20000;
        EXPECT_FALSE(CheckBirthData(m));
    }
}

TEST(ZoneFields, ANegativeZoneIsWestAndMinutesAreRounded) {
    const struct {
        double zone;
        int side, hours;
        double minutes;
    } cases[] = {
        {-5.5, 1, 5, 30}, {5.5, 0, 5, 30},           {5.75, 0, 5, 45},
        {0, 0, 0, 0},     {5 + 29.5 / 60, 0, 5, 30}, {-(3 + 29.4 / 60), 1, 3, 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        BirthDataMembers m;
        SetZoneFields(m, c.zone);
        EXPECT_EQ(m.m_nZoneSide, c.side);
        EXPECT_EQ(m.m_nZoneHours, c.hours);
        EXPECT_DOUBLE_EQ(m.m_dZoneMinutes, c.minutes);
    }
}

// New York: standard zone 5 h west, daylight 4 h west.
BirthDataMembers NewYorkAt(int month0, int day, int year) {
    BirthDataMembers m = ChennaiMembers();
    m.m_nMonth = month0, m.m_nDay = day, m.m_nYear = year;
    m.m_nTimeFormat = kTwentyFourHours, m.m_nHour = 12;
    m.m_nChartRegion = *FindRegionRow("USNY");
    m.m_strChartRegion = "New York, USA";
    m.m_dStdZone = -5, m.m_dDstZone = -4;
    return m;
}

TEST(DaylightSaving, NewYorkKeepsItInJulyButNotInJanuary) {
    BirthDataMembers july = NewYorkAt(6, 4, 1990);
    DecideDaylightSaving(july);
    EXPECT_TRUE(july.m_bDaylight);
    EXPECT_EQ(july.m_nZoneSide, 1);
    EXPECT_EQ(july.m_nZoneHours, 4);

    BirthDataMembers january = NewYorkAt(0, 15, 1990);
    DecideDaylightSaving(january);
    EXPECT_FALSE(january.m_bDaylight);
    EXPECT_EQ(january.m_nZoneSide, 1);
    EXPECT_EQ(january.m_nZoneHours, 5);
}

TEST(DaylightSaving, EqualZonesAreAlwaysStandardTime) {
    BirthDataMembers m = NewYorkAt(6, 4, 1990);
    m.m_dDstZone = m.m_dStdZone;
    DecideDaylightSaving(m);
    EXPECT_FALSE(m.m_bDaylight);
    EXPECT_EQ(m.m_nZoneHours, 5);
}

TEST(DaylightSaving, RussiaMovesADaylightZoneOneHourAheadToTwo) {
    BirthDataMembers m = NewYorkAt(6, 4, 1990);
    m.m_nChartRegion = *FindRegionRow("RS");
    m.m_strChartRegion = "Russia";
    m.m_dStdZone = 3, m.m_dDstZone = 4;
    DecideDaylightSaving(m);
    EXPECT_DOUBLE_EQ(m.m_dDstZone, 5);
}

TEST(BirthDataTransfer, ChartToMembersAndBackKeepsTheBirthData) {
    CChart chart;
    BirthDataMembers m = ChennaiMembers();
    m.m_strChartCity = "Chennai";
    m.m_strChartRegion = "India";
    m.m_nChartRegion = *FindRegionRow("IN");
    m.m_dStdZone = m.m_dDstZone = 5.5;
    ApplyBirthData(m, chart);
    EXPECT_DOUBLE_EQ(chart.m_dateTime.m_zone.m_dHours, -5.5); // positive west
    EXPECT_NEAR(chart.m_longitude.m_dValue, -(80 + 16 / 60.0), 1e-12);
    EXPECT_NEAR(chart.m_latitude.m_dValue, 13 + 5 / 60.0, 1e-12);
    EXPECT_DOUBLE_EQ(chart.m_dateTime.m_time.m_dHours, 10 + 25 / 60.0);
    EXPECT_DOUBLE_EQ(chart.m_dStandardZone, -5.5);

    const BirthDataMembers back = BirthDataFromChart(chart, true);
    EXPECT_EQ(back.m_nMonth, 4);
    EXPECT_EQ(back.m_nHour, 10);
    EXPECT_EQ(back.m_nTimeFormat, kAm);
    EXPECT_EQ(back.m_nLonSide, 0);
    EXPECT_EQ(back.m_nLatSide, 0);
    EXPECT_EQ(back.m_nZoneSide, 0);
    EXPECT_EQ(back.m_nZoneHours, 5);
    EXPECT_DOUBLE_EQ(back.m_dZoneMinutes, 30);
    EXPECT_DOUBLE_EQ(back.m_dStdZone, 5.5);
    EXPECT_EQ(back.m_strChartCity, "Chennai");
}

TEST(BirthDataTransfer, TwelveOClockOnTheTwelveHourClock) {
    const struct {
        int hour, format, stored;
    } cases[] = {{12, kAm, 0}, {12, kPm, 12}, {1, kPm, 13}, {11, kAm, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << (c.format == kAm ? " am" : " pm"));
        CChart chart;
        BirthDataMembers m = ChennaiMembers();
        m.m_nHour = c.hour;
        m.m_nTimeFormat = c.format;
        m.m_dMinute = 0;
        EXPECT_TRUE(ApplyBirthData(m, chart));
        EXPECT_EQ(chart.m_dateTime.m_time.m_nHours, c.stored);
        const BirthDataMembers back = BirthDataFromChart(chart, true);
        EXPECT_EQ(back.m_nHour, c.hour);
        EXPECT_EQ(back.m_nTimeFormat, c.format);
    }
}

TEST(BirthDataTransfer, LocalMeanTimeTakesTheZoneFromTheLongitude) {
    CChart chart;
    BirthDataMembers m = ChennaiMembers();
    m.m_bUseLmt = 1;
    ApplyBirthData(m, chart);
    EXPECT_NEAR(chart.m_dateTime.m_zone.m_dHours, -(80 + 16 / 60.0) / 15, 1e-12); // east: negative
    m.m_nLonSide = 1;
    ApplyBirthData(m, chart);
    EXPECT_NEAR(chart.m_dateTime.m_zone.m_dHours, (80 + 16 / 60.0) / 15, 1e-12);
}

// The chart's split time and coordinates carry float noise; the fields show them at their precision
// (hundredths of a second), a rounding to 60 carried into the minutes and beyond, but a time of day never
// into the next day.
TEST(BirthDataTransfer, SecondsAreShownAtTheFieldsPrecision) {
    struct Sixtieths {
        int whole, minutes;
        double seconds;
    };
    struct Case {
        Sixtieths stored, shownTime, shownLongitude;
    };
    const Case cases[] = {
        {{8, 5, 11.99999707}, {8, 5, 12}, {8, 5, 12}},   {{7, 0, 23.9999861}, {7, 0, 24}, {7, 0, 24}},
        {{10, 29, 59.999999}, {10, 30, 0}, {10, 30, 0}}, {{9, 59, 59.996}, {10, 0, 0}, {10, 0, 0}},
        {{8, 5, 12.344}, {8, 5, 12.34}, {8, 5, 12.34}},  {{0, 0, 0.004}, {0, 0, 0}, {0, 0, 0}},
        {{23, 59, 59.999}, {23, 59, 59.99}, {24, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.stored.whole << ":" << c.stored.minutes << ":" << c.stored.seconds);
        CChart chart;
        chart.m_dateTime.m_time.m_nHours = c.stored.whole;
        chart.m_dateTime.m_time.m_nMinutes = c.stored.minutes;
        chart.m_dateTime.m_time.m_dSeconds = c.stored.seconds;
        chart.m_longitude.m_nDegrees = c.stored.whole;
        chart.m_longitude.m_nMinutes = c.stored.minutes;
        chart.m_longitude.m_dSeconds = c.stored.seconds;
        chart.m_latitude = chart.m_longitude;
        const BirthDataMembers m = BirthDataFromChart(chart, false);
        EXPECT_EQ(m.m_nHour, c.shownTime.whole);
        EXPECT_EQ(m.m_dMinute, c.shownTime.minutes);
        EXPECT_DOUBLE_EQ(m.m_dSecond, c.shownTime.seconds);
        EXPECT_EQ(m.m_nLonDeg, c.shownLongitude.whole);
        EXPECT_EQ(m.m_nLonMin, c.shownLongitude.minutes);
        EXPECT_DOUBLE_EQ(m.m_dLonSec, c.shownLongitude.seconds);
        EXPECT_EQ(m.m_nLatDeg, c.shownLongitude.whole);
        EXPECT_DOUBLE_EQ(m.m_dLatSec, c.shownLongitude.seconds);
    }
}

// A time, zone, longitude or latitude whose fields still hold what they were loaded with keeps the
// chart's exact value; one whose fields were edited takes the fields as they read, the boxes left alone
// at what they show.
TEST(BirthDataTransfer, FieldsLeftAsLoadedKeepTheChartsExactValues) {
    CChart loaded;
    loaded.m_dateTime.m_time.m_dHours = 5 + 7.123 / 3600;                 // 5:00:07.123
    loaded.m_dateTime.m_zone.m_dHours = -(5 + 21 / 60.0 + 10.998 / 3600); // east
    loaded.m_latitude.m_dValue = 28 + 36 / 60.0 + 50.436 / 3600;
    loaded.m_longitude.m_dValue = -(77 + 12 / 60.0 + 31.014 / 3600); // east
    for (CHmsTime* t : {&loaded.m_dateTime.m_time, &loaded.m_dateTime.m_zone}) t->SplitHours();
    for (CDmsAngle* a : {&loaded.m_latitude, &loaded.m_longitude}) a->SplitDegrees();

    const BirthDataMembers shown = BirthDataFromChart(loaded, false);
    EXPECT_DOUBLE_EQ(shown.m_dSecond, 7.12);
    EXPECT_EQ(shown.m_nZoneHours, 5);
    EXPECT_DOUBLE_EQ(shown.m_dZoneMinutes, 21.18);
    EXPECT_DOUBLE_EQ(shown.m_dLatSec, 50.44);

    struct Expected {
        double hours, zone, latitude; // the chart's time and zone (hours, west) and latitude after OK
    };
    const double time = loaded.m_dateTime.m_time.m_dHours, zone = loaded.m_dateTime.m_zone.m_dHours,
                 latitude = loaded.m_latitude.m_dValue;
    const struct {
        const char* edit;
        void (*apply)(BirthDataMembers&);
        Expected expected;
    } cases[] = {
        {"nothing", [](BirthDataMembers&) {}, {time, zone, latitude}},
        {"the hour", [](BirthDataMembers& m) { m.m_nHour = 6; }, {6 + 7.12 / 3600, zone, latitude}},
        {"the clock", [](BirthDataMembers& m) { m.m_nTimeFormat = kAm; }, {time, zone, latitude}},
        {"the zone hours",
         [](BirthDataMembers& m) { m.m_nZoneHours = 6; },
         {time, -(6 + 21.18 / 60), latitude}},
        {"the latitude minutes",
         [](BirthDataMembers& m) { m.m_nLatMin = 37; },
         {time, zone, 28 + 37 / 60.0 + 50.44 / 3600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        CChart chart = loaded;
        BirthDataMembers m = shown;
        c.apply(m);
        ApplyBirthData(m, chart);
        EXPECT_NEAR(chart.m_dateTime.m_time.m_dHours, c.expected.hours, 1e-12);
        EXPECT_NEAR(chart.m_dateTime.m_zone.m_dHours, c.expected.zone, 1e-12);
        EXPECT_NEAR(chart.m_latitude.m_dValue, c.expected.latitude, 1e-12);
        EXPECT_EQ(chart.m_longitude.m_dValue, loaded.m_longitude.m_dValue);
    }
}

} // namespace
