#pragma once
// Search results that stay true while the time steps: a body's stay in a sign, the lunations around a
// moment, the sunrise day, and a body's place at a moment fixed within the day. A chart recalculated for a
// nearby moment (the time stepped by minutes or hours) takes them back instead of searching again, when its
// moment lies where the result is known to hold. Each entry is kept with the place and position options it
// was found under (calculated_moments.h). Each thread keeps its own. Julian days are UT.
#include <array>
#include <optional>

#include "core/calculated_moments.h"

// A stay found by CChartCore::FindBodyEntersDivision from a start inside the sign.
struct SignStayKey {
    int body = 0;
    int sign = 0;
    bool backward = false;
    MomentKey place; // its Julian day unused

    bool operator==(const SignStayKey&) const = default;
};
// The far end of the stay (the first instant out of the sign in the search direction) for a search
// from `jdUt`, when a remembered search showed the body in the sign all the way from `jdUt` to it.
std::optional<double> RememberedStayEnd(const SignStayKey& key, double jdUt);
// Searches from any start in [from, to] end at `end`.
void RememberStay(const SignStayKey& key, double from, double to, double end);

// The Moon's sign 0-11 at the end of such a backward stay (CChartCore::CertainMoonSignAtLatestEntry),
// for a search from `jdUt`, when a search proved it for every start in a span around it.
std::optional<int> RememberedEntryMoonSign(const SignStayKey& key, double jdUt);
// Searches from any start in [from, to] meet the Moon in `moonSign`.
void RememberEntryMoonSign(const SignStayKey& key, double from, double to, int moonSign);

// What the lunar month of a moment rests on: the last lunation before it and its neighbours.
struct LunationFacts {
    double last = 0.0;             // the last lunation before the moment
    double next = 0.0;             // the one after it
    int sunSign = 0;               // the Sun's sign at the last lunation
    int tropicalSunSignBefore = 0; // the sign before the tropical Sun's at the last lunation
    int intercalaryState = 0;      // 0 none, 2 the month is intercalary, 1 the month before was
};
// The facts found for a moment between the same two lunations (`elongation` degrees of Moon - Sun).
std::optional<LunationFacts> RememberedLunations(double elongation, const MomentKey& place, double jdUt);
void RememberLunations(double elongation, const MomentKey& place, const LunationFacts& facts);

// The ephemeris' sunrise day of a moment: sunrise, noon, sunset, midnight and the next sunrise, for the
// sunrise definition in force.
using SunDayMoments = std::array<double, 5>;
// The day found for a moment between the same sunrise and next sunrise.
std::optional<SunDayMoments> RememberedSunDay(int sunriseDefinition, const MomentKey& place, double jdUt);
void RememberSunDay(int sunriseDefinition, const MomentKey& place, const SunDayMoments& day);

// A body's longitude at a moment as a search step reads it (CChartCore::CalcBody without `full`, on the
// probe, which holds the place), remembered for the moments asked lately: the time upagrahas' lagnas
// and the Moon at the planets' sign entries stand still while the time steps within a day.
CalcValue RememberedSearchPosition(CChartCore& probe, int body, double jdUt);
