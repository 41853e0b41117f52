// The Moon's sign at a planet's latest sign entry, decided from tropical places (zodiac_offset.h) when
// their bound makes it certain, so that a chart needs no exact search for its murti. What the exact
// search (FindBodyEntersDivision, chart_core_search.cpp) would find is pinned down by proving where the
// body surely stays in its sign and where surely out of it, with the speed tables (search_speeds.h).
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/calc_options.h"
#include "core/calculated_moments.h"
#include "core/chart_core.h"
#include "core/remembered_searches.h"
#include "core/search_progress.h"
#include "core/search_speeds.h"
#include "core/zodiac_offset.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0; // days
// The longest step the walk takes on one direction alone: under Mercury's shortest retrograde spell. A
// planet's own spell may be longer, but a step that long lands past stations the speed's trend cannot
// foresee from a single reading.
constexpr double kLongestOneWayStepDays = 19.5;
// Readings a murti may take before the exact search would be as cheap.
constexpr int kCheapReadingBudget = 24;

// The Sun and the mean node never turn; the planets Mars to Saturn do, but seldom; the true node every
// few days.
bool NeverTurns(int body) {
    return kLeastSpeed[body] > 0.0 || ((body == kRahu || body == kKetu) && !g_bTrueNodes);
}
bool TurnsSeldom(int body) {
    return body >= kMars && body <= kSaturn;
}

// A body's place against a sign at a moment, read cheaply.
struct CheapReading {
    double t = 0.0;     // UT Julian day
    double f = 0.0;     // degrees past the sign's start, [0, 360): inside below 30
    double speed = 0.0; // degrees a day, sidereal

    // Degrees inside the sign to its nearer edge; negative outside, the distance to the nearer edge.
    double Depth() const { return f < 30.0 ? std::min(f, 30.0 - f) : -std::min(f - 30.0, 360.0 - f); }
};

// A body's sign at a moment, and the days either side of it it surely stays there.
struct SignStay {
    int sign = 0;
    double days = 0.0;
};

// Cheap readings of one body against one sign, with the bound on how far the exact places may lie from
// them, and what the bound proves about the spans between readings. Counts its readings against a budget.
class CheapSignReader {
public:
    CheapSignReader(const CChartCore& origin, int body, int sign, const ZodiacOffsetLine& zodiac)
        : m_probe(origin), m_body(body), m_sign(sign), m_zodiac(zodiac) {}

    // The body's place at a moment; with `withSpeed` false, a quarter cheaper, its speed left 0 (no
    // direction known).
    std::optional<CheapReading> Read(double jdUt, bool withSpeed = true) {
        double speed = 0.0;
        const std::optional<double> longitude = Longitude(m_body, jdUt, withSpeed ? &speed : nullptr);
        if (!longitude) return std::nullopt;
        return CheapReading{jdUt, Reduce360(*longitude - 30.0 * m_sign),
                            withSpeed ? speed - m_zodiac.Rate() : 0.0};
    }
    // The sign 0-11 of `body` at a moment, and the days either side of it through which its exact place
    // surely stays in that sign at the body's top speed (0 or less near an edge: none).
    std::optional<SignStay> SignAround(int body, double jdUt) {
        const std::optional<double> longitude = Longitude(body, jdUt, nullptr);
        if (!longitude) return std::nullopt;
        const int sign = static_cast<int>(*longitude / 30.0) % 12;
        const double margin =
            CheapReading{jdUt, Reduce360(*longitude - 30.0 * sign), 0.0}.Depth() - Error(jdUt);
        return SignStay{sign, margin / TopSpeed(body)};
    }
    // The sign 0-11 of `body` from `days` before a moment to `days` after it when its exact place surely
    // lies in that sign throughout; nullopt near an edge.
    std::optional<int> CertainSign(int body, double jdUt, double days = 0.0) {
        const std::optional<SignStay> stay = SignAround(body, jdUt);
        if (!stay || stay->days <= days) return std::nullopt;
        return stay->sign;
    }
    int Body() const { return m_body; }
    // How far the exact place may lie from a reading at a moment, degrees.
    double Error(double jdUt) const { return m_zodiac.Error(jdUt); }
    // How far the exact place surely lies inside the sign (`inside`) or out of it; 0 or less: unknown.
    double Margin(const CheapReading& r, bool inside) const {
        return (inside ? r.Depth() : -r.Depth()) - Error(r.t);
    }
    // +1 or -1 when the exact place surely moves forward or back, 0 when too slow to tell.
    int Direction(const CheapReading& r) const {
        const double error = m_zodiac.SpeedError();
        return r.speed > error ? 1 : r.speed < -error ? -1 : 0;
    }
    // Days a reading alone keeps the body on its side: its margin at the top speed, with the tables' slack.
    double Reach(const CheapReading& r, bool inside) const {
        return std::max(0.0, 0.95 * Margin(r, inside) / TopSpeed(m_body));
    }
    // True when the body surely stays on one side (`inside` the sign or out of it) between two readings
    // on that side: neither margin can be used up in the time between them, or the body moves one way
    // through the span, which it cannot then leave the sign and come back in without going round the other
    // 330 degrees, nor cross from one side of it to the other without going its 30.
    bool Stays(const CheapReading& a, const CheapReading& b, bool inside) const {
        const double days = std::fabs(a.t - b.t);
        if (Margin(a, inside) <= 0.0 || Margin(b, inside) <= 0.0) return false;
        if (Reach(a, inside) + Reach(b, inside) >= days) return true;
        return OneWay(a, b) && days * TopSpeed(m_body) < (inside ? 330.0 : 30.0);
    }
    // True when the body surely moves one way from one reading to the other (less than a turn apart).
    bool OneWay(const CheapReading& a, const CheapReading& b) const {
        const int direction = Direction(a);
        const double days = std::fabs(a.t - b.t);
        return direction != 0 && direction == Direction(b) && days * TopSpeed(m_body) < 330.0 &&
               (NeverTurns(m_body) || days < ShortestTurnDays(m_body, direction > 0));
    }

private:
    std::optional<double> Longitude(int body, double jdUt, double* speed) {
        if (--m_budget < 0 || !SearchStep().ok()) return std::nullopt;
        const CalcValue tropical = m_probe.CalcTropicalLongitude(body, jdUt, speed);
        if (!tropical.ok()) return std::nullopt;
        const double turn = body == kKetu ? 180.0 : 0.0;
        return m_zodiac.Sidereal(tropical.value + turn, jdUt);
    }

    CChartCore m_probe;
    int m_body;
    int m_sign;
    ZodiacOffsetLine m_zodiac;
    int m_budget = kCheapReadingBudget;
};

// Days back from an inside reading to just past where the body, going on at its speed, leaves the sign:
// a little past, so that the reading there lies out of the sign by more than the bound.
double DaysToExit(const CheapSignReader& reader, const CheapReading& r) {
    if (reader.Direction(r) == 0) return 0.0;
    const double distance = r.speed > 0.0 ? r.f : 30.0 - r.f; // going back, a forward body falls back
    const double days = distance / std::fabs(r.speed);
    return days + std::max(0.02 * days, 4.0 * reader.Error(r.t - days) / std::fabs(r.speed)) + 2.0 * kSecond;
}

// The zodiac offset (tropical less sidereal, degrees) at a record's moment, from the Sun's tropical and
// exact sidereal places: the sidereal one as the moment's calculation left it (calculated_moments.h),
// else as a search step reads it. The planets of one chart share the last one found.
std::optional<double> ZodiacOffsetAt(const CChartCore& record, double jdUt) {
    thread_local std::optional<std::pair<MomentKey, double>> t_last;
    const MomentKey key = KeyOfMoment(record, jdUt);
    if (t_last && t_last->first == key) return t_last->second;
    CChartCore probe = record;
    const CalcValue tropical = probe.CalcTropicalLongitude(kSun, jdUt);
    const CChartCore* calculated = RememberedMoment(key);
    const CalcValue sidereal = calculated != nullptr ? CalcValue{calculated->m_bodies[kSun].m_dLongitude, {}}
                                                     : RememberedSearchPosition(probe, kSun, jdUt);
    if (!tropical.ok() || !sidereal.ok()) return std::nullopt;
    t_last.emplace(key, tropical.value - sidereal.value);
    return t_last->second;
}

// How far back from an inside reading `in` to read next (`later`: the reading before it, later in time):
// to just past the exit its speed points to, but no further than the two readings can prove the span
// between them in the sign: by their margins (this one's, and the next one's, which the body at a
// quarter above its present pace may wear down), or, for a body that turns seldom, by one direction over
// less than its shortest spell, cut short where the speed's trend since `later` would bring it to rest.
double StepBack(const CheapSignReader& reader, const CheapReading& in,
                const std::optional<CheapReading>& later) {
    const int body = reader.Body();
    const double topSpeed = TopSpeed(body);
    const double paired = 1.9 * reader.Margin(in, true) / (topSpeed + 0.95 * 1.25 * std::fabs(in.speed));
    double longest = paired;
    if (NeverTurns(body)) {
        longest = 300.0 / topSpeed;
    } else if (reader.Direction(in) != 0) {
        double oneWay =
            std::min(kLongestOneWayStepDays, ShortestTurnDays(body, reader.Direction(in) > 0) - 0.25);
        const double trend =
            later ? (later->speed - in.speed) / (later->t - in.t) : 0.0; // degrees a day a day
        if (trend != 0.0 && in.speed / trend > 0.0) oneWay = std::min(oneWay, 0.8 * in.speed / trend);
        longest = std::max(longest, oneWay);
    }
    // Where one direction carries the step a walking step and the Moon's widest bracket (a day) past the
    // exit, the reading there also proves the body out where the exact search first looks outside.
    const double exit = DaysToExit(reader, in);
    const double beyond = exit + WalkingStepDays(body, 30.0) + 1.0;
    const double step = !NeverTurns(body) && beyond <= longest ? beyond : std::min(exit, longest);
    return std::max(step, reader.Reach(in, true));
}

// Where a body moving one way from `out` to `in` most likely crosses the edge: the root of the cubic
// through both readings' places and speeds (UT Julian day). Only a first guess: nothing rests on it.
double CrossingGuess(const CheapSignReader& reader, const CheapReading& out, const CheapReading& in) {
    // Degrees past the edge of entry, along the motion.
    const bool forward = reader.Direction(in) > 0;
    const auto past = [forward](const CheapReading& r) {
        const double x = forward ? r.f : 30.0 - r.f;
        return x - 360.0 * std::floor((x + 180.0) / 360.0);
    };
    const double h = in.t - out.t;
    const double p0 = past(out), p1 = past(in);
    const double m0 = std::fabs(out.speed) * h, m1 = std::fabs(in.speed) * h;
    const auto cubic = [&](double u) {
        const double u2 = u * u, u3 = u2 * u;
        return (2 * u3 - 3 * u2 + 1) * p0 + (u3 - 2 * u2 + u) * m0 + (-2 * u3 + 3 * u2) * p1 + (u3 - u2) * m1;
    };
    double lo = 0.0, hi = 1.0;
    for (int i = 0; i < 40; ++i) {
        const double mid = 0.5 * (lo + hi);
        (cubic(mid) < 0.0 ? lo : hi) = mid;
    }
    return out.t + 0.5 * (lo + hi) * h;
}

// A bracket (t_a, t_b) around a body's crossing into a sign, proven out of the sign at t_a and in it at
// t_b, UT Julian days, and the sign 0-11 the Moon surely stays in from a second before t_a to t_b.
struct EntryBracket {
    double ta = 0.0;
    double tb = 0.0;
    int moonSign = 0;
};

// The Moon's sign through [first, last] (UT Julian days): one reading in the middle whose margin covers
// the span at the Moon's top speed, else one at each end (the Moon never turns: in one sign at both ends
// of a span shorter than a round, it is in that sign throughout).
std::optional<int> CertainMoonSignThrough(CheapSignReader& reader, double first, double last) {
    if (const auto sign = reader.CertainSign(kMoon, 0.5 * (first + last), 0.5 * (last - first))) return sign;
    const auto atFirst = reader.CertainSign(kMoon, first);
    const auto atLast = reader.CertainSign(kMoon, last);
    if (!atFirst || atFirst != atLast || (last - first) * TopSpeed(kMoon) >= 330.0) return std::nullopt;
    return atFirst;
}

// The bracket from the Moon first: where the readings put the crossing, the Moon's margin tells how
// wide a span it surely keeps its sign through; readings at that span's ends, or at `out` and `in` where
// they lie inside it, that prove the body out and in make the bracket. Nullopt when they do not.
std::optional<EntryBracket> BracketByTheMoon(CheapSignReader& reader, const CheapReading& out,
                                             const CheapReading& in) {
    constexpr double kNarrowestDays = 0.01; // a narrower span would need the crossing found first
    const double guess = CrossingGuess(reader, out, in);
    const std::optional<SignStay> moon = reader.SignAround(kMoon, guess);
    if (!moon) return std::nullopt;
    const double half = 0.95 * moon->days - kSecond;
    if (half < kNarrowestDays) return std::nullopt;
    const double ta = std::max(guess - half, out.t);
    const double tb = std::min(guess + half, in.t);
    const std::optional<CheapReading> atA = ta == out.t ? out : reader.Read(ta, false);
    if (!atA || reader.Margin(*atA, false) <= 0.0) return std::nullopt;
    const std::optional<CheapReading> atB = tb == in.t ? in : reader.Read(tb, false);
    if (!atB || reader.Margin(*atB, true) <= 0.0) return std::nullopt;
    return EntryBracket{ta, tb, moon->sign};
}

// The bracket from the crossing first: Newton steps on the depth place it within a quarter of an hour;
// t_a and t_b, which the readings there must prove out and in, lie three bounds' worth of motion and the
// last step's length either side of it.
std::optional<EntryBracket> BracketByNewton(CheapSignReader& reader, const CheapReading& out,
                                            const CheapReading& in) {
    constexpr double kSettledDays = 0.01;
    CheapReading near = out;
    const auto correction = [&near] { return near.Depth() / std::fabs(near.speed); };
    for (int i = 0; i < 3 && std::fabs(correction()) > kSettledDays; ++i) {
        const std::optional<CheapReading> next = reader.Read(std::clamp(near.t - correction(), out.t, in.t));
        if (!next || reader.Direction(*next) == 0) return std::nullopt;
        near = *next;
    }
    const double crossing = near.t - correction();
    const double halfWidth =
        2.0 * kSecond + 3.0 * reader.Error(crossing) / std::fabs(near.speed) + std::fabs(correction());
    const double ta = std::max(crossing - halfWidth, out.t);
    const double tb = std::min(crossing + halfWidth, in.t);
    const std::optional<CheapReading> atA = ta == out.t ? out : reader.Read(ta, false);
    const std::optional<CheapReading> atB = tb == in.t ? in : reader.Read(tb, false);
    if (!atA || !atB || reader.Margin(*atA, false) <= 0.0 || reader.Margin(*atB, true) <= 0.0)
        return std::nullopt;
    const std::optional<int> moonSign = CertainMoonSignThrough(reader, ta - kSecond, tb);
    if (!moonSign) return std::nullopt;
    return EntryBracket{ta, tb, *moonSign};
}

// True when the body surely stays out of the sign between two readings proven out: by the readings
// themselves, else (the body turning between them, or near the edge) by halving the span, a few times.
bool StaysOutBetween(CheapSignReader& reader, const CheapReading& a, const CheapReading& b, int halvings) {
    if (reader.Stays(a, b, false)) return true;
    if (halvings == 0 || reader.Margin(a, false) <= 0.0 || reader.Margin(b, false) <= 0.0) return false;
    const std::optional<CheapReading> middle = reader.Read(0.5 * (a.t + b.t));
    return middle && StaysOutBetween(reader, a, *middle, halvings - 1) &&
           StaysOutBetween(reader, *middle, b, halvings - 1);
}

} // namespace

std::optional<int> CChartCore::CertainMoonSignAtLatestEntry(int body, int sign) const {
    const bool cheapBody = body == kSun || body == kMoon || TurnsSeldom(body) ||
                           ((body == kRahu || body == kKetu) && NeverTurns(body));
    if (!cheapBody || sign < 0 || sign > 11 || !ZodiacOffsetHolds() || !SpeedTablesHold())
        return std::nullopt;
    const double jd = GetJulianDay();
    const SignStayKey key{body, sign, true, KeyOfMoment(*this, 0.0)};
    if (const auto remembered = RememberedEntryMoonSign(key, jd)) return remembered;

    const std::optional<double> offset = ZodiacOffsetAt(*this, jd);
    if (!offset) return std::nullopt;
    CheapSignReader reader(*this, body, sign, ZodiacOffsetLine(jd, *offset));

    // The Moon never turns and crosses a sign in 2.6 days at its least speed: the search steps back less
    // than five days to the first instant out of its sign, a second past its edge, in the sign before.
    // Its place at this moment is the one the moment's calculation left, where that is remembered.
    if (body == kMoon) {
        const CChartCore* calculated = RememberedMoment(KeyOfMoment(*this, jd));
        const std::optional<CheapReading> now =
            calculated != nullptr
                ? CheapReading{jd, Reduce360(calculated->m_bodies[kMoon].m_dLongitude - 30.0 * sign), 0.0}
                : reader.Read(jd, false);
        if (!now || reader.Margin(*now, true) <= 0.0 || !reader.Read(jd - 5.0, false)) return std::nullopt;
        const int signBefore = (sign + 11) % 12;
        RememberEntryMoonSign(key, jd, jd + reader.Reach(*now, true), signBefore);
        return signBefore;
    }

    // Back from this moment, each reading in the sign with the span to the one before proven in it, to the
    // first reading out of it: Newton steps on the body's own speed, no longer than a span the speed's
    // direction can prove, or than the reach of the reading's margin.
    const std::optional<CheapReading> now = reader.Read(jd);
    if (!now || reader.Margin(*now, true) <= 0.0) return std::nullopt;
    CheapReading in = *now;
    std::optional<CheapReading> later, out;
    while (!out) {
        std::optional<CheapReading> next = reader.Read(in.t - StepBack(reader, in, later));
        if (!next) return std::nullopt;
        later = in;
        if (reader.Margin(*next, false) > 0.0 && reader.OneWay(*next, in)) {
            out = next;
        } else if (!reader.Stays(*next, in, true)) {
            // Neither proven out nor proven in: step back only as far as this reading's margin reaches.
            const double reach = reader.Reach(in, true);
            if (reach <= 0.0 || !(next = reader.Read(in.t - reach)) || reader.Margin(*next, true) <= 0.0)
                return std::nullopt;
            in = *next;
        } else {
            in = *next;
        }
    }

    // Between `out` and `in` the body moves one way: it crosses the edge once, inside a bracket
    // (t_a, t_b) proven out at t_a and in at t_b, through which the Moon surely keeps one sign.
    std::optional<EntryBracket> bracket = BracketByTheMoon(reader, *out, in);
    if (!bracket) bracket = BracketByNewton(reader, *out, in);
    if (!bracket) return std::nullopt;
    const double ta = bracket->ta;
    const double tb = bracket->tb;

    // The exact search steps back from its start while the body is in the sign, walking at most
    // WalkingStepDays at a time near an edge. Proven now: the body is in the sign from t_b to any start
    // in [t_b, rememberTo], out of it from `out` to t_a; prove it out for a walking step before t_a too:
    // a body that never turns would have to go round the 330 degrees outside the sign to be in it then.
    // The search's first reading out of the sign then lies between that and t_b, and its narrowing ends
    // a second or less past a crossing inside (t_a, t_b).
    const double earliest = ta - WalkingStepDays(body, 30.0);
    if (out->t > earliest && !(NeverTurns(body) && (tb - earliest) * TopSpeed(body) < 330.0)) {
        const std::optional<CheapReading> before = reader.Read(earliest);
        if (!before || !StaysOutBetween(reader, *before, *out, 3)) return std::nullopt;
    }
    const double rememberTo = jd + reader.Reach(*now, true);
    if (rememberTo - earliest > std::min(kRecurrenceDays[body], ZodiacOffsetLine::kSpanDays))
        return std::nullopt;
    RememberEntryMoonSign(key, tb, rememberTo, bracket->moonSign);
    return bracket->moonSign;
}
