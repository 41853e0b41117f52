#pragma once
// A colour as the program stores it everywhere: a 32-bit colour reference with red in the low byte,
// then green, then blue, top byte 0.
#include <cstdint>

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 | static_cast<ColorRef>(blue) << 16;
}
constexpr int RedOf(ColorRef color) {
    return color & 0xFF;
}
constexpr int GreenOf(ColorRef color) {
    return color >> 8 & 0xFF;
}
constexpr int BlueOf(ColorRef color) {
    return color >> 16 & 0xFF;
}
