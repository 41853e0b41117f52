// The texts of every chakra at the pane sizes of a 1366 x 768 and a 1600 x 1000 screen, with each group
// of bodies the chakra shows: every text is drawn at a legible size, no two texts' letters meet, and no
// line or circle of the figure runs through a text (a star's name written on its own ground over the
// spoke it sits on hides that spoke) unless a label with no clear place was lowered to the crowded
// height first; planets as large as the star names and area names of their face's width.
#include <QFontMetricsF>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "../../display/label_layout_surface.h"
#include "chakra_test_support.h"
#include "chart/chart.h"
#include "core/body_names.h"
#include "core/zodiac_names.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/sarvatobhadra_chakra_view.h"
#include "views/chakras/star_chakras.h"
#include "views/chakras/sudarsana_chakra_view.h"
#include "views/chakras/tripataki_chakra_view.h"

namespace {

constexpr Size kPanesOfScreens[] = {{1350, 605}, {1584, 830}}; // the chakra tabs at 1366 x 768, 1600 x 1000

struct ChakraCase {
    std::string name;
    std::function<std::unique_ptr<CChakraView>()> make;
    std::vector<int> groups; // the group commands the chakra's menu offers; none for a chakra without groups
};

template <class View> std::function<std::unique_ptr<CChakraView>()> Make() {
    return [] { return std::make_unique<View>(); };
}

std::vector<int> GroupCommands(std::initializer_list<int> groups) {
    std::vector<int> commands;
    for (const int group : groups) commands.push_back(g_chakraGroups[group].command);
    return commands;
}

class ChakraLabelLayoutTest : public ChakraPaneTest {
protected:
    // The capital height of a sign chakra's heading (its group's title, "Planets in ..."), pixels.
    double HeadingHeight(CChakraView& pane, Size size) {
        Place(pane, size);
        LabelLayoutSurface surface;
        pane.OnDraw(surface);
        for (const LabelLayoutSurface::Text& text : surface.texts)
            if (text.text.starts_with("Planets in")) return text.letters.height();
        ADD_FAILURE() << "no heading at " << size.cx << " x " << size.cy;
        return 0;
    }
};

TEST_F(ChakraLabelLayoutTest, EveryChakraStaysLegibleAndClearAtTheScreensPaneSizes) {
    const std::vector<int> starGroups =
        GroupCommands({kGroupPlanets, kGroupSphutas, kGroupUpagrahas, kGroupSpecialLagnas, kGroupSahamas,
                       kGroupYoginiMrityu});
    const std::vector<int> signGroups =
        GroupCommands({kGroupPlanets, kGroupSphutas, kGroupUpagrahas, kGroupSpecialLagnas, kGroupSahamas});
    const std::vector<int> sudarsanaGroups =
        GroupCommands({kGroupPlanets, kGroupUpagrahas, kGroupSpecialLagnas});
    const ChakraCase cases[] = {
        {"Kalachakra", Make<CKalaChakraView>(), starGroups},
        {"Sarvatobhadra", Make<CSarvatobhadraChakraView>(), {}},
        {"Kota", Make<CKotaChakraView>(), {}},
        {"Surya Kalanala", Make<CSKChakraView>(), starGroups},
        {"Chandra Kalanala", Make<CCKChakraView>(), starGroups},
        {"Sudarsana", Make<CSudarsanaChakraView>(), sudarsanaGroups},
        {"Shoola", Make<CShoolaChakraView>(), starGroups},
        {"Tripataki", Make<CTripatakiChakraView>(), signGroups},
    };
    for (const ChakraCase& c : cases) {
        const std::unique_ptr<CChakraView> pane = c.make();
        for (const Size size : kPanesOfScreens) {
            Place(*pane, size);
            for (const int group : c.groups.empty() ? std::vector<int>{0} : c.groups) {
                SCOPED_TRACE(testing::Message()
                             << c.name << " " << size.cx << " x " << size.cy << ", group command " << group);
                if (group) pane->RunCommand(group);
                LabelLayoutSurface surface;
                pane->OnDraw(surface);
                EXPECT_EQ(LayoutFaults(surface), std::vector<std::string>{});
            }
        }
    }
}

// A star chakra writes its planets as large as its stars' names, at the pane sizes of both screens (the
// Kalachakra's rows of slots once held them to a smaller font than its names).
TEST_F(ChakraLabelLayoutTest, StarChakrasWritePlanetsAsLargeAsTheStarNames) {
    const ChakraCase cases[] = {{"Kalachakra", Make<CKalaChakraView>(), {}},
                                {"Surya Kalanala", Make<CSKChakraView>(), {}},
                                {"Chandra Kalanala", Make<CCKChakraView>(), {}},
                                {"Shoola", Make<CShoolaChakraView>(), {}}};
    for (const ChakraCase& c : cases) {
        const std::unique_ptr<CChakraView> pane = c.make();
        for (const Size size : kPanesOfScreens) {
            SCOPED_TRACE(testing::Message() << c.name << " " << size.cx << " x " << size.cy);
            Place(*pane, size);
            LabelLayoutSurface surface;
            pane->OnDraw(surface);
            const std::set<std::string> stars(g_nakshatraShortNames28,
                                              g_nakshatraShortNames28 + kChakraStars);
            double names = 0;
            for (const LabelLayoutSurface::Text& t : surface.texts)
                if (stars.count(t.text)) names = std::max(names, t.letters.height());
            const CChart& chart = *m_document.m_pCurrentChart;
            for (int planet = kSun; planet <= kKetu; ++planet) {
                int written = 0;
                for (const LabelLayoutSurface::Text& t : surface.texts) {
                    if (t.text != ChakraPlanetLabel(chart, planet)) continue;
                    ++written;
                    EXPECT_GE(t.letters.height(), names) << t.text;
                }
                EXPECT_EQ(written, 1) << planet;
            }
        }
    }
}

// The Kota chakra's area names are made lower rather than much narrower to fit their cells, at the pane
// sizes of both screens: condensed to less than four fifths of its face's own width, a thin-lettered
// name blurs ("ill" of "Pillar" one grey block).
TEST_F(ChakraLabelLayoutTest, KotaAreaNamesKeepTheirFacesWidth) {
    constexpr double kLeastWidth = 0.8;
    CKotaChakraView pane;
    const QImage device(1, 1, QImage::Format_RGB32);
    for (const Size size : kPanesOfScreens) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        Place(pane, size);
        LabelLayoutSurface surface;
        pane.OnDraw(surface);
        int areaNames = 0;
        for (const LabelLayoutSurface::Text& t : surface.texts) {
            if (!std::set<std::string>{"Stambha", "Pillar", "Durgantara", "Interior", "Praakaara", "Wall",
                                       "Bahya", "Exterior"}
                     .count(t.text))
                continue;
            ++areaNames;
            LogicalFont own = t.font;
            own.width = 0; // the face's own width at that height
            const QString text = QString::fromStdString(t.text);
            const double ownWidth =
                QFontMetricsF(QFontFromLogicalFont(own, device), &device).horizontalAdvance(text);
            const double drawn =
                QFontMetricsF(QFontFromLogicalFont(t.font, device), &device).horizontalAdvance(text);
            EXPECT_GE(drawn, kLeastWidth * ownWidth) << t.text;
        }
        EXPECT_EQ(areaNames, 8);
    }
}

// A heading keeps its size or grows as the pane grows, from a 1366 x 768 screen's to a 1600 x 1000 one's.
TEST_F(ChakraLabelLayoutTest, SignChakraHeadingsNeverShrinkAsThePaneGrows) {
    const ChakraCase cases[] = {{"Sudarsana", Make<CSudarsanaChakraView>(), {}},
                                {"Tripataki", Make<CTripatakiChakraView>(), {}}};
    for (const ChakraCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<CChakraView> pane = c.make();
        const double small = HeadingHeight(*pane, kPanesOfScreens[0]);
        EXPECT_GE(HeadingHeight(*pane, kPanesOfScreens[1]), small);
    }
}

} // namespace
