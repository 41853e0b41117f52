#pragma once
// The fixed stars the user can pick as the reference of a star-based ayanamsa: every star of the
// ephemeris' star catalogue with a readable name and its sidereal (Lahiri) position at J2000,
// sorted by longitude.
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/data_folder.h"

struct FixedStarEntry {
    std::string displayName; // "Alpha Tauri (Aldebaran)  <Long 15 Ta 47, Lat -5 deg>"
    std::string searchKey;   // "," + nomenclature: how the ephemeris looks the star up (",alTau")
    int number = 0;          // 1-based position among the catalogue's star lines
    double longitude = 0.0;  // sidereal (Lahiri) ecliptic longitude at J2000, degrees [0, 360)
    double latitude = 0.0;   // ecliptic latitude at J2000, degrees, north positive
};

struct FixedStarList {
    std::vector<FixedStarEntry> entries; // ascending longitude; equal longitudes in catalogue order
    int Count() const { return static_cast<int>(entries.size()); }
};

// The process-wide list, filled at start-up after the preferences are read.
extern FixedStarList g_fixedStarList;
// Index into g_fixedStarList of the star named by the preference CustomStarCode; -1 names none.
extern int g_nCustomStarIndex;

// Reads a catalogue ("#" comment lines, else comma-separated fields: traditional name, nomenclature,
// ...) and replaces the list with its stars, one row for each nomenclature: its first line's.
// Positions are computed in the Lahiri sidereal mode; the ephemeris' sidereal mode of the chosen
// ayanamsa is put back afterwards. A star the ephemeris cannot find or place (LibraryStarPlace) keeps
// the position zero.
void ListFixedStars(std::istream& catalogue, FixedStarList& list);

// Index of the first entry whose search key equals the code exactly (case-sensitive); nullopt when
// none does.
std::optional<int> FindFixedStarByCode(const FixedStarList& list, const std::string& code);

// g_nCustomStarIndex for the preference CustomStarCode in g_fixedStarList; -1 when the list lacks it.
void FindCustomStarIndex();

// Start-up: makes `ephemerisFolder` the one the library works from (UseEphemerisFolder: its star
// catalogue checked, its sound lines handed to the library), lists them into g_fixedStarList and finds
// the custom star. False when the folder's catalogue could not be read (there is none, or it was
// refused whole: the list then holds the anchor stars, or nothing when no copy of them could be
// written).
bool LoadFixedStarList(const std::string& ephemerisFolder = EphemerisFolder());
