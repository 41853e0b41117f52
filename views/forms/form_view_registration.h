#pragma once
// Makes the form panes and the research list known to the pane registry, so the layout's nodes of
// their classes show them.
void RegisterFormViews();
