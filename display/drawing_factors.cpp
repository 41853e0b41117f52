#include "display/drawing_factors.h"

bool g_bScaledCapture = false;
bool g_bPrintInBlack = false;
