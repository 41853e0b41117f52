// Upagrahas and sphutas: the Dhooma group drawn from the Sun (bodies 22-26), the time upagrahas Kaala ..
// Gulika that take the lagna of their part of the day or night (27-32), and the sphutas (33-44).
#include <array>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "core/remembered_searches.h"

namespace {

constexpr int kDhoomaGroupCount = 5;
constexpr int kTimeUpagrahaCount = 6;

// Lords of the time upagrahas Kaala, Mrityu, Artha Prahara, Yama Ghantaka, Maandi, Gulika: the Sun,
// Mars, Mercury, Jupiter, Saturn, Saturn (Maandi and Gulika may take the lordless eighth part instead).
constexpr int kTimeUpagrahaLords[kTimeUpagrahaCount] = {1, 3, 4, 5, 7, 7};
constexpr int kLordlessPart = 8;

// The moment within its part that a time upagraha takes, by UpagrahaRiseMethod: 0 the part's start,
// 1 its middle, 2 its end; any other value counts as the upagraha's default.
double PartFraction(int upagraha) {
    static constexpr double kFraction[3] = {0.0, 0.5, 1.0};
    static constexpr int kDefaultMethod[kTimeUpagrahaCount] = {1, 1, 1, 1, 1, 0};
    const int method = g_nUpagrahaRiseMethod[upagraha];
    return kFraction[method >= 0 && method <= 2 ? method : kDefaultMethod[upagraha]];
}

} // namespace

void CChart::ComputeSunUpagrahas() {
    const double sun = m_bodies[kSun].m_dLongitude;
    std::array<double, kDhoomaGroupCount> points;
    if (g_nVyatipataMethod == 0) {
        // Dhooma = Sun + 133 deg 20'; Vyatipata its mirror; Parivesha opposite that; Indra Chapa the
        // mirror of Parivesha; Upaketu 16 deg 40' on.
        points = {sun + 400.0 / 3.0, 680.0 / 3.0 - sun, 140.0 / 3.0 - sun, sun + 940.0 / 3.0, sun + 330.0};
    } else if (g_nVyatipataMethod == 1) {
        points = {sun + 400.0 / 3.0, sun + 560.0 / 3.0, sun + 1100.0 / 3.0, sun + 940.0 / 3.0,
                  sun + 990.0 / 3.0};
    } else {
        return; // no method: the records stay as they are
    }
    for (int i = 0; i < kDhoomaGroupCount; ++i) {
        CRasiLongitude& record = m_bodies[kDhooma + i];
        record.m_dLongitude = points[i];
        record.m_bRetrograde = 0;
        record.SplitLongitude();
    }
}

CalcStatus CChart::ComputeUpagrahasAndSphutas() {
    // Time upagrahas: the day (or night) falls into eight parts ruled from the weekday's lord on (the
    // night from the fifth lord), the eighth lordless; each upagraha is the lagna of its lord's part.
    const bool sunriseDay = g_nUpagrahaDayDefinition == 0;
    const CDayFrameTimes& frame = sunriseDay ? m_sunriseFrame : m_meanTimeFrame;
    const int weekday = m_currentDay.m_nWeekday;
    const bool day = frame.m_bDayBirth != 0;
    const int firstLord = day ? weekday + 1 : (weekday + 4) % 7 + 1;
    const double start = day ? frame.m_dStartJd : frame.m_dNightStartJd;
    const double partDays = (day ? frame.m_dDayLength : frame.m_dNightLength) / 60.0 * 0.125;

    CChartCore probe;
    for (int u = 0; u < kTimeUpagrahaCount; ++u) {
        int lord = kTimeUpagrahaLords[u];
        if ((kKaala + u == kMaandi && !g_bMandiInSaturnPortion) ||
            (kKaala + u == kGulika && !g_bGulikaInSaturnPortion))
            lord = kLordlessPart;
        const int part = (lord - firstLord + 16) % 8;
        const double jd = start + (part + PartFraction(u)) * partDays;
        JulianDayToDate(jd, probe);
        const CalcValue lagna = RememberedSearchPosition(probe, kLagna, jd);
        if (!lagna.ok()) return lagna.status;
        m_bodies[kKaala + u].m_dLongitude = lagna.value;
        m_bodies[kKaala + u].SplitLongitude();
    }

    auto at = [this](int body) { return m_bodies[body].m_dLongitude; };
    const double L = at(kLagna), Su = at(kSun), Mo = at(kMoon), Ma = at(kMars), Ju = at(kJupiter),
                 Ve = at(kVenus), Ra = at(kRahu), Gu = at(kGulika);
    const double prana = L * 5.0 + Gu;
    const double deha = Mo * 8.0 + Gu;
    const double mrityu = Gu * 7.0 + Su;
    const double sphutas[12] = {prana,        deha,        mrityu,           prana + deha + mrityu,
                                Mo - Su,      Mo + Su,     Ra - Su,          Ma + Mo + Ju,
                                Ve + Ju + Su, Mo + Gu + L, Mo + Gu + Su + L, Ra + Mo + Gu + Su + L};
    for (int i = 0; i < 12; ++i) {
        m_bodies[kPranaSphuta + i].m_dLongitude = sphutas[i];
        m_bodies[kPranaSphuta + i].SplitLongitude();
    }
    return {};
}
