#include "display/view_handoffs.h"

AshtakavargaChoice g_ashtakavargaChoice;
AshtakavargaChoice g_entryAshtakavargaChoice;
int g_nAspectTableVarga = 0;
