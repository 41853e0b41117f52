#pragma once
// Year kinds and Pravesha kinds: how "n years after a moment" is measured by the dasa years, the Tajaka
// and return charts (CChartCore::FindReturnChart), and which Pravesha moment the Tithi Pravesha pane
// asks for (CChartCore::FindPraveshaMoment). Lengths are days.
#include <optional>

#include "core/calc_options.h"

// Year kinds 0-7.
constexpr int kYearMeanTropical = 0;      // kMeanTropicalYearDays
constexpr int kYearSavana = 1;            // 360 days
constexpr int kYearUserDefined = 2;       // the user's number of days
constexpr int kYearTrueSiderealSolar = 3; // the Sun's sidereal return
constexpr int kYearTithi = 4;             // 360 tithis: the return of the Moon - Sun angle
constexpr int kYearMoonReturn = 5;        // twelve returns of the Moon
constexpr int kYearMeanSidereal = 6;      // kMeanSiderealYearDays
constexpr int kYearTrueTropicalSolar = 7; // the Sun's tropical return
constexpr int kYearKindCount = 8;

// The kinds whose years are found by searching the Sun's or the Moon's motion, not by counting days.
constexpr bool IsSearchedYearKind(int kind) {
    return kind == kYearTrueSiderealSolar || kind == kYearTithi || kind == kYearMoonReturn ||
           kind == kYearTrueTropicalSolar;
}

constexpr double kSavanaYearDays = 360.0;
constexpr double kMeanSiderealYearDays = 365.256364; // mean sidereal year
constexpr double kLunarYearDays = 354.36708;         // twelve mean synodic months of 29.53059 days
constexpr double kMoonReturnYearDays = 327.84;       // about twelve sidereal months of 27.3217 days

// Days of one year of a kind counted in days (0, 1, 2, 6; `userDays` for kind 2), none for the searched
// and the unknown kinds: n such years after a UT Julian day jd is the day jd + n * days.
constexpr std::optional<double> CountedYearDays(int kind, double userDays) {
    switch (kind) {
    case kYearMeanTropical:
        return kMeanTropicalYearDays;
    case kYearSavana:
        return kSavanaYearDays;
    case kYearUserDefined:
        return userDays;
    case kYearMeanSidereal:
        return kMeanSiderealYearDays;
    default:
        return std::nullopt;
    }
}

// The Pravesha chosen in the Tithi Pravesha pane is g_nTithiPraveshaKind (kPraveshaTithi ...,
// calc_options.h).
