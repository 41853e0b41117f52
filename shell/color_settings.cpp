#include "shell/color_settings.h"

void AcceptColors() {
    g_savedColors = g_colors;
}

void RevertColors() {
    g_colors = g_savedColors;
}
