#pragma once
// Searches the chart's day and point steps make: the moment the lagna meets a body (the rising of the
// traditional model and of the planets), and the failure a search result carries.
#include "core/chart_core.h"

// From `from`'s instant on (or back, with `backward`), the moment at which the lagna's longitude minus
// body b's (1-9) equals `separation` (degrees: -d for a rise with the lagna d behind the body, 180 + d
// for a set), delivered into `into` with its bodies 0-12.
SearchResult FindLagnaMeeting(const CChartCore& from, int body, double separation, bool backward,
                              CChartCore& into);

// How far (degrees) the lagna stands behind a body of apparent radius `radius` (degrees) at its rise, by
// SunriseDefinition: nothing for the centre of the disc (0 and 3), the radius for the upper edge (1), and
// 34' of refraction with it (2 and any other value).
double RiseOffsetForRadius(double radius);

// The failure of a search that could not calculate; a moment not found is no failure.
inline CalcStatus FailureOf(const SearchResult& result) {
    return result.outcome == SearchOutcome::kFailed ? result.status : CalcStatus{};
}

// True when body 1-12, at `longitude` (degrees, in the chart's zodiac or the tropical) at one moment,
// cannot have left its sign within `days` either way of it: the speed tables bound its motion, the
// ayanamsa's drift with it. `error`: how far its place may lie from `longitude` then, degrees. Only
// where the speed tables hold (geocentric positions of the library).
bool StaysInSign(int body, double longitude, double days, double error = 0.0);

// True when the Moon, at `moonLongitude` (degrees, in the chart's zodiac) within `days` of a lunation
// (Moon - Sun at some elongation), surely stood in an earlier sign at the lunation of that elongation
// before it: the Moon has since run the Sun's run plus a whole turn, and stands less far into its sign
// than the Sun runs in the shortest month. Only where the speed tables hold.
bool MoonLeftSignSinceLunationBefore(double moonLongitude, double days);

// The farthest the search for the lunation before (`backward`) or after the one whose instant lies in
// `known` may look (CChartCore::LocateLongitudeTime with the Moon and the Sun): a step past the farthest
// that lunation may lie, UT Julian day.
double FarthestLookForLunation(const InstantSpan& known, bool backward);
