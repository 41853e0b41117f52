// The display fonts by chart language and zoom.
#include <gtest/gtest.h>

#include "core/font_faces.h"
#include "shell/display_fonts.h"

namespace {

struct OptionsGuard {
    int language = g_nChartLanguage, zoom = g_nFontSizeSelection, chartZoom = g_nChartFontSizeSelection;
    ~OptionsGuard() {
        g_nChartLanguage = language;
        g_nFontSizeSelection = zoom;
        g_nChartFontSizeSelection = chartZoom;
        CreateDisplayFonts();
    }
};

TEST(DisplayFonts, ChartFontFollowsTheChartLanguage) {
    OptionsGuard guard;
    g_nFontSizeSelection = 3;
    g_nChartFontSizeSelection = 3;
    struct Case {
        int language, height, width, weight;
    };
    // Unscaled sizes; the Tamil width is 78. Languages outside the table take English's 27, 9, 200.
    const Case cases[] = {{0, 32, 8, 300}, {9, 26, 78, 200}, {11, 24, 13, 200},
                          {2, 27, 9, 200}, {42, 27, 9, 200}, {-1, 27, 9, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        g_nChartLanguage = c.language;
        CreateDisplayFonts();
        EXPECT_EQ(g_displayFontDefaults[1].height, c.height);
        EXPECT_EQ(g_displayFontDefaults[1].width, c.width);
        EXPECT_EQ(g_displayFontDefaults[1].weight, c.weight);
        // At zoom 3 and chart zoom 3 the chart font is 1.6 times its record.
        EXPECT_EQ(g_displayFonts[1].height, std::lround(1.6 * c.height));
        EXPECT_EQ(g_displayFonts[1].weight, c.weight);
    }
    g_nChartLanguage = 42;
    CreateDisplayFonts();
    EXPECT_EQ(g_displayFonts[1].faceName, kFaceArialNarrow);
}

TEST(DisplayFonts, ZoomScalesEachRecordItsOwnWay) {
    OptionsGuard guard;
    g_nChartLanguage = 2;
    g_nFontSizeSelection = 7;      // 1.5
    g_nChartFontSizeSelection = 5; // chart font 1.4 more
    CreateDisplayFonts();
    EXPECT_EQ(g_displayFonts[0].height, 32); // 21 x 1.5 = 31.5
    EXPECT_EQ(g_displayFonts[0].width, 13);  // 7 x 1.8 = 12.6
    EXPECT_EQ(g_displayFonts[2].height, 27);
    EXPECT_EQ(g_displayFonts[3].width, 9);
    EXPECT_EQ(g_displayFonts[3].weight, 300);
    EXPECT_EQ(g_displayFonts[1].height, 91); // 27 x 2.4 = 64.8 -> 65, x 1.4 = 91
    EXPECT_EQ(g_displayFonts[1].width, 31);  // 9 x 2.4 = 21.6 -> 22, x 1.4 = 30.8

    CopyDisplayFontRecords();
    EXPECT_EQ(g_displayFonts, g_displayFontDefaults);
    g_nFontSizeSelection = 99; // taken as the largest step
    AdjustDisplayFontSizes();
    EXPECT_EQ(g_displayFonts[2].height, 27);
}

} // namespace
