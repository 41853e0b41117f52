// Sunrise days that always meet: the first sunrise of each civil date, or 6:00 local mean time on a
// date without one.
#include "chart/sunrise_days.h"

#include <cmath>
#include <optional>

#include "core/calc_options.h"
#include "core/chart_searches.h"
#include "core/rise_set.h"

namespace {

constexpr double kHoursPerDay = 24.0;

// The zone clock's Julian day of a UT moment (zone positive west: clock = UT - zone).
double ClockJd(const CChartCore& place, double jdUt) {
    return jdUt - place.m_dateTime.m_zone.m_dHours / kHoursPerDay;
}

// 0:00 of a civil date on the zone clock, UT Julian day.
double DateStart(const CChartCore& place, int civilDate) {
    return civilDate - 0.5 + place.m_dateTime.m_zone.m_dHours / kHoursPerDay;
}

// The Sun's next rise (or set) after a moment, by Siddhanta; nothing when the search finds none (the Sun
// stays down or up there).
CalcStatus NextSunCrossing(const CChartCore& place, double jdUt, bool set, std::optional<double>& found) {
    found.reset();
    if (g_nSiddhanta == 1) {
        CChartCore from, meeting;
        if (CalcStatus status = place.SetFromJulianDay(jdUt, from); !status.ok()) return status;
        const double d = LagnaSunriseOffset();
        const SearchResult result = FindLagnaMeeting(from, kSun, set ? 180.0 + d : -d, false, meeting);
        if (result.found()) found = result.jdUt;
        return FailureOf(result);
    }
    const HorizonEventResult result =
        NextHorizonEvent(place, jdUt, kSun, set ? HorizonEvent::kSet : HorizonEvent::kRise);
    if (result.found) found = result.jdUt;
    return result.status;
}

} // namespace

double MeanSixOClockOn(const CChartCore& place, int civilDate) {
    // Mean time is UT less the longitude west / 15 hours.
    const double start = DateStart(place, civilDate);
    double six = civilDate - 0.5 + (6.0 + place.m_longitude.m_dValue / 15.0) / kHoursPerDay;
    while (six < start) six += 1.0;
    while (six >= start + 1.0) six -= 1.0;
    return six;
}

int CivilDateOf(const CChartCore& place, double jdUt) {
    return static_cast<int>(std::floor(ClockJd(place, jdUt) + 0.5));
}

CalcStatus FindSunDayStart(const CChartCore& place, int civilDate, SunDayStart& start) {
    const double dateStart = DateStart(place, civilDate);
    std::optional<double> rise;
    if (CalcStatus status = NextSunCrossing(place, dateStart, false, rise); !status.ok()) return status;
    if (rise && *rise < dateStart + 1.0)
        start = {*rise, false};
    else
        start = {MeanSixOClockOn(place, civilDate), true};
    return {};
}

CalcStatus FindSunriseDayAt(const CChartCore& place, double jdUt, SunriseDay& day) {
    int date = CivilDateOf(place, jdUt);
    SunDayStart start, next;
    if (CalcStatus status = FindSunDayStart(place, date, start); !status.ok()) return status;
    if (jdUt < start.jdUt) {
        next = start;
        --date;
        if (CalcStatus status = FindSunDayStart(place, date, start); !status.ok()) return status;
    } else if (CalcStatus status = FindSunDayStart(place, date + 1, next); !status.ok()) {
        return status;
    }
    std::optional<double> set;
    if (CalcStatus status = NextSunCrossing(place, start.jdUt, true, set); !status.ok()) return status;
    day.rise = start.jdUt;
    day.nextRise = next.jdUt;
    day.standInRise = start.standIn;
    day.standInNextRise = next.standIn;
    day.standInSet = !(set && *set < next.jdUt);
    if (day.standInSet) {
        // 18:00 of the 6:00-to-6:00 day; the middle of the day where a zone far off mean time puts it
        // outside.
        const double evening = MeanSixOClockOn(place, date) + 0.5;
        day.set = start.jdUt < evening && evening < next.jdUt ? evening : 0.5 * (start.jdUt + next.jdUt);
    } else {
        day.set = *set;
    }
    return {};
}

bool AreMorningSunrisesOfConsecutiveDates(const CChartCore& place, double rise, double nextRise) {
    const double riseClock = ClockJd(place, rise) + 0.5; // days since the epoch's 0:00
    const double nextClock = ClockJd(place, nextRise) + 0.5;
    const double riseDate = std::floor(riseClock);
    const double nextDate = std::floor(nextClock);
    return nextDate == riseDate + 1.0 && riseClock - riseDate < 0.5 && nextClock - nextDate < 0.5;
}

double LagnaSunriseOffset() {
    constexpr double kSunMeanRadius = 0.2680986783777464; // degrees, about 16.09'
    return RiseOffsetForRadius(kSunMeanRadius);
}
