#include "display/drawing_factors.h"

double g_dDrawScaleX = 1.0;
double g_dDrawScaleY = 1.0;
bool g_bScaledCapture = false;
bool g_bPrintInBlack = false;
