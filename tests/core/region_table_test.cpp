#include <set>
#include <string>

#include <gtest/gtest.h>

#include "core/region_table.h"

TEST(RegionTable, CountriesThenUsStatesWithUniqueCodes) {
    EXPECT_EQ(g_regionTable[0].code, "AF");
    EXPECT_EQ(g_regionTable[kCountryCount - 1].code, "ZI");
    EXPECT_EQ(g_regionTable[kFirstUsStateRow].code, "USAK");
    EXPECT_EQ(g_regionTable[kRegionCount - 1].code, "USWY");
    std::set<std::string_view> codes;
    for (int row = 0; row < kRegionCount; ++row) {
        const RegionRow& r = g_regionTable[row];
        SCOPED_TRACE(std::string(r.code));
        EXPECT_EQ(r.code.size(), row < kFirstUsStateRow ? 2u : 4u);
        EXPECT_EQ(r.code.substr(0, 2) == "US", row >= kFirstUsStateRow);
        EXPECT_LE(r.name.size(), 50u);
        EXPECT_GE(r.dDaylightZone, r.dStandardZone);
        EXPECT_TRUE(codes.insert(r.code).second);
    }
    EXPECT_EQ(g_regionTable[FindRegionRow("IN").value()].name, "India");
    EXPECT_EQ(FindRegionRow("in"), std::nullopt);
}

// Standard zones from the IANA time-zone database (2025 data) for the regions' capitals, hours east;
// Azerbaijan without daylight saving since 2016.
TEST(RegionTable, ZonesOfCorrectedRows) {
    struct Case {
        const char* code;
        double standardZone, daylightZone;
    };
    const Case cases[] = {{"KT", 7, 7}, {"MC", 8, 8}, {"LS", 1, 2}, {"MH", -4, -4},
                          {"TT", 9, 9}, {"CN", 3, 3}, {"BS", 3, 3}, {"AJ", 4, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const RegionRow& r = g_regionTable[*FindRegionRow(c.code)];
        EXPECT_EQ(r.dStandardZone, c.standardZone);
        EXPECT_EQ(r.dDaylightZone, c.daylightZone);
    }
}

// Names are shown in the atlas matches as the table spells them, trailing blank and old spellings kept.
TEST(RegionTable, NamesKeepTheirSpelling) {
    struct Case {
        const char* code;
        std::string_view name;
    };
    const Case cases[] = {{"JO", "Jordan "},
                          {"USTN", "Tennesse, USA"},
                          {"FS", "French Southern and Antaractic Lands"},
                          {"IV", "Cote D'Ivoire (Ivory Coast)"},
                          {"BM", "Burma/Myanmar"},
                          {"USGU", "Guam (Islands), USA"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(g_regionTable[FindRegionRow(c.code).value()].name, c.name);
    }
}
