#include "shell/update_versions.h"

#include <array>
#include <cctype>
#include <sstream>

namespace {

constexpr int kVersionFields = 4;
// A field this long would not fit an int; no real version has one.
constexpr std::size_t kMaxFieldDigits = 9;
// Four such fields and their dots: a longer text is no version, however many of its fields are empty.
constexpr std::size_t kMaxVersionCharacters = kVersionFields * (kMaxFieldDigits + 1) - 1;

// The fields of a dotted version, most significant first; nothing when malformed.
std::optional<std::array<int, kVersionFields>> SplitVersion(std::string_view text) {
    if (text.size() > kMaxVersionCharacters) return std::nullopt;
    std::array<int, kVersionFields> fields{};
    int count = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t dot = std::min(text.find('.', start), text.size());
        const std::string_view field = text.substr(start, dot - start);
        start = dot + 1;
        if (field.empty()) continue;
        if (count == kVersionFields || !IsAllDigits(field) || field.size() > kMaxFieldDigits)
            return std::nullopt;
        fields[count++] = std::stoi(std::string(field));
    }
    if (count == 0) return std::nullopt;
    return fields;
}

} // namespace

bool IsAllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int CompareVersions(std::string_view a, std::string_view b) {
    const auto first = SplitVersion(a);
    if (!first) return -21;
    const auto second = SplitVersion(b);
    if (!second) return -22;
    for (int i = 0; i < kVersionFields; ++i)
        if ((*first)[i] != (*second)[i]) return (*first)[i] > (*second)[i] ? 1 : -1;
    return 0;
}

std::optional<UpdateInfo> ParseUpdateInfo(std::string_view text) {
    std::istringstream tokens{std::string(text)};
    UpdateInfo info;
    if (!(tokens >> info.label >> info.version)) return std::nullopt;
    return info;
}
