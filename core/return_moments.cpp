#include "core/return_moments.h"

#include <cmath>
#include <limits>
#include <optional>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/search_speeds.h"
#include "core/zodiac_offset.h"

namespace {

constexpr int kMaxNewtonSteps = 8;
constexpr double kToleranceDays = 0.01 / 86400.0;
// The share of the quantity's speed the library's value may leave out: an anchor star's motion (its
// annual aberration and the Sun's deflection, 0.6" a day, zodiac_offset.cpp) over the Sun's least speed.
constexpr double kSpeedShareLeftOut = 0.6 / 3600.0 / 0.95;

// What a first guess from a known moment may stray by: per whole turn between them (the Sun comes back to
// a sidereal longitude some seconds early or late: its perigee moves against the stars, 2e x 11.6" a
// year, up to 9.5 s, and the Moon and the planets pull the Earth by several arcseconds), and by the
// fourth power of the phases between the two moments a curve is drawn through: h^4 / 384 times the
// fourth derivative of the Sun's time by its phase (2e / n = 1.94 days a radian^4), 170 s where a moment
// lies 22.5 degrees from the target on each side.
constexpr double kTurnDriftSeconds = 9.5;
constexpr double kCurveStraySeconds = 170.0;
constexpr double kCurvePhaseDegrees = 22.5;

// A cheap step this short hands on to the exact readings: the tropical place less the offset at a
// known moment of the same phase strays from the quantity by about an arcsecond (the anchor star's
// aberration moves 0.36" a degree of the Sun's phase), a second of the Sun's time, well inside what
// one exact step closes.
constexpr double kCheapStepDays = 1e-4;

// A known moment seen from a target: moved by whole turns of the quantity to the target's turn.
struct PhaseNeighbour {
    double t = 0.0;            // UT Julian day, moved by the whole turns
    double rest = 0.0;         // degrees the target lies ahead of it (behind: negative)
    double perDegree = 0.0;    // days a degree there, at the known moment's speed
    double knownJd = 0.0;      // the known moment itself, UT
    double zodiacOffset = 0.0; // Known::zodiacOffset
};

// The offset in (-180, 180] of a value from a target, degrees.
double OffsetFrom(double value, double target) {
    return 180.0 - Reduce360(180.0 - (value - target));
}

} // namespace

CReturnMoments::CReturnMoments(const CChartCore& origin, int yearKind, double userDays)
    : m_probe(origin), m_kind(yearKind), m_userDays(userDays), m_quantity(QuantityOf(yearKind)),
      m_originJd(origin.GetJulianDay()) {}

SearchResult CReturnMoments::Locate(double years) {
    if (!IsSearchedYearKind(m_kind) || years == 0.0) return m_probe.LocateReturn(years, m_kind, m_userDays);
    if (const auto known = m_known.find(years); known != m_known.end())
        return SearchResult::Found(known->second.jdUt);
    std::optional<double> stepped;
    {
        // As LocateReturn reads the quantity: without refraction, so that it only grows.
        const CScopedOption<bool> unrefracted(g_bApparentRefraction, false);
        if (SpeedTablesHold()) {
            std::optional<TropicalZodiacScope> tropical;
            if (m_kind == kYearTrueTropicalSolar) tropical.emplace();
            stepped = Step(years);
        }
    }
    if (stepped) return SearchResult::Found(*stepped);
    const SearchResult found = m_probe.LocateReturn(years, m_kind, m_userDays);
    if (found.found()) m_known[years] = {found.jdUt, m_quantity.degreesPerYear / m_quantity.meanYearDays};
    return found;
}

bool CReturnMoments::ReadTropical(double jdUt, double& value, double& speed) const {
    const CalcValue body = m_probe.CalcTropicalLongitude(m_quantity.body, jdUt, &speed);
    value = body.value;
    return body.ok();
}

bool CReturnMoments::Read(double jdUt, double& value, double& speed) {
    const CalcValue body = m_probe.CalcBodyAndSpeed(m_quantity.body, jdUt, speed);
    if (!body.ok()) return false;
    value = body.value;
    if (!m_quantity.moonMinusSun) return true;
    double sunSpeed = 0.0;
    const CalcValue sun = m_probe.CalcBodyAndSpeed(kSun, jdUt, sunSpeed);
    if (!sun.ok()) return false;
    value -= sun.value;
    speed -= sunSpeed;
    return true;
}

std::optional<double> CReturnMoments::Step(double years) {
    // Cheap steps read the body's tropical place, a third of the cost of the quantity, where it differs
    // from the quantity by an offset that moves with the precession and the anchor star alone.
    const bool cheap = !m_quantity.moonMinusSun && ZodiacOffsetHolds();
    if (!m_originRead) {
        double speed = 0.0, tropical = 0.0, tropicalSpeed = 0.0;
        if (!Read(m_originJd, m_originValue, speed)) return std::nullopt;
        m_known[0.0] = {m_originJd, speed};
        if (cheap && ReadTropical(m_originJd, tropical, tropicalSpeed))
            m_known[0.0].zodiacOffset = Reduce360(tropical - m_originValue);
        m_originRead = true;
    }
    const double target = m_originValue + years * m_quantity.degreesPerYear;
    // The first guess: from a known moment on either side of the target's phase, moved by whole turns at
    // the mean rate, then the curve through both at their speeds (cubic Hermite), or the line from one.
    // Each side takes the moment that promises the nearest guess.
    std::optional<PhaseNeighbour> behind, ahead;
    double behindCost = HUGE_VAL, aheadCost = HUGE_VAL;
    for (const auto& [knownYears, known] : m_known) {
        const double run = (years - knownYears) * m_quantity.degreesPerYear;
        const double turns = std::round(run / 360.0);
        const PhaseNeighbour n{known.jdUt + turns * m_quantity.TurnDays(), run - 360.0 * turns,
                               1.0 / known.speed, known.jdUt, known.zodiacOffset};
        const double phases = n.rest / kCurvePhaseDegrees;
        const double cost =
            kTurnDriftSeconds * std::fabs(turns) + kCurveStraySeconds * phases * phases * phases * phases;
        std::optional<PhaseNeighbour>& side = n.rest >= 0.0 ? behind : ahead;
        double& sideCost = n.rest >= 0.0 ? behindCost : aheadCost;
        if (cost < sideCost) side = n, sideCost = cost;
    }
    double t = 0.0;
    if (behind && ahead && behind->rest - ahead->rest > 0.0) {
        const double h = behind->rest - ahead->rest; // degrees between them
        const double s = behind->rest / h;
        const double s2 = s * s, s3 = s2 * s;
        t = (2 * s3 - 3 * s2 + 1) * behind->t + (s3 - 2 * s2 + s) * h * behind->perDegree +
            (-2 * s3 + 3 * s2) * ahead->t + (s3 - s2) * h * ahead->perDegree;
    } else {
        const PhaseNeighbour& n = behind ? *behind : *ahead;
        t = n.t + n.rest * n.perDegree;
    }
    // Cheap steps from the offset at the known moment of the nearest phase, when it was read.
    const PhaseNeighbour* nearest = nullptr;
    for (const std::optional<PhaseNeighbour>* side : {&behind, &ahead}) {
        if (*side && !std::isnan((*side)->zodiacOffset) &&
            (!nearest || std::fabs((*side)->rest) < std::fabs(nearest->rest)))
            nearest = &**side;
    }
    double tropicalAt = HUGE_VAL, tropical = 0.0, tropicalSpeed = 0.0; // the last tropical reading
    if (cheap && nearest) {
        const ZodiacOffsetLine line(nearest->knownJd, nearest->zodiacOffset);
        for (int step = 0; step < kMaxNewtonSteps; ++step) {
            if (!ReadTropical(t, tropical, tropicalSpeed) || !(tropicalSpeed - line.Rate() > 0.0)) break;
            tropicalAt = t;
            const double correction =
                -OffsetFrom(line.Sidereal(tropical, t), target) / (tropicalSpeed - line.Rate());
            t += correction;
            if (std::fabs(correction) <= kCheapStepDays) break;
        }
    }
    double lastStep = HUGE_VAL;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        double value = 0.0, speed = 0.0;
        if (!Read(t, value, speed) || !(speed > 0.0)) return std::nullopt;
        const double correction = -OffsetFrom(value, target) / speed;
        if (!(std::fabs(correction) < lastStep)) return std::nullopt; // not closing in
        lastStep = std::fabs(correction);
        // The offset here, from the last tropical reading carried on at its speed (a few seconds).
        const double zodiacOffset = std::fabs(t - tropicalAt) <= kCheapStepDays
                                        ? Reduce360(tropical + tropicalSpeed * (t - tropicalAt) - value)
                                        : std::numeric_limits<double>::quiet_NaN();
        t += correction;
        // Where the step lands: within bend * step^2 of the moment, and the share of the step the speed
        // left out.
        if (m_quantity.bend * lastStep * lastStep + kSpeedShareLeftOut * lastStep > kToleranceDays) continue;
        // A moment a whole turn away from the mean one is the wrong turn's.
        if (std::fabs(t - (m_originJd + years * m_quantity.meanYearDays)) > m_quantity.lastBracketDays)
            return std::nullopt;
        m_known[years] = {t, speed, zodiacOffset};
        return t;
    }
    return std::nullopt;
}
