// Star lords: the Vimsottari lord of the nakshatra of every body and house cusp, and the lords of
// five nested sub-divisions, each dividing its span among the nine lords in proportion to their years.
#include "chart/chart.h"
#include "core/planet_tables.h"

namespace {

// Fills lords[0..5] for a longitude (degrees) in nakshatra n; x is its distance from the nakshatra's
// start. A body exactly at the start of a portion gets that portion's lord.
template <typename Lords> void WalkSubLords(int nakshatra, double x, Lords&& lords) {
    double span = kNakshatraSpan;
    int place = nakshatra % 9; // the lord's place in the Vimsottari cycle
    int lord = kVimsottariLords[place];
    lords(0) = lord;
    for (int level = 1; level < kStarLordLevels; ++level) {
        double portion = span * kVimsottariYears[lord] / kVimsottariTotalYears;
        for (int step = 0; step < 9 && x >= portion; ++step) {
            x -= portion;
            place = (place + 1) % 9;
            lord = kVimsottariLords[place];
            portion = span * kVimsottariYears[lord] / kVimsottariTotalYears;
        }
        lords(level) = lord;
        span = portion;
    }
}

} // namespace

void CChart::ComputeStarLords() {
    for (int b = 0; b < kBodyCount; ++b) {
        const int n = m_nakshatra[b];
        WalkSubLords(n, m_bodies[b].m_dLongitude - n * kNakshatraSpan,
                     [&](int level) -> int& { return m_starLord[level][b]; });
    }
    for (int h = 0; h < 12; ++h) {
        const double cusp = (g_bHouseCuspsInMiddle ? m_bhava[h].m_middle : m_bhava[h].m_start).m_dLongitude;
        const int n = NakshatraOfLongitude(cusp);
        WalkSubLords(n, cusp - n * kNakshatraSpan,
                     [&](int level) -> int& { return m_cuspStarLord[level][h]; });
    }
}
