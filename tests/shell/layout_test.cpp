// The pane tree the main frame builds: its windows, tab titles and splitter shapes, activation of
// every pane, the start-up selections, and a pane that cannot be created.
#include <map>

#include "core/calc_options.h"
#include "platform/splitter_wnd.h"
#include "shell/display_options.h"
#include "shell/layout_table.h"
#include "shell/pane_state.h"
#include "shell/view_registry.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

std::vector<std::string> TitlesOf(CTabWnd* tabs) {
    std::vector<std::string> titles;
    for (int i = 0; tabs && i < tabs->GetTabCount(); ++i) titles.push_back(tabs->GetTab(i)->GetTitle());
    return titles;
}

TEST_F(MainFrameTest, TabWindowsHoldTheirTabsInOrder) {
    Build();
    EXPECT_EQ(m_frame->Framework().Nodes().size(), 95u);
    const std::map<unsigned, std::vector<std::string>> expected = {
        {1,
         {"Chakras", "Basics", "Strengths", "Dasas", "Transits", "Tajaka", "Tithi Pravesha", "Mundane",
          "Miscellany"}},
        {2,
         {"Many Vargas", "Mixed 2-Vargas", "Kalachakra", "Sarvatobhadra", "Kota Chakra", "Surya Kalanala",
          "Chandra Kalanala", "Sudarsana", "Shoola", "Tripataki"}},
        {22, {"Key Info", "Houses", "Amsa rulers", "KP"}},
        {42, {"Ashtakavarga", "Other strengths", "Bar graphs"}},
        {62, {"Nakshatra dasas", "Rasi dasas", "Other dasas"}},
        {82, {"Basic Transit Results", "Transit Calendar", "Special Search", "Longitude Correlation"}},
        {162, {"Angular Return", "Progressions", "Prasna (Horary)", "Panchanga", "Laghu Parasari"}},
    };
    for (const auto& [id, titles] : expected) {
        SCOPED_TRACE(id);
        EXPECT_EQ(TitlesOf(Tabs(id)), titles);
    }
    EXPECT_EQ(Tabs(1)->GetStyle(), kTabStripTop);
    EXPECT_EQ(Tabs(2)->GetStyle(), kTabStripTop);
    for (unsigned id : {22u, 42u, 62u, 82u, 162u}) EXPECT_EQ(Tabs(id)->GetStyle(), kTabStripBottom) << id;
}

TEST_F(MainFrameTest, SplittersHaveTheirShapesAndPanesTheirPlaces) {
    Build();
    struct Shape {
        unsigned id, rows, cols;
    };
    const Shape shapes[] = {{4, 1, 2},   {20, 1, 2},  {23, 2, 1},  {25, 1, 2},  {40, 1, 2},  {44, 3, 1},
                            {60, 1, 2},  {80, 1, 2},  {83, 3, 1},  {86, 1, 2},  {89, 2, 2},  {195, 2, 1},
                            {100, 1, 2}, {102, 2, 2}, {120, 1, 2}, {122, 2, 2}, {140, 1, 2}, {142, 2, 1},
                            {144, 1, 2}, {160, 1, 2}, {163, 2, 2}, {164, 2, 2}};
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.id);
        auto* splitter = dynamic_cast<CSplitterWnd*>(Node(shape.id).m_pWnd.data());
        ASSERT_NE(splitter, nullptr);
        EXPECT_EQ(splitter->GetRowCount(), int(shape.rows));
        EXPECT_EQ(splitter->GetColumnCount(), int(shape.cols));
        for (unsigned row = 0; row < shape.rows; ++row)
            for (unsigned col = 0; col < shape.cols; ++col) EXPECT_NE(splitter->GetPane(row, col), nullptr);
    }
    // A few panes by place and class: the key data beside the small ashtakavarga under the basic tables.
    struct Pane {
        unsigned id, parent;
        int row, col;
        const char* className;
    };
    const Pane panes[] = {{24, 23, 0, 0, "CBasicInfoView"},    {26, 25, 0, 0, "CCoreInfoView"},
                          {27, 25, 0, 1, "CAVSmalView"},       {197, 195, 1, 0, "CTranResearchView"},
                          {173, 163, 1, 1, "CMixedChartView"}, {48, 44, 2, 0, "CYogasView"}};
    for (const Pane& pane : panes) {
        SCOPED_TRACE(pane.id);
        auto* splitter = dynamic_cast<CSplitterWnd*>(Node(pane.parent).m_pWnd.data());
        ASSERT_NE(splitter, nullptr);
        auto* empty = dynamic_cast<CEmptyPane*>(splitter->GetPane(pane.row, pane.col));
        ASSERT_NE(empty, nullptr);
        EXPECT_EQ(empty->ClassName(), pane.className);
        EXPECT_EQ(Node(pane.id).m_pWnd.data(), empty);
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MainFrameTest, ActivatingAnyPaneShowsItAndSelectsItsTabs) {
    Build();
    for (const auto& [id, node] : m_frame->Framework().Nodes()) {
        SCOPED_TRACE(id);
        QWidget* wnd = node->m_pWnd;
        const bool container = dynamic_cast<CTabWnd*>(wnd) || dynamic_cast<CSplitterWnd*>(wnd);
        ASSERT_EQ(m_frame->Framework().ActivateNode(node.get()), !container);
        if (container) continue;
        EXPECT_TRUE(wnd->isVisibleTo(m_frame.get()));
        EXPECT_EQ(m_frame->GetActiveView(), wnd);
        for (CVisualNode* n = node.get(); n->m_pParent; n = n->m_pParent) {
            if (auto* tabs = dynamic_cast<CTabWnd*>(n->m_pParent->m_pWnd.data())) {
                EXPECT_EQ(tabs->GetActiveIndex(), tabs->FindPage(n->m_pWnd)) << n->m_nId;
            }
        }
    }
}

TEST_F(MainFrameTest, StartUpSelectionsHold) {
    const int saved = g_nCurrentDasaViewType;
    g_nCurrentDasaViewType = 2;
    Build();
    g_nCurrentDasaViewType = saved;
    EXPECT_EQ(ActiveTitle(1), "Basics");
    EXPECT_EQ(ActiveTitle(2), "Many Vargas");
    EXPECT_EQ(ActiveTitle(22), "Key Info");
    EXPECT_EQ(ActiveTitle(42), "Bar graphs");
    EXPECT_EQ(ActiveTitle(62), "Other dasas");
    EXPECT_EQ(ActiveTitle(162), "Progressions");
    EXPECT_EQ(m_frame->GetActiveView(), Node(kNodeBasicInfo).m_pWnd.data());
    EXPECT_EQ(g_pVisualFramework, &m_frame->Framework());
    // The build itself is not in the history.
    EXPECT_EQ(g_nNavCurrent, -1);
}

TEST_F(MainFrameTest, DasaPageOfTheSavedViewTypeIsSelected) {
    const int saved = g_nCurrentDasaViewType;
    for (int type : {0, 1}) {
        g_nCurrentDasaViewType = type;
        Build();
        EXPECT_EQ(Tabs(62)->GetActiveIndex(), type);
    }
    g_nCurrentDasaViewType = saved;
}

TEST_F(MainFrameTest, APaneThatCannotBeCreatedIsReportedAndTheRestOpens) {
    RegisterPaneClass("CKPView", [](QWidget*) { return nullptr; });
    RegisterPaneClass("CTransitView", [](QWidget*) { return nullptr; });
    Build();
    UnregisterPaneClass("CKPView");
    UnregisterPaneClass("CTransitView");
    EXPECT_EQ(m_frame->Framework().FailedNodes(),
              (std::vector<std::string>{"KP", "CTransitView", "CTransitView"}));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Oops: Unable to create window.\n\nKP\nCTransitView\nCTransitView");
    EXPECT_EQ(TitlesOf(Tabs(22)), (std::vector<std::string>{"Key Info", "Houses", "Amsa rulers"}));
    EXPECT_TRUE(m_frame->Framework().ActivateNode(&Node(kNodeTransitForm)));
    EXPECT_FALSE(m_frame->Framework().ActivateNode(&Node(85)));
}

} // namespace
