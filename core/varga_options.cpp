#include "core/varga_options.h"

CustomDivisionSettings g_nCustDivSettings;
