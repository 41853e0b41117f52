#pragma once
// One font as the display-font records and text styles hold it. Heights and widths are in the
// drawing surface's device units (pixels on screen, printer dots when printing).
#include <cmath>
#include <cstdint>
#include <string>

struct LogicalFont {
    std::string faceName;
    std::int32_t height = 0; // > 0: cell height (ascent + descent); < 0: character height; 0: default
    std::int32_t width = 0;  // average character width; 0: the face's own
    std::int32_t weight = 0; // 100 thin ... 400 normal ... 700 bold ... 900; 0: normal
    std::uint8_t pitchAndFamily = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t quality = 0;

    bool operator==(const LogicalFont&) const = default;
};

// Multiplies the height, width and weight of `font` by a, b and c, each rounded to the nearest integer.
inline void ScaleRecordFields(LogicalFont& font, double a, double b, double c) {
    font.height = static_cast<std::int32_t>(std::lround(font.height * a));
    font.width = static_cast<std::int32_t>(std::lround(font.width * b));
    font.weight = static_cast<std::int32_t>(std::lround(font.weight * c));
}
