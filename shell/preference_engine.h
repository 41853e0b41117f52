#pragma once
// The machinery of a key=value preference file, apart from which keys it holds: the value forms,
// reading lines in any order and any section, and writing the sections in a fixed order. The table of
// this program's keys is preference_keys.h; tests drive the engine with tables of their own.
#include <climits>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shell/color_settings.h"

// Sections in file order. The reader ignores them: a key is recognised in any section.
enum class PreferenceSection {
    kDirectory,
    kCalculation,
    kDisplay,
    kCurrentState,
    kAddress,
    kBodiesToShow,
    kColors,
    kWindowSizes,
};
const char* PreferenceSectionName(PreferenceSection section);

// The values a key accepts. A value read outside them (or not finite) is rejected: the global takes
// its built-in default instead, so that no table is indexed by a damaged value.
struct IntRange {
    int min = INT_MIN;
    int max = INT_MAX;
};
struct DoubleRange {
    double min = -1e300;
    double max = 1e300;
};
// The ranges as the option table writes them.
constexpr IntRange Ints(int min, int max) {
    return {min, max};
}
constexpr DoubleRange Doubles(double min, double max) {
    return {min, max};
}

// "%d". Flags are the same with 0 or 1, true when the integer read is not 0.
struct IntBinding {
    int* value;
    int defaultValue;
    IntRange valid = {};
};
struct FlagBinding {
    bool* value;
    bool defaultValue;
};
struct IntFlagBinding { // a flag the calculation keeps in an int (0 or 1)
    int* value;
    int defaultValue;
};
// "%lf": six decimals.
struct DoubleBinding {
    double* value;
    double defaultValue;
    DoubleRange valid = {};
};
// A decimal kept in another form in memory (converted on the way in and out).
struct DoubleAccessorBinding {
    std::function<double()> get;
    std::function<void(double)> set;
    double defaultValue;
    DoubleRange valid = {};
};
// Text to the end of the line. Blanks of place names are written as "^"; line breaks of the
// astrologer's address as "^~^".
enum class TextForm { kPlain, kBlanksAsCaret, kLineBreaksAsMarker };
struct TextBinding {
    std::string* value;
    std::string defaultValue;
    TextForm form = TextForm::kPlain;
};
// Written only; the program derives the value afresh at every start.
struct WriteOnlyTextBinding {
    std::function<std::string()> get;
};
// Indexed keys: one line "key=index entry" per entry, indices ascending. A line whose index is out of
// range, or whose two numbers do not scan, is ignored.
struct IntListBinding {
    std::span<int> values;
    std::vector<int> defaults; // one per entry
    IntRange valid = {};
};
struct FlagListBinding {
    std::span<bool> values;
    std::vector<bool> defaults;
};
struct DoubleListBinding {
    std::span<double> values;
    std::vector<double> defaults;
    DoubleRange valid = {};
};
// "%ld": written from the saved set; a value read sets the colour in use too.
struct ColorBinding {
    ColorRef* saved;
    ColorRef* current;
    ColorRef defaultValue;
};
// "cx cy"; both must scan and lie in range, or the line is ignored. Sizes have no built-in default
// here (the frame computes them).
struct SizeBinding {
    int* cx;
    int* cy;
    IntRange valid = {};
};

using PreferenceBinding =
    std::variant<IntBinding, FlagBinding, IntFlagBinding, DoubleBinding, DoubleAccessorBinding, TextBinding,
                 WriteOnlyTextBinding, IntListBinding, FlagListBinding, DoubleListBinding, ColorBinding,
                 SizeBinding>;

struct PreferenceKey {
    std::string key; // compared case-sensitively
    PreferenceSection section;
    PreferenceBinding binding;
    std::function<void()> afterRead = {}; // side effect of reading the key (runs per line read)
};

// Reads key=value lines from `in` into the globals the keys bind. Section headers, lines without "=",
// unknown keys and rejected values change nothing; keys may come in any section and any order, and
// a key given twice keeps its last value. Lines may be of any length and end in "\n" or "\r\n".
// Returns the number of lines that name a key, whether their value was taken or not. Each line whose
// number lies outside what its key accepts (the key took its default) is added to `refused`, when
// given, with the accepted values: "DefaultAltitude=-600 (accepted: -500 to 20000)".
int ReadPreferenceLines(std::istream& in, std::span<const PreferenceKey> keys,
                        std::vector<std::string>* refused = nullptr);

// The whole file text: the sections of `keys` in enum order, each key in table order. The
// first header is followed by one empty line, every later one is preceded and followed by one.
// Sections listed in `omitted` are left out whole.
std::string FormatPreferences(std::span<const PreferenceKey> keys,
                              std::span<const PreferenceSection> omitted = {});

// Puts the built-in default into every key of `keys` that `wanted` accepts (all when it is empty).
// Write-only keys and sizes have none and are left alone.
void ApplyPreferenceDefaults(std::span<const PreferenceKey> keys,
                             const std::function<bool(const PreferenceKey&)>& wanted = {});

// Sets a number, flag (non-zero is true) or decimal key; false for a key of another form.
bool SetPreferenceNumber(const PreferenceKey& key, double value);

// The value conversions, exposed for tests. Both read the longest leading number after blanks, like
// the C library's atoi and atof but independent of the locale; text without a number reads as 0.
// They fail only when a number is there but out of range (or not finite).
bool ParsePreferenceInt(std::string_view text, int& value);
bool ParsePreferenceDouble(std::string_view text, double& value);
std::string FormatPreferenceDouble(double value); // "%lf"
