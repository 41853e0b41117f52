// The Tithi Pravesha mode: the year family and the moment family of Pravesha charts.
#include "document/mode_tithi_pravesha.h"

#include <algorithm>

#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/return_charts.h"
#include "document/mode_chart.h"
#include "document/tavro_doc.h"

std::string g_strPraveshaLabel = "TP";
int g_nTithiPraveshaYear = 0;
int g_nTithiPraveshaMonth = 0;
int g_nTithiPraveshaDay = 0;
bool g_bTithiPraveshaFromMoment = false;
int g_nTithiPraveshaPeriod = kTithiPraveshaAnnual;
bool g_bTithiPraveshaBackward = false;
CLocalDateTime g_tithiPraveshaMoment;

namespace {

// The annual search starts 90 days (in mean tropical years of 365.24219 days) after the anniversary
// and looks back for the latest return at which the Sun still stands in its natal sign.
constexpr double kAnnualLeadYears = 0.24641183977130354;
constexpr double kTithiDegrees = 12.0;

// A Pravesha moment with its lunar month (by LunarYrDef; -1 when the rule gives none).
struct Pravesha {
    CChartCore moment;
    int month = -1;
    double Jd() const { return moment.GetJulianDay(); }
};

// The searches of one natal chart: a search for (x) finds the moment the kind's quantity stands x
// degrees past its natal value (a = natal Moon + x, b = natal Sun).
class PraveshaFinder {
public:
    explicit PraveshaFinder(const CChart& natal) : m_natal(natal) {}

    SearchResult Find(double fromJd, double x, bool backward, Pravesha& out) const {
        CChartCore from;
        m_natal.JulianDayToDate(fromJd, from);
        out.month = -1;
        return from.FindPraveshaMoment(m_natal.m_bodies[kMoon].m_dLongitude + x,
                                       m_natal.m_bodies[kSun].m_dLongitude, backward, out.month, out.moment);
    }
    // The Sun back in its natal sign; or, without SolarMonthUsedInTP, the natal lunar month.
    bool Criterion(const Pravesha& p) const { return g_bSolarMonthUsedInTP ? SolarMatch(p) : LunarMatch(p); }
    bool OtherCriterion(const Pravesha& p) const {
        return g_bSolarMonthUsedInTP ? LunarMatch(p) : SolarMatch(p);
    }

    // The first return (x = 0) from `fromJd` in the search direction that meets the criterion; with
    // `preferBoth`, the return before it instead when that one meets both criteria and it does not.
    SearchResult FindAnnual(double fromJd, bool backward, bool preferBoth, Pravesha& out) const {
        for (int attempt = 0; attempt < kTithiPraveshaSearchCap; ++attempt) {
            const SearchResult found = Find(fromJd, 0.0, backward, out);
            if (!found.found()) return found;
            if (Criterion(out)) {
                if (preferBoth && !OtherCriterion(out)) return PreferBoth(found, out);
                return found;
            }
            fromJd = found.jdUt + (backward ? -kModeSearchStepDays : kModeSearchStepDays);
        }
        return SearchResult::NotFound();
    }

private:
    bool SolarMatch(const Pravesha& p) const {
        return p.moment.m_bodies[kSun].m_nSign == m_natal.m_bodies[kSun].m_nSign;
    }
    bool LunarMatch(const Pravesha& p) const { return p.month == m_natal.m_panchanga.m_nLunarMonth; }

    SearchResult PreferBoth(const SearchResult& found, Pravesha& out) const {
        Pravesha earlier;
        const SearchResult before = Find(found.jdUt - kModeSearchStepDays, 0.0, true, earlier);
        if (before.outcome == SearchOutcome::kFailed) return before;
        if (before.found() && Criterion(earlier) && OtherCriterion(earlier)) {
            out = earlier;
            return before;
        }
        return found;
    }

    const CChart& m_natal;
};

CalcStatus NotFound(const SearchResult& result) {
    return SearchFailure(result, "No " + g_strPraveshaLabel + " moment was found within the range searched.");
}

// Julian day (UT) of the anniversary `years` mean tropical years after birth.
double AnniversaryJd(const CChart& natal, double years) {
    return natal.GetJulianDay() + years * kMeanTropicalYearDays;
}

CalcStatus ShowPraveshaChart(CTavroDoc& doc, const char* word, const Pravesha& chart, double endJd) {
    return doc.ShowModeChart(chart.moment, word + g_strPraveshaLabel, kModeTithiPravesha, endJd - chart.Jd());
}

// The monthly moment of the year family: the annual return (without preferring one that meets both
// criteria), then the following returns up to the chosen month.
SearchResult FindTithiPraveshaMonth(const CChart& natal, Pravesha& month) {
    const PraveshaFinder finder(natal);
    const int years = g_nTithiPraveshaYear - natal.m_dateTime.m_nYear;
    SearchResult found =
        finder.FindAnnual(AnniversaryJd(natal, years + kAnnualLeadYears), true, false, month);
    for (int k = 1; found.found() && k < g_nTithiPraveshaMonth; ++k) {
        found = finder.Find(found.jdUt + kModeSearchStepDays, 0.0, false, month);
    }
    return found;
}

CalcStatus CalcFortnightFrom(CTavroDoc& doc, double fromJd, bool backward) {
    const PraveshaFinder finder(doc.m_natalChart);
    // The natal tithi's return (A) or its opposite point (B), whichever comes first in the search direction.
    Pravesha a, b, endA, endB;
    const SearchResult foundA = finder.Find(fromJd, 0.0, backward, a);
    if (!foundA.found()) return NotFound(foundA);
    const SearchResult foundB = finder.Find(fromJd, 180.0, backward, b);
    if (!foundB.found()) return NotFound(foundB);
    const bool takeB = backward ? foundB.jdUt > foundA.jdUt : foundB.jdUt < foundA.jdUt;
    const Pravesha& start = takeB ? b : a;
    const SearchResult nextA = finder.Find(start.Jd() + kModeSearchStepDays, 0.0, false, endA);
    if (!nextA.found()) return NotFound(nextA);
    const SearchResult nextB = finder.Find(start.Jd() + kModeSearchStepDays, 180.0, false, endB);
    if (!nextB.found()) return NotFound(nextB);
    return ShowPraveshaChart(doc, takeB ? "Fortntly " : "Fortntly", start, std::min(nextA.jdUt, nextB.jdUt));
}

CalcStatus CalcDailyFrom(CTavroDoc& doc, double fromJd, bool backward) {
    const CChart& natal = doc.m_natalChart;
    CChartCore given;
    natal.JulianDayToDate(fromJd, given);
    if (CalcStatus status = given.CalcPlanets(); !status.ok()) return status;
    const auto moonSun = [](const CChartCore& c) {
        return AngleDiff(c.m_bodies[kMoon].m_dLongitude, c.m_bodies[kSun].m_dLongitude);
    };
    const double now = moonSun(given);
    const double natalAngle = moonSun(natal);
    // The nearest tithi boundary in the search direction, in 12-degree steps from the natal tithi's start.
    int k = 0;
    if (backward) {
        for (double a = natalAngle + 360.0; a >= now; a -= kTithiDegrees)
            k -= static_cast<int>(kTithiDegrees);
    } else {
        for (double a = natalAngle - 360.0; a <= now; a += kTithiDegrees)
            k += static_cast<int>(kTithiDegrees);
    }
    const PraveshaFinder finder(natal);
    Pravesha start, end;
    SearchResult found = finder.Find(fromJd, k, backward, start);
    if (!found.found()) return NotFound(found);
    found = finder.Find(found.jdUt + kModeSearchStepDays, k + kTithiDegrees, false, end);
    if (!found.found()) return NotFound(found);
    return ShowPraveshaChart(doc, "Daily ", start, end.Jd());
}

} // namespace

CalcStatus CTavroDoc::CalculateTithiPravesha() {
    if (g_bTithiPraveshaFromMoment) {
        return CalculateTithiPraveshaAlt(g_nTithiPraveshaPeriod, g_bTithiPraveshaBackward,
                                         g_tithiPraveshaMoment);
    }
    if (g_nTithiPraveshaMonth == 0) return CalcTithiPraveshaAnnual();
    if (g_nTithiPraveshaDay != 0) return CalcTithiPraveshaDaily();
    return CalcTithiPraveshaMonthly();
}

CalcStatus CTavroDoc::CalcTithiPraveshaAnnual() {
    const PraveshaFinder finder(m_natalChart);
    const int years = g_nTithiPraveshaYear - m_natalChart.m_dateTime.m_nYear;
    Pravesha start, end;
    SearchResult found =
        finder.FindAnnual(AnniversaryJd(m_natalChart, years + kAnnualLeadYears), true, true, start);
    if (!found.found()) return NotFound(found);
    found = finder.FindAnnual(AnniversaryJd(m_natalChart, years + 1 + kAnnualLeadYears), true, true, end);
    if (!found.found()) return NotFound(found);
    return ShowPraveshaChart(*this, "Annual ", start, end.Jd());
}

CalcStatus CTavroDoc::CalcTithiPraveshaMonthly() {
    Pravesha start, end;
    SearchResult found = FindTithiPraveshaMonth(m_natalChart, start);
    if (!found.found()) return NotFound(found);
    found = PraveshaFinder(m_natalChart).Find(found.jdUt + kModeSearchStepDays, 0.0, false, end);
    if (!found.found()) return NotFound(found);
    return ShowPraveshaChart(*this, "Monthly ", start, end.Jd());
}

CalcStatus CTavroDoc::CalcTithiPraveshaDaily() {
    const PraveshaFinder finder(m_natalChart);
    Pravesha month, start, end;
    SearchResult found = FindTithiPraveshaMonth(m_natalChart, month);
    if (!found.found()) return NotFound(found);
    found = finder.Find(found.jdUt - kModeSearchStepDays, kTithiDegrees * (g_nTithiPraveshaDay - 1), false,
                        start);
    if (!found.found()) return NotFound(found);
    found = finder.Find(found.jdUt + kModeSearchStepDays, kTithiDegrees * g_nTithiPraveshaDay, false, end);
    if (!found.found()) return NotFound(found);
    return ShowPraveshaChart(*this, "Daily ", start, end.Jd());
}

CalcStatus CTavroDoc::CalculateTithiPraveshaAlt(int period, bool backward, const CLocalDateTime& moment) {
    g_nTithiPraveshaPeriod = period;
    g_bTithiPraveshaBackward = backward;
    g_tithiPraveshaMoment = moment;
    // The moment's own zone gives its instant; the searches then run in the natal zone.
    CChartCore given;
    if (CalcStatus status = NatalPlaceAt(m_natalChart, moment, given); !status.ok()) return status;
    const double fromJd = given.GetJulianDay();
    const PraveshaFinder finder(m_natalChart);
    Pravesha start, end;
    switch (period) {
    case kTithiPraveshaMonthly: {
        SearchResult found = finder.Find(fromJd, 0.0, backward, start);
        if (!found.found()) return NotFound(found);
        found = finder.Find(found.jdUt + kModeSearchStepDays, 0.0, false, end);
        if (!found.found()) return NotFound(found);
        return ShowPraveshaChart(*this, "Monthly ", start, end.Jd());
    }
    case kTithiPraveshaFortnightly:
        return CalcFortnightFrom(*this, fromJd, backward);
    case kTithiPraveshaDaily:
        return CalcDailyFrom(*this, fromJd, backward);
    default: {
        SearchResult found = finder.FindAnnual(fromJd, backward, true, start);
        if (!found.found()) return NotFound(found);
        found = finder.FindAnnual(start.Jd() + 2 * kModeSearchStepDays, false, true, end);
        if (!found.found()) return NotFound(found);
        return ShowPraveshaChart(*this, "Annual ", start, end.Jd());
    }
    }
}
