#include "core/calc_options.h"

int g_nCalendarFlag = 1; // Gregorian
