#include "core/calc_options.h"

#define DEFINE_CORE_OPTION(layer, section, form, type, name, start, ...)                                     \
    OPTION_OF_LAYER(layer, Core, type name = StartValue<type>(start);)
OPTION_TABLE(DEFINE_CORE_OPTION)
#undef DEFINE_CORE_OPTION

double& g_dDefaultTimeZone = g_defaultTimeZone.m_dHours;
double& g_dDefaultSummerTimeZone = g_defaultSummerTimeZone.m_dHours;
double& g_dDefaultLongitude = g_defaultLongitude.m_dValue;
double& g_dDefaultLatitude = g_defaultLatitude.m_dValue;

bool g_bPrinting = false;
