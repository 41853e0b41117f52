// The Sudarsana and Tripataki chakras on the Chennai chart, with the signs of some bodies set by hand
// where a test needs a chart of its own: which sign stands at which place, where a body is written,
// how a crowded place writes them all, the divisional chart and base choices, the titles and the menus.
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <map>

#include "../../display/label_layout_surface.h"
#include "chakra_test_support.h"
#include "chart/chart.h"
#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/sudarsana_chakra_view.h"
#include "views/chakras/tripataki_chakra_view.h"

namespace {
constexpr Size kPane{1000, 720};

class SignChakraTest : public ChakraPaneTest {
protected:
    // The D-1 signs of bodies, body -> sign; every other planet of the lagna .. Ketu goes to `rest`.
    void SetSigns(const std::map<int, int>& signs, int rest) {
        for (int body = kLagna; body <= kKetu; ++body) {
            const auto it = signs.find(body);
            m_document.m_natalChart.m_vargaSign.SetSign(body, 0, it == signs.end() ? rest : it->second);
        }
    }
    const CChart& Chart() const { return m_document.m_natalChart; }
    // The rectangles of every text drawn that equals `text`.
    static std::vector<Rect> RectsOf(const DrawnRecord& drawn, const std::string& text) {
        std::vector<Rect> rects;
        for (const DrawnRecord::Text& t : drawn.texts)
            if (t.text == text) rects.push_back(t.rect);
        return rects;
    }
    static const char* Sign(int sign) { return g_pszSignNames ? g_pszSignNames[sign] : g_signAbbrevs[sign]; }
    // The top-left corner of a body label, `slot` sixteenths of a body cell (a twelfth of the figure
    // area: the square less 44 pixels above and 24 below, made square itself in a `round` figure so
    // that its rings stay circles) from its sign name's corner, with the labels' shift of two across
    // and one down.
    static Point LabelAt(const CChakraView& pane, const Rect& nameBox, LabelSlot slot, bool round = false) {
        const Rect& square = pane.Layout().square;
        const int width = square.Width(), height = square.Height() - 68;
        const int cw = (round ? std::min(width, height) : width) / 12;
        const int ch = (round ? std::min(width, height) : height) / 12;
        return Point{nameBox.left + (slot.dx + 2) * cw / 16, nameBox.top + (slot.dy + 1) * ch / 16};
    }
    // The sign name drawn for the name box `box`: the text written in a box of its width nearest to it,
    // at the box or moved off a line by at most half its width.
    static const DrawnRecord::Text* NameOf(const DrawnRecord& drawn, const Rect& box) {
        const DrawnRecord::Text* nearest = nullptr;
        int distance = box.Width() / 2 + 1;
        for (const DrawnRecord::Text& t : drawn.texts) {
            const int d = std::max(std::abs(t.rect.left - box.left), std::abs(t.rect.top - box.top));
            if (t.rect.Width() == box.Width() && d < distance) nearest = &t, distance = d;
        }
        return nearest;
    }
    // Whether one of `rects` starts at `corner`, or within `near` pixels of it each way (a label moved
    // off a line or another text to the nearest clear place).
    static bool Has(const std::vector<Rect>& rects, Point corner, int near = 0) {
        for (const Rect& r : rects)
            if (std::abs(r.left - corner.x) <= near && std::abs(r.top - corner.y) <= near) return true;
        return false;
    }
    // The sign of the navamsa of a longitude (degrees): nine parts of a sign, counted on from Aries.
    static int Navamsa(double longitude) { return static_cast<int>(std::floor(longitude * 9 / 30)) % 12; }
};

// Lagna Aries, Moon Cancer, Sun Libra: each ring starts with its reference sign, and Mars in Leo is
// written in sector 4 of the inner ring, 1 of the middle and 10 of the outer, at (or, moved clear of a
// line, near) each sector's first slot.
TEST_F(SignChakraTest, SudarsanaRingsCountFromTheLagnaMoonAndSun) {
    SetSigns({{kLagna, 0}, {kMoon, 3}, {kSun, 6}, {kMars, 4}}, 11);
    CSudarsanaChakraView pane;
    Place(pane, kPane);
    const DrawnRecord drawn = Draw(pane);
    EXPECT_EQ(pane.References(), (SudarsanaReferences{0, 3, 6}));
    const struct {
        int ring;
        int firstSign; // at sector 0
        int marsSector;
        LabelSlot firstSlot; // of that sector
    } rings[] = {{0, 0, 4, {-2, -4}}, {1, 3, 1, {10, -8}}, {2, 6, 10, {10, 6}}};
    const std::vector<Rect> mars = RectsOf(drawn, ChakraPlanetLabel(Chart(), kMars));
    ASSERT_EQ(mars.size(), 3u);
    for (const auto& r : rings) {
        SCOPED_TRACE(r.ring);
        for (int sector = 0; sector < 12; ++sector) {
            const DrawnRecord::Text* name = NameOf(drawn, pane.SectorNameBox(r.ring, sector));
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text, Sign((r.firstSign + sector) % 12)) << sector;
        }
        const Rect name = pane.SectorNameBox(r.ring, r.marsSector);
        EXPECT_TRUE(Has(mars, LabelAt(pane, name, r.firstSlot, true), name.Height()));
    }
    EXPECT_NE(drawn.FindText("Planets in " + g_strVargaLabels[0]), nullptr);
}

TEST(SudarsanaSector, CountsFromTheReference) {
    const struct {
        int sign, reference, sector;
    } cases[] = {{4, 0, 4}, {4, 3, 1}, {4, 6, 10}, {0, 11, 1}, {11, 0, 11}, {5, 5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(SudarsanaSector(c.sign, c.reference), c.sector) << c.sign << " " << c.reference;
}

// In D-9 the reference signs and the bodies are the navamsa signs.
TEST_F(SignChakraTest, SudarsanaInADivisionalChart) {
    CSudarsanaChakraView pane;
    Place(pane, kPane);
    g_sudarsanaSettings.vargaForBodies = 1;
    const DrawnRecord drawn = Draw(pane);
    g_sudarsanaSettings.vargaForBodies = 0;
    const CChart& chart = Chart();
    EXPECT_EQ(pane.References(), (SudarsanaReferences{Navamsa(chart.m_bodies[kLagna].m_dLongitude),
                                                      Navamsa(chart.m_bodies[kMoon].m_dLongitude),
                                                      Navamsa(chart.m_bodies[kSun].m_dLongitude)}));
    // Jupiter in the inner ring: at the sector of its navamsa from the lagna's navamsa.
    const int sector = SudarsanaSector(Navamsa(chart.m_bodies[kJupiter].m_dLongitude), pane.References()[0]);
    const Rect box = pane.SectorNameBox(0, sector);
    bool found = false;
    for (const Rect& r : RectsOf(drawn, ChakraPlanetLabel(chart, kJupiter)))
        found = found || (std::abs(r.left - box.left) < box.Width() * 3 &&
                          std::abs(r.top - box.top) < box.Height() * 3);
    EXPECT_TRUE(found);
    EXPECT_NE(drawn.FindText("Planets in " + g_strVargaLabels[1]), nullptr);
}

// Lagna Gemini: Gemini at place 0 (the top of the middle vertical), Taurus at 11, Aries at 10, where a
// planet in Aries is written at the first slot.
TEST_F(SignChakraTest, TripatakiCountsFromTheLagnasSign) {
    SetSigns({{kLagna, 2}, {kSaturn, 0}}, 7);
    CTripatakiChakraView pane;
    Place(pane, kPane);
    const DrawnRecord drawn = Draw(pane);
    EXPECT_EQ(pane.BaseSign(), 2);
    const struct {
        int place;
        int sign;
    } places[] = {{0, 2}, {1, 3}, {6, 8}, {10, 0}, {11, 1}};
    for (const auto& p : places) {
        const DrawnRecord::Text* name = NameOf(drawn, pane.PlaceNameBox(p.place));
        ASSERT_NE(name, nullptr) << p.place;
        EXPECT_EQ(name->text, Sign(p.sign)) << p.place;
    }
    // Within the few pixels of the band over the figure, which grows with it.
    const Rect aries = pane.PlaceNameBox(10);
    EXPECT_TRUE(Has(RectsOf(drawn, ChakraPlanetLabel(Chart(), kSaturn)), LabelAt(pane, aries, {6, 6}), 3));
    EXPECT_NE(drawn.FindText("Planets in " + g_strVargaLabels[0] + "(from " + ChosenPlanetNames()[kLagna] +
                             " in " + g_strVargaLabels[0] + ")"),
              nullptr);
}

// A planet base: the Moon's navamsa sign in the current chart is the base, and the title names it.
TEST_F(SignChakraTest, TripatakiFromABasePlanet) {
    CTripatakiChakraView pane;
    Place(pane, kPane);
    g_tripatakiSettings.basePlanetOn = true;
    g_tripatakiSettings.basePlanet = kMoon;
    g_tripatakiSettings.baseDivision = 1;
    const DrawnRecord drawn = Draw(pane);
    EXPECT_EQ(pane.BaseSign(), Navamsa(Chart().m_bodies[kMoon].m_dLongitude));
    EXPECT_NE(drawn.FindText("Planets in " + g_strVargaLabels[0] + "(from " + ChosenPlanetNames()[kMoon] +
                             " in " + g_strVargaLabels[1] + ")"),
              nullptr);
    g_tripatakiSettings.baseDivision = 0;
    CTripatakiChakraView fresh; // a new pane switches the planet base off
    EXPECT_FALSE(g_tripatakiSettings.basePlanetOn);
}

// A crowded place keeps its labels apart where it can: with every planet in Virgo, the Sudarsana writes
// the lagna and every graha in every ring, in the clear places near their slots; all 36 sahamas in one
// sign of the Tripataki are written, those that find no clear place near the sign lowered to the crowded
// height. No text runs into another unless so lowered, and none is below the legible size.
TEST_F(SignChakraTest, ACrowdedPlaceKeepsItsLabelsApart) {
    SetSigns({}, 5);
    for (auto& sahama : m_document.m_natalChart.m_specialPoint) sahama.m_dLongitude = 100.0; // Cancer
    const auto count = [](const LabelLayoutSurface& drawn, const std::string& text) {
        return std::count_if(drawn.texts.begin(), drawn.texts.end(),
                             [&](const LabelLayoutSurface::Text& t) { return t.text == text; });
    };

    CSudarsanaChakraView sudarsana;
    Place(sudarsana, kPane);
    LabelLayoutSurface planets;
    sudarsana.OnDraw(planets);
    for (int body = kLagna; body <= kKetu; ++body)
        EXPECT_EQ(count(planets, ChakraPlanetLabel(Chart(), body)), 3) << body;
    EXPECT_EQ(LayoutFaults(planets), std::vector<std::string>{});

    CTripatakiChakraView tripataki;
    Place(tripataki, kPane);
    ASSERT_TRUE(tripataki.RunCommand(g_chakraGroups[kGroupSahamas].command));
    LabelLayoutSurface sahamas;
    tripataki.OnDraw(sahamas);
    for (int s = 0; s < 36; ++s) EXPECT_EQ(count(sahamas, g_sahamaShortNames[s]), 1) << g_sahamaShortNames[s];
    EXPECT_EQ(LayoutFaults(sahamas), std::vector<std::string>{});
    EXPECT_EQ(count(sahamas, "Sahamas (sahams) in " + g_strVargaLabels[0] + "(from " +
                                 ChosenPlanetNames()[kLagna] + " in " + g_strVargaLabels[0] + ")"),
              1);
}

// The chakra menu's entries that a sign chakra does not run are greyed, and running them does nothing.
TEST_F(SignChakraTest, MenusGreyWhatTheChakraDoesNotRun) {
    CSudarsanaChakraView sudarsana;
    CTripatakiChakraView tripataki;
    const struct {
        CSignChakraView* pane;
        std::vector<std::string> greyed;
    } cases[] = {
        {&sudarsana,
         {"Show Yogini and Mrityu", "Show Trisphuta etc", "Show Sahamas", "Base planet and division",
          "Fully customize base nakshatra"}},
        {&tripataki, {"Show Yogini and Mrityu", "Fully customize base nakshatra"}},
    };
    for (const auto& c : cases) {
        QMenu menu;
        c.pane->BuildMenu(menu);
        std::vector<std::string> greyed;
        for (QAction* action : menu.actions()) {
            if (action->isSeparator()) continue;
            const int command = action->data().toInt();
            if (!action->isEnabled()) {
                greyed.push_back(action->text().toStdString());
            } else if (command != kCmdChakraBasePlanet && command != kCmdChakraBodyVarga) {
                EXPECT_TRUE(c.pane->RunCommand(command)) << action->text().toStdString();
            }
        }
        EXPECT_EQ(greyed, c.greyed);
        EXPECT_FALSE(c.pane->RunCommand(g_chakraGroups[kGroupYoginiMrityu].command));
        EXPECT_NE(c.pane->Group(), kGroupYoginiMrityu);
    }
    EXPECT_FALSE(sudarsana.RunCommand(g_chakraGroups[kGroupSahamas].command));
    EXPECT_TRUE(tripataki.RunCommand(g_chakraGroups[kGroupSahamas].command));
    EXPECT_EQ(tripataki.Group(), kGroupSahamas);
}
} // namespace
