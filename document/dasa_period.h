#pragma once
// CDasaPeriod: one listed period of a dasa tree. A listing keeps its bounds as UT Julian days; their local
// moments and texts are made when read, so a listing nobody shows costs its arithmetic only.
#include <limits>
#include <string>

#include "core/angle_time.h"

// A bound not found (a listing cut where a moment lies beyond the ephemeris).
inline constexpr double kNoBound = std::numeric_limits<double>::quiet_NaN();

struct CDasaPeriod {
    bool bPlanet = false;  // the lord is a body (else a sign); left alone when label tables name it
    int nLord = 0;         // lord index of the first sequence
    std::string strName;   // one lord, two or three joined by ":", or a label with a second in brackets
    double dStartJd = kNoBound; // UT Julian days of start and end
    double dEndJd = kNoBound;
    CHmsTime zone;      // the birth place's zone, split: the bounds are shown in its local time
    bool bAmPm = false; // the clock style the period was listed in (TimeDisplayWithAmPm then)

    // The bounds in the birth place's local time (a fresh moment in the zone for a bound not found).
    CLocalDateTime Start() const;
    CLocalDateTime End() const;
    // Their texts: dates "%4d-%02d-%02d"; times "%d:%02d:%02d", or with am/pm in the am/pm style; none
    // for a bound not found.
    std::string StartDate() const;
    std::string StartTime() const;
    std::string EndDate() const;
    std::string EndTime() const;
};
