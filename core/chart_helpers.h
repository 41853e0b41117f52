#pragma once
// Small helpers around chart moments and text grids.
#include <cstdio>
#include <span>
#include <string>

#include "core/angle_time.h"

// The UT Julian day of a local moment (its date, time and zone).
double JulianDayOf(const CLocalDateTime& moment);

// The local date and time of a UT Julian day in a zone (hours, positive west).
CLocalDateTime LocalMomentOf(double jdUt, const CHmsTime& zone);
// The same in a zone whose fields are split already (CHmsTime::SplitHours), which the moment takes as
// they are: quicker for the many moments of one zone.
CLocalDateTime LocalMomentInSplitZone(double jdUt, const CHmsTime& splitZone);
// The same written into `moment`: no moment made and copied, for bulk listings.
void LocalMomentInSplitZone(double jdUt, const CHmsTime& splitZone, CLocalDateTime& moment);

// True when moment a is not later than moment b (their UT Julian days compared).
bool IsSameBirthMoment(const CLocalDateTime& a, const CLocalDateTime& b);
// True when a is not later than b and b not later than c.
bool IsSameBirthMoment3(const CLocalDateTime& a, const CLocalDateTime& b, const CLocalDateTime& c);

// "<time> (<Month> <day>, <year>)", the time on a 12-hour clock with am/pm when amPm (the display
// option TimeDisplayWithAmPm), else "%d:%02d:%02d"; the month in English.
std::string FormatDateWithMonth(const CLocalDateTime& moment, bool amPm);

// Copies the text's characters, without a terminator, into the grid at the position; characters that
// would fall outside the grid are dropped.
void CopyToGrid(std::span<char> grid, std::size_t position, const std::string& text);

// Formats like printf, then copies the result as CopyToGrid does.
template <typename... Args>
void FormatToGrid(std::span<char> grid, std::size_t position, const char* format, Args... args) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    CopyToGrid(grid, position, buffer);
}
