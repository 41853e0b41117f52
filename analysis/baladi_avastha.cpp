// Baladi, jagradadi, deeptadi and sayanadi states of the planets in one varga column.
#include <algorithm>

#include "analysis/avasthas.h"
#include "core/angle_math.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"
#include "core/sign_rules.h"

namespace {

// The malefics that crowd a sign for the deeptadi states: Sun, Mars, Saturn, Rahu and Ketu.
bool IsMalefic(int planet) {
    return planet == kSun || planet == kMars || planet == kSaturn || planet == kRahu || planet == kKetu;
}

int CountMaleficsIn(const CChartRecord& chart, int sign, int v) {
    int count = 0;
    for (int p = kSun; p <= kKetu; ++p) {
        if (IsMalefic(p) && chart.m_vargaSign.Sign(p, v) == sign) ++count;
    }
    return count;
}

} // namespace

void CBaladiAvastha::Compute(const CChartRecord& chart) {
    ComputeBaladi(chart);
    ComputeJagradadi(chart);
    ComputeDeeptadi(chart);
    ComputeSayanadi(chart);
}

// Degrees within the sign come from the body's longitude in this column's chart.
void CBaladiAvastha::ComputeBaladi(const CChartRecord& chart) {
    for (int p = kSun; p <= kKetu; ++p) {
        const CRasiLongitude place = chart.DivisionalLongitude(p, m_nVarga);
        double degrees = place.DegreesInSign();
        if (!IsOddSign(chart.m_vargaSign.Sign(p, m_nVarga))) degrees = 30.0 - degrees;
        m_nBaladi[p] = std::clamp(static_cast<int>(degrees / 6.0), 0, 4);
    }
}

void CBaladiAvastha::ComputeJagradadi(const CChartRecord& chart) {
    for (int p = kSun; p <= kKetu; ++p) {
        const int sign = chart.m_vargaSign.Sign(p, m_nVarga);
        if (chart.IsOwnOrExalted(m_nVarga, p)) {
            m_nJagradadi[p] = 0;
            continue;
        }
        const int relation = chart.RelationInVarga(m_nVarga, p, SignLordPlain(sign));
        m_nJagradadi[p] = relation >= 1 && relation <= 3 ? 1 : 2;
    }
}

void CBaladiAvastha::ComputeDeeptadi(const CChartRecord& chart) {
    for (int p = kSun; p <= kKetu; ++p) {
        const int sign = chart.m_vargaSign.Sign(p, m_nVarga);
        const int lord = SignLordPlain(sign);
        const int relation = chart.CompoundRelation(m_nVarga, p, lord);
        const int malefics = CountMaleficsIn(chart, sign, m_nVarga);
        // Benefics are troubled by fewer malefics than malefics are.
        const int crowd = IsMalefic(p) ? 2 : 1;
        auto& flags = m_deeptadi[p];
        flags = {};
        flags[kDeeptaExalted] = IsExaltedIn(p, sign);
        flags[kDeeptaOwnSign] = IsLordOfSign(p, sign);
        flags[kDeeptaGreatFriend] = relation == 1;
        flags[kDeeptaFriend] = relation == 2;
        flags[kDeeptaNeutral] = relation == 3;
        flags[kDeeptaEnemy] = relation == 4 || relation == 5;
        flags[kDeeptaAmongMalefics] = malefics > crowd;
        flags[kDeeptaMaleficLord] = lord == kSun || lord == kMars || lord == kSaturn;
        flags[kDeeptaNearSun] = p != kSun && AngleDistance(chart.m_bodies[p].m_dLongitude,
                                                           chart.m_bodies[kSun].m_dLongitude) <= 6.0;
        flags[kDeeptaFifthWithMalefics] = chart.HouseFromLagna(m_nVarga, p) == 5 && malefics >= crowd;
        flags[kDeeptaExaltedOrMoolatrikona] = IsExaltedIn(p, sign) || IsInMoolatrikona(p, sign);
    }
}

void CBaladiAvastha::ComputeSayanadi(const CChartRecord& chart) {
    // Added to each planet's cheshta count: Sun .. Ketu.
    constexpr int kCheshtaAddend[kAvasthaSlots] = {0, 5, 2, 2, 3, 5, 3, 3, 4, 4};
    const int lagnaSign = chart.m_vargaSign.Sign(kLagna, m_nVarga);
    const int ghatis = static_cast<int>(chart.m_sunriseFrame.m_dGhatisSinceStart);
    const int moonNakshatra = chart.m_nakshatra[kMoon];
    for (int p = kSun; p <= kKetu; ++p) {
        const double degrees = chart.DivisionalLongitude(p, m_nVarga).DegreesInSign();
        const int navamsa = static_cast<int>(degrees * 0.3) + 1;
        const int nakshatra = chart.m_nakshatra[p] + 1;
        const int state = SignedModOneBased(
            navamsa * nakshatra * p + (lagnaSign + 1) + (ghatis + 1) + (moonNakshatra + 1), 12);
        m_nSayanadi[p] = state - 1;
        for (int j = 1; j <= 5; ++j) {
            const int count = SignedModOneBased(state * state + j, 12) + kCheshtaAddend[p];
            m_nCheshta[j - 1][p] = SignedModOneBased(count, 3) - 1;
        }
    }
}
