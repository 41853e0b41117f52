#pragma once
// Where the program finds its data. The installation folder is the parent of the folder that holds
// the executable; its data folder "tvcore" holds "ephe" (Swiss Ephemeris files), "atlas" and the
// preference file. The build tree has the same shape, so tests and the program run from the build.
#include <string>

std::string InstallationFolder(); // no trailing slash
std::string DataFolder();         // InstallationFolder() + "/tvcore"
std::string EphemerisFolder();    // DataFolder() + "/ephe"
std::string AtlasFilePath();      // DataFolder() + "/atlas/tvworld.adb"

// Hands the ephemeris folder to the Swiss Ephemeris, behind the checked copy of its star catalogue
// (the folder's catalogue is checked at the first call); call once before the first calculation.
void InitialiseEphemeris();
// Releases the library's files and caches at shut-down.
void CloseEphemeris();

// True when the library, working from the files in `folder`, reads the planet file (or with `moon`
// the moon file, which it reads with the planet file) of the UT Julian day's years without an error
// and without falling back on its built-in ephemeris: the file is there and sound. The library works
// from the program's ephemeris folder again afterwards.
bool EphemerisFilesServe(const std::string& folder, bool moon, double jdUt);
