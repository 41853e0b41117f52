// The chart-label tables of the eleven chart languages and the symbol labels, and the current labels
// that a chart language selects.
#include <string>

#include <gtest/gtest.h>

#include "core/chart_labels.h"
#include "core/font_faces.h"
#include "core/name_selection.h"

namespace {

bool IsRegionalScriptBody(int body) {
    return body <= 9 || body >= 83;
}

TEST(ChartLabels, EveryLanguageHasALabelForEveryBodyAndVarga) {
    for (int code = 0; code < kChartLanguageCount; ++code) {
        SCOPED_TRACE(code);
        const ChartLanguage& language = g_chartLanguages[code];
        EXPECT_NE(std::string(language.fontFace), "");
        EXPECT_NE(std::string(language.retrogradeMarker), "");
        if (language.bodyLabels) {
            for (int body = 0; body < kNamedBodyCount; ++body) {
                ASSERT_NE((*language.bodyLabels)[body], nullptr) << body;
                EXPECT_NE(std::string((*language.bodyLabels)[body]), "") << body;
            }
        }
        for (int column = 0; column < kVargaColumnCount; ++column) {
            const bool custom = column == kUserVargaColumn || column == kCompositeVargaColumn;
            EXPECT_EQ(language.vargaNames[column].empty(), custom) << column;
        }
    }
}

TEST(ChartLabels, RegionalTablesKeepTheLatinAbbreviationsOfTheOtherBodies) {
    for (int code = 0; code < kChartLanguageCount; ++code) {
        const BodyLabelTable* labels = g_chartLanguages[code].bodyLabels;
        if (!labels) continue;
        for (int body = 10; body <= 82; ++body) {
            SCOPED_TRACE(std::to_string(code) + " body " + std::to_string(body));
            const std::string expected = code == 0 && body == 59 ? "AL" : g_planetAbbrevs[body];
            EXPECT_EQ((*labels)[body], expected);
        }
    }
}

TEST(ChartLabels, GrahasAndTheirArudhasAreWrittenInTheScript) {
    for (int code = 0; code < kChartLanguageCount; ++code) {
        const BodyLabelTable* labels = g_chartLanguages[code].bodyLabels;
        if (!labels) continue;
        for (int body = 1; body < kNamedBodyCount; ++body) {
            if (!IsRegionalScriptBody(body)) continue;
            SCOPED_TRACE(std::to_string(code) + " body " + std::to_string(body));
            EXPECT_NE(std::string((*labels)[body]), g_planetAbbrevs[body]);
        }
        for (int planet = 1; planet <= 9; ++planet) EXPECT_STREQ((*labels)[82 + planet], (*labels)[planet]);
    }
}

TEST(ChartLabels, SpotChecks) {
    EXPECT_STREQ(g_planetLabelsHindi[1], "सू");
    EXPECT_STREQ(g_planetLabelsHindi[96], "श10");
    EXPECT_STREQ(g_planetLabelsMalayalam[7], "മ");
    EXPECT_STREQ(g_planetLabelsTamil[0], "லக்");
    EXPECT_STREQ(g_planetLabelsAstro[1], "☉");
    EXPECT_STREQ(g_planetLabelsAstro[9], "☋");
    EXPECT_STREQ(g_planetLabelsAssamese[59], "AL");
    EXPECT_STREQ(g_planetLabelsBengali[59], "AL ");
    EXPECT_EQ(g_vargaNamesHindi[1], "नवांश");
    EXPECT_EQ(g_vargaNamesTelugu[28], "భావ/చలిత");
}

TEST(ChartLabels, EnglishDrawsTheCurrentAbbreviations) {
    SelectNameTables(false, false);
    EXPECT_STREQ(SelectChartLanguage(kChartLanguageEnglish), kFaceArialNarrow);
    EXPECT_STREQ(g_pszChartPlanetLabels[1], "Su");
    EXPECT_STREQ(g_pszChartPlanetNames[1], "Sun");
    EXPECT_EQ(g_strChartMarker, "R");

    SelectNameTables(true, false);
    SelectChartLanguage(kChartLanguageEnglish);
    EXPECT_STREQ(g_pszChartPlanetLabels[1], "Sy");
    EXPECT_STREQ(g_pszChartPlanetNames[1], "Surya");
    SelectNameTables(false, false);
}

TEST(ChartLabels, UnknownLanguageCodesActAsEnglish) {
    SelectNameTables(false, false);
    for (int code : {-1, 12, 100}) {
        SCOPED_TRACE(code);
        EXPECT_STREQ(SelectChartLanguage(code), kFaceArialNarrow);
        EXPECT_EQ(g_pszChartPlanetLabels, g_planetAbbrevs);
        EXPECT_EQ(g_pszChartVargaNames, g_vargaNames);
        EXPECT_EQ(g_strChartMarker, "R");
    }
}

TEST(ChartLabels, ALanguageSelectsItsTablesAndTheSharedOnes) {
    SelectNameTables(false, false);
    EXPECT_STREQ(SelectChartLanguage(4), "Noto Sans Devanagari");
    EXPECT_EQ(g_pszChartPlanetLabels, g_planetLabelsHindi.data());
    EXPECT_EQ(g_pszChartVargaNames, g_vargaNamesHindi);
    EXPECT_EQ(g_pszChartSignNames, g_signNames);
    EXPECT_EQ(g_pszChartNakshatraNames, g_nakshatraShortNames);
    EXPECT_EQ(g_pszChartNakshatraNames28, g_nakshatraShortNames28);
    EXPECT_EQ(g_strChartMarker, "व");

    SelectChartLanguage(kChartLanguageSymbols);
    EXPECT_EQ(g_pszChartPlanetLabels, g_planetLabelsAstro.data());
    EXPECT_EQ(g_pszChartVargaNames, g_vargaNames);
    EXPECT_EQ(g_strChartMarker, "℞");
}

} // namespace
