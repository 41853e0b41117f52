#include "document/dasa_options.h"

int g_nDasaCycleOffsetCode = kNoDasaCode;
std::array<int, kDasaCodeCount + 1> g_nDasaCycleOffsetByCode{};
bool g_bTribhagiVariation = false;
bool g_bDasaCompression = false;
double g_dCompressionDays = kMeanTropicalYearDays;
bool g_bMundaneBackToNatal = false;
int g_nNakshatraDasaVarga = 0;
int g_nRasiBhuktaVarga = 0;
int g_nRasiBhuktaStartPoint = 0;
int g_nTithiAshtottariBodyA = 1; // the Sun
int g_nTithiAshtottariBodyB = 2; // the Moon
int g_nTithiAshtottariHarmonic = 0;
int g_nTithiAshtottariVarga = 0;
int g_nTithiYoginiHarmonic = 0;
int g_nTithiYoginiVarga = 0;
bool g_bPakaNarayana = false;
bool g_bSamaNarayana = false;
int g_nRasiDasaVarga = 0;
int g_nCharaDasaSeed = 0;
bool g_bCharaDasaVirgoRule = false;
int g_nCharaDasaProgressBody = 0;
int g_nShoolaDasaStartHouse = 0;
int g_nLagnaKendradiVarga = 0;
int g_nAKKendradiVarga = 0;
int g_nAKKendradiGrahaVarga = 0;
