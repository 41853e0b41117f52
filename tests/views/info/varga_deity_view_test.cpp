// The varga deity pane: which bodies it lists, its cells on the Chennai chart and its menu.
#include "views/info/varga_deity_view.h"

#include <QMenu>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/bodies_to_show.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/varga_columns.h"
#include "views/info/varga_deity_tables.h"

namespace {
class VargaDeityViewTest : public PaneTest {
protected:
    VargaDeityViewTest() {
        g_bodyTypeShown.fill(1);
        m_view.SetDocument(&m_document);
    }
    ~VargaDeityViewTest() override {
        g_bodyTypeShown = m_shown;
        g_nAmsaRulerVarga = m_varga;
        g_nD150NamePreference = 0;
        ChooseD150DeityTable();
    }
    int RowOf(int body) const {
        for (int r = 0; r < m_view.RowCount(); ++r)
            if (m_view.CellText(r, 0).rfind(g_pszPlanetNames[body], 0) == 0) return r;
        return -1;
    }

    CVargaDeityView m_view;

private:
    std::array<int, kBodyTypeCount> m_shown = g_bodyTypeShown;
    int m_varga = g_nAmsaRulerVarga;
};

TEST_F(VargaDeityViewTest, BodiesUpTo58AreListedAndHiddenGroupsLeftOut) {
    m_view.SetVarga(kD9Column);
    ASSERT_EQ(m_view.RowCount(), 59); // never the arudhas from 59 on, though their groups are shown
    EXPECT_EQ(m_view.CellText(0, 0), g_pszPlanetNames[0]);
    g_bodyTypeShown[0] = 0; // the lagna and the nine planets
    m_view.FillList();
    EXPECT_EQ(m_view.RowCount(), 49);
    EXPECT_EQ(RowOf(10), 0);
    g_bodyTypeShown[0] = 1;
    g_bodyTypeShown[2] = 0; // Maandi alone
    m_view.FillList();
    EXPECT_EQ(m_view.RowCount(), 58);
    EXPECT_EQ(RowOf(31), -1);
    EXPECT_GE(RowOf(32), 0);
}

TEST_F(VargaDeityViewTest, TheSunJustIntoTaurusStandsInTheLastShashtyamsaDeity) {
    // The Sun at 30.3913520 (swetest): the first of sixty parts, counted from Taurus's end.
    m_view.SetVarga(kD60Column);
    ASSERT_EQ(m_view.ColumnCount(), 4);
    EXPECT_EQ(m_view.ColumnHeader(3), "In whose amsa in " + g_strVargaLabels[kD60Column]);
    const int sun = RowOf(kSun);
    ASSERT_GE(sun, 0);
    EXPECT_EQ(m_view.CellText(sun, 1), "1");
    EXPECT_EQ(m_view.CellText(sun, 2), "60");
    EXPECT_EQ(m_view.CellText(sun, 3), "Chandra-rekha");
    // Uranus moved backwards that day (swetest: -0.0245 degrees a day), the Sun forwards.
    EXPECT_EQ(m_view.CellText(RowOf(10), 0), std::string(g_pszPlanetNames[10]) + " (R)");
    EXPECT_EQ(m_view.CellText(sun, 0), g_pszPlanetNames[kSun]);
}

TEST_F(VargaDeityViewTest, TheSecondNadiamsaListTakesOverAtTheNextUpdate) {
    m_view.SetVarga(kD150Column);
    const int sun = RowOf(kSun);
    const int index = std::stoi(m_view.CellText(sun, 2)) - 1;
    EXPECT_EQ(m_view.CellText(sun, 3), g_strD150DeitiesA[index]);
    g_nD150NamePreference = 1;
    m_view.FillList();
    EXPECT_EQ(m_view.CellText(sun, 3), g_strD150DeitiesA[index]); // not before the update
    m_view.OnUpdate(nullptr, 0);
    EXPECT_EQ(m_view.CellText(sun, 3), g_strD150DeitiesB[index]);
}

TEST_F(VargaDeityViewTest, TheMenuChecksTheVargaShownAndAVargaItemRefillsAtOnce) {
    m_view.SetVarga(kD30Column);
    QMenu menu;
    m_view.FillContextMenu(menu);
    QAction* d10 = nullptr;
    int checked = 0;
    for (QAction* action : menu.actions()) {
        if (action->isChecked()) {
            ++checked;
            EXPECT_EQ(action->text(), "Trimsamsa (D-30)");
        }
        if (action->text() == "Dasamsa (D-10)") d10 = action;
    }
    EXPECT_EQ(checked, 1);
    ASSERT_NE(d10, nullptr);
    d10->trigger();
    EXPECT_EQ(g_nAmsaRulerVarga, kD10Column);
    EXPECT_EQ(m_view.ColumnHeader(3), "In whose amsa in " + g_strVargaLabels[kD10Column]);
}
} // namespace
