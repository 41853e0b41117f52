#pragma once
// Dasa options and state that the dispatcher owns beside the option globals of core/calc_options.h:
// the family choices' companions, the per-code cycle offsets, the Tribhagi variation, compression into
// a mode chart's span and the seeds' varga choices. Process-wide, as every option of the program.
#include <array>

#include "core/calc_options.h"

inline constexpr int kNoDasaCode = kDasaCodeCount; // 75: the cycle offset belongs to no code yet

extern int g_nDasaCycleOffsetCode;                                   // code whose offset is running
extern std::array<int, kDasaCodeCount + 1> g_nDasaCycleOffsetByCode; // saved offsets; [75] the start's
extern bool g_bTribhagiVariation;                                    // nakshatra dasas in thirds
extern bool g_bDasaCompression;    // a mode chart's period: one cycle spans g_dCompressionDays
extern double g_dCompressionDays;  // days (365.24219 at start)
extern bool g_bMundaneBackToNatal; // the mundane form's "Back to Natal Chart" state
extern int g_nNakshatraDasaVarga;  // varga column whose chart gives the nakshatra-dasa seed (0 rasi)
extern int g_nRasiBhuktaVarga;     // varga column of the signs of Rasi-Bhukta Vimsottari
// Tithi Ashtottari: the two bodies whose angle gives the tithi, the harmonic 0-35 and the varga column.
extern int g_nTithiAshtottariBodyA;
extern int g_nTithiAshtottariBodyB;
extern int g_nTithiAshtottariHarmonic;
extern int g_nTithiAshtottariVarga;
// Tithi Yogini: the harmonic 0-35 of the Moon-Sun tithi.
extern int g_nTithiYoginiHarmonic;
extern int g_nTithiYoginiVarga;
