// CTavroDoc: construction, a new chart, and the calculation road every change takes.
#include "document/tavro_doc.h"

#include <algorithm>

#include "core/calc_options.h"
#include "core/dst_rules.h"
#include "document/birth_time_undo.h"
#include "document/clock_time.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/mode_chart.h"
#include "document/varga_labels.h"

namespace {

// Both charts the document calculates start bound to the natal chart, with no extra points and no place.
void SetUpChart(CChart& chart, CChart& natal) {
    chart.m_pNatalChart = &natal;
    chart.m_pAnalysisChart = &chart;
    chart.m_extraName.fill(kNoExtraPoint);
    chart.m_strCity = "Unknown";
    chart.m_strState = "Unknown";
    chart.m_nPlaceCode = 0;
}

void SetZone(CHmsTime& zone, double hours) {
    zone.m_dHours = hours;
    zone.SplitHours();
}

// The dasa pages' saved state into the tree: the selected periods, then the level shown.
static_assert(kDasaNavStateWords == kDasaLevels + 1);
void SetDasaNavigation(CDasaTree& tree, const DasaNavState& state) {
    std::copy_n(state.begin(), kDasaLevels, tree.nSelected.begin());
    tree.nLevel = state[kDasaLevels];
}

} // namespace

CTavroDoc::CTavroDoc() : m_pCurrentChart(&m_natalChart) {
    SetToClockTime(g_clockMoment);
    g_dBirthZone = g_clockMoment.m_zone.m_dHours;
    g_transitMoment = g_clockMoment;
    ResetModeSelections(g_clockMoment.m_nYear);
    g_bZoneOverride = false;
    g_nBhavaReferenceBody = 0;
    g_nDasaCycleOffsetByCode.fill(0);
    SetUpChart(m_natalChart, m_natalChart);
    SetUpChart(m_workChart, m_natalChart);
    m_natalChart.m_strTitle = "Natal Chart";
}

CTavroDoc::~CTavroDoc() {
    if (g_pReferenceChart == &m_natalChart || g_pReferenceChart == &m_workChart) g_pReferenceChart = nullptr;
}

CChart* CTavroDoc::CalculatedChart() const {
    return m_pCurrentChart && !m_pCurrentChart->LastCalculationFailed() ? m_pCurrentChart : nullptr;
}

bool CTavroDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    g_nCalendarFlag = 1;
    SetToClockTime(g_clockMoment);
    g_bDasaShift.fill(false);
    g_birthTimeUndo.Clear();

    CChart& natal = m_natalChart;
    natal.m_dStandardZone = g_dDefaultTimeZone;
    natal.m_dDstZone = g_dDefaultSummerTimeZone;
    natal.m_dateTime = g_clockMoment;
    natal.m_longitude = g_defaultLongitude;
    natal.m_latitude = g_defaultLatitude;
    natal.m_dAltitude = g_dDefaultAltitude;
    natal.m_dPressure = g_dDefaultPressure;
    natal.m_dTemperature = g_dDefaultTemperature;
    natal.m_nGender = g_nDefaultGender;
    natal.m_nPlaceCode = g_nDefaultLocationCountryCode;
    natal.m_strCity = g_strDefaultLocationCityName;
    natal.m_strState = g_strDefaultLocationCountryName;
    natal.m_bDst = GetDstCorrection(natal, natal.m_nPlaceCode) ? 1 : 0;
    SetZone(natal.m_dateTime.m_zone, natal.m_bDst ? natal.m_dDstZone : natal.m_dStandardZone);

    ResetForIncomingChart();
    SyncChartPlace();
    m_nSubMode = 0;
    m_newChartStatus = Calculate(0);
    SetModifiedFlag(false);
    return true;
}

void CTavroDoc::ResetForIncomingChart() {
    ResetToNatalMode();
    g_nLifecycle = 0;
    g_dCompressionDays = kMeanTropicalYearDays;
    g_bZoneOverride = false;
    g_dBirthZone = m_natalChart.m_dateTime.m_zone.m_dHours;
    g_transitMoment.m_zone = m_natalChart.m_dateTime.m_zone;
    g_nBasicInfoSelection = 0;
    g_nBhavaReferenceBody = 0;
    m_dasaTree.nLevel = 0;
}

void CTavroDoc::ResetToNatalMode() {
    m_pCurrentChart = &m_natalChart;
    m_nMode = kModeNatal;
    g_bChartPane1Natal = 1;
    g_bChartPane2Natal = 0;
    g_nChartPane1Varga = 0;
    g_nChartPane2Varga = 1;
    m_workChart.m_extraName.fill(kNoExtraPoint);
    g_bDasaCompression = false;
}

CalcStatus CTavroDoc::OnResetToNatalMode() {
    ResetToNatalMode();
    CalcStatus status = SyncAndCalculate();
    UpdateAllViews(nullptr);
    return status;
}

CalcStatus CTavroDoc::Calculate(int subMode) {
    CChart& chart = *m_pCurrentChart;
    if (m_nMode != m_nLastCalculatedMode) {
        m_nLastCalculatedMode = m_nMode;
        g_dasaNavStates = {};
        SetDasaNavigation(m_dasaTree, g_dasaNavStates[0]);
        if (m_nMode != kModeProgressions) chart.ResetFlags();
    }
    const std::uint8_t lowByte = static_cast<std::uint8_t>(subMode);
    m_nSubMode = m_nMode == kModePrasna ? lowByte : 0;
    BuildVargaLabels();
    g_bKalaChakraBaseOverride = false;
    g_bKotaChakraBaseOverride = false;

    // A chart zone that is neither of its stored zones becomes both (a zone typed in by hand). While
    // another zone is shown the chart holds that one, so the birth zone is compared instead.
    const double zone = g_bZoneOverride ? g_dBirthZone : chart.m_dateTime.m_zone.m_dHours;
    if (zone != chart.m_dStandardZone && zone != chart.m_dDstZone) {
        chart.m_dStandardZone = zone;
        chart.m_dDstZone = zone;
        chart.m_bDst = 0;
    }

    // Transit charts are read against the natal chart.
    CChart* const reference = m_nMode == kModeTransit ? &m_natalChart : &chart;
    chart.m_pAnalysisChart = reference;
    g_pReferenceChart = reference;

    // A chart that asks for the natal moment is computed at it, dasa included, and then shows its own.
    const bool atNatalMoment = chart.m_flags[0] != 0;
    const CLocalDateTime ownMoment = chart.m_dateTime;
    if (atNatalMoment) chart.m_dateTime = m_natalChart.m_dateTime;
    CalcStatus status = chart.ComputeAll(lowByte != 0);
    if (status.ok()) status = CalculateDasa();
    if (atNatalMoment) chart.m_dateTime = ownMoment;
    m_bCalculated = true;
    ++m_nCalculations;
    return status;
}

void CTavroDoc::TakeEntryCharts(const CChart& natal, const CChart& entry, double spanDays, int varga) {
    m_natalChart = natal;
    m_workChart = entry;
    m_thirdChart = entry;
    for (CChart* chart : {&m_natalChart, &m_workChart, &m_thirdChart}) {
        chart->m_pNatalChart = &m_natalChart;
        chart->m_pAnalysisChart = chart;
        // Child charts are made again on first use, bound to these charts.
        chart->m_pVargaChart = CVargaChildren();
    }
    m_pCurrentChart = &m_thirdChart;
    m_nMode = kModeNatal;
    m_nLastCalculatedMode = kModeNatal;
    m_nEntryVarga = varga;
    m_dEntrySpanDays = spanDays;
}

CalcStatus CTavroDoc::CalculateDasa() {
    return ::CalculateDasa({*m_pCurrentChart, m_natalChart, m_nMode, m_nTajakaYearIndex}, m_dasaTree);
}

void CTavroDoc::SyncChartPlace() {
    m_workChart.m_strCity = m_natalChart.m_strCity;
    m_workChart.m_strState = m_natalChart.m_strState;
    if (g_birthTimeUndo.Count() == 0) g_birthTimeUndo.Push(m_natalChart.GetJulianDay());
}

CalcStatus CTavroDoc::SyncAndCalculate() {
    SyncChartPlace();
    if (m_nMode != kModePrasna) m_nSubMode = 0;
    return Calculate(m_nSubMode);
}

bool CTavroDoc::RefreshRecomputesNatal() const {
    return m_nMode == kModeNatal || m_nMode == kModeMundane;
}

CalcStatus CTavroDoc::RefreshMode() {
    BuildVargaLabels();
    // Tajaka and Tithi Pravesha charts are recast from the new natal chart and options.
    if (m_nMode == kModeTajaka) return CalculateTajaka();
    if (m_nMode == kModeTithiPravesha) return CalculateTithiPravesha();
    if (!RefreshRecomputesNatal()) return {}; // the other mode charts are recast by their own forms
    // Event charts do not outlive a change of birth data or options.
    if (m_nMode == kModeMundane) ResetToNatalMode();
    SyncChartPlace();
    CalcStatus status = Calculate(m_nSubMode);
    UpdateAllViews(nullptr);
    return status;
}

CalcStatus CTavroDoc::RecalculateAll() {
    ++m_nCalculations;
    // In natal and event modes the refresh recomputes the natal chart, the one it then shows.
    if (!RefreshRecomputesNatal()) {
        if (CalcStatus status = m_natalChart.ComputeAll(m_nSubMode != 0); !status.ok()) return status;
        if (m_pCurrentChart != &m_natalChart) {
            if (CalcStatus status = m_pCurrentChart->ComputeAll(m_nSubMode != 0); !status.ok()) return status;
        }
    }
    return RefreshMode();
}

CalcStatus CTavroDoc::RecomputeNatalAndRefresh() {
    if (!RefreshRecomputesNatal()) {
        if (CalcStatus status = m_natalChart.Compute(); !status.ok()) return status;
    }
    return RefreshMode();
}

CalcStatus CTavroDoc::OnBirthDataChanged() {
    SetModifiedFlag(true);
    CalcStatus status = RecomputeNatalAndRefresh();
    g_birthTimeUndo.Push(m_natalChart.GetJulianDay());
    return status;
}

CalcStatus CTavroDoc::OnBirthTimeMoved(double jdUt) {
    m_natalChart.JulianDayToDate(jdUt, m_natalChart);
    return OnBirthDataChanged();
}

CalcStatus CTavroDoc::MoveNatalMomentTo(double jdUt) {
    m_natalChart.JulianDayToDate(jdUt, m_natalChart);
    return RecomputeNatalAndRefresh();
}

CalcStatus CTavroDoc::OnUndoBirthTimeChange() {
    if (g_birthTimeUndo.Count() <= 1) return {};
    g_birthTimeUndo.DropLatest();
    ForgetChangeMarks();
    return MoveNatalMomentTo(g_birthTimeUndo.Latest());
}

CalcStatus CTavroDoc::OnUndoAllBirthTimeChanges() {
    if (g_birthTimeUndo.Count() == 0) return {};
    g_birthTimeUndo.KeepFirst();
    ForgetChangeMarks();
    return MoveNatalMomentTo(g_birthTimeUndo.First());
}
