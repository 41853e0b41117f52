#pragma once
// The transit mode and the transit research. A transit chart is the natal chart recomputed at another
// moment and read against the natal chart. The research lists, for the moment in g_transitMoment,
// which natal points each transiting body, taken in the divisional chart the research form chooses,
// aspects in eleven divisional charts. Longitudes are sidereal degrees; speeds degrees per day.
#include <array>
#include <string>

#include "core/angle_time.h"
#include "core/calc_status.h"

class CChart;

inline constexpr int kTransitResearchBodies = 9;
inline constexpr int kTransitResearchMaxEntries = 100;

// One natal point aspected in one divisional chart.
struct CTransitResearchEntry {
    int nColumn = 0;        // varga column
    int nPoint = 0;         // natal body number
    double dStrength = 0.0; // drishti strength (drishti method only)
    CRasiLongitude natal;   // the natal point in that divisional chart
    double dAspect = 0.0;   // the aspect method's value (aspect methods only)
    std::string strAspect;  // the aspect fraction's text (fraction method only)
};

// The pairs of one transiting body, in point-then-column order, at most 100.
struct CTransitResearchTable {
    int nCount = 0;
    std::array<CTransitResearchEntry, kTransitResearchMaxEntries> entries;
    CRasiLongitude transit;   // the body's longitude at the transit moment, in the chosen divisional chart
    double dSpeedRatio = 0.0; // its speed / its mean daily motion
};

// Jupiter, Saturn, Rahu, Ketu, Mars, Sun, Venus, Mercury, Moon: slow to fast.
inline constexpr std::array<int, kTransitResearchBodies> kTransitResearchBodyOrder = {5, 7, 8, 9, 3,
                                                                                      1, 6, 4, 2};
extern std::array<CTransitResearchTable, kTransitResearchBodies> g_transitResearchTables;

// Research settings of the research form.
inline constexpr int kResearchDrishti = 0;
inline constexpr int kResearchAspectFraction = 1;
inline constexpr int kResearchMarsSaturn = 2;
inline constexpr int kResearchJupiter = 3;
extern int g_nTransitResearchMethod;
extern double g_dTransitResearchMinStrength;   // drishti strength (0-100) a pair must reach
extern double g_dTransitResearchOrbFraction;   // orb of the fraction method, degrees
extern double g_dTransitResearchOrbMarsSaturn; // orb of the Mars and Saturn aspects, degrees
extern double g_dTransitResearchOrbJupiter;    // orb of the Jupiter aspects, degrees
// The divisional chart the transiting bodies are taken in: entry 0-21 of the form's chooser, the
// entries of the transit calendar's (CalendarChooserColumn), initially 0 (Rasi).
extern int g_nTranResearchVarga;

// Fills the nine tables from the natal chart and the transit chart (the natal chart at the transit
// moment, computed): each transiting body at its longitude in varga column `transitColumn` (0-22) of
// the transit chart, against the natal points in the natal chart's divisional charts, which are built
// as they are needed. Fails only when the user stops it (core/search_progress.h), the tables then part
// filled.
CalcStatus FillTransitResearchTables(CChart& natal, const CChart& transit, int transitColumn,
                                     std::array<CTransitResearchTable, kTransitResearchBodies>& tables);
