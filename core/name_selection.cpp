#include "core/name_selection.h"

#include "core/body_names.h"
#include "core/zodiac_names.h"

void SelectNameTables(bool sanskritPlanetNames, bool sanskritRasiNames) {
    g_pszPlanetNames = sanskritPlanetNames ? g_planetNamesSanskrit : g_planetNames;
    g_pszPlanetNamesAlt = sanskritPlanetNames ? g_planetAbbrevsSanskrit : g_planetAbbrevs;
    g_pszPlanetNamesAlt2 = sanskritPlanetNames ? g_planetShortNamesSanskrit : g_planetShortNames;
    // The full English sign names are not selectable here; readers that want them read g_signNames.
    g_pszSignNames = sanskritRasiNames ? g_signNamesSanskrit : g_signAbbrevs;
}
