#pragma once
// Settings that take effect only at the next start end the program once the user has been told.
#include <functional>

// The ephemeris closed, the preferences saved and the process ended with exit code 0. Tests replace
// it, so that the process lives on.
extern std::function<void()> g_endForRestart;
