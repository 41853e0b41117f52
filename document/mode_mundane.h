#pragma once
// Mundane and event charts: the division codes of the ingress search and the pure rules of the event
// charts. Longitudes are degrees in the chart's zodiac (sidereal unless said); periods are days.
#include <string>

// Division codes of CTavroDoc::CalcDivisionChangeChart.
inline constexpr int kDivisionRasi = 0;
inline constexpr int kDivisionNakshatra = 1;
// 2..23: the divisional chart of varga column code - 1 (2 = the navamsa, column 1 ... 23 = D-144,
// column 22, the last column of a fixed division).
inline constexpr int kDivisionFirstColumnCode = 2;
inline constexpr int kDivisionLastColumnCode = 23;
inline constexpr int kDivisionSignEntry = 1000; // 1000-1011: entry into sign code - 1000
inline constexpr int kDivisionArdraEntry = 2000;

// Span of a division code, degrees (360 for the sign and Ardra entries); 0 for an unknown code.
double DivisionSpan(int code);
// The longitude a body at `longitude` must reach first for the code: the start of the division it
// occupies (for the sign entries the sign's start, for Ardra 66 deg 40').
double DivisionTarget(int code, double longitude);

// Title of a swearing-in chart of `periodDays`: "%.0f-yr chart" for a whole number of mean tropical
// years of 365.24219 days, else "Chart of %.0f days".
std::string SwearingInTitle(double periodDays);

// Days from conception to birth for the Nisheka chart, from the natal positions (degrees): the angle
// from the 1st to the 9th cusp, plus the whole degrees between Saturn and Maandi, plus the Moon's
// degrees in its sign when the lagna lord stands less than 180 degrees ahead of the lagna, plus 28.5.
double NishekaDays(double cusp1, double cusp9, double moonInSign, double saturnInSign, double maandiInSign,
                   double lagna, double lagnaLord);
