// The avasthas record: its members in order, and the vaiseshikamsa counts with the good-place test.
#include "analysis/avasthas.h"

#include "core/calc_options.h"
#include "core/chart_record.h"
#include "core/computed_bodies.h"
#include "core/dignity_tables.h"
#include "core/sign_rules.h"

namespace {

bool InKendraFrom(int sign, int reference) {
    return (sign - reference + 12) % 12 % 3 == 0;
}

// Sayanadi states that spoil a place: Sayana, Upavesana, Netrapani, Gamana, Aagamana and Nidra.
bool IsWeakSayanadi(int state) {
    return state == 0 || state == 1 || state == 2 || state == 4 || state == 5 || state == 11;
}

} // namespace

void CAvasthas::Compute(const CChartRecord& chart) {
    m_baladi.Compute(chart);
    m_vimsopaka.Compute(chart);
    ComputeStateGroup(chart);
    m_harsha.Compute(chart);
}

void CAvasthas::ComputeStateGroup(const CChartRecord& chart) {
    for (int g = 0; g < kVargaGroupCount; ++g) {
        const VargaGroup& group = g_vargaGroups[g];
        for (int p = kSun; p <= kKetu; ++p) {
            int count = 0;
            for (int k = 0; k < group.size; ++k) {
                if (PlanetStateInGroup(chart, p, group.members[k].column)) ++count;
            }
            m_vaiseshikamsa.m_nCount[g][p] = count;
        }
    }
}

bool CAvasthas::PlanetStateInGroup(const CChartRecord& chart, int p, int v) const {
    const int sign = chart.m_vargaSign.Sign(p, v);
    if (chart.IsOwnOrExalted(v, p) || IsInMoolatrikona(p, sign)) return true;
    return g_nSwarudhaInAmsaBala != 0 && InSwarudhaKendra(chart, p, v) &&
           !SwarudhaPlaceCancelled(chart, p, v);
}

// The kendra rule that SwarudhaInAmsaBala chooses: from the arudha lagna (1 rasi, 2 this varga), from
// the planet's own arudha (3 rasi, 4 this varga), from the arudha lagna's lord (5), or owning a sign in
// a kendra from the arudha lagna (6 rasi, 7 this varga).
bool CAvasthas::InSwarudhaKendra(const CChartRecord& chart, int p, int v) const {
    const CVargaSignTable& signs = chart.m_vargaSign;
    const int sign = signs.Sign(p, v);
    auto ownsKendraFrom = [p](int reference) {
        for (int k = 0; k < 12; k += 3) {
            if (IsLordOfSign(p, (reference + k) % 12)) return true;
        }
        return false;
    };
    switch (g_nSwarudhaInAmsaBala) {
    case 1:
        return InKendraFrom(sign, signs.Sign(kArudhaLagna, kD1Column));
    case 2:
        return InKendraFrom(sign, signs.Sign(kArudhaLagna, v));
    case 3:
        return InKendraFrom(sign, signs.Sign(kFirstPlanetArudha + p - 1, kD1Column));
    case 4:
        return InKendraFrom(sign, signs.Sign(kFirstPlanetArudha + p - 1, v));
    case 5: {
        const int lord = chart.SignLordOpt(signs.Sign(kArudhaLagna, v), v);
        return InKendraFrom(sign, signs.Sign(lord, v));
    }
    case 6:
        return ownsKendraFrom(signs.Sign(kArudhaLagna, kD1Column));
    case 7:
        return ownsKendraFrom(signs.Sign(kArudhaLagna, v));
    default:
        return false;
    }
}

// A place found good by the kendra rule is spoilt by what the ...BadInAmsaBala options name, of the
// planet itself or of its dispositor L (the plain lord of its sign; L2 is L's dispositor).
bool CAvasthas::SwarudhaPlaceCancelled(const CChartRecord& chart, int p, int v) const {
    const CVargaSignTable& signs = chart.m_vargaSign;
    const int dispositor = chart.SignLordOpt(signs.Sign(p, v), v);
    const int dispositor2 = chart.SignLordOpt(signs.Sign(dispositor, v), v);
    const bool rasi = v == kD1Column;
    auto poorRelation = [&](int a, int b) { return chart.CompoundRelation(v, a, b) >= 4; };
    const PlanetInts& sayanadi = m_baladi.m_nSayanadi;
    return (g_bCombustionBadInAmsaBala && rasi && chart.IsCombust(p)) ||
           (g_bDispositorCombustionBadInAmsaBala && chart.IsCombust(dispositor)) ||
           (g_bDefeatBadInAmsaBala && rasi && chart.IsInPlanetaryWarAlt(p)) ||
           (g_bDispositorDefeatBadInAmsaBala && chart.IsInPlanetaryWarAlt(dispositor)) ||
           (g_bNeechaBadInAmsaBala && IsDebilitatedIn(p, signs.Sign(p, v))) ||
           (g_bDispositorNeechaBadInAmsaBala && IsDebilitatedIn(dispositor, signs.Sign(dispositor, v))) ||
           (g_bDispositorNeechaRasiBadInAmsaBala &&
            IsDebilitatedIn(dispositor, signs.Sign(dispositor, kD1Column))) ||
           (g_bPoorVimsopakaBadInAmsaBala && poorRelation(p, dispositor)) ||
           (g_bDispositorPoorVimsopakaBadInAmsaBala && poorRelation(dispositor, dispositor2)) ||
           (g_bSayanadiBadInAmsaBala && IsWeakSayanadi(sayanadi[p])) ||
           (g_bDispositorSayanadiBadInAmsaBala && IsWeakSayanadi(sayanadi[dispositor]));
}
