// Planet positions by the Surya Siddhanta: mean motions, apsides and the manda and sighra corrections.
#include "core/surya_siddhanta.h"

#include <cmath>
#include <numbers>

#include "core/angle_time.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Constants of the Surya Siddhanta.
constexpr double kCivilDaysPerMahayuga = 1577917828.0;
constexpr double kYearsPerMahayuga = 4320000.0;
constexpr double kYearsPerKalpa = 4320000000.0;
constexpr double kYearsCreationToEpoch = 1955880000.0;
constexpr double kYearsPerDay = 0.002737785151635919; // 4320000 / 1577917828
constexpr double kRadiusMinutes = 3437.746770784939;  // radius of the circle, minutes of arc

// Per planet code (index 1-8): revolutions per mahayuga, correction coefficient b, apsis revolutions
// per kalpa. Mercury's and Venus's revolutions are those of their sighra points.
struct MeanMotion {
    double revolutions;
    double b;
    double apsisRevolutions;
};
constexpr MeanMotion kMeanMotion[9] = {
    {0, 0, 0},
    {4320000, 0, 387},                 // Sun
    {57753336, 0, 488203000},          // Moon
    {2296832, 7.1151017357437, 204},   // Mars
    {17937060, 31.215202568113, 368},  // Mercury
    {364220, -15.6076012840565, 900},  // Jupiter
    {7022376, -23.4114019260847, 535}, // Venus
    {146568, 23.4114019260847, 39},    // Saturn
    {-232238, -7.80380064202824, 0},   // Rahu
};

// Epicycles of Mars to Saturn (codes 3-7), degrees at the end of an even / an odd quadrant, the
// coefficient A of the manda steps and the sighra anomaly from which the planet is retrograde.
struct Epicycles {
    double sighraEven, sighraOdd, mandaEven, mandaOdd, A, retrogradeFrom;
};
constexpr Epicycles kEpicycles[8] = {
    {},
    {},
    {},
    {235, 232, 75, 72, 5.769713121, 169.392457108346}, // Mars
    {133, 132, 30, 28, 2.229731213, 145.003089170517}, // Mercury
    {70, 72, 33, 32, 2.547318183, 123.999650368356},   // Jupiter
    {262, 260, 12, 11, 0.8753862433, 167.0},           // Venus
    {39, 40, 49, 48, 3.822553729, 114.8},              // Saturn
};

// The Moon's manda epicycle and coefficient.
constexpr double kMoonEpicycleEven = 32.0;
constexpr double kMoonEpicycleOdd = 32.0 - 0.33333333333333215;
constexpr double kMoonA = 5.046428631;

// The Sun's mean longitude of the last Sun computation, reused by the planets at the same moment.
double g_ssSunCacheDayCount = NAN;
double g_ssSunCacheLongitudeDifference = NAN;
double g_ssSunCacheMean = 0.0;

double Frac(double x) {
    return x - std::trunc(x);
}

double ElapsedYears(double d) {
    return d * kYearsPerDay + kYearsCreationToEpoch;
}

double MeanLongitude(double d, double longitudeDifference, int code) {
    const MeanMotion& m = kMeanMotion[code];
    const double f = d / (kCivilDaysPerMahayuga / m.revolutions);
    // Corrected to the place's meridian by the motion over its longitude difference (not normalised).
    return Reduce360(m.b * ElapsedYears(d) * 1e-10 + Frac(f) * 360.0) -
           m.revolutions * (1.0 / kYearsPerMahayuga) * (longitudeDifference / 360.0);
}

double SunMean(double d, double longitudeDifference) {
    if (d != g_ssSunCacheDayCount || longitudeDifference != g_ssSunCacheLongitudeDifference) {
        g_ssSunCacheMean = MeanLongitude(d, longitudeDifference, kSsSun);
        g_ssSunCacheDayCount = d;
        g_ssSunCacheLongitudeDifference = longitudeDifference;
    }
    return g_ssSunCacheMean;
}

double Apsis(double d, double longitudeDifference, int code) {
    const double Y = ElapsedYears(d);
    double apsis = Reduce360(Frac(Y * kMeanMotion[code].apsisRevolutions / kYearsPerKalpa) * 360.0);
    if (code == kSsMoon)
        apsis -= Y * 7.80380064202824e-10 + (longitudeDifference / 360.0) * 0.1130099537037037;
    return apsis;
}

struct Anomaly {
    double k; // degrees, never exactly 0
    int sign;
};

// An anomaly folded into 0-180, sign -1 for the second half circle.
Anomaly Fold(double anomaly) {
    const double a = Reduce360(anomaly);
    Anomaly r = a > 180.0 ? Anomaly{360.0 - a, -1} : Anomaly{a, 1};
    if (r.k == 0.0) r.k = 1e-11;
    return r;
}

// An anomaly reduced into 0-90, sign -1 for the second half circle.
Anomaly ReduceToQuadrant(double anomaly) {
    const double a = Reduce360(anomaly);
    Anomaly r;
    if (a <= 90.0) {
        r = {a, 1};
    } else if (a <= 180.0) {
        r = {180.0 - a, 1};
    } else if (a <= 270.0) {
        r = {a - 180.0, -1};
    } else {
        r = {360.0 - a, -1};
    }
    if (r.k == 0.0) r.k = 1e-11;
    return r;
}

// Correction, degrees, of an epicycle whose size runs from `even` at anomaly 0 to `odd` at 90.
double EpicycleCorrection(double k, double even, double odd, double A) {
    const double sinK = std::sin(k * kDegree);
    const double kk = (k + A * sinK) * kDegree;
    const double E = (even - (even - odd) * sinK) / 360.0 * kRadiusMinutes;
    return std::atan(E * std::sin(kk) / (E * std::cos(kk) + kRadiusMinutes)) / kDegree;
}

double SsTrueSunEquation(double mean, Anomaly a) {
    const double k = a.k;
    const double r = 6383.39600310841 / (1.0 - std::cos(k * kDegree) * 0.8860136684023698) *
                         0.00015665642543765852 * (13.962634015954622 - k * 0.003325821600036921) +
                     (k * 0.02276247586910956 + 4904.05431317952);
    const double x = r * std::sin(k * kDegree) * 7.71604938271605e-6;
    return Reduce360(mean + a.sign * std::asin(x) / kDegree);
}

double SsTrueMoonEquation(double mean, Anomaly a) {
    return Reduce360(mean + a.sign * EpicycleCorrection(a.k, kMoonEpicycleEven, kMoonEpicycleOdd, kMoonA));
}

} // namespace

SsPlanetPosition SsTruePlanet(int code, double mean, double sighraPoint, double apsis) {
    const Epicycles& e = kEpicycles[code];
    const auto sighra = [&e](double k) { return EpicycleCorrection(k, e.sighraEven, e.sighraOdd, 0.0); };
    const auto manda = [&e](double k) { return EpicycleCorrection(k, e.mandaEven, e.mandaOdd, e.A); };

    const Anomaly a1 = Fold(sighraPoint - mean);
    const double L1 = Reduce360(mean + a1.sign * sighra(a1.k) / 2.0);
    const Anomaly a2 = Fold(apsis - L1);
    const Anomaly a3 = Fold(apsis - (L1 + a2.sign * manda(a2.k) / 2.0));
    const double L3 = Reduce360(mean + a3.sign * manda(a3.k));
    const Anomaly a4 = Fold(sighraPoint - L3);

    SsPlanetPosition p;
    p.trueLongitude = Reduce360(L3 + a4.sign * sighra(a4.k));
    p.retrograde = a4.k >= e.retrogradeFrom ? 1 : 0;
    p.meanLongitude = mean;
    p.apsis = apsis;
    p.anomaly = a4.k;
    return p;
}

SsPlanetPosition SuryaSiddhantaPlanet(double d, double longitudeDifference, int code) {
    const double sunMean = SunMean(d, longitudeDifference);
    if (code == kSsRahu) {
        const double mean = MeanLongitude(d, longitudeDifference, code);
        return {mean, 0, mean, 0.0, 0.0};
    }
    const double apsis = Apsis(d, longitudeDifference, code);
    if (code == kSsSun || code == kSsMoon) {
        const double mean = code == kSsSun ? sunMean : MeanLongitude(d, longitudeDifference, code);
        const Anomaly a = ReduceToQuadrant(apsis - mean);
        const double trueLongitude =
            code == kSsSun ? SsTrueSunEquation(mean, a) : SsTrueMoonEquation(mean, a);
        return {trueLongitude, 0, mean, apsis, a.sign * a.k};
    }
    const double own = MeanLongitude(d, longitudeDifference, code);
    // Mercury and Venus move about the mean Sun; their own mean motion is that of the sighra point.
    const bool inner = code == 4 || code == 6;
    return inner ? SsTruePlanet(code, sunMean, own, apsis) : SsTruePlanet(code, own, sunMean, apsis);
}

double SsEquationOfTime(double sunMean, double sunAnomaly, double ayanamsa) {
    const double L = Reduce360(sunMean + ayanamsa) * kDegree;
    const double M = Reduce360(sunAnomaly) * kDegree;
    const double tan12 = std::tan(12.0 * kDegree);
    const double y = tan12 * tan12;
    const double E = y * std::sin(2 * L) - 0.5 * y * y * std::sin(4 * L) - 0.037968001610174 * std::sin(M) -
                     0.0004504903582094299 * std::sin(2 * M) +
                     0.075936003220348 * y * std::sin(M) * std::cos(2 * L);
    return E * 57.29577951308232 / 360.0;
}

double SsTrueDayCount(double d, double longitudeDifference, double ayanamsa) {
    const auto equation = [&](double dayCount) {
        const SsPlanetPosition sun = SuryaSiddhantaPlanet(dayCount, longitudeDifference, kSsSun);
        return SsEquationOfTime(sun.meanLongitude, sun.anomaly, ayanamsa);
    };
    return d + equation(d + equation(d));
}
