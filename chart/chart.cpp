// CChart: construction and the steps of the pipeline that prepare and finish the positions.
#include "chart/chart.h"

#include <algorithm>

#include "core/angle_math.h"
#include "core/sign_rules.h"

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
    m_extraName.fill(kNoExtraPoint);
    m_extraShortName.fill(kNoExtraPoint);
    for (CRasiLongitude& point : m_extraPoint) point.SplitLongitude();
    m_signMarker.fill(kSignMarkerNone);
}

CChart::~CChart() = default;

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
        const double x = Reduce360(m_bodies[b].m_dLongitude + offset.value);
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
