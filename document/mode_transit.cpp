// The transit mode: the transit chart, the transit search and the transit research.
#include "document/mode_transit.h"

#include <cmath>
#include <memory>

#include "chart/chart.h"
#include "core/drishti.h"
#include "core/search_progress.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/mode_chart.h"
#include "document/tavro_doc.h"
#include "document/transit_calendar.h"

std::array<CTransitResearchTable, kTransitResearchBodies> g_transitResearchTables;
int g_nTransitResearchMethod = kResearchDrishti;
double g_dTransitResearchMinStrength = 80.0;
double g_dTransitResearchOrbFraction = 4.0;
double g_dTransitResearchOrbMarsSaturn = 4.0;
double g_dTransitResearchOrbJupiter = 4.0;
int g_nTranResearchVarga = 0;

namespace {

// Natal points examined: lagna to Ketu, AL, A2-A11 and UL (59-70), Bhava, Hora and Ghati Lagna (13-15).
constexpr std::array<int, 25> kResearchPoints = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  59, 60, 61,
                                                 62, 63, 64, 65, 66, 67, 68, 69, 70, 13, 14, 15};
// Columns examined: D-1, D-9, D-7, D-10, D-11, D-12, D-16, D-20, D-24, D-30, D-60.
constexpr std::array<int, 11> kResearchColumns = {0, 1, 7, 9, 10, 11, 12, 13, 14, 16, 19};
// Mean daily motion of bodies 0-9, degrees per day (rounded traditional values).
constexpr std::array<double, 10> kMeanDailyMotion = {360.0,    1.0, 13.3333,  0.5,      1.0,
                                                     1.0 / 12, 1.0, 1.0 / 30, 1.0 / 18, 1.0 / 18};

// The research verdict on one pair: whether it is recorded and with which values.
bool Qualifies(double natal, double transit, int body, CTransitResearchEntry& entry) {
    switch (g_nTransitResearchMethod) {
    case kResearchAspectFraction:
        entry.dAspect =
            AspectFractionText(natal, transit, body, g_dTransitResearchOrbFraction, entry.strAspect);
        return entry.strAspect != "None" && entry.strAspect != "1/4";
    case kResearchMarsSaturn:
        entry.dAspect = SpecialAspectMarsSaturn(natal, transit, body, g_dTransitResearchOrbMarsSaturn);
        return entry.dAspect < 360.0;
    case kResearchJupiter:
        entry.dAspect = SpecialAspectJupiter(natal, transit, body, g_dTransitResearchOrbJupiter);
        return entry.dAspect < 360.0;
    default:
        entry.dStrength = DrishtiStrength(natal, transit, body);
        return std::fabs(std::trunc(entry.dStrength)) >= g_dTransitResearchMinStrength;
    }
}

} // namespace

CalcStatus FillTransitResearchTables(CChart& natal, const CChart& transit, int transitColumn,
                                     std::array<CTransitResearchTable, kTransitResearchBodies>& tables) {
    for (int t = 0; t < kTransitResearchBodies; ++t) {
        if (CalcStatus go = SearchStep(); !go.ok()) return go;
        const int body = kTransitResearchBodyOrder[t];
        CTransitResearchTable& table = tables[t];
        table.nCount = 0;
        table.transit = transitColumn == kD1Column ? transit.m_bodies[body]
                                                   : transit.DivisionalLongitude(body, transitColumn);
        table.transit.SplitLongitude();
        table.dSpeedRatio = transit.m_dBodySpeed[body] / kMeanDailyMotion[body];
        for (int point : kResearchPoints) {
            for (int column : kResearchColumns) {
                if (table.nCount == kTransitResearchMaxEntries) break;
                const CChart* varga = natal.GetVargaChart(column);
                if (varga == nullptr) continue;
                CTransitResearchEntry entry;
                entry.nColumn = column;
                entry.nPoint = point;
                entry.natal = varga->m_bodies[point];
                entry.natal.SplitLongitude();
                if (Qualifies(entry.natal.m_dLongitude, table.transit.m_dLongitude, body, entry)) {
                    table.entries[table.nCount++] = entry;
                }
            }
        }
    }
    return {};
}

CalcStatus CTavroDoc::ShowTransitChart(const CLocalDateTime& moment) {
    CChartCore converted;
    if (CalcStatus status = NatalPlaceAt(m_natalChart, moment, converted); !status.ok()) return status;
    m_workChart = m_natalChart;
    m_workChart.m_dateTime = converted.m_dateTime;
    m_workChart.m_strTitle = "Transit";
    m_pCurrentChart = &m_workChart;
    m_nMode = kModeTransit;
    g_bDasaCompression = false;
    CalcStatus status = SyncAndCalculate();
    UpdateAllViews(nullptr);
    return status;
}

CalcStatus CTavroDoc::CalcTransitSearch(const CLocalDateTime& from, int body, double target,
                                        double separation, bool forward) {
    CChartCore start = m_natalChart;
    start.m_dateTime = from;
    if (CalcStatus status = start.CalcPlanets(); !status.ok()) return status;
    CLongitudeSearchRequest request;
    request.m_nBodyA = body;
    request.m_dTarget = target;
    request.m_dSeparation = separation;
    request.m_bBackward = forward ? 0 : 1;
    CChartCore found;
    const SearchResult s = start.FindLongitudeTime(found, request);
    if (!s.found())
        return SearchFailure(s, "The body does not reach the longitude within the range searched.");
    request.m_bBackward = 0;
    CChartCore next;
    const SearchResult e = found.FindLongitudeTime(next, request);
    if (!e.found())
        return SearchFailure(e, "The body does not reach the longitude again within the range searched.");
    return ShowModeChart(found, "Transit Search", kModeMundane, e.jdUt - s.jdUt);
}

CalcStatus CTavroDoc::CalcTransitResearch() {
    CChartCore moment;
    if (CalcStatus status = NatalPlaceAt(m_natalChart, g_transitMoment, moment); !status.ok()) return status;
    CChart transit = m_natalChart;
    transit.m_dateTime = moment.m_dateTime;
    transit.m_strTitle = "Transit";
    if (CalcStatus status = transit.Compute(); !status.ok()) return status;
    // Filled apart, so that a research stopped half-way leaves the tables of the last one whole.
    auto tables = std::make_unique<std::array<CTransitResearchTable, kTransitResearchBodies>>();
    const int transitColumn = CalendarChooserColumn(g_nTranResearchVarga);
    if (CalcStatus status = FillTransitResearchTables(m_natalChart, transit, transitColumn, *tables);
        !status.ok())
        return status;
    g_transitResearchTables = *tables;
    return {};
}
