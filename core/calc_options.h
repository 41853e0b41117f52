#pragma once
// Calculation options: process-wide globals named after their preference-file keys. The calculation
// code reads them directly; the preference file loads and saves them. Each line names its key; the
// definitions hold the built-in defaults.
#include <string>

// 1 = Gregorian calendar, 0 = Julian calendar; every date <-> Julian day conversion passes it.
extern int g_nCalendarFlag;

// Ephemeris flags (composed by SetTopocentric).
extern bool g_bTopocentricPositions; // TopocentricPositions: positions seen from the chart's place
extern bool g_bTruePositions;        // TruePositions: geometric positions, no light-time or aberration
extern bool g_bNoNutation;           // NoNutation
extern bool g_bNoAberration;         // NoAberration
extern bool g_bNoGravDeflection;     // NoGravDeflection
extern bool g_bTrueNodes;            // TrueNodes: true instead of mean lunar node for Rahu and Ketu
extern bool g_bApparentRefraction;   // ApparentRefraction: refracted positions (only without TruePositions)

// Ayanamsa options.
extern bool
    g_bSiderealNaksharasInTropical; // SiderealNaksharasInTropical: Spica-based nakshatras in tropical charts
extern bool g_bFixedPlaneInCustomStarAyanamsa; // FixedPlaneInCustomStarAyanamsa: solar-system plane for the
                                               // custom star
extern std::string g_strCustomStarCode; // CustomStarCode: the custom ayanamsa's star, as the library names it
extern double
    g_dCustomStarLongitude; // CustomStarLongitude: sidereal longitude the custom star is held at, degrees

// Planetary model.
extern int g_nSiddhanta; // Siddhanta: 1 = traditional Surya Siddhanta model, otherwise the ephemeris
