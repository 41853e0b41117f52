// How many years a sign (or a planet) rules in the rasi and graha dasas: counts of signs from the dasa
// sign to its lord's sign, in the direction each dasa prescribes.
#include <algorithm>
#include <cstdlib>

#include "core/angle_math.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"
#include "core/varga_math.h"

namespace {

// Signs from `from` to `to`, 0-11, forward (zodiacal) or backward.
int CountSignsBetween(int from, int to, bool forward) {
    return PositiveMod(forward ? to - from : from - to, 12);
}

// One more when the lord is exalted where it stands and the count is below 12, then one less when it
// is debilitated there and the count is above 0.
int ApplyExaltationStep(int years, int lord, int lordSign) {
    if (IsExaltedIn(lord, lordSign) && years < 12) ++years;
    if (IsDebilitatedIn(lord, lordSign) && years > 0) --years;
    return years;
}

// Forward when the sign's triplet is even (Aries-Gemini, Libra-Sagittarius), backward when odd.
bool ForwardByTriplet(int sign) {
    return SignTriplet(sign) % 2 == 0;
}

} // namespace

int CChartRecord::RasiDasaYears(int s, int L, int v) const {
    const int lordSign = m_vargaSign.Sign(L, v);
    const int years = SignedModOneBased(CountSignsBetween(s, lordSign, ForwardByTriplet(s)), 12);
    return ApplyExaltationStep(years, L, lordSign);
}

int CChartRecord::RasiDasaYearsChara(int s, int L, int v) const {
    const int lordSign = m_vargaSign.Sign(L, v);
    const int years = SignedModOneBased(CountSignsBetween(s, lordSign, ForwardByTriplet(s)), 12);
    return g_bCharaDasaExaltationException ? ApplyExaltationStep(years, L, lordSign) : years;
}

double CChartRecord::RasiDasaYearsVirgoStartIn(const CChartRecord& child, int r, int s, int L) {
    const CRasiLongitude& reference = child.m_bodies[r];
    const double start = 30.0 * s + DegreesInto(reference);
    const double lordLongitude = child.m_bodies[L].m_dLongitude;
    const double arc =
        ForwardByTriplet(s) ? AngleDiff(lordLongitude, start) : AngleDiff(start, lordLongitude);
    return arc == 0.0 ? 12.0 : arc / 30.0;
}

int CChartRecord::RasiDasaYearsNarayana(int s, int L, int v) const {
    const int lordSign = m_vargaSign.Sign(L, v);
    // The direction follows the lord's sign here, the other way round from RasiDasaYears.
    int years = SignedModOneBased(CountSignsBetween(s, lordSign, !ForwardByTriplet(lordSign)), 12);
    if ((lordSign + 6) % 12 == s) years = 10;
    return ApplyExaltationStep(years, L, lordSign);
}

int CChartRecord::RasiDasaYearsCharaAlt(int s, int L, int v) const {
    constexpr int kFemale = 2;
    const int lordSign = m_vargaSign.Sign(L, v);
    if (lordSign == s) return 12;
    if (m_nGender == kFemale) {
        const int years = SignedModOneBased(CountSignsBetween(s, lordSign, !IsOddSign(s)), 12);
        return years == 6 ? 10 : years;
    }
    return SignedModOneBased(CountSignsBetween(s, lordSign, !IsOddSign(lordSign)), 12) + 1;
}

int CChartRecord::RasiDasaYearsBrahma(int s, int p) const {
    const int planetSign = m_vargaSign.Sign(p, kD1Column);
    return ApplyExaltationStep(CountSignsBetween(s, planetSign, IsOddSign(s)), p, planetSign);
}

int CChartRecord::RasiDasaYearsCharaModified(int s, int L, int v) const {
    return SignedModOneBased(CountSignsBetween(s, m_vargaSign.Sign(L, v), ForwardByTriplet(s)), 12);
}

int CChartRecord::RasiDasaYearsMandooka(int s, int L, int v) const {
    const int inclusive = CountSignsBetween(s, m_vargaSign.Sign(L, v), IsOddSign(s)) + 1;
    if (inclusive == 1) return 12;
    if (inclusive == 7) return 10;
    return inclusive;
}

int CChartRecord::RasiDasaYearsAKKendradi(int p, int v) const {
    const int planetSign = m_vargaSign.Sign(p, v);
    const bool forward = ForwardByTriplet(planetSign);
    auto yearsTo = [&](int ownSign) {
        const int years = SignedModOneBased(CountSignsBetween(planetSign, ownSign, forward), 12);
        return ApplyExaltationStep(years, p, planetSign);
    };
    return std::max(yearsTo(kOwnSigns[p].first), yearsTo(kOwnSigns[p].second));
}

int CChartRecord::RasiDasaYearsMoola(int p, int v) const {
    const int planetSign = m_vargaSign.Sign(p, v);
    const int moolatrikona = kMoolaDasaMoolatrikonaSigns[p];
    const int vimsottariYears = kVimsottariYears[p];
    int distance = CountSignsBetween(planetSign, moolatrikona, true);
    if (planetSign == moolatrikona) {
        if (g_nMoolaDasaNoCorrectionInMoolaTrikona != 0) return vimsottariYears;
        distance = 12;
    } else if (IsExaltedIn(p, planetSign) && distance < 12) {
        ++distance;
    } else if (IsDebilitatedIn(p, planetSign) && distance > 0) {
        --distance;
    }
    const int years = std::abs(vimsottariYears - distance);
    return years == 0 ? vimsottariYears : years;
}
