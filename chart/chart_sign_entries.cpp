// The murti (metal) of each planet's latest entry into its present sign: where the Moon then stood,
// counted from the natal Moon.
#include "analysis/transit_judgement.h"
#include "chart/chart.h"

CalcStatus CChart::FindSignEntryTimesFor(int body) {
    if (body < kSun || body > kKetu) return {};
    const int column =
        g_nTransitRefVarga >= 0 && g_nTransitRefVarga < kVargaColumnCount ? g_nTransitRefVarga : kD1Column;
    const SignEntryMurthi entry =
        FindSignEntryMurthiOnly(*this, body, NatalChart().m_vargaSign.Sign(kMoon, column));
    // No entry within the span searched: the murti stays.
    if (entry.found) m_nMurti[body] = entry.murthi;
    return entry.status;
}

CalcStatus CChart::FindSignEntryTimes() {
    for (int planet = kSun; planet <= kRahu; ++planet) {
        if (CalcStatus status = FindSignEntryTimesFor(planet); !status.ok()) return status;
    }
    m_nMurti[kKetu] = m_nMurti[kRahu];
    return {};
}
