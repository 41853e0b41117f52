#pragma once
// Constant tables of the nine planets that many rules share. Planets are body numbers 1 Sun .. 9 Ketu;
// signs 0 Aries .. 11 Pisces; nakshatras 0 Aswini .. 26 Revati.
#include <array>

enum SignNumber : int {
    kAries = 0,
    kTaurus,
    kGemini,
    kCancer,
    kLeo,
    kVirgo,
    kLibra,
    kScorpio,
    kSagittarius,
    kCapricorn,
    kAquarius,
    kPisces,
};

// The plain (classical) lord of each sign: Mars, Venus, Mercury, Moon, Sun, Mercury, Venus, Mars,
// Jupiter, Saturn, Saturn, Jupiter.
inline constexpr std::array<int, 12> kPlainSignLords = {3, 6, 4, 2, 1, 4, 6, 3, 5, 7, 7, 5};

// Vimsottari lord of a nakshatra by nakshatra mod 9: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter,
// Saturn, Mercury.
inline constexpr std::array<int, 9> kVimsottariLords = {9, 6, 1, 2, 3, 8, 5, 7, 4};
constexpr int VimsottariLordOfNakshatra(int nakshatra) {
    return kVimsottariLords[nakshatra % 9];
}

// Vimsottari years of each planet, indexed by body number (index 0 unused); 120 in all.
inline constexpr std::array<int, 10> kVimsottariYears = {0, 6, 10, 7, 17, 16, 20, 19, 18, 7};
inline constexpr int kVimsottariTotalYears = 120;

// Nakshatra and pada spans, degrees.
inline constexpr double kNakshatraSpan = 40.0 / 3.0; // 13 deg 20'
inline constexpr double kPadaSpan = 10.0 / 3.0;      // 3 deg 20'

// Nakshatras per degree, 1 / kNakshatraSpan, and the nakshatra 0-26 of a longitude in [0, 360) degrees.
inline constexpr double kNakshatrasPerDegree = 0.075;
constexpr int NakshatraOfLongitude(double longitude) {
    return static_cast<int>(longitude * kNakshatrasPerDegree);
}
