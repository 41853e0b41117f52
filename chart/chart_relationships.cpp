// Planetary relationships in every varga column, and the varnada lagnas.
#include <array>
#include <cstdlib>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "core/sign_arithmetic.h"
#include "core/varga_math.h"

void CChart::ComputeRelationships() {
    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (!VargaColumnHoldsSign(c)) continue;
        RelationTable& temporal = m_temporalRelation[c];
        RelationTable& compound = m_compoundRelation[c];
        std::array<int, kPlanetCount> sign{}; // of planet i + 1
        for (int i = 0; i < kPlanetCount; ++i) sign[i] = m_vargaSign.Sign(i + 1, c);
        for (int i = 0; i < kPlanetCount; ++i) {
            for (int j = 0; j < kPlanetCount; ++j) {
                const int natural = g_nNaturalRelation[i][j];
                if (i == j) {
                    temporal[i][j] = compound[i][j] = natural;
                    continue;
                }
                // j in the 2nd, 3rd, 4th, 10th, 11th or 12th sign from i is a temporal friend.
                const int d = PositiveMod(sign[j] - sign[i], 12);
                const bool friendly = (d >= 1 && d <= 3) || d >= 9;
                temporal[i][j] = friendly ? 2 : 4;
                compound[i][j] = friendly ? natural - 1 : natural + 1;
            }
        }
    }
}

namespace {
// A sign counted from its end of the zodiac: odd signs (even index) from Aries, even signs from Pisces.
int CountFromItsEnd(int sign) {
    return IsOddSign(sign) ? sign + 1 : 12 - sign;
}

int VarnadaSign(int lagnaSign, int horaLagnaSign) {
    const int a = lagnaSign;
    const int b = horaLagnaSign;
    const int countA = CountFromItsEnd(a);
    const int countB = CountFromItsEnd(b);
    const int count = IsOddSign(a) == IsOddSign(b) ? countA + countB : std::abs(countA - countB);
    const int n = PositiveMod(count - 1, 12);
    return IsOddSign(a) ? n : 11 - n;
}
} // namespace

void CChart::ComputeVarnadas() {
    const double lagnaDegrees = m_bodies[kLagna].DegreesInSign();
    for (int c = 0; c < kVargaColumnCount; ++c) {
        // The D-150 and Hadda columns hold no signs; the varnadas' entries there follow their D-1 places.
        if (!VargaColumnHoldsSign(c)) continue;
        const int lagnaSign = m_vargaSign.Sign(kLagna, c);
        const int horaLagnaSign = m_vargaSign.Sign(kHoraLagna, c);
        for (int k = 0; k < 12; ++k) {
            const int sign = VarnadaSign(SignFrom(lagnaSign, k), SignFrom(horaLagnaSign, k));
            m_vargaSign.SetSign(kFirstVarnada + k, c, sign);
            if (c != kD1Column) continue;
            CRasiLongitude& record = m_bodies[kFirstVarnada + k];
            record.m_dLongitude = sign * 30.0 + lagnaDegrees;
            record.m_bRetrograde = 0;
            record.SplitLongitude();
        }
    }
}
