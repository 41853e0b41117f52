#include "core/year_quantity_reading.h"

#include <cmath>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/zodiac_offset.h"

namespace {

constexpr double kArcsecond = 1.0 / 3600.0;                // degrees
constexpr double kRadian = 180.0 / 3.14159265358979323846; // degrees

// Where nothing closer is known, the speed may leave out this share of itself: an anchor star's motion
// (its annual aberration and the Sun's deflection, 0.6" a day, zodiac_offset.cpp) over the Sun's least
// speed. It also covers the library's Moon speed, within 1.9" a day of its positions' rate (measured
// 1900-2100 against central differences of 0.0002 days).
constexpr double kSpeedShareLeftOut = 0.6 / 3600.0 / 0.95;
// The library's Sun speed and plain sidereal speeds lie within 0.0045" a day of their positions' rate;
// the modelled star motion below within 0.0075" a day of the star's (both measured over 0-100, 1000-1100,
// 1900-2100 and 2990-3100 against central differences of 0.0002 days): the Earth's velocity leaves the
// Keplerian circle of velocities by the Moon's pull (12.6 m/s turning in 27.3 days, 0.002" a day of
// aberration) and the planets'. Rounded up.
constexpr double kSunSpeedError = 0.02 * kArcsecond;
// The constant of aberration (IAU 1976).
constexpr double kAberrationConstant = 20.49552 * kArcsecond;
// A star's true place leaves the precession by its proper motion (0.3" a year at most, 0.0008" a day),
// its parallax's swing (Spica's 0.013" in half a year) and the ecliptic's turn (0.47" a century).
constexpr double kStarTrueRateError = 0.001 * kArcsecond;
// The annual aberration of a star's longitude changes its rate by at most k x (the Sun's top speed,
// radians a day)^2 a day, over the cosine of the star's latitude (the anchors lie within 6 degrees of the
// ecliptic); the precession's own change is a millionth of that.
constexpr double kStarAcceleration = 0.0066 * kArcsecond;
// The Sun bends a star's light at elongation E by 0.00407" (1 + cos E) / sin E (2GM/c^2 over an
// astronomical unit); that changes by 0.00407" / (1 - cos E) a radian of elongation, at most 0.0178
// radian a day (the Sun's top speed). Twice that, degrees a day, over 1 - cos E.
constexpr double kDeflectionRateScale = 2.0 * 0.00407 * 0.0178 * kArcsecond;

// The quantity from the library's own sidereal positions (with the star correction the chart adds),
// speeds as the library gives them. `sunRateRead`: the library's sidereal speed of the Sun is its
// position's rate (no anchor star moves the zodiac).
std::optional<QuantityReading> ReadSidereal(CChartCore& probe, const YearQuantity& quantity, double jdUt,
                                            bool sunRateRead) {
    QuantityReading reading;
    const CalcValue body = probe.CalcBodyAndSpeed(quantity.body, jdUt, reading.speed);
    if (!body.ok()) return std::nullopt;
    reading.value = body.value;
    if (quantity.moonMinusSun) {
        double sunSpeed = 0.0;
        const CalcValue sun = probe.CalcBodyAndSpeed(kSun, jdUt, sunSpeed);
        if (!sun.ok()) return std::nullopt;
        reading.value = Reduce360(reading.value - sun.value);
        reading.speed -= sunSpeed;
    }
    reading.speedError = sunRateRead && quantity.body == kSun && !quantity.moonMinusSun
                             ? kSunSpeedError
                             : kSpeedShareLeftOut * std::fabs(reading.speed);
    return reading;
}

// Moon - Sun: the zodiac's offset is the same for both.
std::optional<QuantityReading> ReadTropicalAngle(const CChartCore& probe, double jdUt) {
    double moonSpeed = 0.0, sunSpeed = 0.0;
    const CalcValue moon = probe.CalcTropicalLongitude(kMoon, jdUt, &moonSpeed);
    const CalcValue sun = probe.CalcTropicalLongitude(kSun, jdUt, &sunSpeed);
    if (!moon.ok() || !sun.ok()) return std::nullopt;
    const double speed = moonSpeed - sunSpeed;
    return QuantityReading{Reduce360(moon.value - sun.value), speed, kSpeedShareLeftOut * std::fabs(speed)};
}

// The body's tropical place less the anchor star's, at the star's sidereal longitude.
std::optional<QuantityReading> ReadAnchored(const CChartCore& probe, const YearQuantity& quantity,
                                            const StarAnchor& anchor, double jdUt) {
    // The body and the star at the same moment: Delta T worked out once.
    const EphemerisMoment moment(jdUt);
    double speed = 0.0;
    const CalcValue body = probe.CalcTropicalLongitude(quantity.body, moment, &speed);
    if (!body.ok()) return std::nullopt;
    StarPlace star;
    if (!probe.CalcTropicalStar(anchor.star, anchor.withTruePosition, moment, star).ok()) return std::nullopt;
    QuantityReading reading;
    reading.carriable = true;
    reading.starPart = anchor.longitude - star.longitude - g_ayanamsaSettings.m_correction.m_dValue;
    reading.value = Reduce360(body.value + reading.starPart);
    // The star moves with the precession.
    reading.starRate = -GeneralPrecessionRate(jdUt);
    reading.starRateError = kStarTrueRateError;
    reading.speedError = kSunSpeedError;
    const bool apparent = !anchor.withTruePosition && !g_bTruePositions;
    if (apparent && quantity.body != kSun) {
        reading.starRateError = kSpeedShareLeftOut * 0.95; // its aberration and deflection, unmodelled
        reading.starAcceleration = kStarAcceleration;
    } else if (apparent) {
        // The annual aberration: -k cos(Sun - star) / cos(star's latitude) in longitude, exact on the
        // Keplerian orbit, whose velocities run on a circle; it moves with the Sun.
        const double elongation = (body.value - star.longitude) / kRadian;
        const double latitude = star.latitude / kRadian;
        if (!g_bNoAberration)
            reading.starRate -=
                kAberrationConstant * std::sin(elongation) * speed / kRadian / std::cos(latitude);
        if (!g_bNoGravDeflection) {
            const double apart = 1.0 - std::cos(latitude) * std::cos(elongation); // 1 - cos E
            reading.speedError += apart > 0.0 ? kDeflectionRateScale / apart : HUGE_VAL;
        }
        reading.starRateError = reading.speedError;
        reading.starAcceleration = kStarAcceleration;
    }
    reading.speed = speed + reading.starRate;
    if (quantity.body != kSun) reading.speedError = kSpeedShareLeftOut * std::fabs(reading.speed);
    return reading;
}

} // namespace

std::optional<QuantityReading> ReadYearQuantity(CChartCore& probe, const YearQuantity& quantity,
                                                double jdUt) {
    if (!ZodiacOffsetHolds()) return ReadSidereal(probe, quantity, jdUt, false);
    if (quantity.moonMinusSun) return ReadTropicalAngle(probe, jdUt);
    if (const auto anchor = StarAnchorOf(g_ayanamsaSettings.m_nAyanamsaId))
        return ReadAnchored(probe, quantity, *anchor, jdUt);
    return ReadSidereal(probe, quantity, jdUt, true);
}

double CarriedStarError(const QuantityReading& earlier, double days) {
    const double span = std::fabs(days);
    return span * (earlier.starRateError + 0.5 * earlier.starAcceleration * span);
}

std::optional<QuantityReading> ReadYearQuantityNear(const CChartCore& probe, const YearQuantity& quantity,
                                                    const QuantityReading& earlier, double earlierJdUt,
                                                    double jdUt) {
    const CalcValue body = probe.CalcTropicalLongitude(quantity.body, jdUt, nullptr);
    if (!body.ok()) return std::nullopt;
    QuantityReading reading = earlier;
    const double days = jdUt - earlierJdUt;
    reading.starPart += earlier.starRate * days;
    reading.value = Reduce360(body.value + reading.starPart);
    reading.valueError = CarriedStarError(earlier, days);
    // The speed changes by at most twice the bend times itself a day.
    reading.speedError += 2.0 * quantity.bend * earlier.speed * std::fabs(days);
    return reading;
}
