// Rise and set of a body as the lagna meeting it: the searches the special lagnas of the planets and
// the panchanga's risings use.
#include "chart/chart.h"
#include "core/chart_searches.h"

namespace {

// Radii of the bodies in km by body number (the lagna and the nodes none), for the rising of the upper
// edge of the disc.
constexpr double kBodyRadiusKm[kKetu + 1] = {0.0,     695500.0, 1737.4,  3397.0, 2439.7,
                                             71492.0, 6051.8,   60268.0, 0.0,    0.0};
constexpr double kAuPerKm = 6.684578082767149e-9;       // 1 / 149598000 km
constexpr double kDegreesPerRadian = 57.29577951308232; // 180 / pi
constexpr double kHorizontalRefraction = 34.0 / 60.0;   // degrees: the standard refraction at the horizon

// The rise offset of the body from its apparent radius at the chart's moment.
double RiseOffset(const CChartCore& chart, int body) {
    const double distance = body >= 0 && body <= kKetu ? chart.m_dBodyDistance[body] : 0.0;
    const double radiusKm = body >= 0 && body <= kKetu ? kBodyRadiusKm[body] : 0.0;
    const double radius =
        radiusKm > 0.0 && distance > 0.0 ? radiusKm * kAuPerKm / distance * kDegreesPerRadian : 0.0;
    return RiseOffsetForRadius(radius);
}

} // namespace

double RiseOffsetForRadius(double radius) {
    switch (g_nSunriseDefinition) {
    case 0:
    case 3:
        return 0.0;
    case 1:
        return radius;
    default:
        return radius + kHorizontalRefraction;
    }
}

SearchResult FindLagnaMeeting(const CChartCore& from, int body, double separation, bool backward,
                              CChartCore& into) {
    return from.FindLongitudeTime(into, SeparationRequest(kLagna, body, separation, backward));
}

SearchResult CChart::FindRiseTimeAt(int body, CChartCore& rise, bool backward) const {
    return FindLagnaMeeting(*this, body, -RiseOffset(*this, body), backward, rise);
}

SearchResult CChart::FindRiseTime(int body, CChartCore& rise, CChartCore& set, bool riseBackward,
                                  bool setBackward) const {
    const double offset = RiseOffset(*this, body);
    // Both from this moment: a body up now sets before it rises again.
    const SearchResult found = FindLagnaMeeting(*this, body, -offset, riseBackward, rise);
    if (found.outcome == SearchOutcome::kFailed) return found;
    return FindLagnaMeeting(*this, body, 180.0 + offset, setBackward, set);
}
