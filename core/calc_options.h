#pragma once
// Calculation options: process-wide globals named after their preference-file keys. The calculation
// code reads them directly; the preference file loads and saves them. Each line names its key and
// the built-in default.
#include <string>

// 1 = Gregorian calendar, 0 = Julian calendar; every date <-> Julian day conversion passes it.
extern int g_nCalendarFlag;
