#pragma once
// Where the program finds its data. The installation folder is the parent of the folder that holds
// the executable; its data folder "tvcore" holds "ephe" (Swiss Ephemeris files), "atlas" and the
// preference file. The build tree has the same shape, so tests and the program run from the build.
#include <string>

std::string InstallationFolder(); // no trailing slash
std::string DataFolder();         // InstallationFolder() + "/tvcore"
std::string EphemerisFolder();    // DataFolder() + "/ephe"
std::string AtlasFilePath();      // DataFolder() + "/atlas/tvworld.adb"

// Hands the ephemeris folder to the Swiss Ephemeris; call once before the first calculation.
void InitialiseEphemeris();
// Releases the library's files and caches at shut-down.
void CloseEphemeris();
