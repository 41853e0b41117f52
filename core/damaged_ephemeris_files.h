#pragma once
// The ephemeris files the program's own check of the ephemeris folder found damaged. Once the library
// has opened a damaged moon file it blames the planet file of the same centuries for every failure
// that follows ("Ephemeris file .../sepl_18.se1 is damaged (2)."), while the file is sound: a message
// of the library is mended to name the file the check found.
#include <string>
#include <vector>

// The file names (such as "semo_18.se1") that the check of `ephemerisFolder` found damaged; an earlier
// finding is forgotten.
void RememberDamagedEphemerisFiles(const std::string& ephemerisFolder, std::vector<std::string> fileNames);

// `libraryMessage` as the library wrote it, but that a file it calls damaged is named in the ephemeris
// folder in force (the library may have reached it through a link), and that where the partner of the
// same centuries (planet or moon file) is the one the check of that folder found damaged, and not the
// file named, it names the partner.
std::string NamingTheDamagedFile(const std::string& libraryMessage);
