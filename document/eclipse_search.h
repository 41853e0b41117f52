#pragma once
// Eclipse searches through the ephemeris library: the next or previous lunar eclipse, solar eclipse
// anywhere on Earth, or solar eclipse seen from a place. Instants are Julian days UT.
#include <array>
#include <string>

#include "core/calc_status.h"

class CChartCore;

enum class EclipseKind : int {
    kLunar = 0,       // swe_lun_eclipse_when
    kSolarGlobal = 1, // swe_sol_eclipse_when_glob
    kSolarLocal = 2,  // swe_sol_eclipse_when_loc, at the chart's place
};

// Contact indices of the library's array of ten contact times.
inline constexpr int kContactMaximum = 0;
inline constexpr int kLunarPenumbralStart = 6;
inline constexpr int kSolarGlobalStart = 2;
inline constexpr int kSolarLocalFirstContact = 1;

// Eclipse type bits the library returns (Swiss Ephemeris SE_ECL_*).
inline constexpr int kEclipseTotal = 4;
inline constexpr int kEclipseAnnular = 8;
inline constexpr int kEclipsePartial = 16;
inline constexpr int kEclipseAnnularTotal = 32;
inline constexpr int kEclipsePenumbral = 64;

struct EclipseFound {
    CalcStatus status;                 // the library's message when it found nothing (the ephemeris ended)
    int type = 0;                      // the type bits
    std::array<double, 10> contacts{}; // UT Julian days, indexed as the library publishes them; 0 = none
    bool ok() const { return status.ok(); }
};

// The eclipse of a kind that comes first after (or, `backward`, before) `jdUt`; `place` gives the
// observer of a local solar eclipse and of topocentric positions.
EclipseFound FindEclipse(EclipseKind kind, double jdUt, const CChartCore& place, bool backward);

// The contact index at which an eclipse chart is cast: the maximum, or with `atStart` the start of the
// penumbral phase (lunar), of the eclipse (solar anywhere) or the first contact (solar at the place).
int EclipseChartContact(EclipseKind kind, bool atStart);

// Chart title by the type bits, or empty when none of the tested bits is set.
std::string EclipseTitle(EclipseKind kind, int type);

// One line per contact the eclipse has, in the kind's order, with its label and the moment in the
// zone `zoneHours` (hours, positive west), as the eclipse form shows them.
std::string EclipseContactText(EclipseKind kind, const EclipseFound& eclipse, double zoneHours, bool amPm);
