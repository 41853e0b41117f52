// The birth data without widgets: range checks, zone fields, daylight saving and the copy to and from
// a chart.
#include <gtest/gtest.h>
#include <tuple>

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

// After the date or time was edited the zone fields follow the decision only when it changes: a zone
// loaded finer than whole minutes keeps its fields while daylight saving stays as it was.
TEST(DaylightSaving, DecidedAgainTheZoneFieldsChangeOnlyWithTheDecision) {
    BirthDataMembers m = NewYorkAt(6, 4, 1990);
    m.m_bDaylight = true;
    m.m_nZoneSide = 1, m.m_nZoneHours = 4, m.m_dZoneMinutes = 0.18;
    m.m_nDay = 5;
    DecideDaylightSavingAgain(m);
    EXPECT_TRUE(m.m_bDaylight);
    EXPECT_EQ(m.m_nZoneSide, 1);
    EXPECT_EQ(m.m_nZoneHours, 4);
    EXPECT_DOUBLE_EQ(m.m_dZoneMinutes, 0.18);

    m.m_nMonth = 0; // January: standard time
    DecideDaylightSavingAgain(m);
    EXPECT_FALSE(m.m_bDaylight);
    EXPECT_EQ(m.m_nZoneSide, 1);
    EXPECT_EQ(m.m_nZoneHours, 5);
    EXPECT_DOUBLE_EQ(m.m_dZoneMinutes, 0);
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
// (thousandths of a second, as finely as a chart file keeps the time), a rounding to 60 carried into the
// minutes and beyond, but a time of day never into the next day.
TEST(BirthDataTransfer, SecondsAreShownAtTheFieldsPrecision) {
    struct Sixtieths {
        int whole, minutes;
        double seconds;
    };
    struct Case {
        Sixtieths stored, shownTime, shownLongitude;
    };
    const Case cases[] = {
        {{8, 5, 11.99999707}, {8, 5, 12}, {8, 5, 12}},
        {{7, 0, 23.9999861}, {7, 0, 24}, {7, 0, 24}},
        {{10, 29, 59.999999}, {10, 30, 0}, {10, 30, 0}},
        {{9, 59, 59.9996}, {10, 0, 0}, {10, 0, 0}},
        {{8, 5, 12.3444}, {8, 5, 12.344}, {8, 5, 12.344}},
        {{5, 0, 7.123}, {5, 0, 7.123}, {5, 0, 7.123}},
        {{0, 0, 0.0004}, {0, 0, 0}, {0, 0, 0}},
        {{23, 59, 59.9996}, {23, 59, 59.999}, {24, 0, 0}},
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

// 5:00:07.123 at 5 h 21 min 10.998 s east, 77 12 31.014 E, 28 36 50.436 N, split as a chart file's
// values are when read.
CChart DelhiChart() {
    CChart chart;
    chart.m_dateTime.m_time.m_dHours = 5 + 7.123 / 3600;
    chart.m_dateTime.m_zone.m_dHours = -(5 + 21 / 60.0 + 10.998 / 3600);
    chart.m_longitude.m_dValue = -(77 + 12 / 60.0 + 31.014 / 3600);
    chart.m_latitude.m_dValue = 28 + 36 / 60.0 + 50.436 / 3600;
    for (CHmsTime* t : {&chart.m_dateTime.m_time, &chart.m_dateTime.m_zone}) t->SplitHours();
    for (CDmsAngle* a : {&chart.m_longitude, &chart.m_latitude}) a->SplitDegrees();
    return chart;
}

// The chart after OK on its birth data as loaded into the dialog, `edit` made to them.
CChart AfterEdit(const CChart& loaded, void (*edit)(BirthDataMembers&)) {
    CChart chart = loaded;
    BirthDataMembers m = BirthDataFromChart(loaded, false);
    edit(m);
    ApplyBirthData(m, chart);
    return chart;
}

// Each box edited alone takes effect; every other box, of its own group too, keeps the chart's exact
// value, and a time, zone or coordinate none of whose boxes changed stays as it was, bit for bit.
TEST(BirthDataTransfer, AnEditedBoxTakesEffectAndEveryOtherKeepsTheChartsExactValue) {
    const CChart loaded = DelhiChart();
    const BirthDataMembers shown = BirthDataFromChart(loaded, false);
    EXPECT_DOUBLE_EQ(shown.m_dSecond, 7.123);
    EXPECT_EQ(shown.m_nZoneHours, 5);
    EXPECT_DOUBLE_EQ(shown.m_dZoneMinutes, 21.18);
    EXPECT_DOUBLE_EQ(shown.m_dLonSec, 31.014);
    EXPECT_DOUBLE_EQ(shown.m_dLatSec, 50.436);

    struct Expected {
        double hours, zone, longitude, latitude; // after OK: time, zone (west), longitude (west), latitude
    };
    const double time = loaded.m_dateTime.m_time.m_dHours, zone = loaded.m_dateTime.m_zone.m_dHours,
                 longitude = loaded.m_longitude.m_dValue, latitude = loaded.m_latitude.m_dValue;
    const struct {
        const char* edit;
        void (*apply)(BirthDataMembers&);
        Expected expected;
    } cases[] = {
        {"nothing", [](BirthDataMembers&) {}, {time, zone, longitude, latitude}},
        {"the hour",
         [](BirthDataMembers& m) { m.m_nHour = 6; },
         {6 + 7.123 / 3600, zone, longitude, latitude}},
        {"the minutes",
         [](BirthDataMembers& m) { m.m_dMinute = 1; },
         {5 + 1 / 60.0 + 7.123 / 3600, zone, longitude, latitude}},
        {"the seconds",
         [](BirthDataMembers& m) { m.m_dSecond = 8; },
         {5 + 8 / 3600.0, zone, longitude, latitude}},
        {"the clock", [](BirthDataMembers& m) { m.m_nTimeFormat = kAm; }, {time, zone, longitude, latitude}},
        {"the clock and hour",
         [](BirthDataMembers& m) { m.m_nTimeFormat = kPm; },
         {17 + 7.123 / 3600, zone, longitude, latitude}},
        {"the zone hours",
         [](BirthDataMembers& m) { m.m_nZoneHours = 6; },
         {time, -(6 + 21 / 60.0 + 10.998 / 3600), longitude, latitude}},
        {"the zone minutes",
         [](BirthDataMembers& m) { m.m_dZoneMinutes = 30.5; },
         {time, -(5 + 30.5 / 60), longitude, latitude}},
        {"the zone's side",
         [](BirthDataMembers& m) { m.m_nZoneSide = 1; },
         {time, -zone, longitude, latitude}},
        {"the longitude degrees",
         [](BirthDataMembers& m) { m.m_nLonDeg = 78; },
         {time, zone, -(78 + 12 / 60.0 + 31.014 / 3600), latitude}},
        {"the longitude minutes",
         [](BirthDataMembers& m) { m.m_nLonMin = 13; },
         {time, zone, -(77 + 13 / 60.0 + 31.014 / 3600), latitude}},
        {"the longitude seconds",
         [](BirthDataMembers& m) { m.m_dLonSec = 32; },
         {time, zone, -(77 + 12 / 60.0 + 32 / 3600.0), latitude}},
        {"the longitude's side",
         [](BirthDataMembers& m) { m.m_nLonSide = 1; },
         {time, zone, -longitude, latitude}},
        {"the latitude degrees",
         [](BirthDataMembers& m) { m.m_nLatDeg = 29; },
         {time, zone, longitude, 29 + 36 / 60.0 + 50.436 / 3600}},
        {"the latitude minutes",
         [](BirthDataMembers& m) { m.m_nLatMin = 37; },
         {time, zone, longitude, 28 + 37 / 60.0 + 50.436 / 3600}},
        {"the latitude seconds",
         [](BirthDataMembers& m) { m.m_dLatSec = 51; },
         {time, zone, longitude, 28 + 36 / 60.0 + 51 / 3600.0}},
        {"the latitude's side",
         [](BirthDataMembers& m) { m.m_nLatSide = 1; },
         {time, zone, longitude, -latitude}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        const CChart chart = AfterEdit(loaded, c.apply);
        const Expected& e = c.expected;
        const double values[] = {chart.m_dateTime.m_time.m_dHours, chart.m_dateTime.m_zone.m_dHours,
                                 chart.m_longitude.m_dValue, chart.m_latitude.m_dValue};
        const double expected[] = {e.hours, e.zone, e.longitude, e.latitude};
        const double untouched[] = {time, zone, longitude, latitude};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            if (expected[i] == untouched[i])
                EXPECT_EQ(values[i], untouched[i]);
            else
                EXPECT_NEAR(values[i], expected[i], 1e-12);
        }
    }
}

// Seconds shown rounded up into the next minute, and a zone's minutes into the next hour: a box left
// alone keeps the loaded value counted from what the boxes before it showed, so the value moves by just
// what was edited; boxes edited down to zero before such seconds give zero, never a value below it.
TEST(BirthDataTransfer, SecondsShownRoundedUpAreKeptFromTheMinuteTheyWereShownIn) {
    CChart loaded;
    loaded.m_dateTime.m_time.m_dHours = 5 + 59.9996 / 3600;   // shown 5:01:00
    loaded.m_dateTime.m_zone.m_dHours = -(5 + 59.99998 / 60); // shown 6 h 0 min east
    for (CHmsTime* t : {&loaded.m_dateTime.m_time, &loaded.m_dateTime.m_zone}) t->SplitHours();
    const BirthDataMembers shown = BirthDataFromChart(loaded, false);
    ASSERT_EQ(
        std::tuple(shown.m_nHour, shown.m_dMinute, shown.m_dSecond, shown.m_nZoneHours, shown.m_dZoneMinutes),
        std::tuple(5, 1.0, 0.0, 6, 0.0));

    const struct {
        const char* edit;
        void (*apply)(BirthDataMembers&);
        double hours, zone; // after OK: time, zone (west)
    } cases[] = {
        {"the hour", [](BirthDataMembers& m) { m.m_nHour = 6; }, 6 + 59.9996 / 3600,
         loaded.m_dateTime.m_zone.m_dHours},
        {"the minutes", [](BirthDataMembers& m) { m.m_dMinute = 2; }, 5 + 1 / 60.0 + 59.9996 / 3600,
         loaded.m_dateTime.m_zone.m_dHours},
        {"the seconds", [](BirthDataMembers& m) { m.m_dSecond = 30; }, 5 + 1.5 / 60,
         loaded.m_dateTime.m_zone.m_dHours},
        {"the hour and minutes to 0:00", [](BirthDataMembers& m) { m.m_nHour = 0, m.m_dMinute = 0; }, 0,
         loaded.m_dateTime.m_zone.m_dHours},
        {"the zone hours", [](BirthDataMembers& m) { m.m_nZoneHours = 7; }, loaded.m_dateTime.m_time.m_dHours,
         -(6 + 59.99998 / 60)},
        {"the zone's side", [](BirthDataMembers& m) { m.m_nZoneSide = 1; }, loaded.m_dateTime.m_time.m_dHours,
         5 + 59.99998 / 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        const CChart chart = AfterEdit(loaded, c.apply);
        EXPECT_NEAR(chart.m_dateTime.m_time.m_dHours, c.hours, 1e-12);
        EXPECT_NEAR(chart.m_dateTime.m_zone.m_dHours, c.zone, 1e-12);
        EXPECT_GE(chart.m_dateTime.m_time.m_dSeconds, 0);
        EXPECT_LT(chart.m_dateTime.m_time.m_dSeconds, 60);
    }
}

} // namespace
