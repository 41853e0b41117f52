#include "platform/draw_state.h"

bool g_bPrinting = false;
double g_dDrawScaleX = 1.0;
double g_dDrawScaleY = 1.0;
