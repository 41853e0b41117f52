#pragma once
// Makes the dasa pages known to the pane registry, so the layout's nodes of their classes show them.
void RegisterPeriodViews();
