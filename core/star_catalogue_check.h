#pragma once
// The star catalogue of an ephemeris folder, checked before the Swiss Ephemeris may read it: the library
// is only ever given the lines it reads and places rightly (star_catalogue_line.h), and always the stars
// the ayanamsas are held on.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/star_catalogue_line.h"

// Four times the shipped catalogue (133 KB, 1357 stars). Each star of the list costs the library about
// 30 microseconds at start-up: a catalogue this size adds 0.15 s, one of 1 MB would add 0.3 s.
constexpr std::uint64_t kStarCatalogueLimitBytes = 512 << 10;

// What the check of a folder's catalogue found, and what the library may read instead of it.
struct StarCatalogueCheck {
    std::string path;     // the catalogue the library would open; empty when the folder holds none
    bool read = false;    // the catalogue was read: a regular file within kStarCatalogueLimitBytes
    std::string text;     // what the library may read: the catalogue's sound lines, or the anchor stars
    bool asFound = false; // `text` is the catalogue as it stands: the library may read the file itself
    std::string fault;    // for the user: which file and which lines are wrong, and what is used instead;
                          // empty when the catalogue is sound
};

// Checks the catalogue the library would read from `ephemerisFolder`: "sefstars.txt", else the older
// "fixstars.cat". The library may read
// - its sound lines as they stand, but that a negative parallax (a measurement below its error, which
//   the library would take for a star beyond the Sun and place at the opposite point of the sky) is
//   carried as 0, a star too far to measure;
// - of the lines that give a star's nomenclature, one, and the others only where they give it the same
//   place; of the lines that give a name (compared as the library compares names, StarNameKey), those
//   of one nomenclature, and the others without their name: the library would answer with any of them,
//   as its index falls, and the star list would show each. The one is the first, but that the line an
//   anchor star's ayanamsa finds it by (else the program's own line) gives the anchor's name and
//   nomenclature. The lines left out, and those that would give a name another place, are named in
//   `fault` but where the catalogue the Swiss Ephemeris data package installs holds both lines too;
// - the line of each anchor star (kAnchorStars) that it lacks and that the library does not hold itself;
// - the anchor stars alone when the folder holds no catalogue, or one that cannot be read or holds not
//   one sound star line.
StarCatalogueCheck CheckStarCatalogue(const std::string& ephemerisFolder);

// A star an ayanamsa of the table is held on: the name by which the ayanamsa asks the library for it
// ("Spica", or "," and the nomenclature), what messages call it, its line from the catalogue the Swiss
// Ephemeris ships, and whether the library answers that name from a record of its own, whatever the
// catalogue holds.
struct AnchorStar {
    const char* star;
    const char* called;
    const char* line;
    bool libraryHeld;
};
constexpr std::size_t kAnchorStarCount = 4;
extern const AnchorStar kAnchorStars[kAnchorStarCount]; // Aldebaran, Spica, Delta Cancri, Shaula
// Their lines, one after the other.
std::string AnchorStarLines();
