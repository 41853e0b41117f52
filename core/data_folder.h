#pragma once
// Where the program finds its data. The installation folder is the parent of the folder that holds
// the executable; its data folder "tvcore" holds "ephe" (Swiss Ephemeris files), "atlas" and the
// preference file. The build tree has the same shape, so tests and the program run from the build.
#include <string>

#include "core/star_catalogue_check.h"

std::string InstallationFolder(); // no trailing slash
std::string DataFolder();         // InstallationFolder() + "/tvcore"
std::string EphemerisFolder();    // DataFolder() + "/ephe"
std::string AtlasFilePath();      // DataFolder() + "/atlas/tvworld.adb"

// Makes `folder` the ephemeris folder the Swiss Ephemeris works from: its star catalogue is checked and
// what the library may read of it copied to the private folder (UseCheckedStarCatalogue), and the
// library is pointed at the folder behind that copy. Returns the check.
StarCatalogueCheck UseEphemerisFolder(const std::string& folder);
// The ephemeris folder the library works from: the one last given to UseEphemerisFolder, else
// EphemerisFolder().
std::string LibraryEphemerisFolder();
// Hands the ephemeris folder in force to the library, behind the checked copy of its star catalogue
// (EphemerisFolder() is checked at the first call); call once before the first calculation.
// The library's path is always the program's: the environment variable SE_EPHE_PATH, which the library
// would take instead, is cleared first; a folder whose path the library would split (LibrarySplitsPath)
// or is longer than it takes is named through a link in the private folder.
void InitialiseEphemeris();
// Releases the library's files and caches at shut-down.
void CloseEphemeris();

// The days for which the library's built-in ephemeris gives the Moon, UT Julian days (its own message
// names them when asked outside: 3000 BC to AD 3000).
constexpr double kBuiltInMoonFirstJd = 625000.5;
constexpr double kBuiltInMoonLastJd = 2818000.5;

// True when the library reads the planet file at `planetFile` for the UT Julian day without an error
// and without falling back on its built-in ephemeris: the file is there and sound. It is read alone,
// from a folder of the private folder that holds a link to it: with a moon file beside it the library
// would read that one too, and blame a damaged moon file on the planet file. The Moon then comes from
// the built-in ephemeris: the day must lie within kBuiltInMoonFirstJd to kBuiltInMoonLastJd.
bool PlanetFileServes(const std::string& planetFile, double jdUt);
// True when the library, working from the files in `folder`, reads the moon file of the UT Julian day
// (with the planet file, which it reads with it and which must be sound) as above.
bool MoonFileServes(const std::string& folder, double jdUt);
// Both leave the library working from the ephemeris folder in force again.
