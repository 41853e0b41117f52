// The chart's varga sign table and the child charts of its varga columns.
#include <algorithm>
#include <cmath>

#include "core/chart.h"
#include "core/computed_bodies.h"
#include "core/varga_math.h"
#include "core/varga_options.h"
#include "core/varga_rules.h"
#include "core/varga_special.h"

bool IsOptionEnabled(int column) {
    switch (column) {
    case kD9Column:
        return g_nD9Preference == 2 || g_nD9Preference == 3;
    case kD2Column:
        return g_nHoraPreference == 6;
    case kD3Column:
        return g_nD3Preference == 2 || g_nD3Preference == 4;
    case kD7Column:
        return g_nD7Preference == 1 || g_nD7Preference == 2;
    case kD10Column:
        return g_nD10Preference >= 2 && g_nD10Preference <= 4;
    case kD11Column:
        return g_nD11Preference == 1;
    case kD12Column:
        return g_nD12Preference == 1;
    case kD16Column:
        return g_nD16Preference == 1;
    case kD20Column:
        return g_nD20Preference == 1;
    case kD24Column:
        return g_nD24Preference == 0;
    case kD27Column:
        return g_nD27Preference == 1;
    case kD60Column:
        return g_nD60Preference == 1 || g_nD60Preference == 2;
    default:
        return false;
    }
}

void CChart::ComputeD1Column() {
    ComputeVargaColumn(kD1Column, m_bodies, m_vargaSign);
}

void CChart::ComputeVargaSigns() {
    // The composite and bhava/chalit columns read the bodies of a child chart; they are derived here
    // from this chart's current longitudes, so that an existing child's last state never leaks in.
    CRasiLongitude divisionalBodies[kBodyCount];
    const VargaChildBodies childBodies = [this, &divisionalBodies](int column) {
        for (int b = 0; b < kBodyCount; ++b) divisionalBodies[b] = DivisionalLongitude(b, column);
        return VargaBodies(divisionalBodies);
    };
    ::ComputeVargaSigns(m_bodies, m_bhava, childBodies, m_vargaSign);
}

CChart* CChart::GetVargaChart(int column) {
    if (column < 0 || column >= kVargaColumnCount) return nullptr;
    if (column == kD1Column) {
        m_pVargaChart[kD1Column].reset();
        return this;
    }
    if (!m_pVargaChart[column]) {
        auto child = std::make_unique<CChart>();
        if (!child->ComputeVargaChart(*this, column).ok()) return nullptr;
        m_pVargaChart[column] = std::move(child);
    }
    return m_pVargaChart[column].get();
}

// A body record at its divisional longitude in a column (1-28): the divisor times its longitude (the
// D-30 degree rule for D-30 unless 1-degree parts are chosen; from the end of the sign where the
// column's variant counts so), in the given sign.
static CRasiLongitude DivisionalRecord(const CRasiLongitude& source, int column, int sign) {
    double longitude = g_vargaDivisors[column] * source.m_dLongitude;
    if (column == kD30Column && !g_bUse1DegInD30ForDivLong)
        longitude = D30DivisionalDegrees(source.DegreesInSign(), !IsOddSign(source.m_nSign));
    if (g_bDivLongFromEndToo && !IsOddSign(source.m_nSign) && IsOptionEnabled(column)) {
        const double wholeSigns = 30.0 * std::floor(longitude / 30.0);
        longitude = wholeSigns + (30.0 - (longitude - wholeSigns));
    }
    CRasiLongitude record;
    record.m_dLongitude = longitude;
    record.SplitLongitude();
    record.m_nSign = sign;
    record.JoinLongitude();
    // A split a hair below a sign's end gives 30 degrees of the sign; joined, that would be the next
    // sign's start (360 after Pisces). The record stays just inside the sign the table gives it.
    record.m_dLongitude = std::min(record.m_dLongitude, std::nextafter((sign + 1) * 30.0, 0.0));
    return record;
}

// A body of the parent at its divisional longitude in a column (1-28), in the sign the parent's varga
// table gives it. The composite "D-n of D-m" divides the body's record in the D-m chart by the rule
// of D-n. Columns that hold no sign (D-150, Hadda) give the D-1 sign, so such a child stays a rasi chart.
CRasiLongitude CChart::DivisionalLongitude(int body, int column) const {
    const int sign = m_vargaSign.Sign(body, column);
    if (column == kCompositeColumn && IsValidCompositeVarga(g_nDmDnChartDm, g_nDmDnChartDn))
        return DivisionalRecord(DivisionalLongitude(body, g_nDmDnChartDm), g_nDmDnChartDn, sign);
    return DivisionalRecord(m_bodies[body], column, sign);
}

// Birth data from the parent, then every body at its divisional longitude. Bodies for which skipBody
// is true keep their records.
template <typename SkipBody>
static CalcStatus DeriveChildBodies(CChart& child, const CChart& parent, int column, SkipBody skipBody) {
    if (CalcStatus status = child.CopyDataAndCalc(parent); !status.ok()) return status;
    for (int b = 0; b < kBodyCount; ++b) {
        if (skipBody(b)) continue;
        const std::uint8_t retrograde = child.m_bodies[b].m_bRetrograde;
        child.m_bodies[b] = parent.DivisionalLongitude(b, column);
        child.m_bodies[b].m_bRetrograde = retrograde;
        child.m_vargaSign.SetSign(b, kD1Column, child.m_bodies[b].m_nSign);
    }
    child.m_extraName = parent.m_extraName;
    child.m_extraShortName = parent.m_extraShortName;
    return {};
}

// The parent's after-analysis shift, carried into the child and into the parent's column.
static void ApplyParentShift(CChart& child, CChart& parent, int column) {
    if (!(parent.m_flags[1] && parent.m_flags[2])) return;
    for (int b = 0; b < kBodyCount; ++b) {
        CRasiLongitude& record = child.m_bodies[b];
        record.m_dLongitude += parent.m_dShift;
        record.SplitLongitude();
        child.m_vargaSign.SetSign(b, kD1Column, record.m_nSign);
        if (VargaColumnHoldsSign(column)) parent.m_vargaSign.SetSign(b, column, record.m_nSign);
    }
}

CalcStatus CChart::ComputeVargaChart(CChart& parent, int column) {
    if (CalcStatus status = DeriveChildBodies(*this, parent, column, [](int) { return false; }); !status.ok())
        return status;
    ComputeCharaKarakas();
    ComputeChildVargaSigns(m_bodies, m_vargaSign);
    if (CalcStatus status = ComputeNakshatraPadas(); !status.ok()) return status;
    if (CalcStatus status = ComputePanchanga(); !status.ok()) return status;
    ComputeDasaSeeds();
    ComputeCharaKarakas();
    ApplyParentShift(*this, parent, column);
    return {};
}

CalcStatus CChart::RefreshVargaChart(CChart& parent, int column) {
    // Bhava arudhas by divisional longitude were written into this child by the parent's arudha step.
    const bool keepArudhas = g_bLongitudeBasedBhavaArudhas && g_bDivLongsInBhavaArudhas;
    const auto skipBody = [keepArudhas](int b) {
        return keepArudhas && b >= kArudhaLagna && b < kFirstLordArudha; // AL, A2 .. A11, UL
    };
    if (CalcStatus status = DeriveChildBodies(*this, parent, column, skipBody); !status.ok()) return status;
    // The composite child takes the parent's current composite records as they are, unshifted.
    const bool composite = column == kCompositeColumn;
    if (!composite) {
        ComputeVargaColumn(kD1Column, m_bodies, m_vargaSign);
        ComputeVargaColumn(kD9Column, m_bodies, m_vargaSign);
    }
    if (CalcStatus status = ComputeNakshatraPadas(); !status.ok()) return status;
    ComputeDasaSeeds();
    if (!composite) ApplyParentShift(*this, parent, column);
    return {};
}
