#pragma once
// What the chart view hands to the views it opens: the ashtakavarga views draw the chart and varga set
// here, the aspect table the varga. Process-wide, written just before the view is shown.
class CChart;

struct AshtakavargaChoice {
    const CChart* chart = nullptr; // null: the document's current chart
    int varga = 0;                 // varga column of the bindus
    int tableVarga = 0;            // varga column of the tables beside them
    int reference = 0;             // reset to 0 by the chart view
    int page = 0;                  // reset to 0 by the chart view
};
extern AshtakavargaChoice g_ashtakavargaChoice;

// Varga column of the aspect table.
extern int g_nAspectTableVarga;
