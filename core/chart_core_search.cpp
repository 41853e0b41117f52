// The searches for an instant: a probe is stepped through time until a body, or a relation of two
// bodies, crosses its target; the crossing is then narrowed. Every loop is bounded, so a target that is
// never reached gives "not found" instead of a hang.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/chart_searches.h"
#include "core/remembered_searches.h"
#include "core/return_charts.h"
#include "core/search_progress.h"
#include "core/search_speeds.h"
#include "core/zodiac_offset.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0; // days
// Crossings are narrowed to a tenth of a second, so that even the Moon's place at the instant found is
// right to a twentieth of an arcsecond; the lagna, turning some 15 arcseconds a second, to a fifteenth.
constexpr double kTolerance = 0.1 * kSecond;
constexpr double kLagnaTolerance = kSecond / 15.0;
// A walking step aimed at a crossing lands past it by 5% of the way plus this margin, days.
constexpr double kAimMargin = 2.0 * kSecond;
constexpr int kMaxNarrowingPasses = 200; // each pass at least halves the bracket: 60 would do
// The walking step of a longitude search with the Moon (LocateLongitude), days: the farthest it looks
// past its crossing.
constexpr double kMoonStepDays = 3.0;
// Mars, the body with the longest direct spell, runs direct for up to 746 days (1900-2100).
constexpr double kStationSpanDays = 1000.0;
// Speed rank (0 fastest): the faster body of a two-body relation goes first, so the relation grows.
constexpr int kSpeedRank[kEphemerisBodyCount] = {0, 4, 1, 5, 2, 6, 3, 9, 7, 8, 10, 11, 12};

using ValueFunction = double (*)(double, double, double);

// True when Moon - Sun in the chart's zodiac is the tropical difference and the speed tables bound it.
// The library's sidereal positions are its tropical ones less one ayanamsa, and the program's star
// anchoring and correction move every body alike: the two differences agree to 2e-13 degree (the
// library, 20,000 moments 3000 BC - AD 3000, every plain mode and option flag).
bool TropicalElongationHolds() {
    const CAyanamsaSettings& settings = g_ayanamsaSettings;
    return SpeedTablesHold() && (settings.m_bOwnValue || IsPlainSiderealMode(settings.m_nSiderealMode));
}

// Degrees a longitude may differ from itself by rounding when calculated by another route (the tropical
// elongation against the sidereal one) or at a moment carried through the local date and time:
// thousands of times the 2e-13 seen.
constexpr double kRoundingDegrees = 1e-9;

// What a body's longitude in the chart's zodiac may run beyond its top speed, degrees a day: the
// ayanamsa's drift (precession 0.00014, nutation and a star's aberration under 0.0002 more, the
// trepidation of the Surya Siddhanta 0.00005) and the Sun's faster run in the millennia before the
// tables (1.0243 in 5000 BC), with room to spare.
constexpr double kSignSpeedMargin = 0.01;

// One crossing search: the quantity, where it counts as crossing 0, how it is stepped and narrowed.
struct SearchPlan {
    int bodyA = kSun;
    int bodyB = kNoBody; // kNoBody: one-body search, y is fixedY
    double fixedY = 0.0;
    ValueFunction value = SearchValueDifference;
    double c = 0.0;
    double hi = 240.0; // a crossing goes from above hi to below lo, or back
    double lo = 120.0;
    double step = 10.0; // days; negative backward
    double tolerance = kTolerance;
    double spanDays = 0.0;

    bool tropical = false; // positions read tropical (CalcTropicalLongitude): the ayanamsa cannot move it
    bool strides = false;  // the speed tables bound the quantity (SetStrides)
    bool growing = false;  // the quantity can only grow with time

    bool Involves(int body) const { return bodyA == body || bodyB == body; }
    // The longest step from a sample of value f on which the quantity, moving at most
    // RelationTopSpeed() degrees a day, cannot reach 0 (= 360), where every crossing lies: far from it
    // the search strides instead of walking; never shorter than the plan's step.
    double StrideFrom(double f) const {
        if (!strides) return step;
        const bool forward = step > 0.0;
        const double distance = !growing ? std::min(f, 360.0 - f) : forward ? 360.0 - f : f;
        const double stride = distance / RelationTopSpeed();
        return forward ? std::max(step, stride) : std::min(step, -stride);
    }
    bool Crosses(double f1, double f2) const { return (f1 > hi && f2 < lo) || (f1 < lo && f2 > hi); }
    // Shortens the step so that the quantity, moving at most `topSpeed` degrees a day, moves less than
    // the crossing window in one step: a crossing is seen only when it lands from above hi to below lo.
    void BoundStep(double topSpeed) { step = std::min(step, 0.95 * std::min(360.0 - hi, lo) / topSpeed); }
    double RelationTopSpeed() const { return TopSpeed(bodyA) + (bodyB == kNoBody ? 0.0 : TopSpeed(bodyB)); }
    // Lets a difference or sum stride when the speed tables bound it, and no lagna takes part: its speed
    // grows without bound toward the poles.
    void SetStrides(bool sum) {
        strides = SpeedTablesHold() && !Involves(kLagna);
        double least = kLeastSpeed[bodyA];
        if (bodyB != kNoBody) least += sum ? kLeastSpeed[bodyB] : -TopSpeed(bodyB);
        growing = least > 0.0;
    }
};

SearchResult InvalidBody(int body) {
    return SearchResult::Invalid("Body " + std::to_string(body) +
                                 " cannot be searched: body numbers run from 0 to 12.");
}

bool IsSearchable(int body) {
    return body >= 0 && body < kEphemerisBodyCount;
}

double SpanDays(int bodyA, int bodyB) {
    if (bodyB == kNoBody) return kRecurrenceDays[bodyA];
    if (bodyA == kLagna || bodyB == kLagna) return kRecurrenceDays[kLagna]; // the lagna's turn dominates
    return kRecurrenceDays[bodyA] + kRecurrenceDays[bodyB];
}

// A body's sidereal longitude as the searches read it: without speeds, and Ketu opposite Rahu (read
// without speeds, the library's node stands for both).
CalcValue SearchPosition(CChartCore& probe, int body, double jdUt) {
    if (CalcStatus go = SearchStep(); !go.ok()) return {0.0, go};
    std::uint8_t retrograde = 0;
    if (body != kKetu) return probe.CalcBody(body, jdUt, retrograde, false);
    CalcValue rahu = probe.CalcBody(kRahu, jdUt, retrograde, false);
    rahu.value = Reduce360(rahu.value + 180.0);
    return rahu;
}

// A body's tropical longitude as a search reads it (the node for Ketu).
CalcValue TropicalSearchPosition(const CChartCore& probe, int body, double jdUt) {
    if (CalcStatus go = SearchStep(); !go.ok()) return {0.0, go};
    return probe.CalcTropicalLongitude(body, jdUt);
}

struct Sample {
    double t = 0.0; // UT Julian day
    double f = 0.0; // the plan's quantity, degrees
    double a = 0.0; // body A's longitude, degrees
};

// Shortens a walking step to land a little past where the quantity, going on at the rate it had between
// `older` and `newer`, covers the distance to its target (`up` degrees when it grows along the search,
// `down` when it falls): the crossing is then bracketed tightly and narrows in few evaluations. The
// step is never lengthened, so no crossing is skipped that the full step would have met.
double AimStep(double step, const Sample& older, const Sample& newer, double up, double down, double least) {
    const double rate = (Reduce360(newer.f - older.f + 180.0) - 180.0) / (newer.t - older.t); // degrees a day
    if (rate == 0.0 || !std::isfinite(rate)) return step;
    const double days = (rate * step > 0.0 ? up : down) / std::fabs(rate);
    const double aimed = 1.05 * days + least;
    return step > 0.0 ? std::min(step, aimed) : std::max(step, -aimed);
}

class CrossingSearch {
public:
    CrossingSearch(const CChartCore& origin, const SearchPlan& plan) : m_probe(origin), m_plan(plan) {}

    SearchResult Run(double jdStart) {
        Sample before, after;
        if (!Evaluate(jdStart, after)) return Failure();
        const int maxSteps = static_cast<int>(std::ceil(m_plan.spanDays / std::fabs(m_plan.step)));
        for (int i = 0;; ++i) {
            if (i == maxSteps || std::fabs(after.t - jdStart) > m_plan.spanDays)
                return SearchResult::NotFound();
            const Sample older = before;
            before = after;
            double step = m_plan.StrideFrom(before.f);
            // A stride passes no crossing, though it may carry the quantity across the whole window.
            const bool strides = std::fabs(step) > std::fabs(m_plan.step);
            if (!strides && i > 0)
                step = AimStep(step, older, before, 360.0 - before.f, before.f, kAimMargin);
            if (!Evaluate(before.t + step, after)) return Failure();
            if (!strides && m_plan.Crosses(before.f, after.f)) break;
        }
        switch (Narrow(before, after)) {
        case SearchOutcome::kFound:
            return SearchResult::Found(std::max(before.t, after.t));
        case SearchOutcome::kFailed:
            return Failure();
        default:
            return SearchResult::NotFound();
        }
    }

    // Narrows a crossing between `before` (near side) and `after` (past it) until the two are at most
    // the plan's tolerance apart, `before` still on the near side and `after` past the crossing. Each
    // pass looks just before and just after where the straight line through the two ends crosses (a
    // 1/1024 of the bracket away), and every look shrinks the bracket from one side or the other; a
    // pass that does not halve it ends with a look at the middle.
    SearchOutcome Narrow(Sample& before, Sample& after) {
        for (int pass = 0; std::fabs(after.t - before.t) > m_plan.tolerance; ++pass) {
            if (pass == kMaxNarrowingPasses) return SearchOutcome::kNotFound;
            const double width = std::fabs(after.t - before.t);
            const Sample high = before.f > after.f ? before : after;
            const Sample low = before.f > after.f ? after : before;
            if (high.f == low.f) break;
            // Where the straight line from the high value up through 360 to the low one crosses.
            const double u = 360.0 - high.f;
            const double estimate = (high.t * low.f + low.t * u) / (low.f + u);
            const double nearSide = estimate + (before.t - estimate) / 1024.0;
            const double farSide = estimate + (after.t - estimate) / 1024.0;
            for (const double t : {nearSide, farSide}) {
                if (!IsStrictlyBetween(t, before.t, after.t)) continue;
                if (!Look(t, before, after)) return SearchOutcome::kFailed;
            }
            if (std::fabs(after.t - before.t) > width / 2.0 &&
                !Look((before.t + after.t) / 2.0, before, after)) {
                return SearchOutcome::kFailed;
            }
        }
        return SearchOutcome::kFound;
    }

    // Moves the plan's fixed longitude by `shift` degrees; samples taken before must be moved with it.
    void ShiftTarget(double shift) { m_plan.fixedY = Reduce360(m_plan.fixedY + shift); }

    // The plan's quantity at a moment.
    bool Evaluate(double jdUt, Sample& sample) {
        sample.t = jdUt;
        const CalcValue x = Position(m_plan.bodyA, jdUt);
        if (!x.ok()) return Fail(x.status);
        sample.a = x.value;
        double y = m_plan.fixedY;
        if (m_plan.bodyB != kNoBody) {
            const CalcValue b = Position(m_plan.bodyB, jdUt);
            if (!b.ok()) return Fail(b.status);
            y = b.value;
        }
        sample.f = m_plan.value(x.value, y, m_plan.c);
        return true;
    }
    SearchResult Failure() const { return SearchResult::Failed(m_failure); }

private:
    static bool IsStrictlyBetween(double t, double a, double b) { return (t - a) * (t - b) < 0.0; }
    CalcValue Position(int body, double jdUt) {
        return m_plan.tropical ? TropicalSearchPosition(m_probe, body, jdUt)
                               : SearchPosition(m_probe, body, jdUt);
    }
    // The quantity at `t`, inside the bracket, which then becomes its near or its far end.
    bool Look(double t, Sample& before, Sample& after) {
        Sample sample;
        if (!Evaluate(t, sample)) return false;
        (m_plan.Crosses(before.f, sample.f) ? after : before) = sample;
        return true;
    }
    bool Fail(const CalcStatus& status) {
        m_failure = status;
        return false;
    }

    CChartCore m_probe;
    SearchPlan m_plan;
    CalcStatus m_failure;
};

// The stay of a body in one division of the zodiac (a sign, or a nakshatra). The probe strides while the
// body is too far from the division's edges to cross one (the speed tables bound how far it can go),
// walks steps of WalkingStepDays near them, and narrows each crossing to the tolerance against the
// edge it crossed.
class DivisionStaySearch {
public:
    // Division `index` of `width` degrees: from index x width to (index + 1) x width.
    DivisionStaySearch(const CChartCore& origin, int body, double width, int index, bool backward,
                       double tolerance)
        : m_search(origin, EdgePlan(body, width * index, tolerance)), m_width(width),
          m_topSpeed(TopSpeed(body)), m_strides(SpeedTablesHold() && body != kLagna),
          m_spanDays(kRecurrenceDays[body]), m_step(WalkingStepDays(body, width)) {
        if (backward) m_step = -m_step;
    }

    // The body at a moment: f is its distance past the division's start, in [0, 360); inside below the
    // width.
    bool Evaluate(double jdUt, Sample& sample) { return m_search.Evaluate(jdUt, sample); }
    SearchResult Failure() const { return m_search.Failure(); }
    // Days either way from a sample during which the body cannot reach an edge of the division (0 when
    // the speed tables do not bound it).
    double SafeDays(const Sample& sample) const {
        if (!m_strides) return 0.0;
        const double f = sample.f;
        const double distance =
            IsInside(sample) ? std::min(f, m_width - f) : std::min(360.0 - f, f - m_width);
        return 0.95 * distance / m_topSpeed;
    }

    // From `from`, the first instant in the search direction where the body is in the division
    // (`inside`) or out of it: `from` itself when it already is.
    SearchResult Reach(const Sample& from, bool inside, Sample& reached) {
        Sample before, after = from;
        const int maxSteps = static_cast<int>(std::ceil(m_spanDays / std::fabs(m_step)));
        for (int i = 0; IsInside(after) != inside; ++i) {
            if (i == maxSteps || std::fabs(after.t - from.t) > m_spanDays) return SearchResult::NotFound();
            const Sample older = before;
            before = after;
            double step = StepFrom(before);
            if (step == m_step && i > 0) {
                const double f = before.f;
                step = inside ? AimStep(step, older, before, 360.0 - f, f - m_width, kAimMargin)
                              : AimStep(step, older, before, m_width - f, f, kAimMargin);
            }
            if (!Evaluate(before.t + step, after)) return Failure();
        }
        if (after.t != from.t) {
            // The edge crossed is the one the outside sample lies beyond: the start when it is below it.
            const double outside = inside ? before.f : after.f;
            const double edge = outside > 180.0 ? 0.0 : m_width;
            const auto toEdge = [edge](Sample& sample, double sign) {
                sample.f = Reduce360(sample.f - sign * edge);
            };
            toEdge(before, 1.0);
            toEdge(after, 1.0);
            m_search.ShiftTarget(edge);
            const SearchOutcome outcome = m_search.Narrow(before, after);
            m_search.ShiftTarget(-edge);
            toEdge(after, -1.0);
            if (outcome == SearchOutcome::kFailed) return Failure();
            if (outcome == SearchOutcome::kNotFound) return SearchResult::NotFound();
        }
        reached = after;
        return SearchResult::Found(after.t);
    }

private:
    static SearchPlan EdgePlan(int body, double start, double tolerance) {
        SearchPlan plan;
        plan.bodyA = body;
        plan.fixedY = start;
        plan.tolerance = tolerance;
        return plan;
    }
    bool IsInside(const Sample& sample) const { return sample.f < m_width; }
    // A step from a sample: a stride while the body cannot reach an edge within it, else the walking step.
    double StepFrom(const Sample& sample) const {
        const double stride = SafeDays(sample);
        return m_step > 0.0 ? std::max(m_step, stride) : std::min(m_step, -stride);
    }

    CrossingSearch m_search;
    double m_width;
    double m_topSpeed;
    bool m_strides;
    double m_spanDays;
    double m_step = 0.0; // days; negative backward
};

// Steps from `t` by `step` days until `test` holds, for at most `spanDays`: `t` gets the first instant
// where it does (unchanged when it holds there already), `before` the instant looked at just before it
// (the caller sets it for `t` itself). `test(jdUt, holds)` returns the calculation's status.
template <class Test>
SearchResult StepUntil(double& before, double& t, double step, double spanDays, Test test) {
    const int maxSteps = static_cast<int>(std::ceil(spanDays / std::fabs(step)));
    bool holds = false;
    for (int i = 0;; ++i) {
        if (const CalcStatus status = test(t, holds); !status.ok()) return SearchResult::Failed(status);
        if (holds) return SearchResult::Found(t);
        if (i == maxSteps) return SearchResult::NotFound();
        before = t;
        t += step;
    }
}

// Halves the span from `from` (where `test` fails) to `to` (where it holds) until it is at most one
// second wide.
template <class Test> CalcStatus NarrowToSecond(double& from, double& to, Test test) {
    for (int pass = 0; std::fabs(to - from) > kSecond && pass < kMaxNarrowingPasses; ++pass) {
        const double middle = (from + to) / 2.0;
        bool holds = false;
        if (const CalcStatus status = test(middle, holds); !status.ok()) return status;
        (holds ? to : from) = middle;
    }
    return {};
}

// The bodies and the fixed longitude of a request; B only in a two-body request.
template <class Request> SearchPlan PlanBodies(const Request& request) {
    SearchPlan plan;
    plan.bodyA = request.m_nBodyA;
    plan.bodyB = request.m_bTwoBody ? request.m_nBodyB : kNoBody;
    plan.fixedY = request.m_dTarget;
    return plan;
}

template <class Request> std::optional<SearchResult> RefuseBadBodies(const Request& request) {
    if (!IsSearchable(request.m_nBodyA)) return InvalidBody(request.m_nBodyA);
    if (request.m_bTwoBody && !IsSearchable(request.m_nBodyB)) return InvalidBody(request.m_nBodyB);
    return std::nullopt;
}

// Swaps A and B when B is the faster; true when it did.
bool PutFasterFirst(SearchPlan& plan) {
    if (plan.bodyB == kNoBody || kSpeedRank[plan.bodyA] <= kSpeedRank[plan.bodyB]) return false;
    std::swap(plan.bodyA, plan.bodyB);
    return true;
}

// Turns the step for a backward search, sets the tolerance and span, and searches from the origin's
// instant.
SearchResult RunPlan(const CChartCore& origin, SearchPlan plan, bool backward) {
    if (backward) plan.step = -plan.step;
    plan.tolerance = plan.Involves(kLagna) ? kLagnaTolerance : kTolerance;
    plan.spanDays = SpanDays(plan.bodyA, plan.bodyB);
    return CrossingSearch(origin, plan).Run(origin.GetJulianDay());
}

// Puts a found instant into the target record with its positions.
SearchResult Deliver(const CChartCore& origin, SearchResult result, CChartCore& target) {
    if (!result.found()) return result;
    if (const CalcStatus status = origin.SetFromJulianDay(result.jdUt, target); !status.ok()) {
        return SearchResult::Failed(status);
    }
    return result;
}

// Days between two looks at a body's direction: short enough not to step over a whole spell.
double StationStepDays(int body) {
    if (body == kMercury) return 5.0; // its retrograde spells last as little as 19.75 days
    if (body == kRahu) return 1.0;    // the true node turns every few days
    return 20.0;
}

// Bounds of the daily growth of Moon - Sun, degrees per day, from the speed tables, kept 0.05 wider for
// the millennia outside them (in 5000 BC the Sun runs between 0.9487 and 1.0243 degrees a day).
constexpr double kLunationGrowthMargin = 0.05;
double LeastLunationGrowth() {
    return kLeastSpeed[kMoon] - TopSpeed(kSun) - kLunationGrowthMargin;
}
double TopLunationGrowth() {
    return TopSpeed(kMoon) - kLeastSpeed[kSun] + kLunationGrowthMargin;
}

// How closely a quick lunation search places the crossing, days: a second, which keeps a sign in doubt
// only when the Moon is within 0.0002 degree of its edge.
constexpr double kLunationWindow = kSecond;
// Looks a quick lunation search may take to close its window; it takes three or four.
constexpr int kMaxQuickLunationLooks = 8;

// The tropical Moon - Sun search for a lunation: the library's difference, the ayanamsa left out.
CrossingSearch LunationSearch(const CChartCore& origin, double elongation) {
    SearchPlan plan;
    plan.bodyA = kMoon;
    plan.bodyB = kSun;
    plan.c = elongation;
    plan.tropical = true;
    return CrossingSearch(origin, plan);
}

// The UT Julian days a lunation's tropical crossing lies between, narrowed by every look at the
// elongation: it runs the degrees from the look to the crossing (`along`, negative past it) at between
// the least and the top growth.
struct LunationWindow {
    double direction; // +1 forward, -1 backward
    double early = -HUGE_VAL;
    double late = HUGE_VAL;

    void Narrow(double t, double along) {
        const double slow = t + direction * along / LeastLunationGrowth();
        const double fast = t + direction * along / TopLunationGrowth();
        early = std::max(early, std::min(slow, fast));
        late = std::min(late, std::max(slow, fast));
    }
};

// Closes a window under 10 days wide (in which the elongation grows less than 150 degrees: a look in
// it less than 180 degrees short of the crossing is short of it), from a look `latestAlong` degrees short
// of the crossing at `latest`: the first look goes at the mean lunation's pace, the next ones at the
// pace between the last two, until the window is closed. Then the span LocateLongitudeTime's instant
// lies in.
std::optional<LunationSpan> CloseLunationWindow(CrossingSearch& search, LunationWindow window, Sample latest,
                                                double latestAlong) {
    const double direction = window.direction;
    double pace = 360.0 / (kLunarYearDays / 12.0); // degrees a day along the search
    bool looked = false;
    for (int look = 0; window.late - window.early > kLunationWindow; ++look) {
        if (look == kMaxQuickLunationLooks || !(window.early < window.late)) return std::nullopt;
        const double t = std::clamp(latest.t + direction * latestAlong / pace, window.early, window.late);
        Sample sample;
        if (!search.Evaluate(t, sample)) return std::nullopt;
        const double toGo = direction < 0.0 ? sample.f : 360.0 - sample.f;
        const double along = toGo < 180.0 ? toGo : toGo - 360.0;
        window.Narrow(sample.t, along);
        // The degrees to go fall as the search goes.
        const double newPace = (latestAlong - along) / (direction * (sample.t - latest.t));
        if (newPace > 0.0 && std::isfinite(newPace)) pace = newPace;
        latest = sample;
        latestAlong = along;
        looked = true;
    }
    if (!looked) return std::nullopt; // no look of the Moon near the crossing
    // The crossing in the chart's zodiac may stand the rounding away; LocateLongitudeTime gives the
    // first moment at or past it, within its tolerance, and walks up to a step past the crossing.
    const double rounding = kRoundingDegrees / LeastLunationGrowth();
    LunationSpan span;
    span.early = window.early - rounding;
    span.late = window.late + kTolerance + rounding;
    span.beyondJdUt = (direction < 0.0 ? span.early : span.late) + direction * kMoonStepDays;
    span.lookJdUt = latest.t;
    span.tropicalMoon = latest.a;
    return span;
}

} // namespace

bool StaysInSign(int body, double longitude, double days, double error) {
    const double inSign = std::fmod(Reduce360(longitude), 30.0);
    const double room = std::min(inSign, 30.0 - inSign);
    return room > (TopSpeed(body) + kSignSpeedMargin) * days + kRoundingDegrees + error;
}

bool MoonLeftSignSinceLunationBefore(double moonLongitude, double days) {
    // The Sun runs at least its least speed in the chart's zodiac (0.9487 in 5000 BC, the ayanamsa's
    // drift under 0.0004) for at least the days the elongation takes to grow a turn at its top growth.
    const double sunRun = (kLeastSpeed[kSun] - kSignSpeedMargin) * 360.0 / TopLunationGrowth();
    const double inSign = std::fmod(Reduce360(moonLongitude), 30.0);
    return inSign + (TopSpeed(kMoon) + kSignSpeedMargin) * days + kRoundingDegrees < sunRun;
}

double FarthestLookForLunation(const InstantSpan& known, bool backward) {
    const double longest = 360.0 / LeastLunationGrowth() + kMoonStepDays;
    return backward ? known.early - longest : known.late + longest;
}

std::optional<LunationSpan> CChartCore::LocateLunationSpan(double elongation, bool backward) const {
    if (!TropicalElongationHolds()) return std::nullopt;
    CrossingSearch search = LunationSearch(*this, elongation);
    LunationWindow window{backward ? -1.0 : 1.0};
    Sample latest;
    if (!search.Evaluate(GetJulianDay(), latest)) return std::nullopt;
    const double latestAlong = backward ? latest.f : 360.0 - latest.f;
    // A lunation at this very instant might be taken for either side of it.
    if (latestAlong < kRoundingDegrees || latestAlong > 360.0 - kRoundingDegrees) return std::nullopt;
    window.Narrow(latest.t, latestAlong);
    return CloseLunationWindow(search, window, latest, latestAlong);
}

std::optional<LunationSpan> CChartCore::LocateNeighbouringLunationSpan(const InstantSpan& known,
                                                                       double elongation, bool backward) const {
    if (!TropicalElongationHolds()) return std::nullopt;
    CrossingSearch search = LunationSearch(*this, elongation);
    // The elongation runs a whole turn from the known crossing, wherever in its span that lies.
    LunationWindow window{backward ? -1.0 : 1.0};
    const double soonest = 360.0 / TopLunationGrowth(), latest = 360.0 / LeastLunationGrowth();
    window.early = backward ? known.early - latest : known.early + soonest;
    window.late = backward ? known.late - soonest : known.late + latest;
    // The first look goes a mean lunation on from the middle of the known span.
    Sample middle;
    middle.t = (known.early + known.late) / 2.0;
    return CloseLunationWindow(search, window, middle, 360.0);
}

bool CChartCore::LunationPlacesAnswer(double jdUt) const {
    return CalcTropicalLongitude(kMoon, jdUt).ok() && CalcTropicalLongitude(kSun, jdUt).ok();
}

SearchResult CChartCore::FindLongitudeTime(CChartCore& target, const CLongitudeSearchRequest& request) const {
    return Deliver(*this, LocateLongitudeTime(request), target);
}

SearchResult CChartCore::LocateLongitudeTime(const CLongitudeSearchRequest& request) const {
    CLongitudeSearch search;
    search.m_nBodyA = request.m_nBodyA;
    search.m_nBodyB = request.m_nBodyB;
    search.m_dTarget = request.m_dTarget;
    search.m_dSeparation = request.m_dSeparation;
    search.m_bTwoBody = request.m_bTwoBody;
    search.m_bBackward = request.m_bBackward;
    return LocateLongitude(search);
}

SearchResult CChartCore::SearchLongitude(CChartCore& target, const CLongitudeSearch& search) const {
    return Deliver(*this, LocateLongitude(search), target);
}

SearchResult CChartCore::SearchAngleTime(CChartCore& target, const CLongitudeSearchRequest& request) const {
    return Deliver(*this, LocateAngle(request), target);
}

SearchResult CChartCore::LocateLongitude(const CLongitudeSearch& search) const {
    if (const auto refused = RefuseBadBodies(search)) return *refused;
    SearchPlan plan = PlanBodies(search);
    const bool lagna = plan.Involves(kLagna);
    if (search.m_bMidpoint) {
        // The midpoint jumps by 180 degrees when the two bodies pass each other: a narrow window keeps
        // that jump from passing for a crossing.
        plan.value = SearchValueMidpoint;
        plan.c = -search.m_dSeparation;
        plan.hi = lagna ? 358.0 : 350.0;
        plan.lo = lagna ? 2.0 : 10.0;
    } else if (search.m_bSum) {
        plan.value = SearchValueSum;
        plan.c = -search.m_dSeparation;
        plan.SetStrides(true);
    } else {
        plan.value = SearchValueDifference;
        plan.c = PutFasterFirst(plan) ? -search.m_dSeparation : search.m_dSeparation; // B - A = -separation
        plan.SetStrides(false);
    }
    plan.step = lagna ? 1.0 / 12.0 : plan.Involves(kMoon) ? kMoonStepDays : 10.0;
    if (search.m_bMidpoint) {
        plan.step /= 2.0;
        plan.BoundStep(plan.RelationTopSpeed() / 2.0);
    } else {
        plan.BoundStep(plan.RelationTopSpeed());
    }
    return RunPlan(*this, plan, search.m_bBackward);
}

SearchResult CChartCore::LocateAngle(const CLongitudeSearchRequest& request) const {
    if (const auto refused = RefuseBadBodies(request)) return *refused;
    SearchPlan plan = PlanBodies(request);
    PutFasterFirst(plan); // a sum does not care which comes first
    plan.value = SearchValueSum;
    plan.c = -request.m_dSeparation;
    plan.SetStrides(true);
    plan.step = plan.Involves(kLagna)  ? 1.0 / 6.0
                : plan.Involves(kMoon) ? 7.0
                : plan.Involves(kSun)  ? 60.0
                                       : 10.0;
    plan.BoundStep(plan.RelationTopSpeed());
    return RunPlan(*this, plan, request.m_bBackward);
}

SearchResult CChartCore::FindStation(CChartCore& target, int body, bool forward, std::uint8_t& state) const {
    if (!IsSearchable(body)) return InvalidBody(body);
    CChartCore probe = *this;
    const auto stateAt = [&](double jdUt, std::uint8_t& s) -> CalcStatus {
        if (CalcStatus go = SearchStep(); !go.ok()) return go;
        std::uint8_t retrograde = 0;
        const CalcValue longitude = probe.CalcBody(body, jdUt, retrograde, true);
        if (!longitude.ok()) return longitude.status;
        // The nodes are never flagged retrograde: Rahu's state is its direction of motion.
        s = body == kRahu ? (probe.m_dBodySpeed[kRahu] >= 0.0 ? 1 : 0) : retrograde;
        return {};
    };
    const double jd = GetJulianDay();
    std::uint8_t initial = 0;
    if (const CalcStatus status = stateAt(jd, initial); !status.ok()) return SearchResult::Failed(status);
    const auto changed = [&](double jdUt, bool& holds) {
        std::uint8_t s = 0;
        const CalcStatus status = stateAt(jdUt, s);
        holds = s != initial;
        return status;
    };
    const double step = forward ? StationStepDays(body) : -StationStepDays(body);
    double before = jd, after = jd + step;
    SearchResult result = StepUntil(before, after, step, kStationSpanDays, changed);
    if (!result.found()) return result;
    if (const CalcStatus status = NarrowToSecond(before, after, changed); !status.ok()) {
        return SearchResult::Failed(status);
    }
    state = initial ? 0 : 1;
    return Deliver(*this, SearchResult::Found(after), target);
}

SearchResult CChartCore::FindBodyEntersDivision(int body, int sign, bool backward, double& start,
                                                double& end) const {
    if (!IsSearchable(body)) return InvalidBody(body);
    if (sign < 0 || sign > 11) {
        return SearchResult::Invalid("Sign " + std::to_string(sign) +
                                     " does not exist: signs run from 0 to 11.");
    }
    const double jd = GetJulianDay();
    const SignStayKey key{body, sign, backward, KeyOfMoment(*this, 0.0)};
    if (const auto stayEnd = RememberedStayEnd(key, jd)) {
        start = jd;
        end = *stayEnd;
        return SearchResult::Found(start);
    }
    DivisionStaySearch search(*this, body, 30.0, sign, backward, kSecond);
    Sample now, inside, outside;
    if (!search.Evaluate(jd, now)) return search.Failure();
    SearchResult result = search.Reach(now, true, inside);
    if (!result.found()) return result;
    result = search.Reach(inside, false, outside);
    if (!result.found()) return result;
    start = inside.t;
    end = outside.t;
    if (start == jd) {
        // The body stays in the sign from a little before this start (it cannot have left in the safe
        // time) to a second short of the end: a search from anywhere there ends at the same instant.
        const double safe = search.SafeDays(now);
        if (backward) {
            RememberStay(key, end + kSecond, jd + safe, end);
        } else {
            RememberStay(key, jd - safe, end - kSecond, end);
        }
    }
    return SearchResult::Found(start);
}

SearchResult CChartCore::FindDivisionExit(int body, double width, bool backward) const {
    if (!IsSearchable(body)) return InvalidBody(body);
    if (!(width > 0.0 && width <= 180.0))
        return SearchResult::Invalid("A division of " + std::to_string(width) +
                                     " degrees cannot be searched.");
    const double jd = GetJulianDay();
    // The division the body stands in now, read the way the search reads it.
    CChartCore probe = *this;
    const CalcValue longitude = SearchPosition(probe, body, jd);
    if (!longitude.ok()) return SearchResult::Failed(longitude.status);
    const int index = static_cast<int>(std::floor(Reduce360(longitude.value) / width));
    DivisionStaySearch search(*this, body, width, index, backward, kTolerance);
    Sample now, outside;
    if (!search.Evaluate(jd, now)) return search.Failure();
    return search.Reach(now, false, outside);
}

SearchResult CChartCore::CalcAtTimeOffset(double lagnaLongitude) {
    // A little past this record's instant, so that the lagna's own place is found at this instant.
    CChartCore probe;
    JulianDayToDate(GetJulianDay() + 0.0035, probe);
    CLongitudeSearchRequest request;
    request.m_nBodyA = kLagna;
    request.m_dTarget = lagnaLongitude;
    request.m_bBackward = 1;
    CChartCore found;
    const SearchResult result = probe.FindLongitudeTime(found, request);
    if (!result.found()) return result;
    std::copy(std::begin(found.m_dHouseCusps), std::end(found.m_dHouseCusps), std::begin(m_dHouseCusps));
    return result;
}
