#pragma once
// Place search in the atlas file "tvworld.adb" (data folder, "atlas" folder).
//
// File layout, all integers big-endian:
//   0    15 bytes  magic "Kalomithra Hora"
//   15   4         format version, 1
//   19   81        free (not read)
//   100  4 x 308   per region-table row: file position of a node chain holding that region's node
// Node: size (4; top two bits are flags, low 30 bits the node's length with its header; 0 = last of
// the chain), key length (1), key (the region code), then for the region's node its letter groups.
// A chain holds at most one node per region and its last node; a longer one is damage.
// Letter group: size (4; first byte has bit 7 set, low 30 bits the group's length with its header;
// 0 = last group), letter length (1, always 1), letter, then place records. Place record: name length
// (1, 0..127), name, 12 data bytes (see AtlasMatch). A byte with bit 7 set where a record would start
// ends the list; with bit 6 also set it ends the region's block.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/atlas_file.h"
#include "core/region_table.h"

inline constexpr int kAtlasNameCapacity = 48; // 47 characters and the terminating zero

// One place found by the search.
struct AtlasMatch {
    int nRegion = 0;                      // region table row
    int nFirstValue = 0;                  // the file's first 16-bit value (not used by our atlas: 0)
    char szName[kAtlasNameCapacity] = {}; // longer names are cut to 47 characters
    int nLongitudeDegrees = 0, nLongitudeMinutes = 0, nLongitudeSeconds = 0;
    std::uint8_t bEast = 0; // 1 = east of Greenwich
    int nLatitudeDegrees = 0, nLatitudeMinutes = 0, nLatitudeSeconds = 0;
    std::uint8_t bNorth = 0; // 1 = north of the equator
    int nSecondValue = 0;    // the file's second 16-bit value: altitude in metres in our atlas
    double dStandardZone = 0, dDaylightZone = 0; // hours, positive east of Greenwich
};

// The place's altitude in metres as a chart takes it: the atlas's second value when it lies within
// kMinAltitude to kMaxAltitude, else 0 (sea level, what our atlas holds for a place without one): a
// damaged or foreign atlas never gives an altitude the charts refuse.
double AtlasAltitude(const AtlasMatch& match);

enum class AtlasResult {
    Finished = 0,       // the search ran through; the count says how many places matched
    MaximumReached = 1, // the matches are full: more places may match
    Shortened = 2,      // places were found only after the search text was shortened
    Corrupted = 3,      // not an atlas file (magic or version wrong) or a damaged one
    Missing = 4,        // the file cannot be opened
};

// Finds the places whose names begin with `searchText` (case-insensitive, ASCII) in the regions of
// `regionSelector`: "ALL" every row, "WORLD" the countries, "US" or "USA" the US states, any other
// text the one row with that code. Fills `matches` from the start; at most matches.size() places.
// When nothing matches, the text is shortened by one character at a time until something does.
AtlasResult FindPlaceInAtlas(std::string_view searchText, std::string_view regionSelector, int& matchCount,
                             std::span<AtlasMatch> matches, const std::string& atlasPath);

// Whether the atlas file at `atlasPath` can serve searches: Missing when it cannot be opened (or is
// no regular file), Corrupted when its header or a region's chain is damaged, else Finished.
AtlasResult CheckAtlasFile(const std::string& atlasPath);

// The search of FindPlaceInAtlas on an atlas that is already open (header check included).
AtlasResult SearchOpenAtlas(std::string_view searchText, std::string_view regionSelector, int& matchCount,
                            std::span<AtlasMatch> matches, AtlasFile& atlas);

// One pass with the text as it is over the selected rows; stops at the first row that does not
// finish (maximum reached or damage).
AtlasResult SearchAtlasRegions(std::string_view searchText, std::string_view regionSelector, int& matchCount,
                               std::span<AtlasMatch> matches, AtlasFile& atlas);

// Searches the block of region row `row`: Finished, MaximumReached or Corrupted.
AtlasResult MatchAtlasRegion(std::string_view searchText, int row, int& matchCount,
                             std::span<AtlasMatch> matches, AtlasFile& atlas);
