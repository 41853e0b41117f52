#pragma once
// Settings that take effect only at the next start end the program once the user has been told: the
// main window closes as File > Exit closes it, so a changed chart is offered for saving (Cancel keeps
// the program open) and the preferences are saved, a failed save being told.
#include <functional>

// The main frame puts its close here while it lives; tests replace it. Empty: nothing closes.
extern std::function<void()> g_endForRestart;
// Calls g_endForRestart when it is set.
void EndForRestart();
