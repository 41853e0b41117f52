#include "core/option_appliers.h"

#include "core/chart_core.h"
#include "core/planet_tables.h"

// Lagna, Sun..Saturn, then the nodes as a file without NodalExaltationParasara gives them.
std::array<int, 10> g_exaltationSigns = {kNoSign, 0, 1, 9, 5, 3, 11, 6, kGemini, kSagittarius};
std::array<int, 10> g_debilitationSigns = {kNoSign, 6, 7, 3, 11, 9, 5, 0, kSagittarius, kGemini};

void ApplyRahuKetuExaltationOption(bool nodalExaltationParasara) {
    g_exaltationSigns[kRahu] = nodalExaltationParasara ? kTaurus : kGemini;
    g_exaltationSigns[kKetu] = nodalExaltationParasara ? kScorpio : kSagittarius;
    g_debilitationSigns[kRahu] = nodalExaltationParasara ? kScorpio : kSagittarius;
    g_debilitationSigns[kKetu] = nodalExaltationParasara ? kTaurus : kGemini;
}

const PushkaraBhagaTable g_pushkaraBhagaJP = {21, 14, 18, 8, 19, 9, 24, 11, 23, 14, 19, 9};
const PushkaraBhagaTable g_pushkaraBhagaByElement = {21, 14, 24, 7, 21, 14, 24, 7, 21, 14, 24, 7};
const PushkaraBhagaTable* g_pPushkaraBhagaDegrees = nullptr;

void ApplyTableOption(bool pushkaraBhagaJP) {
    g_pPushkaraBhagaDegrees = pushkaraBhagaJP ? &g_pushkaraBhagaJP : &g_pushkaraBhagaByElement;
}
