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
// Dasa seed 0-20 of Rasi-Bhukta Vimsottari (0 the Moon's).
extern int g_nRasiBhuktaStartPoint;
// Tithi Ashtottari: the two bodies whose angle gives the tithi, the harmonic 0-35 and the varga column.
extern int g_nTithiAshtottariBodyA;
extern int g_nTithiAshtottariBodyB;
extern int g_nTithiAshtottariHarmonic;
extern int g_nTithiAshtottariVarga;
// Tithi Yogini: the harmonic 0-35 of the Moon-Sun tithi.
extern int g_nTithiYoginiHarmonic;
extern int g_nTithiYoginiVarga;

// Rasi dasas (varga columns 0-28; bodies as in chart_core.h).
extern bool g_bPakaNarayana;         // Narayana dasa: the Paka variant
extern bool g_bSamaNarayana;         // Narayana dasa: the Sama variant (ten years a sign)
extern int g_nRasiDasaVarga;         // varga of Chara, Drig, Trikona and Yogardha dasas
extern int g_nCharaDasaSeed;         // body Chara dasa starts from (0 lagna)
extern bool g_bCharaDasaVirgoRule;   // Chara dasa years as fractions from the seed's degrees
extern int g_nCharaDasaProgressBody; // body whose sign Chara dasa's progression starts from
extern int g_nShoolaDasaStartHouse;  // Shoola dasa from this house after the lagna (0 the lagna)
extern int g_nLagnaKendradiVarga;    // varga of Lagna Kendradi Rasi Dasa
extern int g_nAKKendradiVarga;       // varga of Atma Karaka Kendradi Rasi Dasa
extern int g_nAKKendradiGrahaVarga;  // varga of AK Kendradi Graha Dasa (not saved)
