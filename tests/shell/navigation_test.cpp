// The back/forward history of shown panes, tab clicks at the drawn extents, Ctrl+Tab, and what
// changing certain tabs does.
#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

#include "core/calc_options.h"
#include "shell/display_options.h"
#include "shell/layout_table.h"
#include "shell/pane_state.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

// Views of the layout, for walking the history.
std::vector<CVisualNode*> ViewNodes(CVisualFramework& framework) {
    std::vector<CVisualNode*> views;
    for (const auto& [id, node] : framework.Nodes())
        if (dynamic_cast<CView*>(node->m_pWnd.data())) views.push_back(node.get());
    return views;
}

void Click(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

QPoint MiddleOfTab(CTabWnd* tabs, int index) {
    const CTabItem* item = tabs->GetTab(index);
    const int y = tabs->GetStyle() == kTabStripTop ? 16 : tabs->height() - 16;
    return QPoint((item->m_nLeft + item->m_nRight) / 2, y);
}

// Scrolls `tabs` back to its start with its arrows, then on until tab `index` shows whole, and clicks
// it; false when the arrows cannot bring it into view.
bool ReachTab(CTabWnd* tabs, int index) {
    QToolButton* back = tabs->ScrollBackButton();
    QToolButton* on = tabs->ScrollOnButton();
    while (back->isVisible() && back->isEnabled()) back->click();
    const CTabItem* item = tabs->GetTab(index);
    const auto room = [&] { return on->isVisible() ? back->x() : tabs->width(); };
    while (item->m_nLeft < 0 || item->m_nRight > room()) {
        if (!on->isVisible() || !on->isEnabled()) return false;
        on->click();
    }
    Click(tabs, MiddleOfTab(tabs, index));
    return tabs->GetActiveIndex() == index;
}

TEST_F(MainFrameTest, HistoryKeepsTheNewest101Activations) {
    CVisualFramework& framework = Build().Framework();
    const std::vector<CVisualNode*> views = ViewNodes(framework);
    std::vector<CVisualNode*> activated;
    for (int i = 0; i < 150; ++i) {
        CVisualNode* node = views[static_cast<size_t>(i * 7) % views.size()];
        ASSERT_TRUE(framework.ActivateNode(node));
        activated.push_back(node);
    }
    ASSERT_EQ(g_nNavCurrent, 100);
    ASSERT_EQ(g_nNavLast, 100);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(g_navHistory[static_cast<size_t>(i)], activated[static_cast<size_t>(49 + i)]);

    int steps = 0;
    for (; g_nNavCurrent > 0; ++steps) {
        NavigateBackward();
        EXPECT_EQ(m_frame->GetActiveView(), g_navHistory[static_cast<size_t>(g_nNavCurrent)]->m_pWnd.data());
    }
    EXPECT_EQ(steps, 100);
    NavigateBackward(); // nothing further back
    EXPECT_EQ(g_nNavCurrent, 0);
    NavigateForward();
    EXPECT_EQ(g_nNavCurrent, 1);
    EXPECT_EQ(g_nNavLast, 100); // walking does not record
}

TEST_F(MainFrameTest, FirstActivationRecordsTheViewShownBefore) {
    CVisualFramework& framework = Build().Framework();
    ASSERT_TRUE(framework.ActivateNode(&Node(kNodeKalachakra)));
    EXPECT_EQ(g_nNavCurrent, 1);
    EXPECT_EQ(g_navHistory[0], &Node(kNodeBasicInfo));
    EXPECT_EQ(g_navHistory[1], &Node(kNodeKalachakra));
    NavigateBackward();
    EXPECT_EQ(m_frame->GetActiveView(), Node(kNodeBasicInfo).m_pWnd.data());
    EXPECT_EQ(ActiveTitle(1), "Basics");
}

TEST_F(MainFrameTest, ClickingATabAfterGoingBackDropsTheForwardPart) {
    CVisualFramework& framework = Build().Framework();
    for (unsigned id : {8u, 9u, 10u, 26u}) ASSERT_TRUE(framework.ActivateNode(&Node(id)));
    NavigateBackward();
    NavigateBackward();
    const int current = g_nNavCurrent;
    CTabWnd* root = Tabs(1);
    m_frame->grab();
    Click(root, MiddleOfTab(root, 2)); // "Strengths"
    EXPECT_EQ(ActiveTitle(1), "Strengths");
    EXPECT_EQ(g_nNavCurrent, current + 1);
    EXPECT_EQ(g_nNavLast, g_nNavCurrent);
    NavigateForward();
    EXPECT_EQ(g_nNavCurrent, current + 1);
}

TEST_F(MainFrameTest, ClicksHitTheTabsAtTheirDrawnExtents) {
    Build();
    CTabWnd* root = Tabs(1);
    for (int i = root->GetTabCount() - 1; i >= 0; --i) {
        SCOPED_TRACE(i);
        Click(root, MiddleOfTab(root, i));
        EXPECT_EQ(root->GetActiveIndex(), i);
    }
    const CTabItem* last = root->GetTab(root->GetTabCount() - 1);
    EXPECT_EQ(root->HitTest(last->m_nRight + 5, 16), -1);       // right of every tab
    EXPECT_EQ(root->HitTest(MiddleOfTab(root, 1).x(), 28), -1); // below the hit band
    EXPECT_EQ(root->HitTest(MiddleOfTab(root, 1).x(), 5), -1);  // above it

    // A click that hits nothing still records the pane shown.
    const int before = g_nNavCurrent;
    Click(root, QPoint(last->m_nRight + 5, 16));
    EXPECT_EQ(g_nNavCurrent, before + 1);

    CTabWnd* dasas = Tabs(62); // strip at the bottom
    ASSERT_TRUE(m_frame->Framework().ActivateNode(&Node(kNodeNakshatraDasas)));
    m_frame->grab();
    Click(dasas, MiddleOfTab(dasas, 2));
    EXPECT_EQ(dasas->GetActiveIndex(), 2);
    EXPECT_EQ(dasas->HitTest(MiddleOfTab(dasas, 1).x(), 16), -1); // the top band means nothing here
}

TEST_F(MainFrameTest, TabsWidenWithTheirTitleUpTo200Pixels) {
    Build();
    CTabWnd* basics = Tabs(22);
    const CTabItem* houses = basics->GetTab(1);
    const CTabItem* kp = basics->GetTab(3);
    EXPECT_GT(houses->m_nRight - houses->m_nLeft, kp->m_nRight - kp->m_nLeft);
    basics->AddTab(new CEmptyPane("CTest"), std::string(60, 'W'));
    m_frame->grab();
    const CTabItem* wide = basics->GetTab(4);
    EXPECT_EQ(wide->m_nRight - wide->m_nLeft, CTabWnd::kMaxLabelWidth + 6);
}

// However narrow or tall the window, every tab of every strip can be scrolled into view and clicked,
// strip by strip from the window's top-level tabs down.
TEST_F(MainFrameTest, EveryTabCanBeReachedInANarrowOrTallWindow) {
    Build();
    for (const QSize size : {QSize(1366, 768), QSize(800, 600), QSize(640, 1000)}) {
        SCOPED_TRACE(size.width());
        m_frame->resize(size);
        m_frame->grab();
        int reached = 0;
        for (const auto& [id, node] : m_frame->Framework().Nodes()) {
            if (!dynamic_cast<CTabWnd*>(node->m_pOwner.data())) continue;
            std::vector<const CVisualNode*> chain; // the tab pages from the top-level one down to the node
            for (const CVisualNode* page = node.get(); page; page = page->m_pParent)
                if (dynamic_cast<CTabWnd*>(page->m_pOwner.data())) chain.insert(chain.begin(), page);
            for (const CVisualNode* page : chain) {
                auto* tabs = dynamic_cast<CTabWnd*>(page->m_pOwner.data());
                ASSERT_TRUE(ReachTab(tabs, tabs->FindPage(page->m_pWnd))) << node->DisplayName();
            }
            EXPECT_TRUE(node->m_pWnd->isVisible()) << node->DisplayName();
            ++reached;
        }
        EXPECT_GE(reached, 30);
    }
}

// In a narrow window, a tab made active from elsewhere (the history, a command) is scrolled into view,
// onwards and back, in every strip from the pane's own up to the top-level one.
TEST_F(MainFrameTest, ATabMadeActiveFromElsewhereIsScrolledIntoView) {
    Build();
    m_frame->resize(640, 1000);
    m_frame->grab();
    std::vector<CVisualNode*> views = ViewNodes(m_frame->Framework());
    int scrolledAway = 0; // activations that left tabs scrolled out at the left
    for (const bool backwards : {false, true}) {
        if (backwards) std::reverse(views.begin(), views.end());
        for (CVisualNode* view : views) {
            SCOPED_TRACE(view->DisplayName() + (backwards ? " (backwards)" : ""));
            ASSERT_TRUE(m_frame->Framework().ActivateNode(view));
            for (const CVisualNode* shown = view; shown; shown = shown->m_pParent) {
                auto* tabs = dynamic_cast<CTabWnd*>(shown->m_pOwner.data());
                if (!tabs) continue;
                const CTabItem* item = tabs->GetTab(tabs->FindPage(shown->m_pWnd));
                ASSERT_NE(item, nullptr);
                const int room =
                    tabs->ScrollOnButton()->isVisible() ? tabs->ScrollBackButton()->x() : tabs->width();
                EXPECT_GE(item->m_nLeft, 0) << shown->DisplayName();
                EXPECT_LE(item->m_nRight, room) << shown->DisplayName();
                scrolledAway += tabs->GetTab(0)->m_nLeft < 0;
            }
        }
    }
    EXPECT_GT(scrolledAway, 0);
}

TEST_F(MainFrameTest, CtrlTabWrapsAndSkipsTabsThatRefuse) {
    CVisualFramework& framework = Build().Framework();
    CTabWnd* dasas = Tabs(62);
    ASSERT_TRUE(framework.ActivateNode(&Node(kNodeOtherDasas)));
    EXPECT_TRUE(framework.HandleCtrlTab(Node(kNodeOtherDasas).m_pWnd, false));
    EXPECT_EQ(dasas->GetActiveIndex(), 0);
    EXPECT_TRUE(framework.HandleCtrlTab(Node(kNodeNakshatraDasas).m_pWnd, true));
    EXPECT_EQ(dasas->GetActiveIndex(), 2);
    dasas->GetTab(0)->m_bSelectable = false;
    EXPECT_TRUE(framework.HandleCtrlTab(Node(kNodeOtherDasas).m_pWnd, false));
    EXPECT_EQ(dasas->GetActiveIndex(), 1);
    EXPECT_FALSE(framework.HandleCtrlTab(m_frame.get(), false));
}

TEST_F(MainFrameTest, TopTabsSwitchTheChartPanesOncePerChange) {
    Build();
    const bool wide = g_bWideDisplay;
    ASSERT_TRUE(m_frame->Framework().ActivateNode(&Node(kNodeManyVargas)));
    EXPECT_FALSE(g_bPackedChartMode);
    EXPECT_EQ(g_nChartPaneCount, wide ? 6 : 2);
    g_nChartPaneCount = 99;
    m_frame->grab(); // painting changes nothing
    EXPECT_EQ(g_nChartPaneCount, 99);
    Tabs(1)->SetActiveTab(1, true); // "Basics"
    EXPECT_TRUE(g_bPackedChartMode);
    EXPECT_EQ(g_nChartPaneCount, wide ? 12 : 6);
}

TEST_F(MainFrameTest, DasaTabsRestoreTheirPageOncePerChange) {
    Build();
    int restored = 0, lastPage = -1;
    g_tabChangeHooks.restoreDasaPage = [&](int page) {
        ++restored;
        lastPage = page;
    };
    CTabWnd* dasas = Tabs(62);
    const int start = dasas->GetActiveIndex();
    const int other = (start + 1) % 3;
    dasas->SetActiveTab(other, false);
    dasas->SetActiveTab(other, false);
    m_frame->grab();
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(lastPage, other);
    EXPECT_EQ(g_nCurrentDasaViewType, other);

    Tabs(82)->SetActiveTab(3, false); // "Longitude Correlation"
    EXPECT_TRUE(g_bLongitudeCorrelationShown);
    Tabs(82)->SetActiveTab(0, false);
    EXPECT_FALSE(g_bLongitudeCorrelationShown);
    EXPECT_EQ(restored, 1);
    g_tabChangeHooks = {};
}

} // namespace
