#include "core/sun_centre.h"

#include <cmath>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kRadian = 180.0 / 3.14159265358979323846; // degrees
// The run's moment is refined until it moves by less than a second.
constexpr double kSettledDays = 1.0 / 86400.0;
constexpr int kMaxRefinements = 8;

} // namespace

double SunEquationOfCentre(double jd) {
    const double t = (jd - kJ2000) / kDaysPerCentury;
    const double m = (357.52911 + t * (35999.05029 - 0.0001537 * t)) / kRadian; // mean anomaly
    return (1.914602 - t * (0.004817 + 0.000014 * t)) * std::sin(m) +
           (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
}

double SunHasRun(double jd, double degrees, double meanYearDays) {
    // The mean longitude runs evenly: the moment where it has run the degrees less the change of the
    // equation of centre, which changes by a thirtieth of the mean run at most, so each pass settles the
    // moment thirty times closer.
    const double daysPerDegree = meanYearDays / 360.0;
    const double centre = SunEquationOfCentre(jd);
    double t = jd + degrees * daysPerDegree;
    for (int pass = 0; pass < kMaxRefinements; ++pass) {
        const double next = jd + (degrees - (SunEquationOfCentre(t) - centre)) * daysPerDegree;
        const bool settled = std::fabs(next - t) < kSettledDays;
        t = next;
        if (settled) break;
    }
    return t;
}
