#pragma once
// What the mode computations share besides CTavroDoc::ShowModeChart.
#include <string>

#include "core/angle_time.h"
#include "core/calc_status.h"
#include "core/longitude_search.h"

class CChart;
class CChartCore;

// Days a search starts past the moment found before, so that it does not find that moment again.
inline constexpr double kModeSearchStepDays = 0.0035;

// The Tajaka and Tithi Pravesha forms start at `year` with no month, part or day chosen.
void ResetModeSelections(int year);

// A body's name in the titles of event charts: the abbreviation of the chosen name tables.
const char* ModeBodyName(int body);

// The natal place at `moment` (local civil time in its own zone), told in the natal zone, with its
// bodies 0-12 calculated.
CalcStatus NatalPlaceAt(const CChart& natal, const CLocalDateTime& moment, CChartCore& into);

// A search that did not find its moment, as the user reads it: the library's message when a position
// could not be calculated, else `notFound`.
CalcStatus SearchFailure(const SearchResult& result, const std::string& notFound);
