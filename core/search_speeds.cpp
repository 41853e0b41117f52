#include "core/search_speeds.h"

#include <algorithm>

#include "core/calc_options.h"

namespace {

// The most a body may move in one step of a sign search, degrees: less than a sign, so no stay is skipped.
constexpr double kSignStepDegrees = 25.0;

// Greatest daily motion in longitude of bodies 0-12, degrees per day, rounded up: the library's
// geocentric extremes over 1900-2100 (for Rahu and Ketu the true node's; TopSpeed takes the mean node's
// own); for the lagna, the fastest rising at latitude 60 degrees. Steps are kept short enough for no crossing
// to slip between two steps.
constexpr double kTopSpeed[kEphemerisBodyCount] = {1350.0, 1.02, 15.4, 0.8,   2.21,  0.25, 1.26,
                                                   0.14,   0.26, 0.26, 0.065, 0.043, 0.041};

// The mean node's daily motion, degrees per day, rounded up: it runs back at a steady 0.0529 to 0.0530
// degrees a day (the library, 1800-2400).
constexpr double kMeanNodeSpeed = 0.054;

// Shortest direct and retrograde spells of Mars, Mercury, Jupiter, Venus and Saturn (bodies 3-7), days:
// the library's geocentric sidereal (Lahiri) speeds over 1900-2100 (swe_calc_ut with SEFLG_SPEED |
// SEFLG_SIDEREAL every 0.05 day, each station placed between two readings by linear interpolation) give
// direct 684.13, 87.85, 272.38, 537.97, 235.50 and retrograde 59.93, 19.76, 117.50, 40.89, 133.68;
// rounded down to a quarter day at least half a day below, for other zodiacs and the speeds' rounding.
// Mercury's retrograde spell keeps the 19.75 the searches have always used.
constexpr double kShortestDirectDays[5] = {683.5, 87.25, 271.75, 537.25, 235.0};
constexpr double kShortestRetrogradeDays[5] = {59.25, 19.75, 117.0, 40.25, 133.0};

} // namespace

double ShortestTurnDays(int body, bool forward) {
    if (body < kMars || body > kSaturn) return 0.0;
    return forward ? kShortestRetrogradeDays[body - kMars] : kShortestDirectDays[body - kMars];
}

double TopSpeed(int body) {
    if ((body == kRahu || body == kKetu) && !g_bTrueNodes) return kMeanNodeSpeed;
    return kTopSpeed[body];
}

bool SpeedTablesHold() {
    return !g_bTopocentricPositions && !(g_bApparentRefraction && !g_bTruePositions) && g_nSiddhanta != 1;
}

double WalkingStepDays(int body, double width) {
    const double baseStep = body == kLagna ? 1.0 / 12.0 : body == kMoon ? 3.0 : 10.0;
    return std::min(baseStep, kSignStepDegrees * width / 30.0 / TopSpeed(body));
}
