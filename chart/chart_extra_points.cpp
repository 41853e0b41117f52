// The chart's extra points 1 and 2 (bodies 103 and 104): the user's special point and the planetary
// special lagna.
#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/chart_searches.h"

namespace {

constexpr int kSpecialPointSlot = 1;
constexpr int kSpecialLagnaSlot = 2;

bool IsBody(int body) {
    return body >= 0 && body < kBodyCount;
}

} // namespace

CalcValue CChart::PlanetarySpecialLagna(int planet, int speedFactor, bool nodesReverse) {
    if (planet < kSun || planet > kKetu) planet = kSun;
    CChartCore rise;
    const SearchResult found = FindRiseTimeAt(planet, rise, true);
    if (found.outcome == SearchOutcome::kFailed) return {0.0, found.status};
    if (!found.found()) return {m_bodies[planet].m_dLongitude, {}}; // never rises here: no time since
    const double days = GetJulianDay() - found.jdUt;
    const double turned = days * speedFactor * 360.0;
    const bool backwards = nodesReverse && (planet == kRahu || planet == kKetu);
    return {rise.m_bodies[planet].m_dLongitude + (backwards ? -turned : turned), {}};
}

CalcStatus CChart::ComputeExtraPoints() {
    auto clear = [this](int slot) {
        m_extraName[slot] = kNoExtraPoint;
        m_extraShortName[slot] = kNoExtraPoint;
        m_extraPoint[slot].m_dLongitude = 0.0;
        m_extraPoint[slot].SplitLongitude();
    };

    if (g_bSpecialLagnaOn) {
        const CalcValue lagna = PlanetarySpecialLagna(g_nSpecialLagnaPlanet, g_nSpecialLagnaSpeedFactor,
                                                      g_bSpecialLagnaNodesReverse);
        if (!lagna.ok()) return lagna.status;
        m_extraName[kSpecialLagnaSlot] = g_strSpecialLagnaName;
        m_extraShortName[kSpecialLagnaSlot] = g_strSpecialLagnaName;
        m_extraPoint[kSpecialLagnaSlot].m_dLongitude = lagna.value;
        m_extraPoint[kSpecialLagnaSlot].SplitLongitude();
    } else {
        clear(kSpecialLagnaSlot);
    }

    if (!g_bSpecialPointOn) {
        clear(kSpecialPointSlot);
        return {};
    }
    double offset = g_dSpecialPointDeg + g_dSpecialPointMin / 60.0 + g_dSpecialPointSec / 3600.0;
    if (g_nSpecialPointBehindAfter == 0) offset = -offset;
    // The first base chosen; with none (or a body or saham that does not exist) the point is counted
    // from 0 Aries.
    double base = 0.0;
    if (g_nSpecialPointUsePlanet == 1) {
        if (IsBody(g_nSpecialPointPlanetIndex)) base = m_bodies[g_nSpecialPointPlanetIndex].m_dLongitude;
    } else if (g_nSpecialPointUseSaham == 1) {
        if (g_nSpecialPointSahamIndex >= 0 && g_nSpecialPointSahamIndex < kSahamCount)
            base = m_specialPoint[g_nSpecialPointSahamIndex].m_dLongitude;
    } else if (g_nSpecialPointUseRasi == 1) {
        base = g_nSpecialPointSignIndex * 30.0;
    } else if (g_nSpecialPointUseMidPoint == 1) {
        if (IsBody(g_nSpecialPointPlanetIndex1) && IsBody(g_nSpecialPointPlanetIndex2))
            base = AngleMidpoint(m_bodies[g_nSpecialPointPlanetIndex2].m_dLongitude,
                                 m_bodies[g_nSpecialPointPlanetIndex1].m_dLongitude, 0.0);
    }
    m_extraName[kSpecialPointSlot] = g_strSpecialPointName;
    m_extraShortName[kSpecialPointSlot] = g_strSpecialPointSymbol;
    m_extraPoint[kSpecialPointSlot].m_dLongitude = base + offset;
    m_extraPoint[kSpecialPointSlot].SplitLongitude();
    return {};
}
