#pragma once
// Makes the information panes known to the pane registry, so the layout's nodes of their classes show them.
void RegisterInfoViews();
