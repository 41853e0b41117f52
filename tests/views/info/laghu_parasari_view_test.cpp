// The Laghu Parasari table: its rows of body combinations, the cycle and age columns of each method,
// the dates of the ages, the columns it can count in and its menu.
#include "views/info/laghu_parasari_view.h"

#include <QMenu>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/custom_varga_names.h"
#include "core/option_snapshot.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "views/info/laghu_parasari_table.h"

namespace {
class LaghuParasariTest : public SwetestLahiriPaneTest {
protected:
    LaghuParasariTest() {
        g_laghuParasari = LaghuParasariSettings{};
        m_view.SetDocument(&m_document);
    }
    ~LaghuParasariTest() override { g_laghuParasari = LaghuParasariSettings{}; }
    int RowOf(const std::string& label) const {
        for (int r = 0; r < m_view.RowCount(); ++r)
            if (m_view.CellText(r, 0) == label) return r;
        return -1;
    }

    CLaghuParasariView m_view;
};

TEST_F(LaghuParasariTest, EveryModeListsEachCombinationOnce) {
    struct Case {
        int mode;
        int rows;
        const char* first;
        const char* last;
    };
    // Without the lagna: one of twenty bodies, two of nine planets, two of twenty, three to five of nine.
    const Case kCases[] = {{kOneBody, 20, "Sun", "Glk"},
                           {kTwoPlanets, 36, "Sun-Moon", "Rah-Ket"},
                           {kTwoBodies, 190, "Sun-Moon", "Mnd-Glk"},
                           {kThreePlanets, 84, "Sun-Moon-Mars", "Sat-Rah-Ket"},
                           {kFourPlanets, 126, "Sun-Moon-Mars-Merc", "Ven-Sat-Rah-Ket"},
                           {kFivePlanets, 126, "Sun-Moon-Mars-Merc-Jup", "Jup-Ven-Sat-Rah-Ket"}};
    g_laghuParasari.addLagna = false;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.mode);
        m_view.SetMode(c.mode);
        ASSERT_EQ(m_view.RowCount(), c.rows);
        EXPECT_EQ(m_view.CellText(0, 0), c.first);
        EXPECT_EQ(m_view.CellText(c.rows - 1, 0), c.last);
        EXPECT_EQ(static_cast<int>(LaghuParasariCombinations(c.mode).size()), c.rows);
    }
}

TEST_F(LaghuParasariTest, TheAddedLagnaLeadsEveryLabelAndItsLongitudeJoinsTheSum) {
    m_view.SetAddedLagna(0);
    ASSERT_EQ(m_view.CellText(0, 0), "Asc-Sun");
    // Lagna 95.7209394 and Sun 30.3913520 (swetest) within their signs: 5.7209 + 0.3914 = 6.1123.
    EXPECT_NE(m_view.CellText(0, 1).find("(6.11)"), std::string::npos) << m_view.CellText(0, 1);
    m_view.SetAddedLagna(-1);
    EXPECT_EQ(m_view.CellText(0, 0), "Sun");
}

TEST_F(LaghuParasariTest, DatesAreTheChartsMomentPlusTheAgeInMeanTropicalYears) {
    // The Sun stands at 30.3913520 (swetest): 0.39 into Taurus. Dates worked from 1990-05-15 04:55 UT plus
    // the age times 365.24219 days, in the chart's zone (5:30 east).
    g_laghuParasari.addLagna = false;
    for (int method : {kFindLongitudes, kCountSigns}) {
        SCOPED_TRACE(method);
        m_view.SetMethod(method);
        ASSERT_EQ(m_view.ColumnCount(), 5); // D-1: a cycle of 30 years, four ages
        EXPECT_EQ(m_view.ColumnHeader(0), "D-1 (Rasi)");
        EXPECT_EQ(m_view.ColumnHeader(4), "Date 4 (age)");
        const int sun = RowOf("Sun");
        ASSERT_GE(sun, 0);
        EXPECT_EQ(m_view.CellText(sun, 1), "1990-10-05  (0.39)");
        EXPECT_EQ(m_view.CellText(sun, 2), "2020-10-04  (30.39)");
        EXPECT_EQ(m_view.CellText(sun, 3), "2050-10-04  (60.39)");
        EXPECT_EQ(m_view.CellText(sun, 4), "2080-10-04  (90.39)");
    }
}

TEST_F(LaghuParasariTest, CountingSignsInTheNavamsaRepeatsEveryNineYears) {
    g_laghuParasari.addLagna = false;
    g_laghuParasari.varga = kD9Column;
    m_view.SetMethod(kCountSigns);
    ASSERT_EQ(m_view.ColumnCount(), 1 + 13); // trunc(120 / 9 + 0.5) ages
    EXPECT_EQ(m_view.ColumnHeader(0), "D-9 (Navamsa)");
    // The Moon at 269.7999530: 29.80 into Sagittarius, 8.94 navamsas passed.
    const std::string moon = m_view.CellText(RowOf("Moon"), 2);
    EXPECT_NE(moon.find("(17.94)"), std::string::npos) << moon;
    m_view.SetMethod(kFindLongitudes);
    EXPECT_EQ(m_view.ColumnCount(), 1 + 4); // within a navamsa stretched to 30 degrees: cycle 30
}

TEST(LaghuParasariValues, AWholeCycleReducesToAnAgeOfZero) {
    EXPECT_DOUBLE_EQ(ReduceIntoCycle(60.0, 30.0), 0.0);
    EXPECT_DOUBLE_EQ(ReduceIntoCycle(-3.0, 9.0), 6.0);
    EXPECT_NEAR(ReduceIntoCycle(47.5, 9.0), 2.5, 1e-12);
    const BodyValue navamsa = LaghuParasariValue(40.0, 9, kCountSigns); // 10 degrees: 3 navamsas passed
    EXPECT_DOUBLE_EQ(navamsa.value, 3.0);
    EXPECT_DOUBLE_EQ(navamsa.cycle, 9.0);
    EXPECT_EQ(AgeColumnCount(9.0, false), 13);
    EXPECT_EQ(AgeColumnCount(30.0, false), 4);
    EXPECT_EQ(AgeColumnCount(30.0, true), 1);
}

TEST(LaghuParasariValues, OnlyColumnsOfEqualPartsAreOfferedWithTheUsersDivisionsOfNow) {
    const CScopedOptions kept;
    g_nCustDivSettings = CustomDivisionSettings{};
    BuildCustomVargaNames();
    EXPECT_EQ(LaghuParasariDivisions(kD60Column), 60);
    EXPECT_EQ(LaghuParasariDivisions(kD144Column), 144);
    EXPECT_FALSE(LaghuParasariDivisions(kCustomColumn)); // not defined yet
    for (int column : {kD150Column, kHoraColumn, kHaddaColumn, kBhavaColumn})
        EXPECT_FALSE(LaghuParasariDivisions(column)) << column;
    g_nCustDivSettings.nCustDivN = 7;
    g_nDmDnChartDm = kD10Column;
    g_nDmDnChartDn = kD9Column;
    BuildCustomVargaNames();
    EXPECT_EQ(LaghuParasariDivisions(kCustomColumn), 7);
    EXPECT_EQ(LaghuParasariDivisions(kCompositeColumn), 90);
    g_nCustDivSettings.nCustDivN = 250;
    BuildCustomVargaNames();
    EXPECT_EQ(LaghuParasariDivisions(kCustomColumn), 250);
    g_nCustDivSettings = CustomDivisionSettings{};
    BuildCustomVargaNames();
}

TEST_F(LaghuParasariTest, AColumnNoLongerDefinedFallsBackToTheRasi) {
    const CScopedOptions kept;
    g_nCustDivSettings.nCustDivN = 7;
    BuildCustomVargaNames();
    g_laghuParasari.varga = kCustomColumn;
    g_laghuParasari.addLagna = false;
    m_view.SetMethod(kCountSigns);
    EXPECT_EQ(m_view.ColumnCount(), 1 + 17); // cycle 7: trunc(120 / 7 + 0.5)
    g_nCustDivSettings = CustomDivisionSettings{};
    BuildCustomVargaNames();
    m_view.FillTable();
    EXPECT_EQ(m_view.ColumnHeader(0), "D-1 (Rasi)");
}

TEST_F(LaghuParasariTest, TheMenuChecksTheSettingsAndItsCommandsRefillAtOnce) {
    QMenu menu;
    m_view.FillContextMenu(menu);
    QAction* four = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->text() == "Consider &4 planets (no upagrahas)") four = action;
        if (action->text() == "Consider &1 planet (including upagrahas)") {
            EXPECT_TRUE(action->isChecked());
        }
    }
    ASSERT_NE(four, nullptr);
    four->trigger();
    EXPECT_EQ(g_laghuParasari.mode, kFourPlanets);
    EXPECT_EQ(m_view.RowCount(), 126);
    EXPECT_EQ(m_view.CellText(0, 0), "Asc-Sun-Moon-Mars-Merc");
}
} // namespace
