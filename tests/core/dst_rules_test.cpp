// Daylight-saving rules by region. Weekday dates checked with Python's datetime (proleptic Gregorian):
//   python3 -c "import datetime as d; print(d.date(2010,3,14).strftime('%A'))"
#include <string>

#include <gtest/gtest.h>

#include <swephexp.h>

#include "core/chart_core.h"
#include "core/dst_rules.h"

namespace {

double JulianDay(int year, int month, int day, double hourUt) {
    return swe_julday(year, month, day, hourUt, SE_GREG_CAL);
}

// A moment given in the local standard time of the region, as a chart made for it holds it.
DstMoment StandardTimeMoment(int row, int year, int month, int day, int hour, int minute) {
    const double zoneWest = -g_regionTable[row].dStandardZone;
    return {year, zoneWest, JulianDay(year, month, day, hour + minute / 60.0 + zoneWest)};
}

TEST(FindNthWeekdayJd, CountsWeekdaysFromTheDate) {
    struct Case {
        int year, month, day, n, weekday;
        int expectedMonth, expectedDay;
    };
    const Case cases[] = {
        {2010, 3, 14, 0, 3, 3, 14},    // n = 0: the date itself, whatever its weekday
        {2010, 3, 1, 2, 0, 3, 14},     // second Sunday of March
        {2010, 11, 1, 1, 0, 11, 7},    // first Sunday of November
        {2010, 10, 31, -1, 0, 10, 31}, // last Sunday of October: the 31st is a Sunday
        {2010, 10, 31, -2, 0, 10, 24}, {2010, 4, 30, -1, 5, 4, 30}, // last Friday of April
        {2010, 9, 30, -1, 4, 9, 30},                                // last Thursday of September
        {2010, 10, 1, 2, 6, 10, 9},                                 // second Saturday of October
        {2010, 3, 1, 5, 0, 4, 4},                                   // a fifth Sunday runs into April
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day) + " n=" + std::to_string(c.n));
        // 2:00 local in a zone 5 hours west is 7:00 UT.
        EXPECT_DOUBLE_EQ(FindNthWeekdayJd(c.year, c.month, c.day, 2.0, 5.0, c.n, c.weekday),
                         JulianDay(c.year, c.expectedMonth, c.expectedDay, 7.0));
    }
}

struct DstCase {
    const char* code;
    int year, month, day, hour, minute;
    bool inForce;
};

void ExpectCases(const DstCase* begin, const DstCase* end) {
    for (const DstCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(std::string(c->code) + " " + std::to_string(c->year) + "-" + std::to_string(c->month) +
                     "-" + std::to_string(c->day) + " " + std::to_string(c->hour) + ":" +
                     std::to_string(c->minute));
        const int row = *FindRegionRow(c->code);
        EXPECT_EQ(IsDaylightSavingInForce(
                      row, StandardTimeMoment(row, c->year, c->month, c->day, c->hour, c->minute)),
                  c->inForce);
    }
}

TEST(DaylightSaving, NorthAmericanRulesByYear) {
    const DstCase cases[] = {
        {"USNY", 2010, 3, 14, 1, 59, false},
        {"USNY", 2010, 3, 14, 2, 0, true}, // second Sunday of March
        {"USNY", 2010, 11, 7, 0, 59, true},
        {"USNY", 2010, 11, 7, 1, 0, false}, // first Sunday of November
        {"USNY", 2000, 4, 2, 2, 0, true},
        {"USNY", 2000, 10, 29, 1, 0, false},
        {"USNY", 1975, 2, 23, 1, 59, false},
        {"USNY", 1975, 2, 23, 2, 0, true},
        {"USNY", 1974, 1, 6, 1, 59, false},
        {"USNY", 1974, 1, 6, 2, 0, true},
        {"USNY", 1980, 4, 27, 2, 0, true},
        {"USNY", 1980, 4, 20, 12, 0, false}, // last Sunday of April
        {"CA", 2010, 7, 1, 12, 0, true},
        {"USCA", 1943, 7, 1, 12, 0, true}, // war time
        // War time ends at 1 October 1945 0:00 UT, 19:00 the day before in New York.
        {"USNY", 1945, 9, 30, 18, 59, true},
        {"USNY", 1945, 9, 30, 19, 0, false},
        {"USNY", 1918, 7, 1, 12, 0, true},
        {"USNY", 1918, 3, 30, 12, 0, false},
        {"USMA", 1950, 4, 30, 2, 0, true},
        {"USMA", 1950, 7, 1, 12, 0, true},
        {"USMA", 1950, 9, 24, 1, 0, false},
        {"USRI", 1950, 7, 1, 12, 0, true},
        {"USCA", 1950, 7, 1, 12, 0, false},
        {"USNY", 1966, 7, 1, 12, 0, false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(DaylightSaving, RulesOfOtherRegions) {
    const DstCase cases[] = {
        {"AS", 2010, 1, 15, 12, 0, true},
        {"AS", 2010, 7, 15, 12, 0, false}, // southern season
        {"IZ", 2010, 4, 1, 0, 0, true},
        {"IZ", 2010, 3, 31, 23, 59, false},
        {"IZ", 2010, 10, 1, 0, 0, false},
        {"IZ", 2010, 9, 30, 23, 59, true},
        {"RS", 2010, 3, 28, 2, 0, true},
        {"RS", 2010, 3, 28, 1, 59, false},
        {"EG", 2010, 4, 30, 0, 0, true},
        {"EG", 2010, 9, 30, 0, 0, false},
        {"NZ", 2010, 10, 3, 0, 0, true},
        {"NZ", 2010, 3, 21, 0, 0, false},
        {"NZ", 2010, 3, 20, 23, 0, true},
        {"CI", 2010, 10, 9, 0, 0, true},
        {"CI", 2010, 3, 13, 0, 0, false},
        {"PA", 2010, 1, 15, 12, 0, true},
        {"PA", 2010, 7, 15, 12, 0, false},
        // The European season: last Sunday of March to last Sunday of October, 1:00 UT (2:00 in Germany).
        {"GM", 2010, 3, 28, 1, 59, false},
        {"GM", 2010, 3, 28, 2, 0, true},
        {"GM", 2010, 10, 31, 1, 59, true},
        {"GM", 2010, 10, 31, 2, 0, false},
        {"UK", 2010, 7, 1, 12, 0, true},
        {"UK", 2010, 1, 15, 12, 0, false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

// Regions whose two zones are equal keep no daylight saving, though the European or North American
// rule would otherwise put a July date inside the season.
TEST(DaylightSaving, RegionsWithoutDaylightZoneNeverKeepIt) {
    const DstCase cases[] = {
        {"IN", 2010, 7, 1, 12, 0, false},   {"CH", 2010, 7, 1, 12, 0, false},
        {"USAZ", 2010, 7, 1, 12, 0, false}, {"USHI", 2010, 7, 1, 12, 0, false},
        {"AJ", 2024, 7, 1, 12, 0, false}, // Azerbaijan, +4 all year since 2016
        {"USCA", 2010, 7, 1, 12, 0, true},  {"AL", 2010, 7, 1, 12, 0, true}, // European rule, zones 1/2
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(DaylightSaving, PlacesAreJudgedByTheirOwnZones) {
    const int australia = *FindRegionRow("AS");
    const DstMoment january = StandardTimeMoment(australia, 2010, 1, 15, 12, 0);
    EXPECT_TRUE(IsDaylightSavingInForce(australia, january, 10, 11));  // Sydney
    EXPECT_FALSE(IsDaylightSavingInForce(australia, january, 10, 10)); // Brisbane
    EXPECT_FALSE(IsDaylightSavingInForce(-1, january));
    EXPECT_FALSE(IsDaylightSavingInForce(kRegionCount, january));
}

// A chart in New York's standard time (zone 5 hours west) on the morning the 2010 season starts.
CChartCore NewYorkChart(int hour, int minute) {
    CChartCore chart;
    chart.m_dateTime.m_nYear = 2010;
    chart.m_dateTime.m_nMonth = 3;
    chart.m_dateTime.m_nDay = 14;
    chart.m_dateTime.m_time.m_dHours = hour + minute / 60.0;
    chart.m_dateTime.m_zone.m_dHours = 5.0;
    return chart;
}

TEST(DaylightSaving, ChartsAreJudgedAtTheirMoment) {
    const int newYork = *FindRegionRow("USNY");
    EXPECT_FALSE(GetDstCorrection(NewYorkChart(1, 59), newYork));
    EXPECT_TRUE(GetDstCorrection(NewYorkChart(2, 0), newYork));
    // An atlas place in the region whose zones are equal stays on standard time.
    EXPECT_FALSE(GetDstCorrection(NewYorkChart(2, 0), newYork, -5, -5));
    EXPECT_TRUE(GetDstCorrection(NewYorkChart(2, 0), newYork, -5, -4));
}

} // namespace
