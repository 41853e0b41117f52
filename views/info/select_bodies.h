#pragma once
// "Select the bodies to show" over the shown body groups (g_bodyTypeShown) that the information tables
// share.
class QWidget;

// Runs the dialog on the groups' flags; on OK stores them and returns true.
bool RunSelectBodiesDialog(QWidget* parent);
