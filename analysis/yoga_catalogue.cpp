// The yoga catalogue's lookup, and the Dhana definitions it builds from the Dhana tables with the
// names the user chose.
#include "analysis/yoga_catalogue.h"

#include <string>

#include "core/body_names.h"
#include "core/zodiac_names.h"

namespace {

constexpr int kDhanaRows = 12; // one per lagna sign, in each of the two tables
constexpr char kDhanaName[] = "Dhana";
constexpr char kDhanaResults[] = "Very rich";

// Full body name in the chosen language (English before any choice is made).
std::string BodyName(int body) {
    return ChosenPlanetNames()[body];
}

// Full sign name: Sanskrit when chosen, else English. The English sign table the user can choose holds
// abbreviations, which a sentence does not use.
std::string SignName(int sign) {
    return (g_pszSignNames == g_signNamesSanskrit ? g_signNamesSanskrit : g_signNames)[sign];
}

// ", Moon, Jupiter": the others of a row that are given.
std::string OtherNames(const DhanaRow& row) {
    std::string text;
    for (int body : row.others)
        if (body != 0) text += ", " + BodyName(body);
    return text;
}

// "Sun in 5th, Saturn, Moon, Jupiter in 11th for Aries lagna" or "Mars in Aries lagna, conjoined or
// aspected by Mercury, Venus, Saturn".
std::string DhanaDefinition(int index) {
    if (index < kDhanaRows) {
        const DhanaRow& row = g_dhanaFifthAndEleventh[index];
        std::string others = OtherNames(row).substr(2); // the first has no separator before it
        return BodyName(row.key) + " in 5th, " + others + " in 11th for " + SignName(index) + " lagna";
    }
    const int sign = index - kDhanaRows;
    const DhanaRow& row = g_dhanaInLagna[sign];
    return BodyName(row.key) + " in " + SignName(sign) + " lagna, conjoined or aspected by " +
           OtherNames(row).substr(2);
}

} // namespace

bool CYogaCatalogue(int category, int index, CYogaRecord& record) {
    if (category < 1 || category > kYogaCategoryCount) return false;
    if (index < 0 || index >= g_nYogaCategorySizes[category]) return false;
    record.m_nCategory = category;
    if (category == kYogaDhana) {
        record.m_strName = kDhanaName;
        record.m_strDefinition = DhanaDefinition(index);
        record.m_strResults = kDhanaResults;
        return true;
    }
    const YogaText& text = g_yogaTexts[category][index];
    record.m_strName = text.name;
    record.m_strDefinition = text.definition;
    record.m_strResults = text.results;
    return true;
}
