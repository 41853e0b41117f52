// The Surya Siddhanta's sunrise and rising times (obliquity 24 degrees) and the cusps built on them.
#include <cmath>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/surya_siddhanta.h"

namespace {

constexpr double kObliquity = 24.0;
constexpr double kMinutesPerDay = 1440.0;
constexpr double kDegreesPerMinute = 0.25;                   // the sky turns a degree in four minutes
constexpr double kCuspTolerance = 0.00020833333333333335;    // degrees
constexpr double kSunriseTolerance = 1.1574074074074074e-06; // hours
constexpr int kMaxIterations = 200; // the iterations converge in a few steps outside polar latitudes

double ClampedAsin(double x) {
    return std::asin(std::fmax(-1.0, std::fmin(1.0, x)));
}

double Reduce1440(double minutes) {
    double m = std::fmod(minutes, kMinutesPerDay);
    if (m < 0.0) m += kMinutesPerDay;
    return m;
}

// A difference of rising times taken the short way round the day.
double RisingDifference(double minutes) {
    const double m = Reduce1440(minutes);
    return m > kMinutesPerDay / 2 ? m - kMinutesPerDay : m;
}

// The longitude whose rising time is G minutes after that of the Sun at sunrise, moved on by the
// Sun's motion since sunrise.
double CuspFromTime(double latitude, double sunNow, double sunAtSunrise, double ayanamsa, double G,
                    bool rightAscensionOnly) {
    const auto rising = [&](double l) {
        return SsRisingTimeFromQuadrant(latitude, kSsDegreesPerRadian, l, ayanamsa, rightAscensionOnly);
    };
    const double target = rising(sunAtSunrise) + G;
    double l = sunAtSunrise + G * kDegreesPerMinute;
    double difference = RisingDifference(target - rising(l));
    for (int i = 0; i < kMaxIterations && std::fabs(difference) * kDegreesPerMinute > kCuspTolerance; ++i) {
        l = Reduce360(l + difference * kDegreesPerMinute);
        difference = RisingDifference(target - rising(l));
    }
    return l + (sunNow - sunAtSunrise);
}

} // namespace

double SsSunriseHour(double d, double longitudeDifference, double latitude) {
    const double sinObliquity = std::sin(kObliquity / kSsDegreesPerRadian);
    const double tanLatitude = std::tan(latitude / kSsDegreesPerRadian);
    double estimate = 6.0;
    for (int i = 0; i < kMaxIterations; ++i) {
        const double moment = std::trunc(d) + estimate / 24.0;
        double sun = SuryaSiddhantaPlanet(moment, longitudeDifference, kSsSun).trueLongitude +
                     CalcSuryaSiddhantaAyanamsa(moment);
        if (sun > 360.0) sun -= 360.0;
        // The tropical Sun reduced to the first quadrant; south of the equator beyond 180 degrees.
        int sign = 1;
        double q = sun;
        if (sun > 270.0) {
            q = 360.0 - sun;
            sign = -1;
        } else if (sun > 180.0) {
            q = sun - 180.0;
            sign = -1;
        } else if (sun > 90.0) {
            q = 180.0 - sun;
        }
        const double declination = std::asin(sinObliquity * std::sin(q / kSsDegreesPerRadian));
        const double x = tanLatitude * std::tan(declination);
        // Ascensional difference in palas (a tenth of a degree of time); 900 when the Sun never sets.
        const double difference = x < 1.0 ? ClampedAsin(x) * 572.9577951308232 : 900.0;
        const double next = (60.0 - (difference / 60.0 * sign + 45.0)) * 0.4; // ghatis to hours
        const bool converged = std::fabs(next - estimate) <= kSunriseTolerance;
        estimate = next;
        if (converged) break;
    }
    return estimate;
}

double SsRisingTime(double latitude, double degreesPerRadian, double longitude, int sign,
                    bool rightAscensionOnly) {
    const double s = std::sin(longitude / degreesPerRadian);
    const double obliquity = kObliquity / degreesPerRadian;
    const double declination = std::asin(s * std::sin(obliquity));
    const double y = std::cos(obliquity) * s / std::cos(kObliquity * s / degreesPerRadian);
    double minutes = y >= 1.0 ? 360.0 : y <= -1.0 ? -360.0 : std::asin(y) * degreesPerRadian * 4.0;
    if (!rightAscensionOnly) {
        const double x = std::tan(latitude / degreesPerRadian) * std::tan(declination);
        minutes += sign * ClampedAsin(x) * degreesPerRadian * 4.0;
    }
    return minutes;
}

double SsRisingTimeFromQuadrant(double latitude, double degreesPerRadian, double longitude, double ayanamsa,
                                bool rightAscensionOnly) {
    const double l = Reduce360(longitude + ayanamsa);
    const auto rising = [&](double x, int sign) {
        return SsRisingTime(latitude, degreesPerRadian, x, sign, rightAscensionOnly);
    };
    // A half circle takes Q minutes; each quadrant mirrors its neighbour, the ascensional difference
    // shortening the northern signs and lengthening the southern ones.
    const double Q = rising(90.0, -1) + rising(90.0, 1);
    switch (static_cast<int>(l / 90.0)) {
    case 0:
        return Reduce1440(rising(l, -1));
    case 1:
        return Reduce1440(Q - rising(180.0 - l, 1));
    case 2:
        return Reduce1440(Q + rising(l - 180.0, 1));
    default:
        return Reduce1440(2 * Q - rising(360.0 - l, -1));
    }
}

double SsAscendant(double latitude, double sunNow, double sunAtSunrise, double ayanamsa, double G) {
    return CuspFromTime(latitude, sunNow, sunAtSunrise, ayanamsa, G, false);
}

double SsTenthCusp(double latitude, double sunNow, double sunAtSunrise, double ayanamsa, double G) {
    return CuspFromTime(latitude, sunNow, sunAtSunrise, ayanamsa, G, true);
}

double SsDayLength(double latitude, double d, double longitudeDifference, double offset) {
    const double sunrise = std::trunc(d) + SsSunriseHour(d, longitudeDifference, latitude) / 24.0;
    const double ayanamsa = CalcSuryaSiddhantaAyanamsa(sunrise);
    const double sunriseTrue = SsTrueDayCount(sunrise, longitudeDifference, ayanamsa);
    const double sun = SuryaSiddhantaPlanet(sunriseTrue, longitudeDifference, kSsSun).trueLongitude;
    // The ascendant's rising time runs on with the scaled clock and the Sun's own motion cancels out of
    // the ascendant-minus-Sun distance, so the point rises when the rising-time gap has passed.
    const auto rising = [&](double l) {
        return SsRisingTimeFromQuadrant(latitude, kSsDegreesPerRadian, l, ayanamsa, false);
    };
    return Reduce1440(rising(sun + offset) - rising(sun));
}
