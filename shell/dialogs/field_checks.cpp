#include "shell/dialogs/field_checks.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A number as the user would type it: no exponent, no needless zeros.
std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::string> CheckIntegerRange(std::string_view field, int value, int min, int max) {
    if (value >= min && value <= max) return std::nullopt;
    return std::string(field) + ": enter a whole number from " + std::to_string(min) + " to " +
           std::to_string(max) + ".";
}

std::optional<std::string> CheckNumberRange(std::string_view field, double value, double min, double max) {
    if (value >= min && value <= max) return std::nullopt;
    return std::string(field) + ": enter a number from " + NumberText(min) + " to " + NumberText(max) + ".";
}

std::optional<std::string> CheckNumberBelow(std::string_view field, double value, double min, double max) {
    if (value >= min && value < max) return std::nullopt;
    return std::string(field) + ": enter a number from " + NumberText(min) + " to below " + NumberText(max) +
           ".";
}

std::optional<std::string> CheckSixtieths(std::string_view field, double value) {
    return CheckNumberBelow(field, value, 0, 60);
}
