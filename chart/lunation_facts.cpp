#include "chart/lunation_facts.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "core/angle_math.h"
#include "core/calculated_moments.h"
#include "core/chart_searches.h"
#include "core/sign_arithmetic.h"
#include "core/zodiac_offset.h"

namespace {

// The neighbouring lunations are searched from a little past the last one so as not to find it again.
constexpr double kPastLunation = 0.0035; // days

// What carrying an instant through the local date and time may move it, days: 2.3e-10 at most (200,000
// moments 3000 BC - AD 3000, zones to 13 hours either way), kept forty times over.
constexpr double kRoundTripDays = 1e-8;

// `lunation` set to the instant `jdUt` with the given bodies calculated, all the month needs of it.
CalcStatus CalcAtLunation(const CChartCore& from, double jdUt, std::initializer_list<int> bodies,
                          CChartCore& lunation) {
    from.JulianDayToDate(jdUt, lunation);
    const double jd = lunation.GetJulianDay();
    for (const int body : bodies) {
        if (CalcStatus status = lunation.StoreBody(body, jd); !status.ok()) return status;
    }
    return {};
}

// The last lunation (Moon - Sun = `elongation`) before the moment of `from`, or the next one after it:
// `lunation` set to its instant with only the Sun and the Moon calculated.
SearchResult FindLunation(const CChartCore& from, double elongation, bool backward, CChartCore& lunation) {
    const SearchResult found = from.LocateLongitudeTime(SeparationRequest(kMoon, kSun, elongation, backward));
    if (!found.found()) return found;
    if (const CalcStatus status = CalcAtLunation(from, found.jdUt, {kSun, kMoon}, lunation); !status.ok())
        return SearchResult::Failed(status);
    return found;
}

// The tropical Sun less a sign, degrees, for a record with the Sun calculated (its ayanamsa with it).
double TropicalSunBefore(const CChartCore& chart) {
    return Reduce360(chart.m_bodies[kSun].m_dLongitude + chart.m_dAyanamsa - 30.0);
}

} // namespace

int TropicalSunSignBefore(const CChartCore& chart) {
    return SignOfLongitude(TropicalSunBefore(chart));
}

bool FindLunationFactsQuickly(const CChartCore& chart, double elongation, LunationFacts& facts) {
    // A sign is read at the middle of the lunation's span and must hold over the half span either way.
    CChartCore lunation;
    const auto halfSpan = [](const InstantSpan& span) {
        return (span.late - span.early) / 2.0 + kRoundTripDays;
    };
    const auto signAt = [&](const InstantSpan& span, int body, int& sign) {
        if (!CalcAtLunation(chart, (span.early + span.late) / 2.0, {body}, lunation).ok()) return false;
        sign = lunation.m_bodies[body].m_nSign;
        return StaysInSign(body, lunation.m_bodies[body].m_dLongitude, halfSpan(span));
    };
    const auto last = chart.LocateLunationSpan(elongation, true);
    if (!last) return false;
    int moonSign = 0, otherMoonSign = 0;
    if (!signAt(*last, kMoon, moonSign)) return false;
    const double moonAtLast = lunation.m_bodies[kMoon].m_dLongitude;
    if (!signAt(*last, kSun, facts.sunSign)) return false;
    // The tropical Sun moves as the Sun does.
    if (!StaysInSign(kSun, TropicalSunBefore(lunation), halfSpan(*last))) return false;
    facts.tropicalSunSignBefore = TropicalSunSignBefore(lunation);
    facts.last = last->late;

    // The Moon at the lunations either side is read from its tropical place at the span's last look,
    // carried into the chart's zodiac by the offset measured at the last lunation: exactly only where
    // the offset's bound leaves its sign in doubt.
    std::optional<ZodiacOffsetLine> zodiac;
    if (ZodiacOffsetHolds()) {
        const double jd = lunation.GetJulianDay();
        if (const CalcValue sun = lunation.CalcTropicalLongitude(kSun, jd); sun.ok())
            zodiac.emplace(jd, sun.value - lunation.m_bodies[kSun].m_dLongitude);
    }
    const auto moonSignAt = [&](const LunationSpan& span, int& sign) {
        if (zodiac) {
            const double moon = zodiac->Sidereal(span.tropicalMoon, span.lookJdUt);
            const double days = std::max(span.lookJdUt - span.early, span.late - span.lookJdUt) + kRoundTripDays;
            sign = SignOfLongitude(moon);
            if (StaysInSign(kMoon, moon, days, zodiac->Error(span.lookJdUt))) return true;
        }
        return signAt(span, kMoon, sign);
    };

    // The searches look a step past the outermost lunations at most, and the library answers over one
    // stretch of time: it answers wherever they look when it answers at those two ends.
    const auto next = chart.LocateNeighbouringLunationSpan(*last, elongation, false);
    if (!next || !moonSignAt(*next, otherMoonSign)) return false;
    const auto answersBetween = [&](double earliestLook) {
        return chart.LunationPlacesAnswer(earliestLook) && chart.LunationPlacesAnswer(next->beyondJdUt);
    };
    facts.next = next->early;
    if (otherMoonSign == moonSign) {
        facts.intercalaryState = 2;
        return answersBetween(last->beyondJdUt);
    }
    // Mostly the Moon stands too little into its sign at the last lunation to have stood in it at the
    // one before: that one need not be placed.
    if (MoonLeftSignSinceLunationBefore(moonAtLast, halfSpan(*last))) {
        facts.intercalaryState = 0;
        return answersBetween(FarthestLookForLunation(*last, true));
    }
    const auto previous = chart.LocateNeighbouringLunationSpan(*last, elongation, true);
    if (!previous || !moonSignAt(*previous, otherMoonSign) || !answersBetween(previous->beyondJdUt))
        return false;
    facts.intercalaryState = otherMoonSign == moonSign ? 1 : 0;
    return true;
}

SearchResult SearchLunationFacts(const CChartCore& chart, double elongation, LunationFacts& facts) {
    CChartCore last;
    const SearchResult found = FindLunation(chart, elongation, true, last);
    if (!found.found()) return found;
    facts.last = found.jdUt;
    facts.sunSign = last.m_bodies[kSun].m_nSign;
    facts.tropicalSunSignBefore = TropicalSunSignBefore(last);

    const int moonSign = last.m_bodies[kMoon].m_nSign;
    CChartCore from, other;
    chart.JulianDayToDate(found.jdUt + kPastLunation, from);
    const SearchResult next = FindLunation(from, elongation, false, other);
    if (!next.found()) return next;
    facts.next = next.jdUt;
    if (other.m_bodies[kMoon].m_nSign == moonSign) {
        facts.intercalaryState = 2;
        return found;
    }
    chart.JulianDayToDate(found.jdUt - kPastLunation, from);
    const SearchResult previous = FindLunation(from, elongation, true, other);
    if (!previous.found()) return previous;
    facts.intercalaryState = other.m_bodies[kMoon].m_nSign == moonSign ? 1 : 0;
    return found;
}

CalcStatus FindLunationFacts(const CChartCore& chart, double elongation, LunationFacts& facts) {
    const double jd = chart.GetJulianDay();
    const MomentKey place = KeyOfMoment(chart, 0.0);
    if (const auto remembered = RememberedLunations(elongation, place, jd)) {
        facts = *remembered;
        return {};
    }
    if (LunationFacts quick; FindLunationFactsQuickly(chart, elongation, quick)) {
        facts = quick;
    } else if (const SearchResult searched = SearchLunationFacts(chart, elongation, facts);
               !searched.found()) {
        return FailureOf(searched);
    }
    RememberLunations(elongation, place, facts);
    return {};
}
