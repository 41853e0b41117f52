#pragma once
// The printf-style cell texts of the report lists ("%.2f", "%d (out of 12)" ...), at most 255 characters.
#include <cstdio>
#include <string>

template <class... Values> std::string FormatCell(const char* format, Values... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}
