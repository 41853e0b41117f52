#include "core/varga_options.h"

int& g_nD81Preference = g_nD81Variant;

CustomDivisionSettings g_nCustDivSettings;
