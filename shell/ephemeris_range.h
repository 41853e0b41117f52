#pragma once
// The years a date field accepts, decided from the Swiss Ephemeris files present: dates outside them
// could not be calculated with the files' precision.
#include <string>

struct YearRange {
    int min;
    int max;
};

// `folder` is the ephemeris folder. With the long-range files (seplm132, semom132, sepl_162, semo_162)
// the range is -12900 to 16600. Otherwise it is the run of 600-year planet and moon file pairs around
// the present (sepl_18/semo_18: 1800-2400, seplm06/semom06: -600-0 ...), less 100 years at its start
// and 200 at its end, but never narrower than -2900 to 2800, which the library's built-in analytical
// ephemeris covers without files.
YearRange EphemerisYearRange(const std::string& folder);

// What is wrong with the Swiss Ephemeris files in `folder`, for a message at start-up: each planet or
// moon file that is there but cannot be read or is damaged, and each one missing beside its partner,
// named with its centuries, then what still works; or that there are no files at all. Empty when all
// is well. The damaged files are remembered for the library's messages (RememberDamagedEphemerisFiles).
std::string EphemerisFolderNotice(const std::string& folder);
