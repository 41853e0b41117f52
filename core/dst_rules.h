#pragma once
// Daylight-saving rules by region: whether a moment lies in its region's daylight-saving season.
// Rule dates are Gregorian (daylight saving began in the 20th century).
#include "core/region_table.h"

class CChartCore;

// A moment as the rules read it.
struct DstMoment {
    int year = 0;        // local civil year
    double zoneWest = 0; // hours, positive west of Greenwich (universal time = local time + zone)
    double jdUt = 0;     // Julian day (UT) of the moment
};

// Julian day (UT) of a weekday found from a date, at `hour` local time in `zoneWest` (hours, positive
// west). n = 0: the date itself; n > 0: the n-th such weekday on or after the date; n < 0: the |n|-th
// on or before it. Weekdays 0 Sunday .. 6 Saturday. A day past the month's end carries into the next.
double FindNthWeekdayJd(int year, int month, int day, double hour, double zoneWest, int n, int weekday);

// True when daylight saving is in force at `moment` under the rule of region row `regionRow`. A region
// whose standard and daylight zones are equal never keeps it; nor does a row outside the table.
bool IsDaylightSavingInForce(int regionRow, const DstMoment& moment);

// The same for a place of the atlas, judged by the place's own zones (hours, positive east) rather than
// its region's: a place without daylight saving in a region with it (Brisbane in Australia) never keeps it.
bool IsDaylightSavingInForce(int regionRow, const DstMoment& moment, double placeStandardZone,
                             double placeDaylightZone);

// The decision for a chart: daylight saving in force at the chart's moment (its local year, zone and
// Julian day) under the rule of region row `placeCode`, the chart's place code.
bool GetDstCorrection(const CChartCore& chart, int placeCode);
// The same for a chart placed at an atlas place, judged by the place's zones (hours, positive east).
bool GetDstCorrection(const CChartCore& chart, int placeCode, double placeStandardZone,
                      double placeDaylightZone);
