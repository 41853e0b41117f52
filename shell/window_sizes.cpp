// The saved pane sizes, in the order the preference file writes them.
#include "shell/window_sizes.h"

std::array<WindowSizeRecord, kWindowSizeCount> g_windowSizes = {{
    {"WndSzClientOffset", 0, 0}, {"WndSzClient", 0, 0},     {"WndSzMixedCht", 0, 0},
    {"WndSzMixedAV", 0, 0},      {"WndSzBasicCht", 0, 0},   {"WndSzBasicFull", 0, 0},
    {"WndSzBasicCalc", 0, 0},    {"WndSzBasicKey", 0, 0},   {"WndSzBasicAV", 0, 0},
    {"WndSzStrenCht", 0, 0},     {"WndSzStrenFull", 0, 0},  {"WndSzStrenShad", 0, 0},
    {"WndSzStrenOther", 0, 0},   {"WndSzStrenYogas", 0, 0}, {"WndSzDasaCht", 0, 0},
    {"WndSzDasaFull", 0, 0},     {"WndSzTransCht", 0, 0},   {"WndSzTransFull", 0, 0},
    {"WndSzTransData", 0, 0},    {"WndSzTransMisc", 0, 0},  {"WndSzTransCore", 0, 0},
    {"WndSzTransLong", 0, 0},    {"WndSzTransSpl1", 0, 0},  {"WndSzTransSpl2", 0, 0},
    {"WndSzTransSpl3", 0, 0},    {"WndSzTransSpl4", 0, 0},  {"WndSzTajakaCht", 0, 0},
    {"WndSzTajakaForm", 0, 0},   {"WndSzTajakaAV", 0, 0},   {"WndSzTajakaCore", 0, 0},
    {"WndSzTajakaLong", 0, 0},   {"WndSzTPCht", 0, 0},      {"WndSzTPForm", 0, 0},
    {"WndSzTPAV", 0, 0},         {"WndSzTPCore", 0, 0},     {"WndSzTPLong", 0, 0},
    {"WndSzMundCht", 0, 0},      {"WndSzMundForm", 0, 0},   {"WndSzMundCore", 0, 0},
    {"WndSzMundLong", 0, 0},     {"WndSzMiscCht", 0, 0},    {"WndSzMiscFull", 0, 0},
    {"WndSzProgForm", 0, 0},     {"WndSzProgCore", 0, 0},   {"WndSzProgLong", 0, 0},
    {"WndSzProgMixed", 0, 0},    {"WndSzAngretForm", 0, 0}, {"WndSzAngretCore", 0, 0},
    {"WndSzAngretAV", 0, 0},     {"WndSzAngretLong", 0, 0}, {"WndSzTranResForm", 0, 0},
    {"WndSzTranResView", 0, 0},
}};

bool g_bWindowSizesSaved = false;
