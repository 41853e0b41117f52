#pragma once
// The About box: the program's name, version and what it is, with an OK button.
class QWidget;

// Runs the box modally over `parent`.
void RunAboutBox(QWidget* parent);
