#pragma once
// One line of a star catalogue, checked before the Swiss Ephemeris (2.10) may read it. The library
// reads the catalogue a line at a time into a 256-byte buffer and trusts every line that is not a
// comment or blank: a line without a comma, a zero byte or a tail cut off by that buffer makes it
// crash; a line with too few fields makes it reread the whole file at every star asked for; a number
// out of all measure gives a position that is not a number, with success flags; a right ascension or
// declination out of its range, or an equinox other than ICRS, 2000 and 1950 (which it reads as one of
// those), puts the star elsewhere; a name that sorts before the comma breaks the
// sorted index by which it finds every other star. So it is only ever given lines that pass the check.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fields of a star line, 0-based: name (may be empty), nomenclature, equinox, then eleven
// numbers. A line may carry further fields, which the library does not read.
enum StarField : std::size_t {
    kStarName,
    kStarNomenclature,
    kStarEquinox,
    kStarRaHours,
    kStarRaMinutes,
    kStarRaSeconds,
    kStarDecDegrees,
    kStarDecMinutes,
    kStarDecSeconds,
    kStarProperMotionRa,  // milliarcseconds a year
    kStarProperMotionDec, // milliarcseconds a year
    kStarRadialVelocity,  // km/s
    kStarParallax,        // milliarcseconds; a negative one is a measurement below its error
    kStarMagnitude,
    kStarFieldCount
};

// Why the library would not read `line` as a catalogue line whole, or would place its star wrongly:
// nullopt when it reads it rightly (a star line, a "#" comment or a blank line). `line` is one line
// with its line end ("\n" or "\r\n"); the last line of a file without one is given without it.
std::optional<std::string> StarCatalogueLineFault(std::string_view line);

// The line without its line end ("\n" or "\r\n").
std::string_view StarLineBody(std::string_view line);
// True for a line the library takes for a star: neither blank nor a "#" comment.
bool IsStarLine(std::string_view line);
// The comma-separated fields of a line's body, as views into it.
std::vector<std::string_view> StarLineFields(std::string_view body);
// A field without the blanks around it.
std::string_view WithoutBlanks(std::string_view field);
// A number field that passed StarCatalogueLineFault, as a value.
double StarFieldValue(std::string_view field);
// A traditional name as the library compares names: its blanks left out, in lower case.
std::string StarNameKey(std::string_view name);
// True when `given`, the name the library wrote back for a star it was asked for as `asked` ("Spica",
// ",alVir" or "Spica,alVir"; it writes "name,nomenclature"), is the star asked for. The library takes
// a star whose name begins like the one asked for ("Spicatest" gives Spica), and a line number for a
// star: the name asked for must be the star's name, and the nomenclature asked for its nomenclature.
bool IsTheStarAsked(std::string_view asked, std::string_view given);
