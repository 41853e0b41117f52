#pragma once
// Pane sizes the user saved (Save current window sizes), kept in the preference file's [WindowSizes].
// Record 0 holds the frame's left and top, record 1 its width and height, records 2-51 one pane each,
// all in pixels. Until sizes were saved or read, the frame computes them from the desktop.
#include <array>

struct WindowSizeRecord {
    const char* name; // the preference key
    int cx;
    int cy;
};

constexpr int kWindowSizeCount = 52;
extern std::array<WindowSizeRecord, kWindowSizeCount> g_windowSizes;

// Set when sizes were saved by the user or read from the preference file; only then are they written.
extern bool g_bWindowSizesSaved;
