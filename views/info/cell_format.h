#pragma once
// Cell texts of the list panes: printf-style formatting into a string and lists of names joined.
#include <cstdio>
#include <string>
#include <vector>

// `format` filled like printf; cells are short, so a text past 511 characters is cut.
template <typename... Values> std::string FormatCell(const char* format, Values... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// The texts in order with `separator` between them; empty for none.
inline std::string JoinCells(const std::vector<std::string>& texts, const char* separator = ", ") {
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) joined += separator;
        joined += texts[i];
    }
    return joined;
}
