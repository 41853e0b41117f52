// Event charts not found by a longitude search alone: eclipses, swearing-in (period) charts, angular
// returns and the Nisheka (conception) chart.
#include <cmath>
#include <cstdio>

#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/planet_tables.h"
#include "core/return_charts.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/eclipse_search.h"
#include "document/mode_chart.h"
#include "document/mode_mundane.h"
#include "document/tavro_doc.h"

namespace {

constexpr double kNextEclipseAfterDays = 1.0; // the next eclipse is searched from a day after this one
constexpr double kGestationExtraDays = 28.5;
constexpr int kMaandi = 31;
// A period counts as whole years when it is that many years to within this (days).
constexpr double kWholeYearTolerance = 1e-6;

} // namespace

std::string SwearingInTitle(double periodDays) {
    const double years = std::round(periodDays / kMeanTropicalYearDays);
    char title[64];
    if (years >= 1.0 && std::fabs(periodDays - years * kMeanTropicalYearDays) < kWholeYearTolerance) {
        std::snprintf(title, sizeof title, "%.0f-yr chart", years);
    } else {
        std::snprintf(title, sizeof title, "Chart of %.0f days", periodDays);
    }
    return title;
}

double NishekaDays(double cusp1, double cusp9, double moonInSign, double saturnInSign, double maandiInSign,
                   double lagna, double lagnaLord) {
    double days = AngleDiff(cusp9, cusp1) + std::fabs(std::trunc(maandiInSign - saturnInSign));
    if (AngleDiff(lagnaLord, lagna) < 180.0) days += moonInSign;
    return days + kGestationExtraDays;
}

CalcStatus CTavroDoc::CalcSwearingInChart() {
    return ShowModeChart(*m_pCurrentChart, SwearingInTitle(g_dCompressionDays), kModeMundane,
                         g_dCompressionDays);
}

CalcStatus CTavroDoc::CalcEclipseChart(bool next, EclipseKind kind, bool atStart, std::string& title,
                                       std::string& contacts) {
    const CChart& place = *m_pCurrentChart;
    const EclipseFound eclipse = FindEclipse(kind, place.GetJulianDay(), place, !next);
    if (!eclipse.ok()) return eclipse.status;
    const int contact = EclipseChartContact(kind, atStart);
    const double startJd = eclipse.contacts[contact];
    if (startJd == 0.0) return CalcStatus::Failure("The eclipse found has no such contact.");
    const EclipseFound following = FindEclipse(kind, startJd + kNextEclipseAfterDays, place, false);
    if (!following.ok()) return following.status;
    CChartCore moment;
    if (CalcStatus status = place.SetFromJulianDay(startJd, moment); !status.ok()) return status;
    const std::string eclipseTitle = EclipseTitle(kind, eclipse.type);
    contacts = EclipseContactText(kind, eclipse, place.m_dateTime.m_zone.m_dHours, g_bTimeDisplayWithAmPm);
    const double days = following.contacts[contact] - startJd;
    // A type none of the titles names keeps the work chart's title.
    CalcStatus status = ShowModeChart(moment, eclipseTitle.empty() ? m_workChart.m_strTitle : eclipseTitle,
                                      kModeMundane, days);
    title = m_workChart.m_strTitle;
    return status;
}

CalcStatus CTavroDoc::CalcAngularReturnChart(int a, int b, bool backward, const CLocalDateTime& moment) {
    CChartCore start;
    if (CalcStatus status = NatalPlaceAt(m_natalChart, moment, start); !status.ok()) return status;
    const double angle =
        AngleDiff(m_natalChart.m_bodies[a].m_dLongitude, m_natalChart.m_bodies[b].m_dLongitude);
    CChartCore found, probe, next;
    const SearchResult s = start.FindLongitudeTime(found, SeparationRequest(a, b, angle, backward));
    if (!s.found())
        return SearchFailure(s,
                             "The two bodies do not return to their natal angle within the range searched.");
    if (CalcStatus status = start.SetFromJulianDay(s.jdUt + kModeSearchStepDays, probe); !status.ok())
        return status;
    const SearchResult e = probe.FindLongitudeTime(next, SeparationRequest(a, b, angle, false));
    if (!e.found())
        return SearchFailure(
            e, "The two bodies do not return to their natal angle again within the range searched.");
    char title[64];
    std::snprintf(title, sizeof title, "Ang Ret %s-%s", ModeBodyName(a), ModeBodyName(b));
    return ShowModeChart(found, title, kModeMundane, e.jdUt - s.jdUt);
}

CalcStatus CTavroDoc::CalcNishekaChart() {
    const CChart& natal = m_natalChart;
    const auto inSign = [&](int body) { return natal.m_bodies[body].DegreesInSign(); };
    const int lagnaLord = kPlainSignLords[natal.m_bodies[kLagna].m_nSign];
    const double days = NishekaDays(natal.m_dHouseCusps[0], natal.m_dHouseCusps[8], inSign(kMoon),
                                    inSign(kSaturn), inSign(kMaandi), natal.m_bodies[kLagna].m_dLongitude,
                                    natal.m_bodies[lagnaLord].m_dLongitude);
    // R days back from birth, counted as R / 365 years of 360 days.
    CChartCore conception;
    const SearchResult found = natal.CastAnnualChart(-days / 365.0, conception, kYearSavana);
    if (!found.found()) return SearchFailure(found, "The conception moment lies outside the ephemeris.");
    // The common ending clears extra point 0, so no point an earlier mode left stays with this chart.
    return ShowModeChart(conception, "Nisheka/Adhana", kModeMundane, days);
}
