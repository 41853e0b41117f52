#pragma once
// The star catalogue the Swiss Ephemeris reads: a checked copy of the ephemeris folder's catalogue
// (CheckStarCatalogue) in the private folder of this process (private_folder.h), which the library's
// path lists before the ephemeris folder, so that the user's file is never read by the library and is
// left as it is.
#include <string>

#include "core/star_catalogue_check.h"

// Checks the catalogue of `ephemerisFolder`, writes what the library may read of it to the private
// folder and makes the library forget the stars it has read (swe_close; the sidereal mode of the
// chosen ayanamsa is put back). The library reads the copy once its path is set again
// (InitialiseEphemeris). Returns the check.
StarCatalogueCheck UseCheckedStarCatalogue(const std::string& ephemerisFolder);

// True once UseCheckedStarCatalogue has run in this process.
bool StarCatalogueChecked();

// What is wrong with the catalogue of `ephemerisFolder` (StarCatalogueCheck::fault): that of the check
// in force when it was of this folder, so that the catalogue is not read again; else a check made now.
std::string StarCatalogueFault(const std::string& ephemerisFolder);

// The folder that holds the copy (PrivateFolder), for the front of the library's path; empty when the
// copy could not be written.
std::string CheckedStarFolder();

// The ephemeris folder of the check in force; empty before the first check.
const std::string& CheckedEphemerisFolder();

// Empty while the library may be asked for stars; else why not: no copy could be written of what the
// library may read, which is not the catalogue as it stands, so the library would read something else.
const std::string& StarCatalogueRefusal();
