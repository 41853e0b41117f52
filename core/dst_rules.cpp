#include "core/dst_rules.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "core/chart_core.h"
#include "core/julian_day.h"

namespace {

// One end of a season: the n-th weekday from a date (n = 0: the date itself), at a local hour.
struct RuleDay {
    int month;
    int day;
    int n;
    int weekday; // 0 Sunday .. 6 Saturday
    double hour;
};

constexpr int kSunday = 0, kThursday = 4, kFriday = 5, kSaturday = 6;

constexpr RuleDay LastSunday(int month, int lastDay, double hour) {
    return {month, lastDay, -1, kSunday, hour};
}
constexpr RuleDay NthSunday(int month, int n, double hour) {
    return {month, 1, n, kSunday, hour};
}
constexpr RuleDay FixedDay(int month, int day) {
    return {month, day, 0, kSunday, 0.0};
}

struct Season {
    RuleDay start;
    RuleDay end;
};

// A rule shared by a list of region codes.
struct RegionRule {
    std::array<std::string_view, 12> codes;
    Season season;
};

// Rules of the regions outside North America, tried in this order.
const RegionRule kRegionRules[] = {
    {{"AM", "AJ", "BO", "GG", "KZ", "KG", "LG", "RS", "TI", "TX", "UP", "UZ"},
     {LastSunday(3, 31, 2.0), LastSunday(10, 31, 1.0)}},
    {{"AS"}, {LastSunday(10, 31, 0.0), LastSunday(3, 31, 0.0)}},
    {{"EG"}, {{4, 30, -1, kFriday, 0.0}, {9, 30, -1, kThursday, 0.0}}},
    {{"WA"}, {NthSunday(9, 1, 0.0), NthSunday(4, 1, 0.0)}},
    {{"IZ", "SY"}, {FixedDay(4, 1), FixedDay(10, 1)}},
    {{"IS"}, {{4, 1, 1, kFriday, 0.0}, {9, 1, 1, kFriday, 0.0}}},
    {{"LE"}, {LastSunday(3, 31, 0.0), LastSunday(10, 31, 0.0)}},
    {{"NZ"}, {NthSunday(10, 1, 0.0), NthSunday(3, 3, 0.0)}},
    {{"CU"}, {FixedDay(4, 1), LastSunday(10, 31, 0.0)}},
    {{"MX", "BF", "TK"}, {NthSunday(4, 1, 2.0), LastSunday(10, 31, 1.0)}},
    {{"BR"}, {NthSunday(11, 1, 0.0), {2, 1, 3, kSunday, 0.0}}},
    {{"CI"}, {{10, 1, 2, kSaturday, 0.0}, {3, 1, 2, kSaturday, 0.0}}},
    {{"PA"}, {NthSunday(9, 1, 0.0), NthSunday(4, 1, 0.0)}},
};

// Every other region: the European season, whose ends are at 1:00 universal time.
constexpr Season kEuropeanSeason = {LastSunday(3, 31, 1.0), LastSunday(10, 31, 1.0)};

constexpr RuleDay kNorthAmericanOctoberEnd = LastSunday(10, 31, 1.0);

double JulianDayOf(const RuleDay& d, int year, double zoneWest) {
    return FindNthWeekdayJd(year, d.month, d.day, d.hour, zoneWest, d.n, d.weekday);
}

// A season that starts later in the year than it ends spans the new year (southern hemisphere).
bool InSeason(const Season& season, const DstMoment& m, double zoneWest) {
    const double start = JulianDayOf(season.start, m.year, zoneWest);
    const double end = JulianDayOf(season.end, m.year, zoneWest);
    if (end >= start) return m.jdUt >= start && m.jdUt < end;
    return m.jdUt >= start || m.jdUt < end;
}

// US war time ran without a break from 2 February 1942 to 1 October 1945.
bool InUsWarTime(double jdUt) {
    return jdUt >= JulianDay(1942, 2, 2, 0.0, kGregorianCalendar) &&
           jdUt < JulianDay(1945, 10, 1, 0.0, kGregorianCalendar);
}

bool InNorthAmericanSeason(std::string_view code, const DstMoment& m) {
    const int y = m.year;
    if (y >= 2007) return InSeason({NthSunday(3, 2, 2.0), NthSunday(11, 1, 1.0)}, m, m.zoneWest);
    if (y >= 1987) return InSeason({NthSunday(4, 1, 2.0), kNorthAmericanOctoberEnd}, m, m.zoneWest);
    if (y >= 1976 || (y >= 1967 && y <= 1973))
        return InSeason({LastSunday(4, 30, 2.0), kNorthAmericanOctoberEnd}, m, m.zoneWest);
    if (y == 1975) return InSeason({LastSunday(2, 28, 2.0), kNorthAmericanOctoberEnd}, m, m.zoneWest);
    if (y == 1974) return InSeason({NthSunday(1, 1, 2.0), kNorthAmericanOctoberEnd}, m, m.zoneWest);
    if (InUsWarTime(m.jdUt)) return true;
    if (y == 1918 || y == 1919)
        return InSeason({LastSunday(3, 31, 0.0), LastSunday(10, 31, 0.0)}, m, m.zoneWest);
    if (y >= 1920 && y <= 1965 && (code == "USMA" || code == "USRI"))
        return InSeason({LastSunday(4, 30, 2.0), LastSunday(9, 30, 1.0)}, m, m.zoneWest);
    return false;
}

bool InRegionSeason(std::string_view code, const DstMoment& m) {
    const std::string_view country = code.substr(0, 2);
    if (country == "US" || country == "CA") return InNorthAmericanSeason(code, m);
    for (const RegionRule& rule : kRegionRules) {
        for (std::string_view ruleCode : rule.codes) {
            if (ruleCode == code) return InSeason(rule.season, m, m.zoneWest);
        }
    }
    return InSeason(kEuropeanSeason, m, 0.0);
}

DstMoment MomentOf(const CChartCore& chart) {
    return {chart.m_dateTime.m_nYear, chart.m_dateTime.m_zone.m_dHours, chart.GetJulianDay()};
}

} // namespace

double FindNthWeekdayJd(int year, int month, int day, double hour, double zoneWest, int n, int weekday) {
    // The rules count from Sunday.
    const int dateWeekday = (WeekdayFromMonday(JulianDay(year, month, day, 0.0, kGregorianCalendar)) + 1) % 7;
    int shift = 0;
    if (n > 0) shift = (weekday - dateWeekday + 14) % 7 + 7 * (n - 1);
    if (n < 0) shift = -((dateWeekday - weekday + 14) % 7) - 7 * (std::abs(n) - 1);
    return JulianDay(year, month, day, hour + zoneWest, kGregorianCalendar) + shift;
}

bool IsDaylightSavingInForce(int regionRow, const DstMoment& moment) {
    if (regionRow < 0 || regionRow >= kRegionCount) return false;
    const RegionRow& region = g_regionTable[regionRow];
    return IsDaylightSavingInForce(regionRow, moment, region.dStandardZone, region.dDaylightZone);
}

bool IsDaylightSavingInForce(int regionRow, const DstMoment& moment, double placeStandardZone,
                             double placeDaylightZone) {
    if (regionRow < 0 || regionRow >= kRegionCount) return false;
    if (!ObservesDaylightSaving(placeStandardZone, placeDaylightZone)) return false;
    return InRegionSeason(g_regionTable[regionRow].code, moment);
}

bool GetDstCorrection(const CChartCore& chart, int placeCode) {
    return IsDaylightSavingInForce(placeCode, MomentOf(chart));
}

bool GetDstCorrection(const CChartCore& chart, int placeCode, double placeStandardZone,
                      double placeDaylightZone) {
    return IsDaylightSavingInForce(placeCode, MomentOf(chart), placeStandardZone, placeDaylightZone);
}
