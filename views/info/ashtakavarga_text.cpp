#include "views/info/ashtakavarga_text.h"

#include <cstdio>

#include "core/body_names.h"
#include "chart/chart.h"

namespace {

const char* ShortName(int body) {
    return ChosenPlanetAbbrevs()[body];
}

} // namespace

std::string AshtakavargaTableText(const CChart& chart) {
    std::string text = "Ashtakavarga of Rasi Chart:\r\n\r\n";
    text += "      Ar  Ta  Ge  Cn  Le  Vi  Li  Sc  Sg  Cp  Aq  Pi\r\n";
    const CAshtakavarga& av = chart.m_ashtakavarga;
    for (int b = 0; b < kAshtakavargaPoints; ++b) {
        text += ShortName(b);
        text += " ";
        const int own = chart.m_vargaSign.Sign(b, 0);
        for (int s = 0; s < 12; ++s) {
            char cell[16];
            std::snprintf(cell, sizeof cell, "  %1d%c", av.m_bhinna[0][b][s], own == s ? '*' : ' ');
            text += cell;
        }
        text += "\r\n";
    }
    return text + "\r\n";
}

std::string AshtakavargaPindaText(const CChart& chart) {
    std::string text = "      Sodhya Pinda  Rasi Pinda  Graha Pinda\r\n";
    const CAshtakavarga& av = chart.m_ashtakavarga;
    for (int b = 0; b < kAshtakavargaPoints; ++b) {
        char line[96];
        std::snprintf(line, sizeof line, "          %3d         %3d          %3d", av.m_sodhyaPinda[0][b],
                      av.m_rasiPinda[0][b], av.m_grahaPinda[0][b]);
        text += ShortName(b);
        text += " ";
        text += line;
        text += "\r\n";
    }
    return text + "\r\n";
}
