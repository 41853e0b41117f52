// The monthly ephemeris at 5:30 in the morning and the planetary movements of a month.
#include "document/monthly_ephemeris.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/julian_day.h"
#include "core/planet_tables.h"
#include "core/printed_angle.h"
#include "core/text_format.h"
#include "core/zodiac_names.h"

namespace {

constexpr double kMorningHours = 5.5;            // the ephemeris' daily moment, 5:30 of the chart's zone
constexpr double kMorningToNoonDays = 0.2708333; // 6.5 hours: 5:30 to 12:00
constexpr double kSecondDays = 1.0 / 86400.0;
constexpr double kLastSecondOfCircle = 360.0 - 1.0 / 3600.0; // degrees

// Local clock time "%d:%02d:%02d" of a UT Julian day in the chart's zone, and the day of the month
// that time falls on.
std::string ClockTime(const CChartCore& chart, double jdUt, int& dayOfMonth) {
    CChartCore probe;
    chart.JulianDayToDate(jdUt, probe);
    const CLocalDateTime shown = probe.m_dateTime.RoundedToSecond();
    dayOfMonth = shown.m_nDay;
    return shown.m_time.FormatHms();
}

// The body's ingresses into divisions of `width` degrees within [start, end], each searched from the
// last one as the first crossing of either edge of the division the body then stands in, so that a
// body moving back (a retrograde planet, the nodes) is followed as well as one moving on.
CalcStatus CollectIngresses(const CChartCore& chart, int body, double width, const char* const* names,
                            double start, double end, std::vector<CMovementEvent>& out) {
    CChartCore from;
    chart.JulianDayToDate(start, from);
    for (;;) {
        const SearchResult exit = from.FindDivisionExit(body, width, false);
        if (!exit.found()) {
            if (exit.outcome == SearchOutcome::kFailed) return exit.status;
            return {}; // stays in its division beyond the month
        }
        if (exit.jdUt > end) return {};
        if (CalcStatus status = chart.SetFromJulianDay(exit.jdUt, from); !status.ok()) return status;
        const int division = static_cast<int>(std::floor(from.m_bodies[body].m_dLongitude / width));
        int day = 0;
        const std::string time = ClockTime(chart, exit.jdUt, day);
        out.push_back({FormatText("\n%s\tenters\t%s\t%d\t%s", ChosenPlanetNames()[body], names[division], day,
                                  time.c_str()),
                       exit.jdUt, body, division});
    }
}

// Inserts an event after every event at or before its moment.
void InsertEventSorted(std::vector<CMovementEvent>& events, CMovementEvent event) {
    const auto later = std::upper_bound(events.begin(), events.end(), event.jdUt,
                                        [](double jd, const CMovementEvent& e) { return jd < e.jdUt; });
    events.insert(later, std::move(event));
}

// Every moment within [start, end] at which A - B equals `angle` degrees: `texts` are the events'
// formats for A's and B's names, day and time (one event for each text, in that order).
CalcStatus CollectSeparations(const CChartCore& chart, int a, int b, double angle, double start, double end,
                              std::initializer_list<std::pair<const char*, bool>> texts,
                              std::vector<CMovementEvent>& events) {
    const char* const* names = ChosenPlanetAbbrevs();
    CChartCore from;
    chart.JulianDayToDate(start, from);
    for (;;) {
        const SearchResult found = from.LocateLongitudeTime(SeparationRequest(a, b, angle, false));
        if (!found.found()) {
            if (found.outcome == SearchOutcome::kFailed) return found.status;
            return {};
        }
        if (found.jdUt > end) return {};
        int day = 0;
        const std::string time = ClockTime(chart, found.jdUt, day);
        for (const auto& [label, swapped] : texts) {
            const char* first = names[swapped ? b : a];
            const char* second = names[swapped ? a : b];
            InsertEventSorted(
                events,
                {FormatText("\n%s\t%s\t%s\t%d\t%s", first, label, second, day, time.c_str()), found.jdUt});
        }
        // On from a second past the crossing, so that it is not found again.
        chart.JulianDayToDate(found.jdUt + kSecondDays, from);
    }
}

bool IsInnerPair(int a, int b) {
    const auto inner = [](int body) { return body == kSun || body == kMercury || body == kVenus; };
    return inner(a) && inner(b);
}

} // namespace

std::string LongitudeDms(double longitude) {
    // The circle's last half second stays at 359:59:59 rather than turning to 360 or 0.
    const PrintedDms v =
        SplitPrintedAngle(std::min(Reduce360(longitude), kLastSecondOfCircle), DmsField::kSeconds);
    return FormatText("%03d:%02d:%02d", v.degrees, v.minutes, static_cast<int>(v.seconds));
}

CalcStatus FormatMonthlyEphemeris(const CChartCore& chart, const std::vector<CPanchangaDay>& month,
                                  std::string& text) {
    const CLocalDateTime& date = chart.m_dateTime;
    const double firstMorning =
        JulianDay(date.m_nYear, date.m_nMonth, 1, kMorningHours + date.m_zone.m_dHours);
    std::string table = FormatText("\nMonthly Ephemeris for %s, %d (at 5:30 am everyday):\n",
                                   g_monthNames[date.m_nMonth - 1], date.m_nYear);
    table += "\nDate\tDay\tSunrise\tSunset   \tSidTime    \tSun    \tMoon   \tMars   \tMercury \tJupiter  "
             "\tVenus   \tSaturn   \tRahu\n";
    // Local mean time: the zone of the place's own meridian (hours, positive west like the longitude).
    const double meanTimeZone = chart.m_longitude.m_dValue / 15.0;
    CChartCore morning, noon;
    for (std::size_t i = 0; i < month.size(); ++i) {
        const CPanchangaDay& day = month[i];
        if (CalcStatus status = chart.SetFromJulianDay(firstMorning + i, morning); !status.ok())
            return status;
        chart.JulianDayToDate(firstMorning + i + kMorningToNoonDays, noon);
        noon.m_dateTime.m_zone.m_dHours = meanTimeZone;
        noon.m_dateTime.m_zone.SplitHours();
        if (CalcStatus status = noon.CalcPlanets(); !status.ok()) return status;
        CHmsTime siderealTime;
        siderealTime.m_dHours = noon.m_dSiderealTime;
        siderealTime.SplitHours();
        table += FormatText("\n%d\t%s\t", morning.m_dateTime.m_nDay, g_weekdayAbbrevs[day.m_nWeekday]);
        table += (day.m_bSunrise ? day.m_sunrise.m_time.FormatHms() : "Sun does not rise") + "\t" +
                 (day.m_bSunset ? day.m_sunset.m_time.FormatHms() : "Sun does not set") + "\t" +
                 siderealTime.FormatHms() + "\t";
        for (int body = kSun; body <= kRahu; ++body)
            table += LongitudeDms(morning.m_bodies[body].m_dLongitude) + "\t";
    }
    text = std::move(table);
    return {};
}

CalcStatus ComputePlanetaryMovements(const CChartCore& chart, CPlanetaryMovements& movements) {
    const CLocalDateTime& date = chart.m_dateTime;
    movements = {};
    movements.year = date.m_nYear;
    movements.month = date.m_nMonth;
    const double start = JulianDay(date.m_nYear, date.m_nMonth, 1, date.m_zone.m_dHours);
    const double end = start + DaysInMonth(date.m_nMonth, date.m_nYear);

    // Ingresses of the Sun and of Mars to Ketu; the Moon changes sign too often to be listed.
    for (const int body : {kSun, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kKetu}) {
        if (CalcStatus status =
                CollectIngresses(chart, body, 30.0, g_signNames, start, end, movements.signEntries);
            !status.ok())
            return status;
        if (CalcStatus status = CollectIngresses(chart, body, kNakshatraSpan, g_nakshatraNames, start, end,
                                                 movements.nakshatraEntries);
            !status.ok())
            return status;
    }

    // Conjunctions and oppositions of the Sun to Saturn; Mercury and Venus are never opposite the Sun
    // or each other.
    std::vector<CMovementEvent>& events = movements.aspects;
    for (int a = kSun; a <= kSaturn; ++a) {
        for (int b = a + 1; b <= kSaturn; ++b) {
            if (CalcStatus status =
                    CollectSeparations(chart, a, b, 0.0, start, end, {{"[C]", false}}, events);
                !status.ok())
                return status;
            if (IsInnerPair(a, b)) continue;
            if (CalcStatus status =
                    CollectSeparations(chart, a, b, 180.0, start, end, {{"[S]", false}}, events);
                !status.ok())
                return status;
        }
    }

    // Sign distances. A - B = 270 is the moment B - A = 90, and 240 that of 120: each is searched once
    // and written from both sides; 150 and 300 have no partner in the table.
    struct Distance {
        double angle;
        const char* first;
        const char* second; // null: written from A's side only
    };
    constexpr Distance kDistances[] = {
        {270.0, "[4]", "[10]"}, {150.0, "[8]", nullptr}, {240.0, "[5]", "[9]"}, {300.0, "[3]", nullptr}};
    for (int a = kSun; a <= kKetu; ++a) {
        for (const Distance& distance : kDistances) {
            for (int b = kSun; b <= kKetu; ++b) {
                if (b == a || (a >= kRahu && b >= kRahu) || IsInnerPair(a, b)) continue;
                CalcStatus status =
                    distance.second
                        ? CollectSeparations(chart, a, b, distance.angle, start, end,
                                             {{distance.first, false}, {distance.second, true}}, events)
                        : CollectSeparations(chart, a, b, distance.angle, start, end,
                                             {{distance.first, false}}, events);
                if (!status.ok()) return status;
            }
        }
    }
    return {};
}

std::string FormatPlanetaryMovements(const CPlanetaryMovements& movements) {
    std::string text = FormatText("\nPlanetary Movements for %s, %d:\n\nEntry of planets into signs\n",
                                  g_monthNames[movements.month - 1], movements.year);
    for (const CMovementEvent& e : movements.signEntries) text += e.text;
    text += "\n\nEntry of planets in nakshatras\n";
    for (const CMovementEvent& e : movements.nakshatraEntries) text += e.text;
    text += "\n\nPlanetary aspects of Jyotish:\n";
    for (const CMovementEvent& e : movements.aspects) text += e.text;
    return text;
}
