#include "core/option_appliers.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionAppliers, NodalExaltationChangesOnlyTheNodes) {
    const auto exaltation = g_exaltationSigns;
    const auto debilitation = g_debilitationSigns;
    struct Case {
        bool parasara;
        int rahuExalted, ketuExalted, rahuDebilitated, ketuDebilitated;
    };
    const Case kCases[] = {{true, 1, 7, 7, 1}, {false, 2, 8, 8, 2}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.parasara);
        ApplyRahuKetuExaltationOption(c.parasara);
        EXPECT_EQ(g_exaltationSigns[8], c.rahuExalted);
        EXPECT_EQ(g_exaltationSigns[9], c.ketuExalted);
        EXPECT_EQ(g_debilitationSigns[8], c.rahuDebilitated);
        EXPECT_EQ(g_debilitationSigns[9], c.ketuDebilitated);
        for (int body = 0; body <= 7; ++body) {
            EXPECT_EQ(g_exaltationSigns[body], exaltation[body]) << body;
            EXPECT_EQ(g_debilitationSigns[body], debilitation[body]) << body;
        }
    }
    // Before any applier runs the nodes hold the Gemini-Sagittarius set.
    EXPECT_EQ(exaltation[8], 2);
    EXPECT_EQ(exaltation[9], 8);
    // Sun exalted in Aries, Saturn in Libra; debilitated in the opposite signs.
    EXPECT_EQ(exaltation[1], 0);
    EXPECT_EQ(exaltation[7], 6);
    EXPECT_EQ(debilitation[1], 6);
    EXPECT_EQ(debilitation[7], 0);
}

TEST(OptionAppliers, PushkaraTable) {
    ApplyTableOption(true);
    ASSERT_NE(g_pPushkaraBhagaDegrees, nullptr);
    EXPECT_EQ((*g_pPushkaraBhagaDegrees)[2], 18); // Gemini
    ApplyTableOption(false);
    EXPECT_EQ((*g_pPushkaraBhagaDegrees)[2], 24);
    EXPECT_EQ((*g_pPushkaraBhagaDegrees)[3], 7); // Cancer
}

} // namespace
