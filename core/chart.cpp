// CChart: construction, deep copies and the calculation pipeline.
#include "core/chart.h"

#include <algorithm>

#include "core/angle_math.h"
#include "core/sign_rules.h"

int g_nBhavaReferenceBody = 0;
bool g_bZoneOverride = false;
double g_dBirthZone = 0.0;
double g_dOverrideZone = 0.0;

CVargaChildren::CVargaChildren() = default;
CVargaChildren::~CVargaChildren() = default;

CVargaChildren::CVargaChildren(const CVargaChildren& other) {
    *this = other;
}

CVargaChildren& CVargaChildren::operator=(const CVargaChildren& other) {
    if (this == &other) return *this;
    for (int c = 0; c < kVargaColumnCount; ++c)
        m_child[c] = other.m_child[c] ? std::make_unique<CChart>(*other.m_child[c]) : nullptr;
    return *this;
}

CChart::CChart() {
    m_pNatalChart = this;
    m_pAnalysisChart = this;
    PointAnalysisAt(this);
    m_extraName.fill(kNoExtraPoint);
    m_extraShortName.fill(kNoExtraPoint);
    for (CRasiLongitude& point : m_extraPoint) point.SplitLongitude();
    m_signMarker.fill(kSignMarkerNone);
}

CChart::CChart(const CChart& other) : CChartCore(other), CChartData(other) {
    RepointFrom(other);
}

CChart& CChart::operator=(const CChart& other) {
    if (this == &other) return *this;
    CChartCore::operator=(other);
    CChartData::operator=(other);
    RepointFrom(other);
    return *this;
}

CChart::~CChart() = default;

void CChart::RepointFrom(const CChart& source) {
    CChart* const sourceChart = const_cast<CChart*>(&source);
    auto repoint = [&](CChart*& pointer) {
        if (pointer == sourceChart) pointer = this;
    };
    repoint(m_pNatalChart);
    repoint(m_pAnalysisChart);
    repoint(m_ashtakavarga.m_pChart);
    repoint(m_avasthas.m_pChart);
    repoint(m_shadbala.m_pChart);
}

void CChart::PointAnalysisAt(CChart* chart) {
    m_ashtakavarga.m_pChart = chart;
    m_avasthas.m_pChart = chart;
    m_shadbala.m_pChart = chart;
}

void CChart::ResetFlags() {
    m_flags.fill(0);
    m_dShift = 0.0;
    m_bFixLongitude.fill(0);
    m_dFixedLongitude.fill(0.0);
}

void CChart::ClearLongitudes() {
    for (CRasiLongitude& body : m_bodies) {
        body.m_dLongitude = 0.0;
        body.m_bRetrograde = 0;
        body.SplitLongitude();
    }
}

CalcStatus CChart::ComputeNakshatraPadas() {
    const CalcValue offset = GetAyanamsa(); // non-zero only for Spica-based nakshatras in a tropical chart
    if (!offset.ok()) return offset.status;
    for (int b = 0; b < kBodyCount; ++b) {
        const double x = Normalize360(m_bodies[b].m_dLongitude + offset.value);
        // The factors are the doubles one unit in the last place above 0.075 and 0.3, and one below
        // 40/3, so that a body on a boundary falls where the program has always put it.
        const int nakshatra = std::min(26, static_cast<int>(x * 0.07500000000000001));
        const int pada =
            std::clamp(static_cast<int>((x - nakshatra * 13.333333333333332) * 0.30000000000000004), 0, 3);
        m_nakshatra[b] = static_cast<std::uint8_t>(nakshatra);
        m_pada[b] = static_cast<std::uint8_t>(pada);
        m_nakshatra28[b] = static_cast<std::uint8_t>(ToNakshatra28(nakshatra, pada));
    }
    return {};
}

CalcStatus CChart::Compute() {
    return ComputeAll(false);
}

void CChart::ApplyShift() {
    for (int b = 0; b < kBodyCount; ++b) {
        m_bodies[b].m_dLongitude += m_dShift;
        m_bodies[b].SplitLongitude();
        m_vargaSign.SetSign(b, kD1Column, m_bodies[b].m_nSign);
    }
}

void CChart::ApplyFixedLongitudes() {
    for (int b = 0; b < kBodyCount; ++b) {
        if (!m_bFixLongitude[b]) continue;
        m_bodies[b].m_dLongitude = m_dFixedLongitude[b];
        m_bodies[b].SplitLongitude();
    }
}

void CChart::CopyExtraPointsIntoBodies() {
    for (int k = 0; k < kExtraPointCount; ++k) {
        if (m_extraName[k] == kNoExtraPoint) continue;
        m_bodies[kFirstExtraPointBody + k] = m_extraPoint[k];
    }
}

CalcStatus CChart::ComputeAll(bool bLagnaFromExtraPoint) {
    // Positions, houses and the birth day.
    ClearLongitudes();
    if (CalcStatus status = CalcPlanets(); !status.ok()) return status;
    m_ayanamsa.m_dValue = m_dAyanamsa;
    m_ayanamsa.SplitDegrees();
    m_siderealTime.m_dHours = m_dSiderealTime;
    m_siderealTime.SplitHours();
    if (CalcStatus status = ComputeBhavas(bLagnaFromExtraPoint); !status.ok()) return status;
    if (CalcStatus status = ComputeSunriseSunset(); !status.ok()) return status;
    // The day frames are measured on the birth zone's clock.
    if (g_bZoneOverride) {
        if (CalcStatus status = ChangeTimeZone(g_dBirthZone); !status.ok()) return status;
    }
    ComputeTimeUpagrahas();
    if (g_bZoneOverride) {
        if (CalcStatus status = ChangeTimeZone(g_dOverrideZone); !status.ok()) return status;
    }

    // Computed bodies.
    ComputeSpecialLagnas();
    ComputeSunUpagrahas();
    if (CalcStatus status = ComputeUpagrahasAndSphutas(); !status.ok()) return status;
    ComputeYogiPoints();
    ComputeD1Column();
    ComputeSpecialPoints();
    if (CalcStatus status = ComputeExtraPoints(); !status.ok()) return status;
    if (bLagnaFromExtraPoint) {
        m_bodies[kLagna].m_dLongitude = m_extraPoint[0].m_dLongitude;
        m_bodies[kLagna].SplitLongitude();
        m_extraName[0] = kNoExtraPoint;
        if (CalcStatus status = ComputeBhavas(true); !status.ok()) return status;
    }
    CopyExtraPointsIntoBodies();
    if (m_flags[1] && !m_flags[2]) ApplyShift();
    ApplyFixedLongitudes();

    // Varga signs and the tables read from them.
    ComputeD1Column();
    ComputeVargaSigns();
    ComputeCoLordTables();
    ComputeVargaSigns(); // again, now that the co-lord tables are current
    ComputeCharaKarakas();
    ComputeVarnadas();
    ComputeCoLordTables();
    if (CalcStatus status = ComputeNakshatraPadas(); !status.ok()) return status;
    ComputeStarLords();
    ComputeRelationships();
    ComputeSpecialPoints();
    for (int k = 0; k < kExtraPointCount; ++k) {
        if (m_extraName[k] == kNoExtraPoint || m_extraName[k] == "Muntha") continue;
        for (int c = 0; c < kVargaColumnCount; ++c)
            m_extraVargaSign[k][c] = static_cast<std::uint8_t>(m_vargaSign.Sign(kFirstExtraPointBody + k, c));
    }
    if (CalcStatus status = ComputePanchanga(); !status.ok()) return status;
    ComputeDasaSeeds();
    ComputeBrahmaRudraMaheswara();

    // Analysis of the chart the document binds it to (the natal chart in transit mode).
    PointAnalysisAt(m_pAnalysisChart);
    m_ashtakavarga.Compute();
    m_shadbala.Compute();
    m_avasthas.Compute();

    if (CalcStatus status = FindSignEntryTimes(); !status.ok()) return status;
    ComputeNakshatraPoints28();
    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (!m_pVargaChart[c]) continue;
        if (CalcStatus status = m_pVargaChart[c]->RefreshVargaChart(*this, c); !status.ok()) return status;
    }
    ComputeArudhas();
    // The yoga testers read the arudha lagna and the bhagyapada: not before they are current.
    m_yogaList.FindAllYogas(*m_pAnalysisChart, kYogaAll);
    if (CalcStatus status = ComputeNakshatraPadas(); !status.ok()) return status;
    ComputeStarLords();
    if (m_flags[1] && m_flags[2]) ApplyShift(); // the analysis above saw the unshifted chart
    return {};
}
