// The panchanga of the chart's moment (tithi for the harmonics 1-36, the Moon's nakshatra, yoga, karana,
// the same between the atma and amatya karakas, the lunar month and the year of the sixty-year cycle),
// the 21 dasa seeds and the two time nakshatras of the 28-fold wheel.
#include <algorithm>

#include "chart/chart.h"
#include "chart/lunation_facts.h"
#include "core/angle_math.h"
#include "core/computed_bodies.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"

namespace {

constexpr double kTithiSpan = 12.0; // degrees of Moon - Sun
constexpr double kKaranaSpan = 6.0; // half a tithi

struct Unit {
    int index;
    double fractionLeft;
};

// The tithi of an angle (degrees, any value) and the part of it still to run.
Unit TithiOf(double angle) {
    const double x = Reduce360(angle);
    const int tithi = std::min(29, static_cast<int>(x / kTithiSpan));
    return {tithi, (kTithiSpan - x + kTithiSpan * tithi) / kTithiSpan};
}

// The yoga (nakshatra of a sum of two longitudes) and the part of it still to run.
Unit YogaOf(double sum) {
    const double x = Reduce360(sum) * kNakshatrasPerDegree;
    const int yoga = std::min(26, static_cast<int>(x));
    return {yoga, 1.0 - (x - yoga)};
}

// The karana of an angle Moon - Sun and the part of it left, from its tithi's fraction left.
Unit KaranaOf(double angle, double tithiFractionLeft) {
    const int n = std::min(59, static_cast<int>(Reduce360(angle) / kKaranaSpan));
    double left = 2.0 * tithiFractionLeft;
    if (left > 1.0) left -= 1.0;
    return {KaranaOfHalfTithi(n), left};
}

// Body of each dasa seed, in seed order.
constexpr int kDasaSeedBodies[kDasaSeedCount] = {kMoon,
                                                 kMoon,
                                                 kMoon,
                                                 kMoon,
                                                 kLagna,
                                                 kMaandi,
                                                 kGulika,
                                                 kSookshmaTriSphuta,
                                                 kSun,
                                                 kMars,
                                                 kMercury,
                                                 kJupiter,
                                                 kVenus,
                                                 kSaturn,
                                                 kRahu,
                                                 kKetu,
                                                 kBhriguBindu,
                                                 kInduLagna,
                                                 kPranapadaLagna,
                                                 kFirstExtraPointBody + 1,
                                                 kFirstExtraPointBody + 2};
// Seeds 1-3 are the 5th, 4th and 8th nakshatras from the Moon.
constexpr int kMoonSeedNakshatraShift[3] = {4, 3, 7};

// The lunar month by LunarYrDef, named at the last full moon (0, 1) or new moon (2-5) before the chart's
// moment: by the Sun's sign then (0, 2) or one back from the tropical Sun then (1, 3), or at birth one
// back from the Sun's sign (4) or the tropical Sun's (5); any other value as the default, 2.
CalcStatus ComputeLunarMonth(const CChart& chart, CPanchanga& p) {
    p.m_nLunarMonth = 0;
    p.m_nIntercalaryState = 0;
    const double elongation = g_nLunarYrDef == 0 || g_nLunarYrDef == 1 ? 180.0 : 0.0;
    LunationFacts facts;
    if (CalcStatus status = FindLunationFacts(chart, elongation, facts); !status.ok()) return status;
    switch (g_nLunarYrDef) {
    case 1:
    case 3:
        p.m_nLunarMonth = facts.tropicalSunSignBefore;
        break;
    case 4:
        p.m_nLunarMonth = SignFrom(chart.m_bodies[kSun].m_nSign, -1);
        break;
    case 5:
        p.m_nLunarMonth = TropicalSunSignBefore(chart);
        break;
    default:
        p.m_nLunarMonth = facts.sunSign;
        break;
    }
    p.m_nIntercalaryState = facts.intercalaryState;
    return {};
}

} // namespace

int CChart::GetTithiIndex(int a, int b, int h) const {
    return TithiOf((m_bodies[b].m_dLongitude - m_bodies[a].m_dLongitude) * (h + 1)).index;
}

double CChart::GetTithiFractionLeft(int a, int b, int h) const {
    return TithiOf((m_bodies[b].m_dLongitude - m_bodies[a].m_dLongitude) * (h + 1)).fractionLeft;
}

CalcStatus CChart::ComputePanchanga() {
    CPanchanga& p = m_panchanga;
    const double moon = m_bodies[kMoon].m_dLongitude;
    const double sun = m_bodies[kSun].m_dLongitude;
    for (int h = 1; h <= kHarmonicTithiCount; ++h) {
        const Unit tithi = TithiOf((moon - sun) * h);
        p.m_nTithi[h - 1] = tithi.index;
        p.m_dTithiFraction[h - 1] = tithi.fractionLeft;
    }
    const double atma = m_bodies[m_charaKaraka[0]].m_dLongitude;
    const double amatya = m_bodies[m_charaKaraka[1]].m_dLongitude;
    const Unit karakaTithi = TithiOf(amatya - atma);
    p.m_nKarakaTithi = karakaTithi.index;
    p.m_dKarakaTithiFraction = karakaTithi.fractionLeft;

    // The Moon's nakshatra is the one of the nakshatra step (with its tropical-chart shift).
    const CalcValue offset = GetAyanamsa();
    if (!offset.ok()) return offset.status;
    p.m_nMoonNakshatra = m_nakshatra[kMoon];
    p.m_dMoonNakshatraFraction =
        1.0 - (Reduce360(moon + offset.value) * kNakshatrasPerDegree - p.m_nMoonNakshatra);

    if (CalcStatus status = ComputeLunarMonth(*this, p); !status.ok()) return status;
    // The cycle year turns in the lunar month Chaitra: before June a month late in the lunar year still
    // belongs to the previous civil year.
    int year = m_dateTime.m_nYear;
    if (m_dateTime.m_nMonth < 6 && p.m_nLunarMonth >= 6 && p.m_nLunarMonth <= 10) --year;
    p.m_nCycleYear = PositiveMod(year + 14333, 60);

    const Unit yoga = YogaOf(moon + sun);
    p.m_nYoga = yoga.index;
    p.m_dYogaFraction = yoga.fractionLeft;
    const Unit karakaYoga = YogaOf(atma + amatya);
    p.m_nKarakaYoga = karakaYoga.index;
    p.m_dKarakaYogaFraction = karakaYoga.fractionLeft;

    const Unit karana = KaranaOf(moon - sun, p.m_dTithiFraction[0]);
    p.m_nKarana = karana.index;
    p.m_dKaranaFraction = karana.fractionLeft;
    const Unit karakaKarana = KaranaOf(amatya - atma, karakaTithi.fractionLeft);
    p.m_nKarakaKarana = karakaKarana.index;
    p.m_dKarakaKaranaFraction = karakaKarana.fractionLeft;
    return {};
}

void CChart::ComputeDasaSeeds() {
    // The nakshatras' shift of a tropical chart; a failure has already stopped the nakshatra step.
    const CalcValue offset = GetAyanamsa();
    for (int s = 0; s < kDasaSeedCount; ++s) {
        const int body = kDasaSeedBodies[s];
        CDasaSeed& seed = m_panchanga.m_dasaSeed[s];
        seed.m_nNakshatra = m_nakshatra[body];
        seed.m_dLongitude = Reduce360(m_bodies[body].m_dLongitude + offset.value);
        seed.m_dFractionLeft = 1.0 - (seed.m_dLongitude * kNakshatrasPerDegree - seed.m_nNakshatra);
    }
    for (int i = 0; i < 3; ++i) {
        CDasaSeed& seed = m_panchanga.m_dasaSeed[1 + i];
        seed.m_nNakshatra = (seed.m_nNakshatra + kMoonSeedNakshatraShift[i]) % 27;
        seed.m_dLongitude = Reduce360(seed.m_dLongitude + kMoonSeedNakshatraShift[i] * kNakshatraSpan);
    }
}

void CChart::ComputeNakshatraPoints28() {
    for (CRasiLongitude& point : m_sparePoint) {
        point.m_dLongitude = 0.0;
        point.SplitLongitude();
    }
    // Sixteen parts of the day from sunrise (3.75 ghatis each), six sub-parts in each.
    const double g = std::clamp(m_sunriseFrame.m_dGhatisSinceStart, 0.0, 60.0);
    const int part = std::min(15, static_cast<int>(g / 3.75));
    const int subPart = std::min(5, static_cast<int>((g - 3.75 * part) * 1.6));
    const int weekday = PositiveMod(m_frameDay[0].m_nWeekday, 7);
    static constexpr int kWeekdayStart[7] = {0, 6, 5, 7, 2, 4, 1};       // Sunday .. Saturday
    static constexpr int kWheelStart[8] = {0, 20, 7, 27, 14, 6, 21, 13}; // 28-fold nakshatras
    // The sub-parts 0-3 run on from the part's nakshatra, 4-5 lead into the next part's; a nakshatra that
    // is a multiple of 7 is counted forward, any other backward.
    auto timeNakshatra = [&](int current, int next) {
        const bool fromCurrent = subPart <= 3;
        const int v = fromCurrent ? current : next;
        const int d = fromCurrent ? subPart : 6 - subPart;
        return PositiveMod(v % 7 == 0 ? v + d : v - d, 28);
    };
    const int first = part + kWeekdayStart[weekday];
    m_panchanga.m_nTimeNakshatra28[0] =
        timeNakshatra(kWheelStart[first % 8], part == 15 ? kWheelStart[kWeekdayStart[(weekday + 1) % 7]]
                                                         : kWheelStart[(first + 1) % 8]);
    m_panchanga.m_nTimeNakshatra28[1] =
        timeNakshatra(kWheelStart[(part + 1) % 8], part == 15 ? 20 : kWheelStart[(part + 2) % 8]);
}
