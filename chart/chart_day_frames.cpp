// The birth day's three frames: the sunrise day (sunrise, noon, sunset, midnight, next sunrise) and the
// 6:00-to-6:00 days of local mean time and of zone time, each measured against the birth in ghatis.
#include <cmath>

#include "chart/chart.h"
#include "chart/sunrise_days.h"
#include "core/chart_searches.h"
#include "core/julian_day.h"
#include "core/remembered_searches.h"
#include "core/rise_set.h"

namespace {

constexpr double kGhatisPerDay = 60.0;

// The five moments of a sunrise day, UT Julian days.
struct SunDay {
    double rise = 0.0;
    double noon = 0.0;
    double set = 0.0;
    double midnight = 0.0;
    double nextRise = 0.0;
};

// The birth against a day's three moments (UT Julian days).
CDayFrameTimes MeasureDay(double birth, double start, double nightStart, double nextStart) {
    CDayFrameTimes frame;
    frame.m_dStartJd = start;
    frame.m_dNightStartJd = nightStart;
    frame.m_dNextStartJd = nextStart;
    frame.m_dGhatisSinceStart = (birth - start) * kGhatisPerDay;
    frame.m_dGhatisSinceNightStart = (birth - nightStart) * kGhatisPerDay;
    frame.m_dDayLength = (nightStart - start) * kGhatisPerDay;
    frame.m_dNightLength = (nextStart - nightStart) * kGhatisPerDay;
    frame.m_dWholeDay = (nextStart - start) * kGhatisPerDay;
    frame.m_bDayBirth = birth < nightStart ? 1 : 0;
    return frame;
}

// A searched sunrise day that is the day of the rule in chart/sunrise_days.h: day and night both have
// a length and its sunrises start consecutive days. Near polar day or night the searches may find
// something else (a sunrise weeks later, or a date between without one), and the rule decides.
bool FollowsSunDayRule(const CChartCore& chart, const SunDay& day) {
    return day.rise < day.set && day.set < day.nextRise &&
           AreSunrisesOfConsecutiveDays(chart, day.rise, day.nextRise);
}

// A sunrise day the frame can be measured on: the birth lies in it (at most on the next sunrise, which
// the hora rule allows for) and it follows the rule.
bool IsSoundSunDay(const CChartCore& chart, const SunDay& day, double birth) {
    return day.rise <= birth && birth <= day.nextRise && FollowsSunDayRule(chart, day);
}

// The Sun's next event after a moment, seen from the chart's place.
HorizonEventResult NextSunEvent(const CChartCore& chart, double jdUt, HorizonEvent event) {
    return NextHorizonEvent(chart, jdUt, kSun, event);
}

// The ephemeris' sunrise day of the birth. `found` is false when the Sun does not rise or set.
struct SunDaySearch {
    bool found = false;
    SunDay day;
    CalcStatus status;
};

SunDaySearch FindEphemerisSunDay(const CChartCore& chart, double birth) {
    // While the birth time steps within one day, the day found before stands.
    const MomentKey place = KeyOfMoment(chart, 0.0);
    if (const auto day = RememberedSunDay(g_nSunriseDefinition, place, birth)) {
        const SunDayMoments& m = *day;
        return {true, {m[0], m[1], m[2], m[3], m[4]}, {}};
    }
    const HorizonEventResult next = NextSunEvent(chart, birth, HorizonEvent::kRise);
    if (!next.found) return {false, {}, next.status};
    // The birth day's own sunrise is the one before the next, searched from well before it.
    const HorizonEventResult rise = NextSunEvent(chart, next.jdUt - 1.5, HorizonEvent::kRise);
    if (!rise.found) return {false, {}, rise.status};
    const HorizonEventResult noon = NextSunEvent(chart, rise.jdUt, HorizonEvent::kUpperTransit);
    const HorizonEventResult set = NextSunEvent(chart, rise.jdUt, HorizonEvent::kSet);
    const HorizonEventResult midnight = NextSunEvent(chart, rise.jdUt, HorizonEvent::kLowerTransit);
    for (const HorizonEventResult* event : {&noon, &set, &midnight}) {
        if (!event->found) return {false, {}, event->status};
    }
    const SunDay day{rise.jdUt, noon.jdUt, set.jdUt, midnight.jdUt, next.jdUt};
    if (!FollowsSunDayRule(chart, day)) return {false, {}, {}};
    RememberSunDay(g_nSunriseDefinition, place, {day.rise, day.noon, day.set, day.midnight, day.nextRise});
    return {true, day, {}};
}

// The sunrise day of the traditional model: the Sun rises when the lagna stands d degrees behind it and
// sets when the lagna is 180 + d past it; d the rise offset of the Sun's mean radius. The sunrise is
// searched back from the birth, the sunset forward from it, the next sunrise forward from the sunset.
SunDaySearch FindSunDayByLagna(const CChartCore& chart) {
    const double d = LagnaSunriseOffset();
    CChartCore rise, set, next;
    const SearchResult foundRise = FindLagnaMeeting(chart, kSun, -d, true, rise);
    if (!foundRise.found()) return {false, {}, FailureOf(foundRise)};
    const SearchResult foundSet = FindLagnaMeeting(rise, kSun, 180.0 + d, false, set);
    if (!foundSet.found()) return {false, {}, FailureOf(foundSet)};
    const SearchResult foundNext = FindLagnaMeeting(set, kSun, -d, false, next);
    if (!foundNext.found()) return {false, {}, FailureOf(foundNext)};
    return {true, {foundRise.jdUt, 0.0, foundSet.jdUt, 0.0, foundNext.jdUt}, {}};
}

// The 6:00-to-6:00 day containing the birth, with 6:00 at the given hours of the zone clock: its frame
// and the moments of its 6:00, 18:00 and next 6:00.
void ComputeSixOClockFrame(const CChartCore& chart, double zoneClockHours,
                           std::array<CDayFrameMoment, 3>& probes, CDayFrameTimes& frame) {
    const double birth = chart.GetJulianDay();
    // 6:00 of the birth's civil date, then the one at or before the birth.
    const CLocalDateTime& moment = chart.m_dateTime;
    const double sameDate =
        JulianDay(moment.m_nYear, moment.m_nMonth, moment.m_nDay, zoneClockHours + moment.m_zone.m_dHours);
    const double start = sameDate + std::floor(birth - sameDate);
    frame = MeasureDay(birth, start, start + 0.5, start + 1.0);
    for (int i = 0; i < 3; ++i) probes[i].Set(chart, start + 0.5 * i);
}

// The Sun's meridian transit after `from` when it comes before `before`, else the middle of the two.
double TransitWithin(const CChartCore& chart, double from, double before, HorizonEvent transit) {
    const HorizonEventResult found = NextSunEvent(chart, from, transit);
    return found.found && found.jdUt < before ? found.jdUt : 0.5 * (from + before);
}

// The sunrise day of the rule around the birth, where the searches did not give it.
CalcStatus RuleSunDay(const CChartCore& chart, double birth, SunDay& day, CDayFrameTimes& standIns) {
    SunriseDay rule;
    if (CalcStatus status = FindSunriseDayAt(chart, birth, rule); !status.ok()) return status;
    day.rise = rule.rise;
    day.set = rule.set;
    day.nextRise = rule.nextRise;
    day.noon = TransitWithin(chart, rule.rise, rule.set, HorizonEvent::kUpperTransit);
    day.midnight = TransitWithin(chart, rule.set, rule.nextRise, HorizonEvent::kLowerTransit);
    standIns.m_bStandInStart = rule.standInRise ? 1 : 0;
    standIns.m_bStandInNightStart = rule.standInSet ? 1 : 0;
    standIns.m_bStandInNextStart = rule.standInNextRise ? 1 : 0;
    return {};
}

} // namespace

CalcStatus CChart::ComputeSunriseSunset() {
    // 6:00 local mean time on the zone clock (zone and longitude positive west).
    const double meanSixOClock = 6.0 - m_dateTime.m_zone.m_dHours + m_longitude.m_dValue / 15.0;
    ComputeSixOClockFrame(*this, meanSixOClock, m_meanTimeProbe, m_meanTimeFrame);
    ComputeSixOClockFrame(*this, 6.0, m_zoneTimeProbe, m_zoneTimeFrame);

    const double birth = GetJulianDay();
    SunDaySearch search = g_nSiddhanta == 1 ? FindSunDayByLagna(*this) : FindEphemerisSunDay(*this, birth);
    if (!search.status.ok()) return search.status;
    CDayFrameTimes standIns;
    const bool byRule = !search.found || !IsSoundSunDay(*this, search.day, birth);
    if (byRule) {
        if (CalcStatus status = RuleSunDay(*this, birth, search.day, standIns); !status.ok()) return status;
    }
    const SunDay& day = search.day;
    m_sunriseFrame = MeasureDay(birth, day.rise, day.set, day.nextRise);
    m_sunriseFrame.m_bStandInStart = standIns.m_bStandInStart;
    m_sunriseFrame.m_bStandInNightStart = standIns.m_bStandInNightStart;
    m_sunriseFrame.m_bStandInNextStart = standIns.m_bStandInNextStart;
    // The lagna-defined day has no transits: only sunrise, sunset and the next sunrise are set.
    const bool setTransits = g_nSiddhanta != 1 || byRule;
    const double moments[5] = {day.rise, day.noon, day.set, day.midnight, day.nextRise};
    for (int i = 0; i < 5; ++i) {
        if (setTransits || (i != 1 && i != 3)) m_sunSnapshot[i].Set(*this, moments[i]);
    }
    // The special lagnas count from the Sun at sunrise; nothing else is read at these moments.
    return m_sunSnapshot[0].CalcPlanetAt(kSun, m_sunAtSunrise);
}
