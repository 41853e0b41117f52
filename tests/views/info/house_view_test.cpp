// The house table against tests/views/info/data/house_cusps_swetest.txt (make_house_cusps_swetest.sh):
// swetest's sidereal cusps of the Chennai chart in three of the systems the table offers, and the
// bodies in each house; the start/middle choice, the refused Sri Surya Siddhanta system and the menu.
#include "views/info/house_view.h"

#include <QMenu>
#include <cmath>
#include <cstdio>
#include <map>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/angle_math.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/zodiac_names.h"
#include "platform/message_box.h"
#include "tests/core/reference_table.h"

namespace {
constexpr double kCuspTolerance = 2e-5; // degrees: the cells' hundredths of a second and the ephemeris

// A cell "%2d %s %02d' %05.2f\"" read back into degrees of the zodiac; NaN when it is no such cell.
double CellLongitude(const std::string& cell) {
    int degrees = 0, minutes = 0;
    char sign[16] = "";
    double seconds = 0;
    if (std::sscanf(cell.c_str(), "%d %15s %d' %lf", &degrees, sign, &minutes, &seconds) != 4) return NAN;
    for (int s = 0; s < 12; ++s)
        if (sign == std::string(g_pszSignNames[s]))
            return s * 30 + degrees + minutes / 60.0 + seconds / 3600.0;
    return NAN;
}

double Gap(double a, double b) {
    const double d = Reduce360(a - b);
    return std::min(d, 360 - d);
}

class HouseViewTest : public SwetestLahiriPaneTest {
protected:
    HouseViewTest() {
        m_view.SetDocument(&m_document);
        m_view.OnInitialUpdate(); // the recalculations of the house commands refill it
        for (const ReferenceRecord& r : ReadReferenceTable("house_cusps_swetest.txt", "cusp"))
            m_cusps[r[1]].push_back(std::stod(r[3]));
        for (const ReferenceRecord& r : ReadReferenceTable("house_cusps_swetest.txt", "body"))
            m_bodies[std::stoi(r[1])] = std::stod(r[2]);
    }

    CHouseView m_view;
    std::map<std::string, std::vector<double>> m_cusps; // by swetest's system letter, houses 1-12
    std::map<int, double> m_bodies;                     // by body number
};

TEST_F(HouseViewTest, CuspsAndBoundsAgreeWithSwetestInEverySystemTried) {
    struct Case {
        int code;
        const char* letter;
    };
    for (const Case& c : {Case{kHousesPlacidus, "P"}, Case{kHousesKoch, "K"}, Case{kHousesCampanus, "C"}}) {
        const std::vector<double>& cusps = m_cusps[c.letter];
        ASSERT_EQ(cusps.size(), 12u) << c.letter;
        for (bool middle : {true, false}) {
            m_view.OnCuspsInMiddle(middle);
            m_view.OnHouseSystem(c.code);
            ASSERT_EQ(m_view.RowCount(), 12);
            for (int h = 0; h < 12; ++h) {
                SCOPED_TRACE(testing::Message()
                             << c.letter << " house " << h + 1 << (middle ? " middle" : " start"));
                const double cusp = cusps[h];
                const double next = cusps[(h + 1) % 12];
                const double previous = cusps[(h + 11) % 12];
                // The reference in the middle: the house runs halfway back to the previous cusp and halfway
                // on to the next. At the start: from the cusp to the next cusp.
                const double start = middle ? previous + Reduce360(cusp - previous) / 2 : cusp;
                const double mid = middle ? cusp : cusp + Reduce360(next - cusp) / 2;
                const double end = middle ? cusp + Reduce360(next - cusp) / 2 : next;
                EXPECT_LT(Gap(CellLongitude(m_view.CellText(h, 1)), start), kCuspTolerance);
                EXPECT_LT(Gap(CellLongitude(m_view.CellText(h, 2)), mid), kCuspTolerance);
                EXPECT_LT(Gap(CellLongitude(m_view.CellText(h, 3)), end), kCuspTolerance);
            }
        }
    }
}

TEST_F(HouseViewTest, EachHouseListsTheBodiesLagnaToPlutoBetweenItsBounds) {
    m_view.OnCuspsInMiddle(false);
    m_view.OnHouseSystem(kHousesPlacidus);
    const std::vector<double>& cusps = m_cusps["P"];
    int listed = 0;
    for (int h = 0; h < 12; ++h) {
        std::string expected;
        for (int body = 0; body <= 12; ++body) {
            if (Reduce360(m_bodies[body] - cusps[h]) > Reduce360(cusps[(h + 1) % 12] - cusps[h])) continue;
            expected += (expected.empty() ? "" : ", ") + std::string(g_pszPlanetNamesAlt[body]);
            ++listed;
        }
        EXPECT_EQ(m_view.CellText(h, 4), expected) << "house " << h + 1;
    }
    // Both ends of a house belong to it: the lagna, the first cusp, also ends the twelfth house.
    EXPECT_EQ(listed, 14);
    for (int h : {0, 11}) EXPECT_EQ(m_view.CellText(h, 4).rfind(g_pszPlanetNamesAlt[0], 0), 0u) << h;
}

TEST_F(HouseViewTest, TheMiddleOrStartChoiceRenamesTheTwoBoundaryColumns) {
    m_view.OnCuspsInMiddle(true);
    EXPECT_EQ(m_view.ColumnHeader(1), "Start");
    EXPECT_EQ(m_view.ColumnHeader(2), "Cusp");
    m_view.OnCuspsInMiddle(false);
    EXPECT_EQ(m_view.ColumnHeader(1), "Cusp");
    EXPECT_EQ(m_view.ColumnHeader(2), "Middle");
    ASSERT_EQ(m_view.ColumnCount(), 5);
    EXPECT_EQ(m_view.ColumnHeader(3), "End");
    EXPECT_EQ(m_view.ColumnHeader(4), "Planets in it");
    EXPECT_EQ(m_view.CellText(11, 0), "12th");
}

TEST_F(HouseViewTest, TheSuryaSiddhantaSystemIsRefusedUnderTheEphemerisModel) {
    g_nSiddhanta = 0;
    m_view.OnHouseSystem(kHousesKoch);
    std::vector<MessageBoxRequest> shown;
    const MessageBoxHandler previous = SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        shown.push_back(request);
        return MessageResult::kOk;
    });
    m_view.OnHouseSystem(kHousesSriSuryaSiddhanta);
    SetMessageBoxHandler(previous);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "SSS house system not available with drik siddhanta");
    EXPECT_EQ(g_nHouseTypeWanted, kHousesKoch);
}

TEST_F(HouseViewTest, TheMenuChecksTheSystemAndTheReferencePlace) {
    m_view.OnCuspsInMiddle(true);
    m_view.OnHouseSystem(kHousesCampanus);
    QMenu menu;
    m_view.FillContextMenu(menu);
    std::vector<std::string> checked;
    for (QAction* action : menu.actions())
        if (action->isChecked()) checked.push_back(action->text().toStdString());
    EXPECT_EQ(checked,
              (std::vector<std::string>{"&Campanus houses",
                                        "Ascendant (or the chosen reference) is the middle of first house"}));
    for (QAction* action : menu.actions())
        if (action->text() == "Each &rasi is a house") action->trigger();
    EXPECT_EQ(g_nHouseTypeWanted, kHousesSigns);
    // Whole signs from the lagna's sign, Cancer: the first house starts at 0 Cancer.
    EXPECT_NEAR(CellLongitude(m_view.CellText(0, 1)), 90.0, 1e-9);
}
} // namespace
