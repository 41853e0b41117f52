// The ending every mode chart shares: the work chart cast for the found moment and calculated.
#include "document/mode_chart.h"

#include "chart/chart.h"
#include "core/body_names.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/tavro_doc.h"

CalcStatus CTavroDoc::ShowModeChart(const CChartCore& moment, const std::string& title, int mode,
                                    double periodDays) {
    if (CalcStatus status = PrepareModeChart(moment, title, mode, periodDays); !status.ok()) return status;
    return FinishModeChart();
}

CalcStatus CTavroDoc::PrepareModeChart(const CChartCore& moment, const std::string& title, int mode,
                                       double periodDays) {
    if (CalcStatus status = m_workChart.CopyDataAndCalc(moment); !status.ok()) return status;
    m_pCurrentChart = &m_workChart;
    m_nMode = mode;
    m_workChart.m_extraName[0] = kNoExtraPoint;
    m_workChart.m_strTitle = title;
    g_bDasaCompression = true;
    g_dCompressionDays = periodDays;
    return {};
}

CalcStatus CTavroDoc::FinishModeChart() {
    CalcStatus status = SyncAndCalculate();
    UpdateAllViews(nullptr);
    return status;
}

void ResetModeSelections(int year) {
    g_nTajakaYear = year;
    g_nTajakaMonth = g_nTajaka2DayPart = g_nTajaka5HourPart = g_nTajaka25MinPart = g_nTajaka2MinPart = 0;
    g_nTithiPraveshaYear = year;
    g_nTithiPraveshaMonth = g_nTithiPraveshaDay = 0;
}

const char* ModeBodyName(int body) {
    return g_pszPlanetNamesAlt != nullptr ? g_pszPlanetNamesAlt[body] : g_planetAbbrevs[body];
}

CalcStatus NatalPlaceAt(const CChart& natal, const CLocalDateTime& moment, CChartCore& into) {
    CChartCore given = natal;
    given.m_dateTime = moment;
    return natal.SetFromJulianDay(given.GetJulianDay(), into);
}

CalcStatus SearchFailure(const SearchResult& result, const std::string& notFound) {
    if (result.outcome == SearchOutcome::kFailed) return result.status;
    return CalcStatus::Failure(notFound);
}
