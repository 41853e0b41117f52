#pragma once
// Names of the bodies and points of a chart, indexed by body number (0 lagna, 1 Sun ... 9 Ketu,
// 10-12 outer planets, then special lagnas, upagrahas, sphutas, varnadas, bhava arudhas and graha
// arudhas up to 101). Bodies 102-104 are the chart's own extra points; their names live in the chart.
// Texts are exact, trailing blanks included ("HL " is drawn as three characters).

inline constexpr int kNamedBodyCount = 102;

// Full names: lists, reports, menus.
extern const char* const g_planetNames[kNamedBodyCount];
extern const char* const g_planetNamesSanskrit[kNamedBodyCount];
// Abbreviations of 2-4 characters: chart cells.
extern const char* const g_planetAbbrevs[kNamedBodyCount];
extern const char* const g_planetAbbrevsSanskrit[kNamedBodyCount];
// Short names of 2-5 characters: table columns and period labels.
extern const char* const g_planetShortNames[kNamedBodyCount];
extern const char* const g_planetShortNamesSanskrit[kNamedBodyCount];

// What the chart's extra-point slots (bodies 102-104) hold, for lists that offer a slot before a chart
// fills it (a chart names its own points): the mode's point (Muntha, Prasna Lagna), the user's special
// point and the user's special lagna.
inline constexpr int kExtraPointSlotCount = 3;
extern const char* const g_extraPointSlotNames[kExtraPointSlotCount];
// The full English name of body 0-104: a named body's, then an extra point's slot.
const char* FullBodyName(int body);

// The tables of the language the user chose; null until SelectNameTables first runs.
extern const char* const* g_pszPlanetNames;     // full names
extern const char* const* g_pszPlanetNamesAlt;  // abbreviations
extern const char* const* g_pszPlanetNamesAlt2; // short names

// Full names / abbreviations in the chosen language; the English tables before a language is chosen.
const char* const* ChosenPlanetNames();
const char* const* ChosenPlanetAbbrevs();
