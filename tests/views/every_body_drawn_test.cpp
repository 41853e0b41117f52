// Every body a chart puts in a sign is drawn in that sign's cell: in every chart pane of the main window,
// in the South, North and East Indian styles chosen through the preferences, with the window at its size
// on a 1366 x 768 and on a 1600 x 1000 screen, legible and clear of the figure's lines and of other texts
// unless lowered to the crowded height first; and the Sudarsana chakra writes every body in each of its
// three rings. The texts are counted as one repaint draws them.
#include <QApplication>
#include <QComboBox>
#include <QLineF>
#include <algorithm>
#include <memory>

#include "../display/chart_label_census.h"
#include "../shell/dialogs/dialog_test_support.h"
#include "app/chart_document_link.h"
#include "core/zodiac_names.h"
#include "shell/command_ids.h"
#include "shell/dialogs/document_commands.h"
#include "shell/dialogs/option_dialogs.h"
#include "shell/main_frame.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/chakra_view_registration.h"
#include "views/chakras/sudarsana_chakra_view.h"
#include "views/forms/form_view_registration.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

namespace {

// The screens and the main window's size on each, below its title bar.
struct Screen {
    Size desktop;
    QSize window;
    // Whether a cell may be too small for a label, which then stands over the cell's lines: only in the
    // smallest charts.
    Crowded crowding;
};
constexpr Screen kScreens[] = {{{1366, 768}, QSize(1366, 743), Crowded::kMayMeetTextsAndLines},
                               {{1600, 1000}, QSize(1600, 975), Crowded::kMayMeetTextsOnly}};
// The chart styles' entries in the style list: South Indian Regular, North Indian, East Indian.
constexpr int kStyles[] = {0, 2, 3};

// The main window as the program assembles it on a screen, on the Chennai chart: its panes, the
// document joined to them and the document's commands in its menus.
class EveryBodyDrawnTest : public PaneTest {
protected:
    EveryBodyDrawnTest() {
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        RegisterChakraViews();
        RegisterFormViews();
        ConnectDocument(m_document);
    }
    ~EveryBodyDrawnTest() override {
        m_link.reset();
        m_frame.reset();
        DisconnectDocument();
    }

    CMainFrame& Start(const Screen& screen) {
        m_link.reset();
        m_frame = std::make_unique<CMainFrame>(Rect{0, 0, screen.desktop.cx, screen.desktop.cy});
        CCreateContext context;
        context.m_pCurrentDoc = &m_document;
        m_frame->Create(context);
        m_link = std::make_unique<CFrameDocumentLink>(*m_frame, m_document);
        BindDocumentCommands(*m_frame, m_document);
        m_frame->setWindowState(Qt::WindowNoState);
        m_frame->resize(screen.window);
        m_frame->show();
        QApplication::processEvents();
        return *m_frame;
    }

    // Preferences > Related to Display > Chart Style and Language, the style chosen and OK pressed.
    void ChooseChartStyle(int style) {
        WhenModal<CChartStyleDlg>([style](CChartStyleDlg& dialog) {
            static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(style);
            dialog.accept();
        });
        m_frame->FindAction(kCmdChartStyleAndLanguage)->trigger();
        ASSERT_EQ(g_nChartStyle, style);
    }

    // The views of class View among the window's panes, each with its node.
    template <class View> std::vector<std::pair<CVisualNode*, View*>> Panes() {
        std::vector<std::pair<CVisualNode*, View*>> panes;
        for (const auto& [id, node] : m_frame->Framework().Nodes())
            if (auto* view = dynamic_cast<View*>(node->m_pWnd.data())) panes.emplace_back(node.get(), view);
        return panes;
    }

    static void Show(CVisualNode* node) {
        ASSERT_TRUE(node->m_pFramework->ActivateNode(node));
        QApplication::processEvents();
    }

    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CFrameDocumentLink> m_link;
};

TEST_F(EveryBodyDrawnTest, EveryChartPaneDrawsEveryBodyInItsSignsCell) {
    for (const Screen& screen : kScreens) {
        Start(screen);
        for (const int style : kStyles) {
            ChooseChartStyle(style);
            for (const auto& [node, view] : Panes<CChartView>()) {
                SCOPED_TRACE(testing::Message()
                             << "style " << style << ", window " << screen.window.width() << " x "
                             << screen.window.height() << ", node " << node->m_nId);
                Show(node);
                LabelLayoutSurface drawn;
                view->OnDraw(drawn);
                EXPECT_EQ(MissingLabels(*view, DrawnPanes(*view), drawn), std::vector<std::string>{});
                EXPECT_EQ(LayoutFaults(drawn, TextSpacing::kLettersMayTouch, screen.crowding),
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
    for (const Screen& screen : kScreens) {
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
