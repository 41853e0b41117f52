// Every body a chart puts in a sign is drawn in that sign's cell: in every chart pane of the main window,
// in the South, North and East Indian styles chosen through the preferences, with the window at its size
// on a 1366 x 768 and on a 1600 x 1000 screen, legible and clear of the figure's lines and of other texts
// unless lowered to the crowded height first; and the Sudarsana chakra writes every body in each of its
// three rings. The texts are counted as one repaint draws them.
#include <QLineF>
#include <algorithm>

#include "../display/chart_label_census.h"
#include "core/zodiac_names.h"
#include "main_window_test.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/sudarsana_chakra_view.h"

namespace {

// The screens, and whether a cell may be too small for a label, which then stands over the cell's lines:
// only in the smallest charts.
struct Screen {
    MainWindowScreen screen;
    Crowded crowding;
};
constexpr Screen kScreens[] = {{kSmallScreen, Crowded::kMayMeetTextsAndLines},
                               {kLargeScreen, Crowded::kMayMeetTextsOnly}};

// The main window on the Chennai chart.
class EveryBodyDrawnTest : public MainWindowTest {};

TEST_F(EveryBodyDrawnTest, EveryChartPaneDrawsEveryBodyInItsSignsCell) {
    for (const auto& [screen, crowding] : kScreens) {
        Start(screen);
        for (const int style : kChartStyles) {
            ChooseChartStyle(style);
            for (const auto& [node, view] : Panes<CChartView>()) {
                SCOPED_TRACE(testing::Message()
                             << "style " << style << ", window " << screen.window.width() << " x "
                             << screen.window.height() << ", node " << node->m_nId);
                Show(node);
                LabelLayoutSurface drawn;
                view->OnDraw(drawn);
                EXPECT_EQ(MissingLabels(*view, DrawnPanes(*view), drawn), std::vector<std::string>{});
                EXPECT_EQ(
                    LayoutFaults(drawn, TextSpacing::kLettersMayTouch, crowding, LesserLabels::kMayGoLower),
                    std::vector<std::string>{});
            }
        }
    }
}

// Where the sign names of a Sudarsana's ring stand as drawn, by sector: the middle of the drawn name of
// each sector's sign nearest to the top of its name box (a name moves off a line within its box).
std::vector<QPointF> SectorNames(const CSudarsanaChakraView& pane, int ring,
                                 const LabelLayoutSurface& drawn) {
    std::vector<QPointF> names;
    for (int sector = 0; sector < 12; ++sector) {
        const Rect box = pane.SectorNameBox(ring, sector);
        const QPointF top((box.left + box.right) / 2.0, box.top);
        const std::string name = g_pszSignNames[(pane.References()[ring] + sector) % 12];
        QPointF nearest(1e9, 1e9);
        for (const LabelLayoutSurface::Text& t : drawn.texts)
            if (t.text == name && QLineF(t.ink.center(), top).length() < QLineF(nearest, top).length())
                nearest = t.ink.center();
        names.push_back(nearest);
    }
    return names;
}

// Each body of the groups the Sudarsana shows is written in each ring at the sector of its sign: a label
// whose nearest sign name of that ring is the sector's.
TEST_F(EveryBodyDrawnTest, TheSudarsanaWritesEveryBodyInEachRing) {
    for (const MainWindowScreen& screen : {kSmallScreen, kLargeScreen}) {
        Start(screen);
        const auto panes = Panes<CSudarsanaChakraView>();
        ASSERT_EQ(panes.size(), 1u);
        const auto [node, pane] = panes.front();
        Show(node);
        for (const int group : {kGroupPlanets, kGroupUpagrahas, kGroupSpecialLagnas}) {
            SCOPED_TRACE(testing::Message()
                         << screen.window.width() << " x " << screen.window.height() << ", group " << group);
            ASSERT_TRUE(pane->RunCommand(g_chakraGroups[group].command));
            LabelLayoutSurface drawn;
            pane->OnDraw(drawn);
            const std::vector<ChakraLabel> bodies = ChakraGroupLabels(
                group, *m_document.m_pCurrentChart, true, g_sudarsanaSettings.vargaForBodies);
            for (int ring = 0; ring < kSudarsanaRings; ++ring) {
                const std::vector<QPointF> names = SectorNames(*pane, ring, drawn);
                const auto sectorOf = [&](const QPointF& at) {
                    const auto nearest =
                        std::min_element(names.begin(), names.end(), [&](QPointF a, QPointF b) {
                            return QLineF(a, at).length() < QLineF(b, at).length();
                        });
                    return static_cast<int>(nearest - names.begin());
                };
                for (const ChakraLabel& body : bodies) {
                    const int sector = SudarsanaSector(body.sign, pane->References()[ring]);
                    EXPECT_TRUE(std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                            [&](const auto& t) {
                                                return t.text == body.text &&
                                                       sectorOf(t.ink.center()) == sector;
                                            }))
                        << body.text << " in ring " << ring;
                }
            }
        }
    }
}

} // namespace
