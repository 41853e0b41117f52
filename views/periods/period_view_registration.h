#pragma once
// Makes the dasa pages, the dasa-transit correlation, the transit tables and the transit calendar known to
// the pane registry, so the layout's nodes and the windows opened by class name show them.
void RegisterPeriodViews();
