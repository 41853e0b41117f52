#pragma once
// Dasa years: the nominal length of each year kind (return_charts.h), the kind a mode imposes on a
// compressed dasa, and how many dasa years span a number of days.
#include <string>

#include "core/calc_status.h"
#include "core/chart_core.h"

// Nominal days of a dasa year of a kind, the step compression works with. The true solar years take the
// mean year of their own zodiac: sidereal for kind 3, tropical for kind 7. Kind 5 takes its twelve
// Moon returns (327.84 days); an unknown kind the mean tropical year.
double NominalYearDays(int kind, double userDays);

// The year kind a compressed dasa uses in a mode (0-6): Tithi Pravesha charts count tithi years and
// Tajaka charts true solar years when the special-year options say so; a mundane chart whose title
// names a solar ("Sol") or lunar ("Lun", "Moon") return does likewise, the lunar test last.
int DasaYearKindForMode(int kind, int mode, const std::string& chartTitle);

// The number of dasa years of a kind (yearDays: the nominal days of one) that span `days` days from the
// reference moment, found to one second. Fails when a moment cannot be found.
CalcValue DasaYearsToMoment(const CChartCore& ref, double days, int kind, double yearDays);
