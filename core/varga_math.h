#pragma once
// Small arithmetic shared by the varga rules.
#include "core/sign_arithmetic.h"
#include "core/varga_columns.h"

// Any integer reduced into 0-11.
constexpr int Mod12(int value) {
    return PositiveMod(value, 12);
}

// Integer part of a non-negative value, toward zero.
inline int Trunc(double value) {
    return static_cast<int>(value);
}

// Degrees of the body into its sign, 0 <= d < 30 (30 only for a record split just below a boundary).
inline double DegreesInto(const CRasiLongitude& body) {
    return body.m_dLongitude - 30.0 * body.m_nSign;
}

// The n-th part counted continuously from 0 Aries, n parts per sign, the signs repeating every 12.
inline int CyclicSign(double longitude, int parts) {
    return Mod12(Trunc(longitude * parts / 30.0));
}
