#pragma once
// The Tithi Pravesha mode: the moment the Moon - Sun angle (tithi), the Moon (nakshatra) or Moon + Sun
// (yoga) returns to its natal value. The year family finds the annual chart of a year, a lunar month
// in it or a tithi in that month; the moment family the nearest annual, monthly, fortnightly or daily
// chart before or after a given moment. The Pravesha kind is g_nTithiPraveshaKind (return_charts.h).
// Moments are local civil times in the natal zone (hours, positive west); Julian days are UT.
#include <string>

#include "core/angle_time.h"

extern std::string g_strPraveshaLabel;       // label of the kind in titles: "TP", "NP", "YP"
extern int g_nTithiPraveshaYear;             // calendar year of the annual chart
extern int g_nTithiPraveshaMonth;            // lunar month 1-12 within that year; 0 = the annual chart
extern int g_nTithiPraveshaDay;              // tithi 1-30 within that month (1 = its own first); 0 = monthly
extern bool g_bTithiPraveshaFromMoment;      // the moment family, with the remembered request below
extern int g_nTithiPraveshaPeriod;           // moment family: kTithiPraveshaAnnual .. kTithiPraveshaDaily
extern bool g_bTithiPraveshaBackward;        // moment family: the chart before the moment (else after it)
extern CLocalDateTime g_tithiPraveshaMoment; // moment family: the moment searched from

inline constexpr int kTithiPraveshaAnnual = 0;
inline constexpr int kTithiPraveshaMonthly = 1;
inline constexpr int kTithiPraveshaFortnightly = 2;
inline constexpr int kTithiPraveshaDaily = 3;

// Tithi Pravesha returns searched before the annual chart is given up as not found: a year has about
// thirteen, so two years' worth.
inline constexpr int kTithiPraveshaSearchCap = 26;
