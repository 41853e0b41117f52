#include "shell/preference_engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>
#include <unordered_map>

namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string_view SkipBlanks(std::string_view text) {
    const auto start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// The number at the start of `text` after blanks and an optional "+", as atoi and atof read it.
template <class Number> std::from_chars_result ReadLeadingNumber(std::string_view text, Number& value) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    return std::from_chars(text.data(), text.data() + text.size(), value);
}

// Whether a number can be read from the start of `text`.
bool StartsWithNumber(std::string_view text) {
    double value = 0;
    return ReadLeadingNumber(text, value).ec != std::errc::invalid_argument;
}

// Splits "index entry" of an indexed key; both must scan.
bool SplitIndexed(std::string_view text, int& index, std::string_view& entry) {
    const auto [next, ec] = ReadLeadingNumber(text, index);
    if (ec != std::errc()) return false;
    entry = SkipBlanks(std::string_view(next, text.data() + text.size() - next));
    return StartsWithNumber(entry);
}

bool InRange(int value, IntRange range) {
    return value >= range.min && value <= range.max;
}
bool InRange(double value, DoubleRange range) {
    return std::isfinite(value) && value >= range.min && value <= range.max;
}

// The accepted values as a note shows them.
std::string RangeText(IntRange range) {
    return std::to_string(range.min) + " to " + std::to_string(range.max);
}
std::string RangeText(DoubleRange range) {
    char text[64];
    std::snprintf(text, sizeof text, "%g to %g", range.min, range.max);
    return text;
}

// A line as a note shows it: long lines are cut.
std::string ShownLine(const std::string& line) {
    constexpr std::size_t kLongest = 80;
    return line.size() <= kLongest ? line : line.substr(0, kLongest) + "...";
}

// A value that is refused gives the default, and `refusal` says what it accepts.
int ReadInt(std::string_view text, int defaultValue, IntRange range, std::string& refusal) {
    int value = 0;
    if (ParsePreferenceInt(text, value) && InRange(value, range)) return value;
    refusal = RangeText(range);
    return defaultValue;
}

double ReadDouble(std::string_view text, double defaultValue, DoubleRange range, std::string& refusal) {
    double value = 0;
    if (ParsePreferenceDouble(text, value) && InRange(value, range)) return value;
    refusal = RangeText(range);
    return defaultValue;
}

bool ReadFlag(std::string_view text) {
    int value = 0;
    // An integer too large for an int is still not 0.
    return !ParsePreferenceInt(text, value) || value != 0;
}

// Builds a new text in one pass: replacing in place would move the rest of the text at every match.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, done)) {
        out.append(text, done, at - done).append(to);
        done = at + from.size();
    }
    return out.append(text, done);
}

// Stored texts never break a line of the file.
std::string EncodeText(const std::string& text, TextForm form) {
    switch (form) {
    case TextForm::kLineBreaksAsMarker:
        return ReplaceAll(ReplaceAll(ReplaceAll(text, "\r\n", "^~^"), "\r", "^~^"), "\n", "^~^");
    case TextForm::kBlanksAsCaret:
        return ReplaceAll(ReplaceAll(ReplaceAll(text, " ", "^"), "\r", "^"), "\n", "^");
    case TextForm::kPlain:
        break;
    }
    return ReplaceAll(ReplaceAll(text, "\r", " "), "\n", " ");
}

std::string DecodeText(std::string_view text, TextForm form) {
    switch (form) {
    case TextForm::kLineBreaksAsMarker:
        return ReplaceAll(text, "^~^", "\n");
    case TextForm::kBlanksAsCaret:
        return ReplaceAll(text, "^", " ");
    case TextForm::kPlain:
        break;
    }
    return std::string(text);
}

template <class Entry, class Read>
bool ReadListEntry(std::string_view text, std::span<Entry> values, Read read) {
    int index = 0;
    std::string_view entry;
    if (!SplitIndexed(text, index, entry) || index < 0 || index >= static_cast<int>(values.size()))
        return false;
    values[index] = read(entry, index);
    return true;
}

template <class... F> struct Overload : F... { using F::operator()...; };
template <class... F> Overload(F...) -> Overload<F...>;

// Stores the value of one line; false when the line was ignored. A number refused for its range gives
// the key's default, and `refusal` the values the key accepts.
bool ApplyValue(const PreferenceKey& key, std::string_view text, std::string& refusal) {
    return std::visit(
        Overload{
            [&](const IntBinding& b) {
                return *b.value = ReadInt(text, b.defaultValue, b.valid, refusal), true;
            },
            [&](const FlagBinding& b) { return *b.value = ReadFlag(text), true; },
            [&](const IntFlagBinding& b) { return *b.value = ReadFlag(text) ? 1 : 0, true; },
            [&](const DoubleBinding& b) {
                return *b.value = ReadDouble(text, b.defaultValue, b.valid, refusal), true;
            },
            [&](const DoubleAccessorBinding& b) {
                return b.set(ReadDouble(text, b.defaultValue, b.valid, refusal)), true;
            },
            [&](const TextBinding& b) { return *b.value = DecodeText(text, b.form), true; },
            [&](const WriteOnlyTextBinding&) { return false; },
            [&](const IntListBinding& b) {
                return ReadListEntry(text, b.values, [&](std::string_view e, int i) {
                    return ReadInt(e, b.defaults[i], b.valid, refusal);
                });
            },
            [&](const FlagListBinding& b) {
                return ReadListEntry(text, b.values, [](std::string_view e, int) { return ReadFlag(e); });
            },
            [&](const DoubleListBinding& b) {
                return ReadListEntry(text, b.values, [&](std::string_view e, int i) {
                    return ReadDouble(e, b.defaults[i], b.valid, refusal);
                });
            },
            [&](const ColorBinding& b) {
                const int color = ReadInt(text, static_cast<int>(b.defaultValue), {0, kLargestColorRef}, refusal);
                *b.saved = *b.current = static_cast<ColorRef>(color);
                return true;
            },
            [&](const SizeBinding& b) {
                int cx = 0, cy = 0;
                std::string_view second;
                if (!SplitIndexed(text, cx, second) || !ParsePreferenceInt(second, cy) ||
                    !InRange(cx, b.valid) || !InRange(cy, b.valid))
                    return false;
                *b.cx = cx;
                *b.cy = cy;
                return true;
            },
        },
        key.binding);
}

template <class Entry, class Format>
void AppendList(std::string& out, const std::string& key, std::span<Entry> values, Format format) {
    for (size_t i = 0; i < values.size(); ++i)
        out += key + "=" + std::to_string(i) + " " + format(values[i]) + "\n";
}

void AppendKey(std::string& out, const PreferenceKey& key) {
    const auto line = [&](const std::string& value) { out += key.key + "=" + value + "\n"; };
    const auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
    std::visit(
        Overload{
            [&](const IntBinding& b) { line(std::to_string(*b.value)); },
            [&](const FlagBinding& b) { line(flag(*b.value)); },
            [&](const IntFlagBinding& b) { line(flag(*b.value != 0)); },
            [&](const DoubleBinding& b) { line(FormatPreferenceDouble(*b.value)); },
            [&](const DoubleAccessorBinding& b) { line(FormatPreferenceDouble(b.get())); },
            [&](const TextBinding& b) { line(EncodeText(*b.value, b.form)); },
            [&](const WriteOnlyTextBinding& b) { line(EncodeText(b.get(), TextForm::kPlain)); },
            [&](const IntListBinding& b) {
                AppendList(out, key.key, b.values, [](int v) { return std::to_string(v); });
            },
            [&](const FlagListBinding& b) { AppendList(out, key.key, b.values, flag); },
            [&](const DoubleListBinding& b) { AppendList(out, key.key, b.values, FormatPreferenceDouble); },
            [&](const ColorBinding& b) { line(std::to_string(*b.saved)); },
            [&](const SizeBinding& b) { line(std::to_string(*b.cx) + " " + std::to_string(*b.cy)); },
        },
        key.binding);
}

void ApplyDefault(const PreferenceKey& key) {
    const auto fill = [](auto values, const auto& defaults) {
        for (size_t i = 0; i < values.size(); ++i) values[i] = defaults[i];
    };
    std::visit(Overload{
                   [](const IntBinding& b) { *b.value = b.defaultValue; },
                   [](const FlagBinding& b) { *b.value = b.defaultValue; },
                   [](const IntFlagBinding& b) { *b.value = b.defaultValue; },
                   [](const DoubleBinding& b) { *b.value = b.defaultValue; },
                   [](const DoubleAccessorBinding& b) { b.set(b.defaultValue); },
                   [](const TextBinding& b) { *b.value = b.defaultValue; },
                   [](const WriteOnlyTextBinding&) {},
                   [&](const IntListBinding& b) { fill(b.values, b.defaults); },
                   [&](const FlagListBinding& b) { fill(b.values, b.defaults); },
                   [&](const DoubleListBinding& b) { fill(b.values, b.defaults); },
                   [](const ColorBinding& b) { *b.saved = *b.current = b.defaultValue; },
                   [](const SizeBinding&) {},
               },
               key.binding);
}

} // namespace

const char* PreferenceSectionName(PreferenceSection section) {
    switch (section) {
    case PreferenceSection::kDirectory:
        return "Directory";
    case PreferenceSection::kCalculation:
        return "CalculationPreferences";
    case PreferenceSection::kDisplay:
        return "DisplayPreferences";
    case PreferenceSection::kCurrentState:
        return "CurrentState";
    case PreferenceSection::kAddress:
        return "Address";
    case PreferenceSection::kBodiesToShow:
        return "BodiesToShow";
    case PreferenceSection::kColors:
        return "Colors";
    case PreferenceSection::kWindowSizes:
        return "WindowSizes";
    }
    return "";
}

bool ParsePreferenceInt(std::string_view text, int& value) {
    const auto ec = ReadLeadingNumber(text, value).ec;
    if (ec == std::errc::invalid_argument) value = 0;
    return ec != std::errc::result_out_of_range;
}

bool ParsePreferenceDouble(std::string_view text, double& value) {
    const auto ec = ReadLeadingNumber(text, value).ec;
    if (ec == std::errc::invalid_argument) value = 0;
    return ec != std::errc::result_out_of_range && std::isfinite(value);
}

std::string FormatPreferenceDouble(double value) {
    char buffer[400]; // room for the largest finite double in fixed notation
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0.000000");
}

int ReadPreferenceLines(std::istream& in, std::span<const PreferenceKey> keys,
                        std::vector<std::string>* refused) {
    std::unordered_map<std::string_view, const PreferenceKey*> byName;
    for (const auto& key : keys) byName.emplace(key.key, &key);

    int known = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '[') continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const auto found = byName.find(std::string_view(line).substr(0, equals));
        if (found == byName.end()) continue;
        ++known;
        const PreferenceKey& key = *found->second;
        std::string refusal;
        if (ApplyValue(key, std::string_view(line).substr(equals + 1), refusal) && key.afterRead) key.afterRead();
        if (!refusal.empty() && refused) refused->push_back(ShownLine(line) + " (accepted: " + refusal + ")");
    }
    return known;
}

std::string FormatPreferences(std::span<const PreferenceKey> keys,
                              std::span<const PreferenceSection> omitted) {
    std::string out;
    bool first = true;
    for (int s = 0; s <= static_cast<int>(PreferenceSection::kWindowSizes); ++s) {
        const auto section = static_cast<PreferenceSection>(s);
        if (std::find(omitted.begin(), omitted.end(), section) != omitted.end()) continue;
        out += first ? "" : "\n";
        out += std::string("[") + PreferenceSectionName(section) + "]\n\n";
        first = false;
        for (const auto& key : keys)
            if (key.section == section) AppendKey(out, key);
    }
    return out;
}

bool SetPreferenceNumber(const PreferenceKey& key, double value) {
    if (const auto* b = std::get_if<IntBinding>(&key.binding))
        *b->value = static_cast<int>(value);
    else if (const auto* b = std::get_if<FlagBinding>(&key.binding))
        *b->value = value != 0;
    else if (const auto* b = std::get_if<IntFlagBinding>(&key.binding))
        *b->value = value != 0 ? 1 : 0;
    else if (const auto* b = std::get_if<DoubleBinding>(&key.binding))
        *b->value = value;
    else
        return false;
    return true;
}

void ApplyPreferenceDefaults(std::span<const PreferenceKey> keys,
                             const std::function<bool(const PreferenceKey&)>& wanted) {
    for (const auto& key : keys)
        if (!wanted || wanted(key)) ApplyDefault(key);
}
