#include "core/region_table.h"

std::optional<int> FindRegionRow(std::string_view code) {
    for (int row = 0; row < kRegionCount; ++row) {
        if (g_regionTable[row].code == code) return row;
    }
    return std::nullopt;
}
