// The chart's varga sign table and the child charts of its varga columns.
#include <algorithm>
#include <cmath>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "core/varga_math.h"
#include "core/varga_options.h"
#include "core/varga_rules.h"
#include "core/varga_special.h"

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

std::optional<double> CChart::RasiDasaYearsVirgoStart(int r, int s, int L, int v) {
    const CChart* child = GetVargaChart(v);
    if (!child) return std::nullopt;
    return RasiDasaYearsVirgoStartIn(*child, r, s, L);
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
