#pragma once
// The texts of panchanga days: the pieces the panchanga page draws line by line, the monthly copy of
// readable paragraphs and the tab-separated table for spreadsheets.
//
// Times are local times of the day's zone on a 24-hour clock, "%d:%02d": the ends of the limbs and of
// the Moon's sign with the seconds cut, the periods and the rise and set times to the nearest minute,
// each followed by "*" when its date is not the day's own. Where the Sun does not rise or set, "Sun does
// not rise" or "Sun does not set" stands for the time, and a period counted from it is "-".
#include <string>
#include <vector>

#include "core/calc_status.h"
#include "document/panchanga_day.h"

class CChartCore;

// "%s %d, %d:" with the month name, day and year of the day.
std::string PanchangaDateLine(const CPanchangaDay& day);
// "%s, " with the weekday name.
std::string WeekdayEntry(const CPanchangaDay& day);
// "%s (whole day), " or "%s till %s, " for each end.
std::string TithiEntries(const CPanchangaDay& day);
std::string NakshatraEntries(const CPanchangaDay& day);
// "%s yoga (whole day), " or "%s yoga till %s, " for each end.
std::string YogaEntries(const CPanchangaDay& day);
// "%s karana (whole day), " or "%s karana till %s, " for each end (up to three).
std::string KaranaEntries(const CPanchangaDay& day);
// "RahuK: %s - %s, GulikaK: %s - %s, YamaG: %s - %s, ".
std::string KalaEntries(const CPanchangaDay& day);
// "Varjya: %s - %s, " and "%s - %s, " when there are Varjyas, then "Durmuhurta: %s - %s, " and
// "%s - %s, " for a second one.
std::string VarjyaEntries(const CPanchangaDay& day);
// "Sunrise at %s, Sunset at %s," + `separator` + "Moonrise at %s, Moonset at %s, ".
std::string RiseSetEntries(const CPanchangaDay& day, const char* separator);
// "Moon in %s (whole day)" or "Moon in %s till %s".
std::string MoonSignEntry(const CPanchangaDay& day);
// "%s: %s": the hora's lord and its end time; the choghadiya's name and its end time.
std::string HoraEntry(const CPanchangaDay& day, int hora);
std::string ChoghadiyaEntry(const CPanchangaDay& day, int choghadiya);

// The monthly copy: for each day a paragraph "\n<Month> <day>, <year>:\n" and its lines of limbs,
// kalas, Varjya and Durmuhurta, rise and set times and the Moon's sign.
std::string FormatMonthlyPanchanga(const std::vector<CPanchangaDay>& days);

// The tab-separated table: a header, then one row per day for `count` days (at most 400) from
// year-month-day (month 1-12) at `chart`'s place and zone: the calendar names, the limbs, Rahu kala,
// Varjya, Durmuhurta, sunrise and sunset, the ends of the twelve lagnas from the Sun's sign on, and the
// bodies Sun to Ketu in each sign. Its times have no "*": the tithi and nakshatra ends are written as
// the page writes them (seconds cut), the others to the nearest minute. Each day is computed in a record
// of the table's own. `text` is written only when every day could be computed; `progress` is told after
// each day and can stop the table (kSearchCancelledMessage).
CalcStatus FormatPanchangaTableDP(const CChartCore& chart, int year, int month, int day, int count,
                                  std::string& text, const PanchangaProgress& progress = {});
inline constexpr int kMaxTableDays = 400;
