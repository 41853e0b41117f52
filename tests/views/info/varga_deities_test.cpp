// The varga deity tables and the lookup of the deity of a body's division: the worked places of the
// tradition's rules, and that no column's lookup leaves its table.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/varga_columns.h"
#include "views/info/varga_deity_tables.h"

namespace {
constexpr double kArcMinute = 1.0 / 60;

// The deity of a body at `degrees` into `sign` in column `varga`; D-150 reads the chart's nadiamsa.
AmsaDeity Deity(int varga, int sign, double degrees, const CChart& chart = CChart()) {
    return FindAmsaDeity(chart, kSun, sign, sign * 30.0 + degrees, varga);
}

TEST(VargaDeityTables, EveryColumnCountsTheDeitiesOfItsOwnTable) {
    ChooseD150DeityTable();
    ASSERT_EQ(g_nAmsaDeityCounts.size(), 29u);
    for (int varga = 0; varga < kVargaColumnCount; ++varga) {
        SCOPED_TRACE(varga);
        EXPECT_EQ(static_cast<std::size_t>(g_nAmsaDeityCounts[varga]), g_pAmsaDeityTables[varga].size());
    }
    EXPECT_EQ(std::size(g_strD20DeitiesEven), std::size(g_strD20DeitiesOdd));
    EXPECT_EQ(std::size(g_strD150DeitiesB), std::size(g_strD150DeitiesA));
}

TEST(VargaDeityTables, NoLookupLeavesItsTableAtEitherEndOfAnySign) {
    CChart chart;
    chart.m_vargaSign.SetD150(kSun, D150Place{149, 299}, 0);
    for (int varga = 0; varga < kVargaColumnCount; ++varga) {
        for (int sign = 0; sign < 12; ++sign) {
            // The sign's first instant, its last degree and a longitude a hair short of the next sign.
            for (double degrees : {0.0, 29.0, 30.0 - 1e-9}) {
                SCOPED_TRACE(testing::Message()
                             << "column " << varga << " sign " << sign << " at " << degrees);
                const AmsaDeity deity = Deity(varga, sign, degrees, chart);
                ASSERT_GE(deity.index, 0);
                ASSERT_LT(deity.index, g_nAmsaDeityCounts[varga]);
                ASSERT_GE(deity.division, 0);
            }
        }
    }
}

TEST(VargaDeityTables, ColumnsWithoutDeitiesGiveAnEmptyNameWhateverTheirDivision) {
    for (int varga :
         {kD1Column, kD5Column, kD6Column, kD8Column, kD11Column, kD81Column, kD108Column, kD144Column,
          kCustomColumn, kCompositeColumn, kHoraColumn, kHaddaColumn, kBhavaColumn}) {
        SCOPED_TRACE(varga);
        const AmsaDeity last = Deity(varga, 11, 29.99);
        EXPECT_EQ(last.name, "");
        EXPECT_EQ(last.index, 0);
    }
    // The largest of them still tells the division: the 144th part of Aries.
    EXPECT_EQ(Deity(kD144Column, 0, 29.99).division, 143);
}

TEST(VargaDeityTables, WorkedPlacesOfTheRules) {
    struct Case {
        int varga;
        int sign;
        double degrees;
        int division;
        int index;
        const char* name;
    };
    const Case kCases[] = {
        // D-60 counts from the end of an even sign: 0 Taurus is the last deity.
        {kD60Column, 1, 0.0, 0, 59, "Chandra-rekha"},
        {kD60Column, 0, 0.0, 0, 0, "Ghora"},
        // D-9 starts again by modality: Aries movable, Taurus fixed.
        {kD9Column, 0, 29 + 59 * kArcMinute, 8, 2, "Raakshasa"},
        {kD9Column, 1, 29 + 59 * kArcMinute, 8, 0, "Deva"},
        // D-30 bands: a bound belongs to the band after it.
        {kD30Column, 0, 5.0, 5, 1, "Vaayu"},
        {kD30Column, 1, 5.0, 5, 3, "Kubera"},
        {kD30Column, 0, 4.999, 4, 0, "Agni"},
        {kD30Column, 1, 25.0, 25, 0, "Agni"},
        // D-20 takes the even signs' own list; D-2 counts from the end in even signs.
        {kD20Column, 1, 0.0, 0, 0, "Dayaa"},
        {kD2Column, 1, 0.0, 0, 1, "Pitris  -  Moon"},
        // D-45 reversed in an even sign, then shifted by the fixed modality: (44 + 1) mod 3.
        {kD45Column, 1, 0.0, 0, 0, "Brahma"},
        // D-24 and D-40 have twelve deities for more parts: the count starts again.
        {kD40Column, 0, 29.9, 39, 3, "Tvashtaa"},
        {kD24Column, 0, 29.9, 23, 11, "Bheema"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "column " << c.varga << " sign " << c.sign << " at " << c.degrees);
        const AmsaDeity deity = Deity(c.varga, c.sign, c.degrees);
        EXPECT_EQ(deity.division, c.division);
        EXPECT_EQ(deity.index, c.index);
        EXPECT_EQ(deity.name, c.name);
    }
}

TEST(VargaDeityTables, NadiamsaDeitiesFollowTheSignsModalityAndTheChosenList) {
    CChart chart;
    chart.m_vargaSign.SetD150(kSun, D150Place{10, 20}, 0);
    const CScopedOption list(g_nD150NamePreference, 0);
    ChooseD150DeityTable();
    struct Case {
        int sign;
        int index;
    };
    for (const Case& c : {Case{0, 10}, Case{1, 139}, Case{2, 85}}) { // movable, fixed, dual
        SCOPED_TRACE(c.sign);
        const AmsaDeity deity = Deity(kD150Column, c.sign, 2.1, chart);
        EXPECT_EQ(deity.division, 10);
        EXPECT_EQ(deity.index, c.index);
        EXPECT_EQ(deity.name, g_strD150DeitiesA[c.index]);
    }
    g_nD150NamePreference = 1;
    ChooseD150DeityTable();
    EXPECT_EQ(Deity(kD150Column, 1, 2.1, chart).name, g_strD150DeitiesB[139]);
    g_nD150NamePreference = 0;
    ChooseD150DeityTable();
}
} // namespace
