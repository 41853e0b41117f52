#pragma once
// Horoscope matching for marriage by the ashta koota method (eight factors, at most 36 points, the
// gunanka). A birth star (nakshatra 0 Aswini .. 26 Revati, pada 0-3) is reduced to one of 36
// nakshatra-sign groups, and the score is a precomputed table entry for the bride's and the
// bridegroom's groups.
#include <array>
#include <cstdint>

inline constexpr int kKootaGroupCount = 36;

// [bride's group][bridegroom's group]: 3-36.
extern const std::array<std::array<std::uint8_t, kKootaGroupCount>, kKootaGroupCount> g_kootaScores;

// The group 0-35 of a nakshatra pada: one group per nakshatra and sign it touches, in zodiac order.
int NakshatraPadaGroup(int nakshatra, int pada);

// Score 3-36 of two birth stars. The first star is the bridegroom's when firstIsBridegroom is set, else
// the bride's; the second star is the other partner's.
int ComputeKootaScore(bool firstIsBridegroom, int nakshatra1, int pada1, int nakshatra2, int pada2);

// The level of a score: 0 "Below Average" (below 18), 1 "Average" (18-21), 2 "Fair" (22-25), 3 "Good"
// (26-30), 4 "Excellent" (31 and above).
int KootaMatchLevel(int score);
extern const char* const g_kootaMatchLevelNames[5];
