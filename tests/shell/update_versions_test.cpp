// The update check's decisions without the network: versions compared field by field, the information
// file's two tokens.
#include <gtest/gtest.h>

#include "shell/update_versions.h"

namespace {

TEST(CompareVersions, NewerOlderEqualAndMalformed) {
    const std::string dots = "9" + std::string(4000, '.');
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"8.0.0.1", "8.0.0.0", 1},
        {"8.1", "8.0.0.0", 1},
        {"9", "8.0.0.0", 1},
        {"8.0.0.0", "8.0.0.0", 0},
        {"8", "8.0.0.0", 0},
        {"8.0.0.0", "8.0.0.1", -1},
        {"7.9.9.9", "8.0.0.0", -1},
        {"8.10", "8.9", 1},
        {"8..1", "8.1", 0}, // empty fields are skipped
        {"8.0.0.0.1", "8.0.0.0", -21},
        {"8.0a", "8.0.0.0", -21},
        {"", "8.0.0.0", -21},
        {"...", "8.0.0.0", -21},
        {"8.0.0.0", "8.0a", -22},
        {"8.0.0.0", "1.2.3.4.5", -22},
        {"8.-1", "8.0.0.0", -21},
        {"8.0 ", "8.0.0.0", -21},
        {"99999999999", "8.0.0.0", -21},
        // The longest version there is, and one dot more.
        {"123456789.123456789.123456789.123456789", "8.0.0.0", 1},
        {"123456789.123456789.123456789..123456789", "8.0.0.0", -21},
        {dots.c_str(), "8.0.0.0", -21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(CompareVersions(c.a, c.b), c.expected);
    }
}

TEST(CompareVersions, IsAllDigitsAcceptsOnlyDecimalDigits) {
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    for (const char* text : {"8a", " 8", "-1", "1.0", "\xff"}) EXPECT_FALSE(IsAllDigits(text)) << text;
}

TEST(ParseUpdateInfo, LabelThenVersionOnAnyWhitespace) {
    const auto twoLines = ParseUpdateInfo("2024-03-release\n8.1.0.2\n");
    ASSERT_TRUE(twoLines);
    EXPECT_EQ(twoLines->label, "2024-03-release");
    EXPECT_EQ(twoLines->version, "8.1.0.2");
    const auto oneLine = ParseUpdateInfo("  R9 \t 9 trailing words ");
    ASSERT_TRUE(oneLine);
    EXPECT_EQ(oneLine->version, "9");
    for (const char* text : {"", "   \n", "only-a-label"}) EXPECT_FALSE(ParseUpdateInfo(text)) << text;
}

} // namespace
