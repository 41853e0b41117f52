#include "views/periods/dasa_transit_input.h"

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/zodiac_names.h"

CDasaTransitInput g_dasaTransitInput;
std::string g_strPickedPeriodName;

namespace {
constexpr int kNoLord = 100;
constexpr int kLastPlanet = 9; // Ketu

int FindName(const std::string& word, std::initializer_list<const char* const*> tables, int first, int last) {
    for (const char* const* table : tables)
        for (int i = first; i <= last; ++i)
            if (word == table[i]) return i;
    return kNoLord;
}
} // namespace

int DasaPeriodSign(bool lordIsBody, int lord, bool namedByLabels, const std::string& name,
                   const CChart& chart) {
    if (namedByLabels) {
        const std::string word = name.substr(0, name.find_first_of(" :("));
        lord = FindName(word, {g_signNames, g_signAbbrevs, g_signNamesSanskrit}, 0, kSignCount - 1);
        lordIsBody = lord == kNoLord;
        if (lordIsBody)
            lord = FindName(word,
                            {g_planetNames, g_planetNamesSanskrit, g_planetAbbrevs, g_planetAbbrevsSanskrit,
                             g_planetShortNames, g_planetShortNamesSanskrit},
                            1, kLastPlanet);
    }
    if (!lordIsBody) return lord >= 0 && lord < kSignCount ? lord : -1;
    if (lord < 1 || lord > kLastPlanet) return -1;
    return chart.m_bodies[lord].m_nSign;
}
