#include "core/chart_labels.h"

#include "core/font_faces.h"

const char* const* g_pszChartPlanetNames = nullptr;
const char* const* g_pszChartPlanetLabels = nullptr;
const char* const* g_pszChartSignNames = nullptr;
std::string* g_pszChartVargaNames = nullptr;
const char* const* g_pszChartNakshatraNames = nullptr;
const char* const* g_pszChartNakshatraNames28 = nullptr;
std::string g_strChartMarker;

const ChartLanguage g_chartLanguages[kChartLanguageCount] = {
    {"Assamese", "Noto Sans Bengali", &g_planetLabelsAssamese, g_vargaNamesAssamese, "ব"},
    {"Bengali", "Noto Sans Bengali", &g_planetLabelsBengali, g_vargaNamesBengali, "ব"},
    {"English", kFaceArialNarrow, nullptr, g_vargaNames, "R"},
    {"Gujarati", "Noto Sans Gujarati", &g_planetLabelsGujarati, g_vargaNamesGujarati, "વ"},
    {"Hindi", "Noto Sans Devanagari", &g_planetLabelsHindi, g_vargaNamesHindi, "व"},
    {"Kannada", "Noto Sans Kannada", &g_planetLabelsKannada, g_vargaNamesKannada, "ವ"},
    {"Malayalam", "Noto Sans Malayalam", &g_planetLabelsMalayalam, g_vargaNamesMalayalam, "വ"},
    {"Oriya", "Noto Sans Oriya", &g_planetLabelsOriya, g_vargaNamesOriya, "ବ"},
    {"Punjabi", "Noto Sans Gurmukhi", &g_planetLabelsPunjabi, g_vargaNamesPunjabi, "ਵ"},
    {"Tamil", "Noto Sans Tamil", &g_planetLabelsTamil, g_vargaNamesTamil, "வ"},
    {"Telugu", "Noto Sans Telugu", &g_planetLabelsTelugu, g_vargaNamesTelugu, "వ"},
    // DejaVu Sans holds the astronomical symbols and the Latin abbreviations of the other bodies.
    {"", "DejaVu Sans", &g_planetLabelsAstro, g_vargaNames, "℞"},
};

const ChartLanguage& ChartLanguageFor(int chartLanguage) {
    const bool known = chartLanguage >= 0 && chartLanguage < kChartLanguageCount;
    return g_chartLanguages[known ? chartLanguage : kChartLanguageEnglish];
}

const char* SelectChartLanguage(int chartLanguage) {
    const ChartLanguage& language = ChartLanguageFor(chartLanguage);
    g_pszChartPlanetNames = g_pszPlanetNames;
    g_pszChartPlanetLabels = language.bodyLabels ? language.bodyLabels->data() : g_pszPlanetNamesAlt;
    g_pszChartSignNames = g_signNames;
    g_pszChartVargaNames = language.vargaNames;
    g_pszChartNakshatraNames = g_nakshatraShortNames;
    g_pszChartNakshatraNames28 = g_nakshatraShortNames28;
    g_strChartMarker = language.retrogradeMarker;
    return language.fontFace;
}
