#pragma once
// The star catalogue of an ephemeris folder, checked before the Swiss Ephemeris may read it. The
// library reads the catalogue a line at a time into a 256-byte buffer and trusts every line that is
// not a comment or blank: a line without a comma, a zero byte or a tail cut off by that buffer makes it
// crash, and a line with too few fields makes it reread the whole file at every star asked for. So it
// is only ever given the lines that pass the check below.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Four times the shipped catalogue (133 KB, 1357 stars). Each star of the list costs the library about
// 30 microseconds at start-up: a catalogue this size adds 0.15 s, one of 1 MB would add 0.3 s.
constexpr std::uint64_t kStarCatalogueLimitBytes = 512 << 10;

// Why the library would not read `line` as a catalogue line whole: nullopt when it would (a star line,
// a "#" comment or a blank line). `line` is one line with its line end ("\n" or "\r\n"); the last line
// of a file without one is given without it. A star line has at least 14 comma-separated fields:
// name (may be empty), nomenclature, equinox, then eleven numbers (right ascension h m s, declination
// d m s, proper motions, radial velocity, parallax, magnitude), none of them empty.
std::optional<std::string> StarCatalogueLineFault(std::string_view line);

// What the check of a folder's catalogue found, and what the library may read instead of it.
struct StarCatalogueCheck {
    std::string path;  // the catalogue the library would open; empty when the folder holds none
    bool read = false; // the catalogue was read: a regular file within kStarCatalogueLimitBytes
    std::string text;  // what the library may read: the catalogue's sound lines, or the anchor stars
    std::string fault; // for the user: which file and which lines are wrong, and what is used instead;
                       // empty when the catalogue is sound or there is none
};

// Checks the catalogue the library would read from `ephemerisFolder`: "sefstars.txt", else the older
// "fixstars.cat". Its sound lines are kept; when the file cannot be read at all, or not one of its star
// lines is sound, the anchor stars of the ayanamsa table (kAnchorStarLines) take its place.
StarCatalogueCheck CheckStarCatalogue(const std::string& ephemerisFolder);

// The star lines of the ayanamsas held on a star (Spica, Aldebaran, Shaula, Delta Cancri), from the
// catalogue the Swiss Ephemeris ships.
extern const char kAnchorStarLines[];
