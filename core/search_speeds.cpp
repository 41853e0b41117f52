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

} // namespace

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
