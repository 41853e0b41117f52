#include "core/zodiac_offset.h"

#include <algorithm>
#include <cmath>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"

namespace {

constexpr double kArcsecond = 1.0 / 3600.0; // degrees
// Rounding of the offset measured at the anchor (the identity holds to 1e-9").
constexpr double kOffsetRounding = 0.001 * kArcsecond;
// The precession's curvature over ten years (1.1054" T^2, IAU 2006, T a tenth of a century: 0.011") and
// the library's precession models against that line (0.008" over ten years, measured 1800-2400).
constexpr double kPrecessionCurvature = 0.05 * kArcsecond;
// The anchor stars' proper motions (Spica 0.05" a year, Aldebaran 0.20", delta Cancri 0.23"), rounded up,
// degrees a day.
constexpr double kProperMotionRate = 0.3 / 365.25 * kArcsecond;
// With apparent places, the annual aberration of an anchor star (or the galactic centre) within 6 degrees
// of the ecliptic: 20.4955" / cos 6 deg = 20.61" either way, plus the Sun's deflection of a star 2 degrees
// from it (0.23"). It changes by at most 20.61" x 2 pi / 365.25 days = 0.36" a day, the deflection near
// the Sun by less than 0.24" a day more.
constexpr double kAberrationSwing = 41.7 * kArcsecond;
constexpr double kAberrationRate = 0.6 * kArcsecond; // degrees a day
// The library's speeds against its positions.
constexpr double kSpeedRounding = 1e-6; // degrees a day

} // namespace

// The derivative of 5028.796195" T + 1.1054348" T^2 (IAU 2006, T Julian centuries from J2000).
double GeneralPrecessionRate(double jdUt) {
    const double centuries = (jdUt - 2451545.0) / 36525.0;
    return (5028.796195 + 2.0 * 1.1054348 * centuries) * kArcsecond / 36525.0;
}

bool IsPlainSiderealMode(int siderealMode) {
    return (siderealMode & ~0xFF) == 0;
}

bool ZodiacOffsetHolds() {
    const CAyanamsaSettings& settings = g_ayanamsaSettings;
    return g_nSiddhanta != 1 && !g_bTopocentricPositions && !(g_bApparentRefraction && !g_bTruePositions) &&
           !settings.m_bOwnValue && settings.m_nAyanamsaId != kAyanamsaSuryaSiddhanta &&
           settings.m_nAyanamsaId != kAyanamsaCustomStar && IsPlainSiderealMode(settings.m_nSiderealMode);
}

ZodiacOffsetLine::ZodiacOffsetLine(double anchorJdUt, double offset)
    : m_anchor(anchorJdUt), m_offset(offset), m_rate(GeneralPrecessionRate(anchorJdUt)),
      m_apparent(!g_bTruePositions && !g_bNoAberration) {}

double ZodiacOffsetLine::Sidereal(double tropical, double jdUt) const {
    return Reduce360(tropical - m_offset - m_rate * (jdUt - m_anchor));
}

double ZodiacOffsetLine::Error(double jdUt) const {
    const double days = std::fabs(jdUt - m_anchor);
    const double aberration = m_apparent ? std::min(kAberrationSwing, kAberrationRate * days) : 0.0;
    return kOffsetRounding + kPrecessionCurvature + kProperMotionRate * days + aberration;
}

double ZodiacOffsetLine::SpeedError() const {
    return kSpeedRounding + kProperMotionRate + (m_apparent ? kAberrationRate : 0.0);
}
