#include "core/calc_options.h"

int g_nCalendarFlag = 1; // Gregorian

bool g_bTopocentricPositions = false;
bool g_bTruePositions = true;
bool g_bNoNutation = false;
bool g_bNoAberration = false;
bool g_bNoGravDeflection = false;
bool g_bTrueNodes = false;
bool g_bApparentRefraction = false;

bool g_bSiderealNaksharasInTropical = false;
bool g_bFixedPlaneInCustomStarAyanamsa = false;
std::string g_strCustomStarCode = ",alVir"; // Spica
double g_dCustomStarLongitude = 180.0;

int g_nSiddhanta = 0;
