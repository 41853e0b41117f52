// Bhava bala: the strength of the twelve houses from their lords' shadbala, the class of their signs and
// the aspects of the seven planets on their cusps.
#include "analysis/shadbala.h"
#include "core/angle_math.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"
#include "core/drishti.h"
#include "core/sign_arithmetic.h"

namespace {

enum class SignClass { kHuman, kWatery, kQuadruped, kInsect };

// Sagittarius and Capricorn change class at their middle, by the lagna's degrees in its sign.
SignClass ClassOf(int sign, double lagnaDegrees) {
    const bool firstHalf = lagnaDegrees < 15.0;
    switch (sign) {
    case kGemini:
    case kVirgo:
    case kLibra:
    case kAquarius:
        return SignClass::kHuman;
    case kCancer:
    case kPisces:
        return SignClass::kWatery;
    case kScorpio:
        return SignClass::kInsect;
    case kSagittarius:
        return firstHalf ? SignClass::kHuman : SignClass::kQuadruped;
    case kCapricorn:
        return firstHalf ? SignClass::kQuadruped : SignClass::kWatery;
    default: // Aries, Taurus, Leo
        return SignClass::kQuadruped;
    }
}

// The house in which a sign of the class has no directional strength.
int ZeroHouse(SignClass signClass) {
    switch (signClass) {
    case SignClass::kHuman:
        return 7;
    case SignClass::kWatery:
        return 10;
    case SignClass::kQuadruped:
        return 4;
    case SignClass::kInsect:
        return 1;
    }
    return 1;
}

constexpr double kDigBalaByDistance[12] = {0, 10, 20, 30, 40, 50, 60, 50, 40, 30, 20, 10};

} // namespace

void CShadbala::ComputeBhavaBala() {
    const double lagnaLongitude = m_inputs.m_dLongitude[kLagna];
    const int lagnaSign = m_inputs.m_nSign[kRowD1][kLagna];
    const double lagnaDegrees = lagnaLongitude - 30.0 * lagnaSign;
    for (int h = 1; h <= 12; ++h) {
        HouseRow& house = m_house[h - 1];
        const int sign = SignFrom(lagnaSign, h - 1);
        house.m_dLordBala = Value(SignLordPlain(sign) - 1, kShadbala);
        const int distance = PositiveMod(h - ZeroHouse(ClassOf(sign, lagnaDegrees)), 12);
        house.m_dDigBala = kDigBalaByDistance[distance];

        // Mercury and Jupiter add their whole aspect, other benefics a quarter; malefics take a quarter.
        const double cusp = 30.0 * (h - 1) + lagnaLongitude;
        double drishti = 0.0;
        for (int a = 0; a < kShadbalaPlanets; ++a) {
            const double virupas = 0.6 * DrishtiStrength(cusp, Longitude(a), a + 1);
            if (a == kMercuryIndex || a == kJupiterIndex)
                drishti += virupas;
            else
                drishti += m_nNature[a] == 1 ? virupas / 4.0 : -virupas / 4.0;
        }
        house.m_dDrishtiBala = drishti;
        house.m_dBhavaBala = house.m_dLordBala + house.m_dDigBala + house.m_dDrishtiBala;
        house.m_dBhavaBalaRupas = house.m_dBhavaBala / 60.0;
    }
}
