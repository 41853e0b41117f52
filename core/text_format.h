#pragma once
// printf-style formatting into a std::string, for the program's fixed text formats.
#include <cstdio>
#include <string>

template <typename... Args> std::string FormatText(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}
