#pragma once
// Fixed tables of the varga rules. Signs are 0 Aries .. 11 Pisces; planets 3 Mars .. 7 Saturn.
#include <array>

// The reverse zodiac with the same lords: Aries <-> Scorpio, Taurus <-> Libra, Gemini <-> Virgo,
// Sagittarius <-> Pisces, Capricorn <-> Aquarius; Cancer and Leo stay.
extern const std::array<int, 12> kMirrorSign;

// The sign of the same lord on the Moon's side (row 0: Aries, Taurus, Gemini, Cancer, Sagittarius,
// Capricorn) or on the Sun's side (row 1: Leo, Virgo, Libra, Scorpio, Aquarius, Pisces).
extern const std::array<std::array<int, 12>, 2> kLordSideSign;

// A sign itself when it lies in the luminary's half of the zodiac (row 0 Moon: Aquarius to Cancer,
// row 1 Sun: Leo to Capricorn), else its 7th.
extern const std::array<std::array<int, 12>, 2> kLuminaryHalfSign;

// The sign a five-lord part (D-5, D-30) maps to, by lord 0 Mars, 1 Saturn, 2 Jupiter, 3 Mercury,
// 4 Venus; row 0 for odd signs (Aries, Gemini ...), row 1 for even signs.
extern const std::array<std::array<int, 5>, 2> kFiveLordSign;

// Starts of the 150 unequal D-150 parts of a sign (Chandra Kala Nadi), in 1/504 degree; the sign
// ends at kD150PartEnd.
inline constexpr int kD150Units = 504;
inline constexpr int kD150PartEnd = 30 * kD150Units;
extern const std::array<int, 150> kD150PartStart;

// The terms (hadda) of each sign: four boundaries in degrees and the five lords in order.
struct HaddaTerms {
    std::array<int, 4> boundaries;
    std::array<int, 5> lords; // planet numbers 3 Mars .. 7 Saturn
};
extern const std::array<HaddaTerms, 12> kHaddaTerms;
