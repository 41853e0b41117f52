#include "core/fixed_star_names.h"

#include <cctype>
#include <optional>

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsLower(char c) {
    return std::islower(static_cast<unsigned char>(c)) != 0;
}
bool IsUpper(char c) {
    return std::isupper(static_cast<unsigned char>(c)) != 0;
}

// The star's own part of a designation and how many characters of the nomenclature it took.
struct StarPart {
    std::string text;
    std::size_t length;
};

// A Greek letter ("al" -> "Alpha", "omi" -> "Omicron"), a Flamsteed number ("61") or a Latin Bayer
// letter ("p"), followed by an optional superscript number ("al-2" -> "Alpha2").
std::optional<StarPart> ParseStarPart(const std::string& nomenclature) {
    if (nomenclature.empty()) return std::nullopt;
    StarPart part{"", 0};
    const std::size_t greekLength = nomenclature.starts_with("om") ? 3 : 2;
    if (const char* greek = GreekLetterName(nomenclature.substr(0, greekLength))) {
        part = {greek, greekLength};
    } else if (IsDigit(nomenclature[0])) {
        while (part.length < nomenclature.size() && IsDigit(nomenclature[part.length])) ++part.length;
        part.text = nomenclature.substr(0, part.length);
    } else if (IsLower(nomenclature[0])) {
        part = {nomenclature.substr(0, 1), 1};
    } else {
        return std::nullopt;
    }
    if (part.length + 1 < nomenclature.size() && nomenclature[part.length] == '-') {
        part.text += nomenclature[part.length + 1];
        part.length += 2;
    }
    return part;
}

// The constellation's genitive, with the component letter of a multiple star ("CygA" -> "Cygni A").
std::optional<std::string> ParseConstellation(const std::string& rest) {
    if (const char* genitive = ConstellationGenitive(rest)) return genitive;
    if (rest.size() == 4 && IsUpper(rest[3]))
        if (const char* genitive = ConstellationGenitive(rest.substr(0, 3)))
            return std::string(genitive) + " " + rest[3];
    return std::nullopt;
}

} // namespace

std::string FormatFixedStarName(const std::string& name, const std::string& nomenclature) {
    std::string full = nomenclature;
    if (const auto star = ParseStarPart(nomenclature))
        if (const auto constellation = ParseConstellation(nomenclature.substr(star->length)))
            full = star->text + " " + *constellation;
    return name.empty() ? full : full + " (" + name + ")";
}
