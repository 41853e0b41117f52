#pragma once
// Small integer rules of signs and cycles shared by the chart's point steps and the varga rules.

// x mod n in [0, n) for any sign of x (n > 0).
constexpr int PositiveMod(int x, int n) {
    const int r = x % n;
    return r < 0 ? r + n : r;
}

// The sign 0-11 counted n signs on from sign s (n may be negative; n = 0 is s itself).
constexpr int SignFrom(int s, int n) {
    return PositiveMod(s + n, 12);
}

// Sign 0-11 of a longitude in [0, 360) degrees.
constexpr int SignOfLongitude(double longitude) {
    return PositiveMod(static_cast<int>(longitude * (1.0 / 30.0)), 12);
}

// Aries, Gemini, Leo ... are the odd signs of the zodiac: sign numbers 0, 2, 4 ...
constexpr bool IsOddSign(int sign) {
    return sign % 2 == 0;
}
