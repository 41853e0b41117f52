// The 36 sahams (m_specialPoint), each A - B + C of three points of the chart.
#include <algorithm>

#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"
#include "core/varga_options.h"

namespace {

// The sahams whose A and B keep their places by night.
constexpr int kSahamsKeptByNight[] = {7, 15, 19, 20, 21, 24, 30, 35};

bool KeepsPointsByNight(int index) {
    return std::find(std::begin(kSahamsKeptByNight), std::end(kSahamsKeptByNight), index) !=
           std::end(kSahamsKeptByNight);
}

constexpr int kPunyaSaham = 0;   // Pn, a point of later sahams
constexpr int kSastraSaham = 17; // Ss, a point of saham 28

struct SahamPoints {
    double a, b, c; // degrees
};

} // namespace

void CChart::ComputeSaham(int index, double a, double b, double c) {
    const bool night = !m_sunriseFrame.m_bDayBirth;
    if (night && !KeepsPointsByNight(index)) std::swap(a, b);
    double value = a - b + c;
    // The lagna outside the arc from B forward to A (both ends in the arc) adds a sign.
    const double lagna = m_bodies[kLagna].m_dLongitude;
    if (AngleDiff(lagna, b) > AngleDiff(a, b)) value += 30.0;
    m_specialPoint[index].m_dLongitude = Reduce360(value);
    m_specialPoint[index].SplitLongitude();
}

void CChart::ComputeSpecialPoints() {
    m_sahamVargaCache.column = -1; // the sahams move
    auto at = [this](int body) { return m_bodies[body].m_dLongitude; };
    const int lagnaSign = m_bodies[kLagna].m_nSign;
    // Longitude of the lord of the n-th sign from the lagna, and the n-th cusp counted by whole signs.
    auto lordOf = [&](int n) { return at(kPlainSignLords[SignFrom(lagnaSign, n - 1)]); };
    const double L = at(kLagna);
    auto cusp = [&](int n) { return L + 30.0 * (n - 1); };
    const double Su = at(kSun), Mo = at(kMoon), Ma = at(kMars), Me = at(kMercury), Ju = at(kJupiter),
                 Ve = at(kVenus), Sa = at(kSaturn);
    const bool night = !m_sunriseFrame.m_bDayBirth;

    ComputeSaham(kPunyaSaham, Mo, Su, L);
    const double Pn = m_specialPoint[kPunyaSaham].m_dLongitude;
    // Saham 6 is taken from Jupiter to Mars when Mars owns the lagna.
    const bool marsOwnsLagna = kPlainSignLords[lagnaSign] == kMars;
    const SahamPoints fromPunya[kSastraSaham] = {
        {Su, Mo, L},
        {Ju, Pn, L},
        {Ju, Pn, Ve},
        {Pn, Ma, L},
        {Sa, Ma, L},                                                  // 1-5
        {marsOwnsLagna ? Ju : Ma, marsOwnsLagna ? Ma : lordOf(1), L}, // 6
        {Ju, Sa, L},
        {Ju, Mo, Su},
        {Sa, Su, L},
        {Sa, Su, L},
        {Mo, Ve, L},
        {Ju, Mo, L}, // 7-12
        {Sa, Ju, L},
        {Ma, Me, L},
        {L, Mo, L},
        {Ju, Ma, L},
        {Ju, Sa, Me}, // 13-17
    };
    for (int i = 1; i <= kSastraSaham; ++i) {
        const SahamPoints& p = fromPunya[i - 1];
        ComputeSaham(i, p.a, p.b, p.c);
    }

    const double Ss = m_specialPoint[kSastraSaham].m_dLongitude;
    // Saham 24 by night is taken from the Moon and the lord of the Moon's sign.
    const double sunSignLord = at(kPlainSignLords[m_bodies[kSun].m_nSign]);
    const double moonSignLord = at(kPlainSignLords[m_bodies[kMoon].m_nSign]);
    const SahamPoints fromSastra[kSahamCount - kSastraSaham - 1] = {
        {Me, Mo, L},
        {cusp(8), Mo, L},
        {cusp(9), lordOf(9), L},
        {cusp(2), lordOf(2), L}, // 18-21
        {Ve, Su, L},
        {Mo, Me, L},                                                                  // 22-23
        night ? SahamPoints{Sa, Mo, moonSignLord} : SahamPoints{Sa, Su, sunSignLord}, // 24
        {Ve, Sa, L},
        {Sa, Mo, cusp(6)},
        {Ve, Ma, L},
        {Ss, Pn, L},
        {Ma, Sa, Me}, // 25-29
        {Ma, Sa, L},
        {Ma, Sa, L},
        {105.0, Sa, L},
        {Pn, Sa, L},
        {cusp(8), Ma, L},          // 30-34
        {cusp(11), lordOf(11), L}, // 35
    };
    for (int i = kSastraSaham + 1; i < kSahamCount; ++i) {
        const SahamPoints& p = fromSastra[i - kSastraSaham - 1];
        ComputeSaham(i, p.a, p.b, p.c);
    }
}

std::array<CRasiLongitude, kSahamCount> CChart::SahamsInVarga(int column) const {
    if (column <= kD1Column || column >= kVargaColumnCount) return m_specialPoint;
    SahamVargaCache& cache = m_sahamVargaCache;
    if (cache.column == column && cache.computeStamp == m_nComputeStamp &&
        cache.bhavaReference == g_nBhavaChartRef)
        return cache.sahams;
    // The sahams stand in for bodies in a copy of the chart's records, in the last slots that are
    // neither the lagna nor the chalit chakra's reference body: the rules that read those two read the
    // chart's own.
    std::array<CRasiLongitude, kBodyCount> points;
    std::copy(std::begin(m_bodies), std::end(m_bodies), points.begin());
    std::array<int, kSahamCount> slot{};
    int next = kBodyCount - 1;
    for (int i = kSahamCount - 1; i >= 0; --i) {
        while (next == kLagna || next == g_nBhavaChartRef) --next;
        slot[i] = next--;
        points[slot[i]] = m_specialPoint[i];
    }
    CVargaSignTable signs;
    std::array<CRasiLongitude, kBodyCount> divisional;
    const VargaChildBodies childBodies = [&](int c) {
        for (int b = 0; b < kBodyCount; ++b) divisional[b] = DivisionalLongitudeOf(points, signs, b, c);
        return VargaBodies(divisional);
    };
    ::ComputeVargaSigns(points, m_bhava, childBodies, signs);
    for (int i = 0; i < kSahamCount; ++i)
        cache.sahams[i] = DivisionalLongitudeOf(points, signs, slot[i], column);
    cache.column = column;
    cache.computeStamp = m_nComputeStamp;
    cache.bhavaReference = g_nBhavaChartRef;
    return cache.sahams;
}
