#include "core/varga_columns.h"

// Columns 23 and 24 start as a D-90 and a D-150 until the user's divisions are first applied.
std::array<int, kVargaColumnCount> g_vargaDivisors = {1,  9,   2,   3,  4,   5,  6,  7,  8,  10,
                                                      11, 12,  16,  20, 24,  27, 30, 40, 45, 60,
                                                      81, 108, 144, 90, 150, 2,  30, 1,  9};
