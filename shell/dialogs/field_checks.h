#pragma once
// Range checks of the dialogs' edit boxes. Each says what is allowed when a value is out of range, so
// the dialog can keep itself open with the field in focus; nothing out of range reaches a chart.
#include <optional>
#include <string>
#include <string_view>

#include "core/angle_math.h" // DaysInMonth

// The text of an edit box read as a whole number or a decimal number (blanks around it allowed);
// nothing when it does not scan in full.
std::optional<int> ParseInteger(std::string_view text);
std::optional<double> ParseNumber(std::string_view text);

// Nothing when `value` lies in [min, max]; else "<field>: enter a whole number from <min> to <max>."
std::optional<std::string> CheckIntegerRange(std::string_view field, int value, int min, int max);
// Nothing when `value` lies in [min, max]; else "<field>: enter a number from <min> to <max>."
std::optional<std::string> CheckNumberRange(std::string_view field, double value, double min, double max);
// Nothing when min <= value < max; else "<field>: enter a number from <min> to below <max>."
std::optional<std::string> CheckNumberBelow(std::string_view field, double value, double min, double max);
// CheckNumberBelow from 0 to 60: minutes and seconds.
std::optional<std::string> CheckSixtieths(std::string_view field, double value);
