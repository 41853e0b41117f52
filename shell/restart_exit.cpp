#include "shell/restart_exit.h"

std::function<void()> g_endForRestart;

void EndForRestart() {
    if (g_endForRestart) g_endForRestart();
}
