#include "shell/restart_exit.h"

#include <cstdlib>

#include "core/data_folder.h"
#include "shell/preferences.h"

std::function<void()> g_endForRestart = [] {
    CloseEphemeris();
    SavePreferences();
    std::exit(0);
};
