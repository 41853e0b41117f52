#include "shell/color_settings.h"

#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "shell/preference_keys.h"

namespace {

// Both colour sets back to the built-in defaults, as start-up puts them before reading the file.
void ResetColours() {
    ApplyPreferenceDefaults(
        PreferenceKeys(), [](const PreferenceKey& key) { return key.section == PreferenceSection::kColors; });
}

TEST(ColorSettings, GroupsCoverEverySettingOnce) {
    std::multiset<int> covered;
    for (const auto& range : g_colorGroupRanges) {
        ASSERT_LE(range.first, range.last);
        for (int n = range.first; n <= range.last; ++n) covered.insert(n);
    }
    ASSERT_EQ(covered.size(), static_cast<size_t>(kColorCount));
    for (int n = 0; n < kColorCount; ++n) EXPECT_EQ(covered.count(n), 1u) << n;
    EXPECT_STREQ(g_colorGroups[12], "General");
    EXPECT_EQ(g_colorGroupRanges[12].first, 124);
    EXPECT_EQ(g_colorGroupRanges[12].last, 124);
}

TEST(ColorSettings, KeysAreUniqueAndStartWithColor) {
    std::set<std::string> keys;
    for (const char* key : g_colorIniKeys) {
        EXPECT_EQ(std::strncmp(key, "Color", 5), 0) << key;
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), static_cast<size_t>(kColorCount));
}

// Sample rows of the colour table: key, default colour (red in the low byte) and description.
TEST(ColorSettings, SampleRows) {
    struct Case {
        int n;
        const char* key;
        const char* description;
        ColorKind kind;
        ColorRef color;
    };
    const Case kCases[] = {
        {0, "ColorListViewTitle", "Text in first column", kTextColor, 117u + 12u * 256 + 62u * 65536},
        {14, "ColorDasaViewFocus", "Focus rectangle of selected period", kLineColor,
         140u + 40u * 256 + 100u * 65536},
        {22, "ColorChartViewCartBackground", "Background inside charts", kFillColor,
         230u + 230u * 256 + 230u * 65536},
        {34, "ColorChartViewSpecialPoint", "Special points  like muntha", kTextColor,
         170u + 110u * 256 + 140u * 65536},
        {63, "ColorCoreViewHeader", "Frame header (e.g. \"Natal chart\")", kTextColor,
         0u + 40u * 256 + 120u * 65536},
        {71, "ColorKotaViewAreaName", "Capions of fort areas", kTextColor, 150u + 80u * 256 + 120u * 65536},
        {98, "ColorPanchangaViewWait", "\"Wait\" displayed while copying", kTextColor,
         200u + 40u * 256 + 40u * 65536},
        {100, "ColorStrengthGraphViewTtitle", "Graph title", kTextColor, 20u + 80u * 256 + 40u * 65536},
        {124, "ColorSelectedTab", "Caption of the selected tab", kTextColor, 210u},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.n);
        EXPECT_STREQ(g_colorIniKeys[c.n], c.key);
        EXPECT_STREQ(g_colorDescriptions[c.n], c.description);
        EXPECT_EQ(g_colorKinds[c.n], c.kind);
        EXPECT_EQ(g_defaultColors[c.n], c.color);
    }
}

TEST(ColorSettings, BothSetsStartAtTheDefaults) {
    EXPECT_EQ(g_colors, g_defaultColors);
    EXPECT_EQ(g_savedColors, g_defaultColors);
}

TEST(ColorSettings, CancelRestoresEveryTriedColourAndOkKeepsThem) {
    ResetColours();
    g_colors[3] = Rgb(1, 2, 3);
    g_colors[124] = Rgb(4, 5, 6);
    RevertColors();
    EXPECT_EQ(g_colors, g_defaultColors);

    g_colors[50] = Rgb(7, 8, 9);
    AcceptColors();
    EXPECT_EQ(g_savedColors[50], Rgb(7, 8, 9));
    EXPECT_EQ(g_savedColors, g_colors);
    ResetColours();
    EXPECT_EQ(g_savedColors, g_defaultColors);
}

} // namespace
