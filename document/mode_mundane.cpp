// Mundane and event charts found by longitude searches: ingresses and division changes, stations,
// solar and lunar years and months, fortnights, lunar days and conjunctions.
#include "document/mode_mundane.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "core/angle_math.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/zodiac_names.h"
#include "document/mode_chart.h"
#include "document/tavro_doc.h"

namespace {

constexpr double kDivisionEndStepDays = 0.01; // past a division change before its end is searched
constexpr double kArdraStart = 400.0 / 6.0;   // 66 deg 40': the start of Ardra
// Divisions of varga columns 0-22 (D-1, D-9, D-2 ... D-144): codes up to kDivisionLastColumnCode.
constexpr std::array<int, kDivisionLastColumnCode> kColumnDivisions = {
    1, 9, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 16, 20, 24, 27, 30, 40, 45, 60, 81, 108, 144};
static_assert(kColumnDivisions.back() == 144, "every division code up to the last has its column");

CLongitudeSearchRequest OneBody(int body, double target, bool backward) {
    CLongitudeSearchRequest request;
    request.m_nBodyA = body;
    request.m_dTarget = Reduce360(target);
    request.m_bBackward = backward ? 1 : 0;
    return request;
}

// The moment found and the one that ends its period.
struct EventPair {
    CChartCore start;
    double endJd = 0.0;
    double Days() const { return endJd - start.GetJulianDay(); }
};

// A probe at `from`'s place at `jdUt`, with its bodies 0-12.
CalcStatus ProbeAt(const CChartCore& from, double jdUt, CChartCore& probe) {
    return from.SetFromJulianDay(jdUt, probe);
}

// The Sun reaching `first` from `from` in the search direction, then `second` forward from there;
// tropical longitudes when asked.
SearchResult FindSunIngressPair(const CChartCore& from, bool forward, bool tropical, double first,
                                double second, EventPair& pair) {
    std::optional<TropicalZodiacScope> zodiac;
    if (tropical) zodiac.emplace();
    const SearchResult s = from.FindLongitudeTime(pair.start, OneBody(kSun, first, !forward));
    if (!s.found()) return s;
    CChartCore probe, end;
    if (CalcStatus status = ProbeAt(from, s.jdUt + kModeSearchStepDays, probe); !status.ok())
        return SearchResult::Failed(status);
    const SearchResult e = probe.FindLongitudeTime(end, OneBody(kSun, second, false));
    if (e.found()) pair.endJd = e.jdUt;
    return e;
}

// Body a - body b reaching `angle` from `from` in the search direction, then again forward.
SearchResult FindAngleEventPair(const CChartCore& from, int a, int b, bool forward, double angle,
                                EventPair& pair) {
    const SearchResult s =
        from.FindLongitudeTime(pair.start, SeparationRequest(a, b, Reduce360(angle), !forward));
    if (!s.found()) return s;
    CChartCore probe, end;
    if (CalcStatus status = ProbeAt(from, s.jdUt + kModeSearchStepDays, probe); !status.ok())
        return SearchResult::Failed(status);
    const SearchResult e = probe.FindLongitudeTime(end, SeparationRequest(a, b, Reduce360(angle), false));
    if (e.found()) pair.endJd = e.jdUt;
    return e;
}

// The new or full moon (a - b reaching `angle` or `angle` + 180) met first in the search direction,
// ended by the next moment of the other.
SearchResult FindFortnightEvent(const CChartCore& from, int a, int b, bool forward, double angle,
                                EventPair& pair) {
    CChartCore first, opposite;
    const SearchResult sa =
        from.FindLongitudeTime(first, SeparationRequest(a, b, Reduce360(angle), !forward));
    if (!sa.found()) return sa;
    const SearchResult sb =
        from.FindLongitudeTime(opposite, SeparationRequest(a, b, Reduce360(angle + 180), !forward));
    if (!sb.found()) return sb;
    const bool takeOpposite = forward ? sb.jdUt < sa.jdUt : sb.jdUt > sa.jdUt;
    pair.start = takeOpposite ? opposite : first;
    const double other = takeOpposite ? angle : angle + 180.0;
    const double startJd = takeOpposite ? sb.jdUt : sa.jdUt;
    CChartCore probe, end;
    if (CalcStatus status = ProbeAt(from, startJd + kModeSearchStepDays, probe); !status.ok())
        return SearchResult::Failed(status);
    const SearchResult e = probe.FindLongitudeTime(end, SeparationRequest(a, b, Reduce360(other), false));
    if (e.found()) pair.endJd = e.jdUt;
    return e;
}

// The body's change of division (code) met first in the search direction from `from`, and the end of
// its stay in the division it entered.
SearchResult FindDivisionChange(const CChartCore& from, int body, int code, bool forward, EventPair& pair) {
    // The nodes change every division but the nakshatra together, so Ketu's change is Rahu's.
    if (body == kKetu && code != kDivisionNakshatra) body = kRahu;
    const double w = DivisionSpan(code);
    const double t = DivisionTarget(code, from.m_bodies[body].m_dLongitude);
    CChartCore a, b;
    const SearchResult foundA = from.FindLongitudeTime(a, OneBody(body, t, !forward));
    if (!foundA.found()) return foundA;
    const SearchResult foundB = from.FindLongitudeTime(b, OneBody(body, t + w, !forward));
    if (!foundB.found()) return foundB;
    // The crossing met first; a body that turns back before leaving crosses the lower boundary.
    const bool takeA = forward ? foundA.jdUt <= foundB.jdUt : foundA.jdUt >= foundB.jdUt;
    const double f = forward ? 1.0 : 0.0;
    const double low = takeA ? t - f * w : t + f * w;
    pair.start = takeA ? a : b;
    const double startJd = takeA ? foundA.jdUt : foundB.jdUt;
    CChartCore probe, c, d;
    if (CalcStatus status = ProbeAt(from, startJd + kDivisionEndStepDays, probe); !status.ok()) {
        return SearchResult::Failed(status);
    }
    const SearchResult foundC = probe.FindLongitudeTime(c, OneBody(body, low, false));
    if (!foundC.found()) return foundC;
    const SearchResult foundD = probe.FindLongitudeTime(d, OneBody(body, low + w, false));
    if (!foundD.found()) return foundD;
    pair.endJd = std::min(foundC.jdUt, foundD.jdUt);
    return foundD;
}

std::string DivisionName(int code) {
    if (code == kDivisionRasi) return "Rasi";
    if (code == kDivisionNakshatra) return "Nakshatra";
    if (code == kDivisionFirstColumnCode) return "Navamsa";
    if (code > kDivisionFirstColumnCode && code <= kDivisionLastColumnCode) return g_strVargaLabels[code - 1];
    if (code >= kDivisionSignEntry && code < kDivisionSignEntry + 12)
        return g_signNames[code - kDivisionSignEntry];
    return "Ardra";
}

const char* const kNoEventFound = "No such event was found within the range searched.";

} // namespace

double DivisionSpan(int code) {
    if (code == kDivisionRasi) return 30.0;
    if (code == kDivisionNakshatra) return 40.0 / 3.0;
    if (code >= kDivisionFirstColumnCode && code <= kDivisionLastColumnCode) {
        return 30.0 / kColumnDivisions[code - 1];
    }
    if ((code >= kDivisionSignEntry && code < kDivisionSignEntry + 12) || code == kDivisionArdraEntry)
        return 360.0;
    return 0.0;
}

double DivisionTarget(int code, double longitude) {
    if (code >= kDivisionSignEntry && code < kDivisionSignEntry + 12)
        return (code - kDivisionSignEntry) * 30.0;
    if (code == kDivisionArdraEntry) return kArdraStart;
    const double w = DivisionSpan(code);
    return std::floor(longitude / w) * w;
}

CalcStatus CTavroDoc::EventSearchStart(bool forward, CChartCore& start) const {
    if (m_pCurrentChart == &m_natalChart) return m_natalChart.CalcInto(start);
    const double jd =
        m_pCurrentChart->GetJulianDay() + (forward ? kModeSearchStepDays : -kModeSearchStepDays);
    return m_pCurrentChart->SetFromJulianDay(jd, start);
}

CalcStatus CTavroDoc::CalcDivisionChangeChart(int body, int code, bool forward) {
    if (DivisionSpan(code) == 0.0)
        return CalcStatus::Failure("Division code " + std::to_string(code) + " is not known.");
    CChartCore start;
    if (CalcStatus status = EventSearchStart(forward, start); !status.ok()) return status;
    EventPair pair;
    const SearchResult found = FindDivisionChange(start, body, code, forward, pair);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    char title[96];
    std::snprintf(title, sizeof title, "%s change (%s)", DivisionName(code).c_str(), ModeBodyName(body));
    return ShowModeChart(pair.start, title, kModeMundane, pair.Days());
}

CalcStatus CTavroDoc::CalcArdraPraveshaChart(bool forward) {
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    EventPair pair;
    const SearchResult found = FindDivisionChange(start, kSun, kDivisionArdraEntry, forward, pair);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    return ShowModeChart(pair.start, "Meteorological Yr", kModeMundane, pair.Days());
}

CalcStatus CTavroDoc::CalcRetroChangeChart(int body, bool forward) {
    CChartCore start;
    if (CalcStatus status = EventSearchStart(forward, start); !status.ok()) return status;
    const int searched = body == kKetu ? kRahu : body; // the nodes station together
    CChartCore station, next;
    std::uint8_t state = 0;
    const SearchResult s = start.FindStation(station, searched, forward, state);
    if (!s.found()) return SearchFailure(s, "The body does not station within the range searched.");
    const SearchResult e = station.FindStation(next, searched, true, state);
    if (!e.found()) return SearchFailure(e, "The body does not station again within the range searched.");
    return ShowModeChart(station, std::string("Retro change (") + ModeBodyName(body) + ")", kModeMundane,
                         e.jdUt - s.jdUt);
}

CalcStatus CTavroDoc::CalcSolarNewYearChart(bool forward) {
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    const double sign = g_nSolarYrSign * 30.0;
    EventPair pair;
    const SearchResult found = FindSunIngressPair(start, forward, g_bSolarYrTrop, sign, sign, pair);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    return ShowModeChart(pair.start, "Solar Year", kModeMundane, pair.Days());
}

CalcStatus CTavroDoc::CastSolarMonth(bool forward, bool tropical, const char* title) {
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    const double sun = m_natalChart.m_bodies[kSun].m_dLongitude + (tropical ? m_natalChart.m_dAyanamsa : 0.0);
    const double target = std::floor(Reduce360(sun) / 30.0) * 30.0 + (forward ? 30.0 : 0.0);
    EventPair pair;
    const SearchResult found = FindSunIngressPair(start, forward, tropical, target, target + 30.0, pair);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    return ShowModeChart(pair.start, title, kModeMundane, pair.Days());
}

CalcStatus CTavroDoc::CalcSolarNewMonthChart(bool forward) {
    return CastSolarMonth(forward, g_bSolarYrTrop, "Solar Month");
}

namespace {

// The lunar rules count the full moon (0, 1), the new moon (2, 3) or the Sun's ingress (4, 5); odd
// rules in the tropical zodiac.
bool LunarRuleByIngress() {
    return g_nLunarYrDef == 4 || g_nLunarYrDef == 5;
}
bool LunarRuleTropical() {
    return g_nLunarYrDef % 2 == 1;
}
double LunarRuleAngle() {
    return g_nLunarYrDef <= 1 ? 180.0 : 0.0;
}

} // namespace

CalcStatus CTavroDoc::CalcLunarNewYearChart(bool forward) {
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    const double sign = g_nLunarYrSign * 30.0;
    EventPair ingress;
    SearchResult found = FindSunIngressPair(start, forward, LunarRuleTropical(), sign, sign, ingress);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    if (LunarRuleByIngress()) return ShowModeChart(ingress.start, "Lunar Year", kModeMundane, ingress.Days());
    // The first lunation of the rule's kind from each ingress on.
    const auto request = SeparationRequest(kMoon, kSun, LunarRuleAngle(), false);
    CChartCore yearStart, yearEnd, endProbe;
    found = ingress.start.FindLongitudeTime(yearStart, request);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    if (CalcStatus status = ProbeAt(start, ingress.endJd, endProbe); !status.ok()) return status;
    const SearchResult end = endProbe.FindLongitudeTime(yearEnd, request);
    if (!end.found()) return SearchFailure(end, kNoEventFound);
    return ShowModeChart(yearStart, "Lunar Year", kModeMundane, end.jdUt - found.jdUt);
}

CalcStatus CTavroDoc::CalcLunarNewMonthChart(bool forward) {
    if (LunarRuleByIngress()) return CastSolarMonth(forward, g_nLunarYrDef == 5, "Lunar Month");
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    EventPair pair;
    const SearchResult found = FindAngleEventPair(start, kMoon, kSun, forward, LunarRuleAngle(), pair);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    return ShowModeChart(pair.start, "Lunar Month", kModeMundane, pair.Days());
}

CalcStatus CTavroDoc::CalcFortnightChart(bool forward) {
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    EventPair pair;
    const SearchResult found = FindFortnightEvent(start, kMoon, kSun, forward, 0.0, pair);
    if (!found.found()) return SearchFailure(found, kNoEventFound);
    return ShowModeChart(pair.start, "Fortnight Chart", kModeMundane, pair.Days());
}

CalcStatus CTavroDoc::CalcNewLunarDayChart(bool forward) {
    CChartCore start;
    if (CalcStatus status = m_natalChart.CalcInto(start); !status.ok()) return status;
    const double natal =
        AngleDiff(m_natalChart.m_bodies[kMoon].m_dLongitude, m_natalChart.m_bodies[kSun].m_dLongitude);
    const double target = std::floor(natal / 12.0) * 12.0 + (forward ? 12.0 : 0.0);
    CChartCore day, next, probe;
    const SearchResult s =
        start.FindLongitudeTime(day, SeparationRequest(kMoon, kSun, Reduce360(target), !forward));
    if (!s.found()) return SearchFailure(s, kNoEventFound);
    if (CalcStatus status = ProbeAt(start, s.jdUt + kModeSearchStepDays, probe); !status.ok()) return status;
    const SearchResult e =
        probe.FindLongitudeTime(next, SeparationRequest(kMoon, kSun, Reduce360(target + 12.0), false));
    if (!e.found()) return SearchFailure(e, kNoEventFound);
    return ShowModeChart(day, "Lunar Day", kModeMundane, e.jdUt - s.jdUt);
}

CalcStatus CTavroDoc::CalcConjunctionChart(int a, int b, bool forward, double angle) {
    CChartCore start;
    if (CalcStatus status = EventSearchStart(forward, start); !status.ok()) return status;
    EventPair pair;
    const SearchResult found = FindAngleEventPair(start, a, b, forward, angle, pair);
    if (!found.found())
        return SearchFailure(found, "The two bodies do not reach the angle within the range searched.");
    char title[64];
    std::snprintf(title, sizeof title, angle != 180.0 ? "%s-%s Conj" : "%s-%s Opp", ModeBodyName(a),
                  ModeBodyName(b));
    return ShowModeChart(pair.start, title, kModeMundane, pair.Days());
}
