#include "display/view_handoffs.h"

AshtakavargaChoice g_ashtakavargaChoice;
int g_nAspectTableVarga = 0;
