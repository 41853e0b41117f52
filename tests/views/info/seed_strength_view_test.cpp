// The Vimsottari seed comparison: the houses from a seed and where a body on a boundary goes, the pane's
// rows and summary, and accepting a seed, which casts the dasa and closes the pane's own window only.
#include "views/info/seed_strength_view.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "document/dasa_codes.h"
#include "platform/frame_wnd.h"
#include "shell/display_options.h"
#include "views/info/seed_houses.h"

namespace {
double Degrees(int degrees, int minutes) {
    return degrees + minutes / 60.0;
}

TEST(SeedHouses, SignHousesFromTheMoonAtTheStartOfAries) {
    const SeedHouses houses = ComputeSeedHouses(0.0, kSeedSignHouses);
    EXPECT_DOUBLE_EQ(houses.start[0].m_dLongitude, 0.0);
    EXPECT_DOUBLE_EQ(houses.end[0].m_dLongitude, 30.0);
    EXPECT_DOUBLE_EQ(houses.middle[3].m_dLongitude, 90.0);
    struct Case {
        double longitude;
        int house;
    };
    // A house runs from its start up to, not including, its end: a body on a boundary begins the later
    // house, and one at 0 degrees of the seed's sign is in the first.
    for (const Case& c : {Case{30.0, 1}, Case{0.0, 0}, Case{15.0, 0}, Case{29.999, 0}, Case{359.999, 11},
                          Case{330.0, 11}, Case{300.0, 10}}) {
        EXPECT_EQ(houses.FindSeedHouse(c.longitude), c.house) << c.longitude;
    }
}

TEST(SeedHouses, PadaHousesCentreOnTheMiddleOfTheSeedsPada) {
    // The Moon at 10 degrees is in pada 3 (10 00' - 13 20'), whose middle is 11 40'.
    const SeedHouses houses = ComputeSeedHouses(10.0, kSeedPadaHouses);
    EXPECT_NEAR(houses.middle[0].m_dLongitude, Degrees(11, 40), 1e-9);
    EXPECT_NEAR(houses.start[0].m_dLongitude, Degrees(356, 40), 1e-9);
    EXPECT_NEAR(houses.end[0].m_dLongitude, Degrees(26, 40), 1e-9);
    EXPECT_NEAR(houses.start[1].m_dLongitude, Degrees(26, 40), 1e-9);
    EXPECT_EQ(houses.FindSeedHouse(Degrees(358, 0)), 0);
    EXPECT_EQ(houses.FindSeedHouse(Degrees(356, 40)), 0); // the start of the first house begins it
    EXPECT_EQ(houses.FindSeedHouse(Degrees(26, 40)), 1);
}

class SeedStrengthViewTest : public PaneTest {
protected:
    SeedStrengthViewTest() {
        m_document.m_natalChart.m_bodies[kMoon].m_dLongitude = 0.0; // the seed at 0 Aries
        m_view.SetDocument(&m_document);
    }

    CVimsoStrengthHelpView m_view;
};

TEST_F(SeedStrengthViewTest, TwelveHousesFromTheSeedThenTheKendraCount) {
    CChart& chart = m_document.m_natalChart;
    for (int planet = kSun; planet <= 9; ++planet) chart.m_bodies[planet].m_dLongitude = 45.0; // 2nd house
    chart.m_bodies[kMoon].m_dLongitude = 0.0;
    chart.m_bodies[3].m_dLongitude = 30.0; // Mars on the boundary: the 2nd house
    chart.m_bodies[5].m_dLongitude = 95.0; // Jupiter in the 4th house, a kendra
    m_view.SetSeed(kSeedMoon);
    m_view.SetHouseMode(kSeedSignHouses);
    ASSERT_EQ(m_view.RowCount(), 14);
    EXPECT_EQ(m_view.FirstSpecialRow(), 12);
    EXPECT_EQ(m_view.CellText(0, 0), "1st");
    EXPECT_EQ(m_view.CellText(0, 3), std::string(g_pszPlanetNamesAlt[kMoon])); // on the first house's start
    EXPECT_EQ(m_view.CellText(11, 3), "");
    EXPECT_EQ(m_view.CellText(3, 3), std::string(g_pszPlanetNamesAlt[5]));
    EXPECT_NE(m_view.CellText(1, 3).find(g_pszPlanetNamesAlt[3]), std::string::npos);
    EXPECT_EQ(m_view.CellText(12, 0), "  ");
    EXPECT_EQ(m_view.CellText(13, 0), "One");
    EXPECT_EQ(m_view.CellText(13, 1), "planets in kendras");
    EXPECT_EQ(m_view.CellText(13, 2), "(excluding Moon)");
    // Without Jupiter in a kendra, and the Moon in the first house, none counts.
    chart.m_bodies[5].m_dLongitude = 45.0;
    chart.m_bodies[kMoon].m_dLongitude = 10.0;
    m_view.FillList();
    EXPECT_EQ(m_view.CellText(0, 3), std::string(g_pszPlanetNamesAlt[kMoon]));
    EXPECT_EQ(m_view.CellText(13, 0), "Zero");
}

// The window opened apart is a list like the panes': its columns hold their texts, none ends in "...".
TEST_F(SeedStrengthViewTest, NoTextIsCutShort) {
    m_view.resize(600, 500);
    m_view.OnUpdate(nullptr, 0);
    ASSERT_EQ(m_view.RowCount(), 14);
    ElisionProbe surface;
    m_view.OnDraw(surface);
    for (int row = 0; row < m_view.RowCount(); ++row) m_view.DrawItem(surface, row);
    EXPECT_TRUE(surface.cut.empty()) << surface.cut.front();
}

TEST_F(SeedStrengthViewTest, SeedAndHouseChoicesChangeOnlyThePane) {
    const int seed = g_nNakshatraDasaStartPoint[kVimsottariCode];
    QMenu menu;
    m_view.FillContextMenu(menu);
    for (QAction* action : menu.actions())
        if (action->text() == "Lagna nakshatra") action->trigger();
    EXPECT_EQ(g_nSeedHelpSeed, kSeedLagna);
    EXPECT_EQ(g_nNakshatraDasaStartPoint[kVimsottariCode], seed);
    QMenu again;
    m_view.FillContextMenu(again);
    std::vector<std::string> checked;
    for (QAction* action : again.actions())
        if (action->isChecked()) checked.push_back(action->text().toStdString());
    EXPECT_EQ(checked, (std::vector<std::string>{"Lagna nakshatra",
                                                 "Sign containing the nakshatra pada is the first house"}));
}

TEST_F(SeedStrengthViewTest, AcceptingCastsVimsottariFromTheSeedAndClosesOnlyItsOwnWindow) {
    g_nSelectedDasa = 30;
    // The seed pane in a window of its own, and another window recorded where the dasa page records the
    // seed pane's window (the transit calendar records its window there too).
    QPointer<CFrameWnd> own = new CFrameWnd;
    own->setAttribute(Qt::WA_DeleteOnClose);
    auto* pane = new CVimsoStrengthHelpView(own);
    own->setCentralWidget(pane);
    pane->SetDocument(&m_document);
    own->show();
    QPointer<CFrameWnd> other = new CFrameWnd;
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();
    g_pSeedHelpFrame = other;

    pane->SetSeed(kSeedSun);
    pane->OnAcceptSeed();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(g_nNakshatraDasaStartPoint[kVimsottariCode], kSeedSun);
    EXPECT_EQ(g_nSelectedDasa, kVimsottariCode);
    EXPECT_EQ(g_nNakshatraDasaToBeDisplayed, kVimsottariCode);
    EXPECT_EQ(m_document.m_dasaTree.nLevel, 0);
    EXPECT_TRUE(own.isNull());
    ASSERT_FALSE(other.isNull());
    EXPECT_TRUE(other->isVisible());
    delete other.data();
}
} // namespace
