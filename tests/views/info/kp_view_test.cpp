// The KP tables of the Chennai chart: the lords of two bodies against a KP sub-lord table worked by hand
// from swetest's positions, the inverse tables built from the lords table, and the menu.
#include "views/info/kp_view.h"

#include <QMenu>
#include <map>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/body_names.h"

namespace {
class KPViewTest : public SwetestLahiriPaneTest {
protected:
    KPViewTest() { m_view.SetDocument(&m_document); }
    ~KPViewTest() override { g_nKPTableMode = kKPLordsTable; }

    CKPView m_view;
};

// Worked by hand with the Vimsottari order Ke 7, Ve 20, Su 6, Mo 10, Ma 7, Ra 18, Ju 16, Sa 19, Me 17
// (120 years); a nakshatra is 800', each sub its lord's share of the span above it, starting from the
// span's own lord.
//  Sun 30.3913520 (swetest): Krittika (26 40' - 40 00', lord Su), 223.481' in. Subs from Su: Su 40',
//    Mo 66.667', Ma 46.667' leave 70.148' of the Ra sub (120'). Prati-subs of Ra from Ra: Ra 18', Ju 16',
//    Sa 19', Me 17' leave 0.148' of the Ke prati-sub (7'). Sookshma of Ke from Ke: Ke 0.408' holds it.
//  Moon 269.7999530 (swetest): Uttarashadha (266 40' - 280 00', lord Su), 187.997' in. Subs: Su 40',
//    Mo 66.667', Ma 46.667' leave 34.664' of Ra. Prati-subs: Ra 18', Ju 16' leave 0.664' of Sa (19').
//    Sookshma of Sa from Sa: Sa 3.008' holds it.
TEST_F(KPViewTest, LordsOfTheSunAndMoonAgreeWithTheTableWorkedByHand) {
    m_view.SetMode(kKPLordsTable);
    ASSERT_EQ(m_view.RowCount(), 13 + 12);
    ASSERT_EQ(m_view.ColumnCount(), 7);
    EXPECT_EQ(m_view.ColumnHeader(1), "Nakshatra lord");
    EXPECT_EQ(m_view.ColumnHeader(6), "Deha-sub");
    struct Case {
        int row;
        const char* label;
        std::vector<std::string> lords; // nakshatra lord, sub, prati-sub, sookshma-sub
    };
    for (const Case& c : {Case{1, "Su", {"Su", "Ra", "Ke", "Ke"}}, Case{2, "Mo", {"Su", "Ra", "Sa", "Sa"}}}) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(m_view.CellText(c.row, 0), c.label);
        for (int level = 0; level < 4; ++level) EXPECT_EQ(m_view.CellText(c.row, 1 + level), c.lords[level]);
    }
    EXPECT_EQ(m_view.CellText(13, 0), "1st house");
    EXPECT_EQ(m_view.CellText(24, 0), "12th house");
}

TEST_F(KPViewTest, EachInverseTableListsBodiesThenCuspsUnderTheirLord) {
    m_view.SetMode(kKPLordsTable);
    for (int level = 0; level < 6; ++level) {
        SCOPED_TRACE(level);
        // The expected cells, read off the lords table: bodies by their full names, then cusps.
        std::map<std::string, std::string> expected;
        for (int row = 0; row < 25; ++row) {
            std::string& cell = expected[m_view.CellText(row, 1 + level)];
            cell += (cell.empty() ? "" : ", ") +
                    (row < 13 ? std::string(g_pszPlanetNames[row]) : m_view.CellText(row, 0));
        }
        CKPView inverse;
        inverse.SetDocument(&m_document);
        inverse.SetMode(1 + level);
        ASSERT_EQ(inverse.RowCount(), 9);
        EXPECT_EQ(inverse.ColumnHeader(0), "Planet");
        for (int planet = 1; planet <= 9; ++planet) {
            EXPECT_EQ(inverse.CellText(planet - 1, 0), g_pszPlanetNamesAlt[planet]);
            EXPECT_EQ(inverse.CellText(planet - 1, 1), expected[g_pszPlanetNamesAlt[planet]]) << planet;
        }
        m_view.SetMode(kKPLordsTable);
    }
}

TEST_F(KPViewTest, ThePlanetOfTheSunAndMoonsStarHoldsThemFirst) {
    m_view.SetMode(1);
    EXPECT_EQ(m_view.ColumnHeader(1), "Bodies occupying this planets's nakshatra");
    EXPECT_EQ(m_view.CellText(0, 1).rfind("Sun, Moon", 0), 0u) << m_view.CellText(0, 1);
}

TEST_F(KPViewTest, TheTableChosenIsTheOneANewPaneShows) {
    QMenu menu;
    m_view.FillContextMenu(menu);
    for (QAction* action : menu.actions())
        if (action->text() == "&Planets occupying each planet's &sub") action->trigger();
    EXPECT_EQ(g_nKPTableMode, 2);
    CKPView later;
    later.SetDocument(&m_document);
    later.OnInitialUpdate();
    EXPECT_EQ(later.ColumnHeader(1), "Bodies occupying this planets's sub");
    QMenu again;
    later.FillContextMenu(again);
    int checked = 0;
    for (QAction* action : again.actions()) checked += action->isChecked();
    EXPECT_EQ(checked, 1);
}
} // namespace
