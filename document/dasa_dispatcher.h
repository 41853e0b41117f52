#pragma once
// The dasa dispatcher: computes the dasa that g_nSelectedDasa names for the document's chart into its
// tree. It remembers the choice per family, keeps every code's own cycle offset, resets and titles the
// tree, runs the code's calculator (dasa_codes.h), applies the Tribhagi variation and compresses the
// dasa into a mode chart's span (g_bDasaCompression).
#include "chart/chart.h"
#include "core/calc_status.h"
#include "document/dasa_codes.h"
#include "document/dasa_tree.h"

// The document's charts and mode, as the dispatcher needs them. Both charts are computed.
struct DasaRequest {
    CChart& current; // the current chart: the mode's working chart, or the natal chart
    CChart& natal;
    int mode = kModeNatal;
    int tajakaYear = 0; // index of the Tajaka year (mode 1)
};

// Fills `tree` (its navigation state nLevel and nSelected kept). Fails when a varga chart or a
// compression moment cannot be calculated; the tree then holds what was computed before the failure.
CalcStatus CalculateDasa(const DasaRequest& request, CDasaTree& tree);
