#pragma once
// What the mode computations share besides CTavroDoc::ShowModeChart.
#include <string>

#include "core/calc_status.h"
#include "core/longitude_search.h"

// A search that did not find its moment, as the user reads it: the library's message when a position
// could not be calculated, else `notFound`.
CalcStatus SearchFailure(const SearchResult& result, const std::string& notFound);
