// Body-type groups and chart-drawing groups of [BodiesToShow].
#include "core/bodies_to_show.h"

const char* const g_bodyTypeNames[] = {"BodyTypePlanet",
                                       "BodyTypeOuterPlanet",
                                       "BodyTypeMandi",
                                       "BodyTypeGulika",
                                       "BodyTypeBhavaHoraGhatiLagnas",
                                       "BodyTypeViGhatiLagna",
                                       "BodyTypeVarnadaLagna",
                                       "BodyTypeSreeLagna",
                                       "BodyTypePranapadaLagna",
                                       "BodyTypeInduLagna",
                                       "BodyTypeBhriguBindu",
                                       "BodyTypeUpagraha",
                                       "BodyTypePrasnaMargaSphutas",
                                       "BodyTypeArudhaLagna",
                                       "BodyTypeBhavaArudha",
                                       "BodyTypeGrahaArudha",
                                       "BodyTypeVarnadas",
                                       "BodyTypeKunda",
                                       "BodyTypeYoga"};

const int g_bodyTypeDefaults[] = {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

const BodyRange g_bodyTypeRanges[] = {{0, 9},   {10, 12},  {31, 31}, {32, 32}, {13, 15}, {16, 16}, {47, 47},
                                      {18, 18}, {17, 17},  {19, 19}, {20, 20}, {22, 30}, {33, 44}, {59, 59},
                                      {60, 70}, {83, 101}, {48, 58}, {21, 21}, {45, 46}};

const char* const g_showInChartsKeys[] = {
    "ShowNodesInCharts", "ShowOuterPlanetsInCharts", "ShowALInCharts",   "ShowOtherArudhasInCharts",
    "ShowHLInCharts",    "ShowGLInCharts",           "ShowSLInCharts",   "ShowBBInCharts",
    "ShowPPInCharts",    "ShowUserPointsInCharts",   "ShowMandiInCharts"};

const unsigned char g_showInChartsDefaults[] = {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};

const BodyRange g_showInChartsRanges[] = {{8, 9},   {10, 12}, {59, 59}, {60, 70}, {14, 14}, {15, 15},
                                          {18, 18}, {20, 20}, {17, 17}, {31, 31}, {32, 32}};
