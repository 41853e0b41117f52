#include "core/return_moments.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/search_speeds.h"
#include "core/sun_centre.h"

namespace {

constexpr int kMaxNewtonSteps = 8;
constexpr double kToleranceDays = 0.01 / 86400.0;
// A reading carries the star's part from the last full one while that strays by less than this share of
// the tolerance.
constexpr double kCarriedShare = 0.25;

// What a first guess from a known moment may stray by: per whole turn between them (the Sun comes back to
// a sidereal longitude some seconds early or late: its perigee moves against the stars, 2e x 11.6" a
// year, up to 9.5 s, and the Moon and the planets pull the Earth by several arcseconds), and by the
// fourth power of the phases between the two moments a curve is drawn through: h^4 / 384 times the
// fourth derivative of the Sun's time by its phase (2e / n = 1.94 days a radian^4), 170 s where a moment
// lies 22.5 degrees from the target on each side.
constexpr double kTurnDriftSeconds = 9.5;
constexpr double kCurveStraySeconds = 170.0;
constexpr double kCurvePhaseDegrees = 22.5;
// What a guess along the Sun's Keplerian orbit (sun_centre.h) strays by: the pull of the Moon and the
// planets and the orbit's own terms left out, up to 1100 s between moments a year to 120 years apart
// over 1700-2250 (rms 320 s).
constexpr double kOrbitStraySeconds = 1200.0;
// How far a phase kept reduced may lie from the rest worked out from the years, degrees: rounding over
// millions of degrees of run.
constexpr double kPhaseSlackDegrees = 1e-6;

// A known moment seen from a target: moved by whole turns of the quantity to the target's turn.
struct PhaseNeighbour {
    double t = 0.0;         // UT Julian day, moved by the whole turns
    double rest = 0.0;      // degrees the target lies ahead of it (behind: negative)
    double perDegree = 0.0; // days a degree there, at the known moment's speed
};

// The offset in (-180, 180] of a value from a target, both in [0, 360), degrees.
double OffsetFrom(double value, double target) {
    const double offset = value - target;
    return offset > 180.0 ? offset - 360.0 : offset <= -180.0 ? offset + 360.0 : offset;
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
    if (found.found()) Remember(years, {found.jdUt, m_quantity.degreesPerYear / m_quantity.meanYearDays});
    return found;
}

void CReturnMoments::Remember(double years, const Known& known) {
    if (!m_known.emplace(years, known).second) return;
    const KnownPhase phase{Reduce360(years * m_quantity.degreesPerYear), years, known};
    m_byPhase.insert(
        std::upper_bound(m_byPhase.begin(), m_byPhase.end(), phase,
                         [](const KnownPhase& a, const KnownPhase& b) { return a.degrees < b.degrees; }),
        phase);
}

double CReturnMoments::FirstGuess(double years) const {
    // From a known moment on either side of the target's phase, moved by whole turns at the mean rate,
    // then the curve through both at their speeds (cubic Hermite), or the line from one. Each side takes
    // the moment that promises the nearest guess, the earlier of two that promise the same.
    struct Side {
        double cost = HUGE_VAL;
        double turnCost = 0.0; // the share of the cost its whole turns make
        double years = 0.0;
        std::optional<PhaseNeighbour> neighbour;
    };
    Side behind, ahead;
    const double turnDays = m_quantity.TurnDays();
    const auto weigh = [&](const KnownPhase& k) {
        const double run = (years - k.years) * m_quantity.degreesPerYear;
        const double turns = std::round(run / 360.0);
        const double rest = run - 360.0 * turns;
        const double phases = rest / kCurvePhaseDegrees;
        const double turnCost = kTurnDriftSeconds * std::fabs(turns);
        const double cost = turnCost + kCurveStraySeconds * phases * phases * phases * phases;
        Side& side = rest >= 0.0 ? behind : ahead;
        if (cost < side.cost || (cost == side.cost && k.years < side.years))
            side = {cost, turnCost, k.years,
                    PhaseNeighbour{k.known.jdUt + turns * turnDays, rest, 1.0 / k.known.speed}};
    };
    // The moments are weighed outward from the target's phase, half a turn each way: those ahead of it
    // make the side ahead, those behind the side behind, and a side's walk stops where the phase alone
    // promises no nearer guess. A phase about as far as the target's or half a turn away may fall on
    // either side, so it is weighed while it promises a nearer guess than the worse side's.
    const double targetPhase = Reduce360(years * m_quantity.degreesPerYear);
    const auto promising = [&](double apart, const Side& side) {
        if (apart > 180.0 + kPhaseSlackDegrees) return false;
        const bool eitherSide = apart <= kPhaseSlackDegrees || apart >= 180.0 - kPhaseSlackDegrees;
        const double phases = std::max(0.0, apart - kPhaseSlackDegrees) / kCurvePhaseDegrees;
        return kCurveStraySeconds * phases * phases * phases * phases <
               (eitherSide ? std::max(behind.cost, ahead.cost) : side.cost);
    };
    const std::size_t count = m_byPhase.size();
    // The first phase at or past the target's, wrapping past 360.
    const std::size_t first =
        static_cast<std::size_t>(
            std::lower_bound(m_byPhase.begin(), m_byPhase.end(), targetPhase,
                             [](const KnownPhase& a, double degrees) { return a.degrees < degrees; }) -
            m_byPhase.begin()) %
        count;
    // Phases lie in [0, 360): how far one lies ahead of another, in [0, 360].
    const auto aheadOf = [](double a, double b) { return a >= b ? a - b : a - b + 360.0; };
    for (std::size_t i = 0, at = first; i < count; ++i, at = at + 1 == count ? 0 : at + 1) {
        if (!promising(aheadOf(m_byPhase[at].degrees, targetPhase), ahead)) break;
        weigh(m_byPhase[at]);
    }
    for (std::size_t i = 0, at = first; i < count; ++i) {
        at = at == 0 ? count - 1 : at - 1;
        if (!promising(aheadOf(targetPhase, m_byPhase[at].degrees), behind)) break;
        weigh(m_byPhase[at]);
    }
    const bool between =
        behind.neighbour && ahead.neighbour && behind.neighbour->rest - ahead.neighbour->rest > 0.0;
    // The curve strays by the fourth derivative's share of the product of the squared phases to either
    // side, and by the turns of both.
    const auto curveStray = [&] {
        const double b = behind.neighbour->rest / kCurvePhaseDegrees,
                     a = ahead.neighbour->rest / kCurvePhaseDegrees;
        return behind.turnCost + ahead.turnCost + kCurveStraySeconds * b * b * a * a;
    };
    // The line from one side strays by days, a curve between far phases by hours: the Sun's run is guessed
    // along its orbit instead.
    if (m_quantity.IsSunsRun() && !(between && curveStray() < kOrbitStraySeconds)) return OrbitGuess(years);
    if (between) {
        const PhaseNeighbour& b = *behind.neighbour;
        const PhaseNeighbour& a = *ahead.neighbour;
        const double h = b.rest - a.rest; // degrees between them
        const double s = b.rest / h;
        const double s2 = s * s, s3 = s2 * s;
        return (2 * s3 - 3 * s2 + 1) * b.t + (s3 - 2 * s2 + s) * h * b.perDegree + (-2 * s3 + 3 * s2) * a.t +
               (s3 - s2) * h * a.perDegree;
    }
    const PhaseNeighbour& n = behind.neighbour ? *behind.neighbour : *ahead.neighbour;
    return n.t + n.rest * n.perDegree;
}

double CReturnMoments::OrbitGuess(double years) const {
    const auto next = m_known.lower_bound(years);
    const bool earlierNearer =
        next == m_known.end() ||
        (next != m_known.begin() && years - std::prev(next)->first < next->first - years);
    const auto& [knownYears, known] = earlierNearer ? *std::prev(next) : *next;
    return SunHasRun(known.jdUt, (years - knownYears) * m_quantity.degreesPerYear, m_quantity.meanYearDays);
}

std::optional<double> CReturnMoments::Step(double years) {
    if (!m_originRead) {
        const std::optional<QuantityReading> origin = ReadYearQuantity(m_probe, m_quantity, m_originJd);
        if (!origin) return std::nullopt;
        m_originValue = origin->value;
        Remember(0.0, {m_originJd, origin->speed});
        m_originRead = true;
    }
    const double target = Reduce360(m_originValue + years * m_quantity.degreesPerYear);
    double t = FirstGuess(years);
    // The last reading of the star too, whose part readings close by carry (year_quantity_reading.h).
    std::optional<QuantityReading> full;
    double fullJd = 0.0;
    double lastStep = HUGE_VAL;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const bool carry = full && full->carriable &&
                           CarriedStarError(*full, t - fullJd) < kCarriedShare * kToleranceDays * full->speed;
        const std::optional<QuantityReading> reading =
            carry ? ReadYearQuantityNear(m_probe, m_quantity, *full, fullJd, t)
                  : ReadYearQuantity(m_probe, m_quantity, t);
        if (!reading || !(reading->speed > 0.0)) return std::nullopt;
        if (!carry) full = reading, fullJd = t;
        const double offset = OffsetFrom(reading->value, target);
        const double correction = -offset / reading->speed;
        if (!(std::fabs(correction) < lastStep)) return std::nullopt; // not closing in
        lastStep = std::fabs(correction);
        // The moment lies as far as the value's error allows from a step away, within bend * step^2 and
        // the share of the step the speed may have left out. But the ephemeris jumps by up to 2 mas where
        // two of its file segments meet (the Sun's once a year), which no speed foresees and which alone
        // moves the Sun's moment by 0.05 s: a step that passes one lands that far off. So the moment is
        // taken only where a reading finds it within the tolerance; a jump could then lie only that close.
        const double reach = (std::fabs(offset) + reading->valueError) / reading->speed;
        const double speedShare = reading->speedError / reading->speed;
        if (reach + m_quantity.bend * reach * reach + speedShare * reach > kToleranceDays) {
            t += correction;
            continue;
        }
        // A moment a whole turn away from the mean one is the wrong turn's.
        if (std::fabs(t - (m_originJd + years * m_quantity.meanYearDays)) > m_quantity.lastBracketDays)
            return std::nullopt;
        Remember(years, {t, reading->speed});
        return t;
    }
    return std::nullopt;
}
