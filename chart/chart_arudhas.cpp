// Arudha points (bodies 59-101): the bhava arudhas AL, A2 .. A11 and UL, the arudhas L1-L12 of the
// house lords, and the arudhas of the planets and of their own signs, in every varga column that holds
// signs (not D-150 or Hadda).
#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/computed_bodies.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"

namespace {

bool HoldsArudhas(int column) {
    return column != kD150Column && column != kHaddaColumn;
}

// An arudha r counted from sign x may not fall in x itself or in its 7th: it then goes to the 10th from r.
int WithException(int r, int x, bool applies) {
    if (applies && (r == x || r == SignFrom(x, 6))) return SignFrom(r, 9);
    return r;
}

// The sign as far beyond `to` as `to` lies beyond `from`.
int Reflect(int from, int to) {
    return PositiveMod(2 * to - from, 12);
}

constexpr int kDualLordPlanets[5] = {kMars, kMercury, kJupiter, kVenus, kSaturn};
constexpr int kFirstOwnSign[5] = {0, 2, 8, 1, 9};    // Aries, Gemini, Sagittarius, Taurus, Capricorn
constexpr int kSecondOwnSign[5] = {7, 5, 11, 6, 10}; // Scorpio, Virgo, Pisces, Libra, Aquarius

int ArudhaLord(const CChart& chart, int sign, int column) {
    return g_bNodesInArudhas ? chart.SignLord(sign, column) : kPlainSignLords[sign];
}

// AL .. UL: for each house, the sign as far beyond its lord as the lord lies beyond the house.
void ComputeBhavaArudhasBySign(CChart& chart) {
    CVargaSignTable& table = chart.m_vargaSign;
    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (!HoldsArudhas(c)) continue;
        const int lagnaSign = table.Sign(kLagna, c);
        for (int k = 0; k < 12; ++k) {
            const int house = SignFrom(lagnaSign, k);
            const int lordSign = table.Sign(ArudhaLord(chart, house, c), c);
            const int arudha = WithException(Reflect(house, lordSign), house, g_bExceptionsInBhavaArudhas);
            table.SetSign(kArudhaLagna + k, c, arudha);
        }
    }
}

// AL .. UL from longitudes: each house a sign on from the base body (back from a node), the arudha as far
// beyond the house's lord as the lord lies beyond the house; in the rasi chart only, or in every varga
// with its divisional longitudes.
void ComputeBhavaArudhasByLongitude(CChart& chart) {
    CVargaSignTable& table = chart.m_vargaSign;
    const int base =
        g_nArudhaBasePlanet >= 0 && g_nArudhaBasePlanet < kBodyCount ? g_nArudhaBasePlanet : kLagna;
    const bool nodeBase = base == kRahu || base == kKetu; // the nodes count the houses backwards
    const int lastColumn = g_bDivLongsInBhavaArudhas ? kVargaColumnCount - 1 : kD1Column;
    for (int c = 0; c <= lastColumn; ++c) {
        if (!HoldsArudhas(c)) continue;
        CChart* const child = chart.GetVargaChart(c); // column 0 is this chart
        if (!child) continue;
        const double baseLongitude = child->m_bodies[base].m_dLongitude;
        const int baseSign = table.Sign(base, c);
        for (int k = 0; k < 12; ++k) {
            const double house = baseLongitude + (nodeBase ? -30.0 : 30.0) * k;
            const int sign = SignFrom(baseSign, nodeBase ? -k : k);
            const double lord = child->m_bodies[ArudhaLord(chart, sign, c)].m_dLongitude;
            double arc = 2.0 * AngleDiff(lord, house);
            if (arc >= 360.0) arc -= 360.0;
            // Within 15 degrees of the house or of its 7th: the 10th from there.
            if (g_bExceptionsInBhavaArudhas && (arc >= 345.0 || arc < 15.0 || (arc >= 165.0 && arc < 195.0)))
                arc += 270.0;
            CRasiLongitude& record = child->m_bodies[kArudhaLagna + k];
            record.m_dLongitude = Reduce360(house + arc);
            record.SplitLongitude();
            table.SetSign(kArudhaLagna + k, c, SignOfLongitude(record.m_dLongitude));
        }
    }
    // The arudha longitudes of the rasi chart give their signs in every varga.
    if (!g_bDivLongsInBhavaArudhas && !chart.m_flags[1]) chart.ComputeVargaSigns();
}

} // namespace

void CChart::ComputeArudhas() {
    if (g_bLongitudeBasedBhavaArudhas)
        ComputeBhavaArudhasByLongitude(*this);
    else
        ComputeBhavaArudhasBySign(*this);

    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (!HoldsArudhas(c)) continue;
        // L1-L12: the arudha of each house's lord, counted from the lord's sign.
        const int lagnaSign = m_vargaSign.Sign(kLagna, c);
        for (int k = 0; k < 12; ++k) {
            const int house = SignFrom(lagnaSign, k);
            const int lordSign = m_vargaSign.Sign(ArudhaLord(*this, house, c), c);
            const int arudha = WithException(Reflect(lordSign, house), lordSign, g_bExceptionsInGrahaArudhas);
            m_vargaSign.SetSign(kFirstLordArudha + k, c, arudha);
        }
        // Planets: counted from the planet to its stronger own sign, and to each own sign of the planets
        // that own two.
        auto planetArudha = [&](int planet, int ownSign) {
            const int sign = m_vargaSign.Sign(planet, c);
            return WithException(Reflect(sign, ownSign), sign, g_bExceptionsInGrahaArudhas);
        };
        for (int p = kSun; p <= kKetu; ++p)
            m_vargaSign.SetSign(kFirstPlanetArudha + p - 1, c, planetArudha(p, StrongerOwnSign(p, c)));
        for (int i = 0; i < 5; ++i) {
            m_vargaSign.SetSign(kFirstOwnSignArudha + i, c,
                                planetArudha(kDualLordPlanets[i], kFirstOwnSign[i]));
            m_vargaSign.SetSign(kSecondOwnSignArudha + i, c,
                                planetArudha(kDualLordPlanets[i], kSecondOwnSign[i]));
        }
    }
}
