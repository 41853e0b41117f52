#pragma once
// The built-in table of regions (countries, then US states and territories) that keys the atlas
// search and the daylight-saving rules. A chart's place code is a row of it.
#include <array>
#include <optional>
#include <string_view>

struct RegionRow {
    std::string_view code; // up to 4 letters: "AS" for a country, "USMA" for a US state
    std::string_view name; // up to 50 characters
    double dStandardZone;  // hours, positive east of Greenwich
    double dDaylightZone;  // hours, positive east; equal to the standard zone without daylight saving
};

inline constexpr int kRegionCount = 308;
inline constexpr int kCountryCount = 249;              // rows 0..248 are countries
inline constexpr int kFirstUsStateRow = kCountryCount; // rows 249..307 are US states and territories

extern const std::array<RegionRow, kRegionCount> g_regionTable;

// The first row whose code equals `code` exactly (case-sensitive), or nothing.
std::optional<int> FindRegionRow(std::string_view code);

// False for a region or place whose daylight zone equals its standard zone: it never keeps daylight
// saving, whatever its region's rule says.
inline bool ObservesDaylightSaving(double standardZone, double daylightZone) {
    return standardZone != daylightZone;
}
