// The murti (metal) of each planet's latest entry into its present sign: where the Moon then stood,
// counted from the natal Moon.
#include "chart/chart.h"
#include "core/chart_searches.h"
#include "core/remembered_searches.h"
#include "core/sign_arithmetic.h"

namespace {

// Murti by the house (1-12) of the Moon at the entry counted from the natal Moon: 0 gold, 1 silver,
// 2 copper, 3 iron.
constexpr int kMurtiByHouse[13] = {0, 0, 1, 2, 3, 1, 0, 2, 3, 1, 2, 0, 3};

} // namespace

CalcStatus CChart::FindSignEntryTimesFor(int body) {
    if (body < kSun || body > kKetu) return {};
    // Ketu enters its sign when Rahu enters the opposite one.
    const int searched = body == kKetu ? kRahu : body;
    double stayStart = 0.0, entry = 0.0;
    const SearchResult found =
        FindBodyEntersDivision(searched, m_bodies[searched].m_nSign, true, stayStart, entry);
    if (!found.found()) return FailureOf(found); // no entry within the span searched: the murti stays
    CChartCore probe;
    JulianDayToDate(entry, probe);
    const CalcValue moon = RememberedSearchPosition(probe, kMoon, entry);
    if (!moon.ok()) return moon.status;
    const int column =
        g_nTransitRefVarga >= 0 && g_nTransitRefVarga < kVargaColumnCount ? g_nTransitRefVarga : kD1Column;
    const CChart& natal = NatalChart();
    const int natalMoon = natal.m_vargaSign.Sign(kMoon, column);
    const int house = SignFrom(SignOfLongitude(moon.value), -natalMoon) + 1;
    m_nMurti[body] = kMurtiByHouse[house];
    return {};
}

CalcStatus CChart::FindSignEntryTimes() {
    for (int planet = kSun; planet <= kRahu; ++planet) {
        if (CalcStatus status = FindSignEntryTimesFor(planet); !status.ok()) return status;
    }
    m_nMurti[kKetu] = m_nMurti[kRahu];
    return {};
}
