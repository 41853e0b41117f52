#pragma once
// Dignity tables of the nine planets that the strength rules share, and small tests on them. Planets are
// body numbers 1 Sun .. 9 Ketu (index 0, the lagna, holds kNoSign); signs 0 Aries .. 11 Pisces. The
// exaltation and debilitation signs are the core's tables, which the nodal-exaltation option rewrites.
#include <array>

#include "core/option_appliers.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"

// Moolatrikona sign: Leo, Taurus, Aries, Virgo, Sagittarius, Libra, Aquarius, Virgo (Rahu), Pisces (Ketu).
inline constexpr std::array<int, 10> kMoolatrikonaSigns = {kNoSign,      kLeo,   kTaurus,   kAries, kVirgo,
                                                           kSagittarius, kLibra, kAquarius, kVirgo, kPisces};
// The moolatrikona that the Moola dasa counts to: as above, but Rahu Aquarius and Ketu Scorpio.
inline constexpr std::array<int, 10> kMoolaDasaMoolatrikonaSigns = {
    kNoSign, kLeo, kTaurus, kAries, kVirgo, kSagittarius, kLibra, kAquarius, kAquarius, kScorpio};

// The planet's own signs, the one that wins a tie of equal strength first: Mars Aries and Scorpio,
// Mercury Virgo and Gemini, Jupiter Sagittarius and Pisces, Venus Libra and Taurus, Saturn Aquarius and
// Capricorn; the Sun, Moon and nodes have one (Leo, Cancer, Aquarius for Rahu, Scorpio for Ketu).
struct OwnSignPair {
    int first;
    int second;
};
inline constexpr std::array<OwnSignPair, 10> kOwnSigns = {{
    {kNoSign, kNoSign},
    {kLeo, kLeo},
    {kCancer, kCancer},
    {kAries, kScorpio},
    {kVirgo, kGemini},
    {kSagittarius, kPisces},
    {kLibra, kTaurus},
    {kAquarius, kCapricorn},
    {kAquarius, kAquarius},
    {kScorpio, kScorpio},
}};

inline bool IsExaltedIn(int planet, int sign) {
    return g_exaltationSigns[planet] == sign;
}
inline bool IsDebilitatedIn(int planet, int sign) {
    return g_debilitationSigns[planet] == sign;
}
inline bool IsInMoolatrikona(int planet, int sign) {
    return kMoolatrikonaSigns[planet] == sign;
}

// Odd signs (Aries, Gemini, Leo ...) are tested with IsOddSign of core/sign_arithmetic.h.

// 0 movable, 1 fixed, 2 dual.
constexpr int SignNature(int sign) {
    return sign % 3;
}
// 0 Aries-Gemini, 1 Cancer-Virgo, 2 Libra-Sagittarius, 3 Capricorn-Pisces.
constexpr int SignTriplet(int sign) {
    return sign / 3;
}

// The plain lord of a sign (the varga column is not consulted).
constexpr int SignLordPlain(int sign, int /*column*/ = 0) {
    return kPlainSignLords[sign];
}
