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

// `libraryMessage` as the library wrote it, but that where it calls a file damaged whose partner of the
// same centuries (planet or moon file) the check of the ephemeris folder in force found damaged and not
// that one, it names the partner, in that folder.
std::string NamingTheDamagedFile(const std::string& libraryMessage);
