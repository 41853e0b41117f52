#pragma once
// Chart labels by chart language: the names of the bodies and vargas that the chart renderers draw,
// in one of eleven languages or as astronomical symbols. Regional texts are Unicode (UTF-8) in the
// language's own script and are drawn with the Noto font of that script.
#include <array>
#include <string>

#include "core/body_names.h"
#include "core/zodiac_names.h"

// Language codes of the preference ChartLanguage. The dialog lists 0-10; the symbol labels are
// reached only through the preference file; any other value acts as English.
inline constexpr int kChartLanguageCount = 12;
inline constexpr int kChartLanguageEnglish = 2;
inline constexpr int kChartLanguageSymbols = 11;

using BodyLabelTable = std::array<const char*, kNamedBodyCount>;

// Entries 0-9 (lagna and grahas) and 83-101 (graha arudhas) are in the language's script; entries
// 10-82 keep the Latin abbreviations of g_planetAbbrevs.
extern const BodyLabelTable g_planetLabelsAssamese;
extern const BodyLabelTable g_planetLabelsBengali;
extern const BodyLabelTable g_planetLabelsGujarati;
extern const BodyLabelTable g_planetLabelsHindi;
extern const BodyLabelTable g_planetLabelsKannada;
extern const BodyLabelTable g_planetLabelsMalayalam;
extern const BodyLabelTable g_planetLabelsOriya;
extern const BodyLabelTable g_planetLabelsPunjabi;
extern const BodyLabelTable g_planetLabelsTamil;
extern const BodyLabelTable g_planetLabelsTelugu;
extern const BodyLabelTable g_planetLabelsAstro; // astronomical symbols: ☉ ☽ ♂ ...

// Varga-column names in each script; entries 23 and 24 are empty until the user defines custom
// vargas, and entry 24 of the current table is rewritten for the composite varga.
extern std::string g_vargaNamesAssamese[kVargaColumnCount];
extern std::string g_vargaNamesBengali[kVargaColumnCount];
extern std::string g_vargaNamesGujarati[kVargaColumnCount];
extern std::string g_vargaNamesHindi[kVargaColumnCount];
extern std::string g_vargaNamesKannada[kVargaColumnCount];
extern std::string g_vargaNamesMalayalam[kVargaColumnCount];
extern std::string g_vargaNamesOriya[kVargaColumnCount];
extern std::string g_vargaNamesPunjabi[kVargaColumnCount];
extern std::string g_vargaNamesTamil[kVargaColumnCount];
extern std::string g_vargaNamesTelugu[kVargaColumnCount];

// One row of the language table.
struct ChartLanguage {
    const char* listText;             // text in the language list; empty for the symbol labels
    const char* fontFace;             // font family that draws the labels
    const BodyLabelTable* bodyLabels; // null: the current abbreviations (g_pszPlanetNamesAlt)
    std::string* vargaNames;          // kVargaColumnCount entries
    const char* retrogradeMarker;
};

extern const ChartLanguage g_chartLanguages[kChartLanguageCount];

// The row for a ChartLanguage preference value; values outside 0-11 give English.
const ChartLanguage& ChartLanguageFor(int chartLanguage);

// Current labels, set by SelectChartLanguage; null (the marker empty) until it first runs.
extern const char* const* g_pszChartPlanetNames;      // full names of the current name language
extern const char* const* g_pszChartPlanetLabels;     // body labels of the chart language
extern const char* const* g_pszChartSignNames;        // g_signNames, for every language
extern std::string* g_pszChartVargaNames;             // varga names of the chart language
extern const char* const* g_pszChartNakshatraNames;   // g_nakshatraShortNames, for every language
extern const char* const* g_pszChartNakshatraNames28; // g_nakshatraShortNames28, for every language
extern std::string g_strChartMarker;                  // marks a retrograde body

// Sets the current labels and marker for a chart language and returns the font family of the chart
// labels. Call after SelectNameTables, so the full names and English labels follow the name language.
const char* SelectChartLanguage(int chartLanguage);
