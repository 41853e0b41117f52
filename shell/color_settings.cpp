#include "shell/color_settings.h"

void ResetColorsToDefaults() {
    g_colors = g_defaultColors;
    g_savedColors = g_defaultColors;
}

void AcceptColors() {
    g_savedColors = g_colors;
}

void RevertColors() {
    g_colors = g_savedColors;
}
