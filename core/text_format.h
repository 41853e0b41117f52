#pragma once
// printf-style formatting into a std::string, for the program's fixed text formats.
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

template <typename... Args> std::string FormatText(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Sets `text` to the pieces joined, each copied straight into its own storage: a text rewritten with
// the same length, as a listing's dates, times and names mostly are, costs no more than the copies.
// No piece may lie in `text`.
inline void OverwriteText(std::string& text, std::initializer_list<std::string_view> pieces) {
    std::size_t length = 0;
    for (const std::string_view piece : pieces) length += piece.size();
    text.resize(length);
    char* out = text.data();
    for (const std::string_view piece : pieces) {
        if (piece.empty()) continue;
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    }
}
// The same for one piece.
inline void OverwriteText(std::string& text, std::string_view value) {
    text.resize(value.size());
    if (!value.empty()) std::memcpy(text.data(), value.data(), value.size());
}
