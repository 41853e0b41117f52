// The texts of every chakra at the pane sizes of a 1366 x 768 and a 1600 x 1000 screen, with each group
// of bodies the chakra shows: every text is drawn at a legible size, no two texts' letters meet, and no
// line or circle of the figure runs through a text (a star's name written on its own ground over the
// spoke it sits on hides that spoke).
#include <functional>
#include <memory>

#include "../../display/label_layout_surface.h"
#include "chakra_test_support.h"
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
