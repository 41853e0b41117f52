#include "core/star_catalogue_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The library reads a line with fgets into a buffer of 256 bytes: the line and its end must fit.
constexpr std::size_t kLongestLine = 255;
// No catalogue writes more than 13 characters for a number; digits past the 17th change no double.
constexpr std::size_t kLongestNumber = 24;

// The range a number field is read in. Each leaves the real sky far inside it, and the library gives a
// finite position for any line within all of them (tried at J2000 and at the ends of its files).
struct FieldRange {
    const char* what;
    double min;
    double max;
    bool belowMax; // the range ends just below `max`
};
// Barnard's star moves 10,300 mas a year, the fastest known; the shipped catalogue's fastest receding
// object moves at 13,731 km/s (at 299,792 km/s, the speed of light, the library's position is not a
// number); Proxima Centauri, the nearest star, has 768 mas of parallax; the Sun has magnitude -26.7 and
// the shipped catalogue writes 999.99 for an object without one.
constexpr FieldRange kNumberRanges[kStarFieldCount - kStarRaHours] = {
    {"the right ascension's hours", 0.0, 24.0, true},
    {"the right ascension's minutes", 0.0, 60.0, true},
    {"the right ascension's seconds", 0.0, 60.0, true},
    {"the declination's degrees", -90.0, 90.0, false},
    {"the declination's minutes", 0.0, 60.0, true},
    {"the declination's seconds", 0.0, 60.0, true},
    {"the proper motion in right ascension", -100000.0, 100000.0, false},
    {"the proper motion in declination", -100000.0, 100000.0, false},
    {"the radial velocity", -100000.0, 100000.0, false},
    {"the parallax", -10000.0, 10000.0, false},
    {"the magnitude", -30.0, 1000.0, false},
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as atof reads it whole: an optional sign, digits with an optional point.
bool IsPlainNumber(std::string_view field) {
    field = WithoutBlanks(field);
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : field) {
        if (IsDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

bool IsIcrs(std::string_view equinox) {
    constexpr std::string_view kIcrs = "icrs";
    return std::equal(equinox.begin(), equinox.end(), kIcrs.begin(), kIcrs.end(), [](char c, char lower) {
        return std::tolower(static_cast<unsigned char>(c)) == lower;
    });
}

// The library reads the equinox as a number (atof): 1950 gives B1950, 0 (and so any text, "J2000" and
// "B1950" among them) ICRS, and any other number J2000; the blanks around it change nothing (tried
// with the library on 25 spellings). Only the equinoxes it reads as written are taken.
std::optional<std::string> EquinoxFault(std::string_view field) {
    const std::string_view equinox = WithoutBlanks(field);
    if (equinox.empty()) return std::string("its equinox (field 3) is empty");
    const double value = std::strtod(std::string(equinox).c_str(), nullptr);
    if (IsIcrs(equinox) || (IsPlainNumber(equinox) && (value == 1950.0 || value == 2000.0)))
        return std::nullopt;
    const char* readAs = value == 1950.0 ? "1950" : value == 0.0 ? "ICRS" : "2000";
    return "its equinox (field 3) is \"" + std::string(equinox) +
           "\", which the Swiss Ephemeris would read as " + readAs +
           ": it reads only ICRS, 2000 and 1950 as written";
}

std::string FieldName(std::size_t index) {
    return "field " + std::to_string(index + 1);
}

// A byte as a message names it.
std::string ByteText(unsigned char c) {
    if (c == '\t') return "a tab";
    if (c > ' ' && c < 0x7F) return std::string("\"") + static_cast<char>(c) + "\"";
    char text[16];
    std::snprintf(text, sizeof text, "the byte 0x%02X", c);
    return text;
}

// The library sorts its stars by name, with the blanks before a name left out, and looks each star
// up in that order: a name beginning with a byte below the comma (a tab, "(", "!", "#" after a blank
// and the like) stands where the search does not expect it, and other stars are then not found.
std::optional<std::string> NameFault(std::string_view name) {
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    if (name.empty() || static_cast<unsigned char>(name.front()) >= ',') return std::nullopt;
    return "its name begins with " + ByteText(static_cast<unsigned char>(name.front())) +
           ", which the Swiss Ephemeris sorts before the comma: it would no longer find other stars";
}

std::optional<std::string> NumberFault(std::size_t index, std::string_view field) {
    if (!IsPlainNumber(field)) return FieldName(index) + " is not a number";
    const std::string_view number = WithoutBlanks(field);
    if (number.size() > kLongestNumber)
        return FieldName(index) + " is longer than " + std::to_string(kLongestNumber) + " characters";
    const FieldRange& range = kNumberRanges[index - kStarRaHours];
    const double value = StarFieldValue(number);
    if (value >= range.min && (range.belowMax ? value < range.max : value <= range.max)) return std::nullopt;
    char bounds[64];
    std::snprintf(bounds, sizeof bounds, "%g to %s%g", range.min, range.belowMax ? "below " : "", range.max);
    return FieldName(index) + " (" + range.what + ") is " + std::string(number) + ", outside " + bounds;
}

// Hours, minutes and seconds of right ascension, degrees, minutes and seconds of declination, each in
// its range, may still add up to a place beyond the sky's: the library then turns the star around.
std::optional<std::string> PlaceFault(const std::vector<std::string_view>& fields) {
    const auto sum = [&fields](std::size_t first) {
        return std::fabs(StarFieldValue(fields[first])) + StarFieldValue(fields[first + 1]) / 60.0 +
               StarFieldValue(fields[first + 2]) / 3600.0;
    };
    if (sum(kStarRaHours) >= 24.0) return std::string("its right ascension comes to 24 hours or more");
    if (sum(kStarDecDegrees) > 90.0) return std::string("its declination comes to more than 90 degrees");
    return std::nullopt;
}

std::optional<std::string> StarFieldsFault(std::string_view body) {
    // The library joins adjacent commas, so an empty field would shift every field after it.
    const std::vector<std::string_view> fields = StarLineFields(body);
    if (fields.size() < kStarFieldCount) {
        return "it has " + std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields") +
               ", and a star line has at least " + std::to_string(kStarFieldCount);
    }
    if (WithoutBlanks(fields[kStarNomenclature]).empty())
        return std::string("its nomenclature (field 2) is empty");
    if (auto fault = EquinoxFault(fields[kStarEquinox])) return fault;
    if (auto fault = NameFault(fields[kStarName])) return fault;
    for (std::size_t i = kStarRaHours; i < kStarFieldCount; ++i) {
        if (auto fault = NumberFault(i, fields[i])) return fault;
    }
    return PlaceFault(fields);
}

} // namespace

std::string_view WithoutBlanks(std::string_view field) {
    while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
    return field;
}

double StarFieldValue(std::string_view field) {
    field = WithoutBlanks(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    double value = 0.0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

std::string_view StarLineBody(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool IsStarLine(std::string_view line) {
    const std::string_view body = StarLineBody(line);
    return !body.empty() && body.front() != '#';
}

std::vector<std::string_view> StarLineFields(std::string_view body) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = body.find(',', start);
        fields.push_back(body.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::optional<std::string> StarCatalogueLineFault(std::string_view line) {
    if (line.empty() || line.back() != '\n') {
        // A file of old Mac line ends is one line to the library.
        if (line.find('\r') != std::string_view::npos)
            return std::string("its lines end in a carriage return alone, which the Swiss Ephemeris does "
                               "not take for a line end");
        return std::string("it does not end in a line end");
    }
    if (line.size() > kLongestLine) {
        return "it is longer than " + std::to_string(kLongestLine) +
               " bytes, the most the Swiss Ephemeris reads as a line";
    }
    if (!IsStarLine(line)) return std::nullopt;
    const std::string_view body = StarLineBody(line);
    if (body.find('\0') != std::string_view::npos) return std::string("it holds a zero byte");
    if (body.find('\r') != std::string_view::npos)
        return std::string("it holds a carriage return inside the line");
    return StarFieldsFault(body);
}

std::string StarNameKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (!IsBlank(c)) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

bool IsTheStarAsked(std::string_view asked, std::string_view given) {
    const std::size_t askedComma = asked.find(','), givenComma = given.find(',');
    const std::string_view askedName = asked.substr(0, askedComma), givenName = given.substr(0, givenComma);
    if (!StarNameKey(askedName).empty() && StarNameKey(askedName) != StarNameKey(givenName)) return false;
    if (askedComma == std::string_view::npos) return !StarNameKey(askedName).empty();
    const std::string_view givenNomenclature =
        givenComma == std::string_view::npos ? std::string_view() : given.substr(givenComma + 1);
    return WithoutBlanks(asked.substr(askedComma + 1)) == WithoutBlanks(givenNomenclature);
}
