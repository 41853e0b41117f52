// Sunrise days that always meet: the sunrise of each date (18:00 to 18:00 local mean time), or 6:00
// local mean time on a date without one.
#include "chart/sunrise_days.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/calc_options.h"
#include "core/calculated_moments.h"
#include "core/chart_searches.h"
#include "core/rise_set.h"

namespace {

constexpr double kHoursPerDay = 24.0;

// 0:00 local mean time of a date, UT Julian day (mean time is UT less the longitude west / 15 hours).
double MeanMidnightOf(const CChartCore& place, int date) {
    return date - 0.5 + place.m_longitude.m_dValue / 360.0;
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

// The last starts found: a run of panchanga days asks for each date's start to begin its day and to end
// the day before. Keyed by the place and options, the date in the key's moment.
struct RememberedStart {
    MomentKey key;
    int sunriseDefinition = 0;
    SunDayStart start;
};
thread_local std::array<std::optional<RememberedStart>, 4> t_starts;
thread_local std::size_t t_nextStart = 0;

} // namespace

double MeanSixOClockOn(const CChartCore& place, int date) {
    return MeanMidnightOf(place, date) + 0.25;
}

int CivilDateOf(const CChartCore& place, double jdUt) {
    // The zone clock is UT less the zone west.
    return static_cast<int>(std::floor(jdUt - place.m_dateTime.m_zone.m_dHours / kHoursPerDay + 0.5));
}

int SunDayOf(const CChartCore& place, double jdUt) {
    // Days since 18:00 local mean time of the day before the epoch's date.
    return static_cast<int>(std::floor(jdUt - place.m_longitude.m_dValue / 360.0 + 0.75));
}

CalcStatus FindSunDayStart(const CChartCore& place, int date, SunDayStart& start) {
    const MomentKey key = KeyOfMoment(place, date);
    for (const std::optional<RememberedStart>& remembered : t_starts) {
        if (remembered && remembered->key == key && remembered->sunriseDefinition == g_nSunriseDefinition) {
            start = remembered->start;
            return {};
        }
    }
    const double spanStart = MeanMidnightOf(place, date) - 0.25; // 18:00 of the date before
    std::optional<double> rise;
    if (CalcStatus status = NextSunCrossing(place, spanStart, false, rise); !status.ok()) return status;
    if (rise && *rise < spanStart + 1.0)
        start = {*rise, false};
    else
        start = {MeanSixOClockOn(place, date), true};
    t_starts[t_nextStart] = RememberedStart{key, g_nSunriseDefinition, start};
    t_nextStart = (t_nextStart + 1) % t_starts.size();
    return {};
}

CalcStatus FindSunriseDayAt(const CChartCore& place, double jdUt, SunriseDay& day) {
    int date = SunDayOf(place, jdUt);
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
        // 18:00 of the 6:00-to-6:00 day; the middle of the day should a sunrise fall at that very moment.
        const double evening = MeanSixOClockOn(place, date) + 0.5;
        day.set = start.jdUt < evening && evening < next.jdUt ? evening : 0.5 * (start.jdUt + next.jdUt);
    } else {
        day.set = *set;
    }
    return {};
}

bool AreSunrisesOfConsecutiveDays(const CChartCore& place, double rise, double nextRise) {
    return SunDayOf(place, nextRise) == SunDayOf(place, rise) + 1;
}

double LagnaSunriseOffset() {
    constexpr double kSunMeanRadius = 0.2680986783777464; // degrees, about 16.09'
    return RiseOffsetForRadius(kSunMeanRadius);
}
