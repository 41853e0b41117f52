#pragma once
// Two calculation preferences act by rewriting shared tables rather than through a flag the
// calculation reads: the exaltation and debilitation signs of the nodes, and the pushkara bhagas.
// Whoever changes NodalExaltationParasara or PushkaraBhagaJP calls the applier, then recalculates.
#include <array>

// Sign (0 Aries..11 Pisces) in which each body 0-9 is exalted or debilitated; the lagna (0) holds 12,
// no sign. Sun to Saturn are fixed; Rahu (8) and Ketu (9) follow ApplyRahuKetuExaltationOption.
constexpr int kNoSign = 12;
extern std::array<int, 10> g_exaltationSigns;
extern std::array<int, 10> g_debilitationSigns;

// true: Rahu exalted in Taurus and Ketu in Scorpio (debilitated in Scorpio and Taurus);
// false: Rahu exalted in Gemini and Ketu in Sagittarius (debilitated in Sagittarius and Gemini).
void ApplyRahuKetuExaltationOption(bool nodalExaltationParasara);

// Degree within each sign (0 Aries..11 Pisces) of the sign's pushkara bhaga, by two definitions.
using PushkaraBhagaTable = std::array<double, 12>;
extern const PushkaraBhagaTable g_pushkaraBhagaJP;
extern const PushkaraBhagaTable g_pushkaraBhagaByElement; // by the element of the sign
// The table in use; null until the preferences are loaded.
extern const PushkaraBhagaTable* g_pPushkaraBhagaDegrees;

// true: g_pushkaraBhagaJP; false: g_pushkaraBhagaByElement.
void ApplyTableOption(bool pushkaraBhagaJP);
