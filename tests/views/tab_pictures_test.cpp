// The "Basics", "Dasas" and "Chakras" tabs of the main window on a real chart, rendered offscreen: the
// pane asked for is shown and every pane of the tab holds drawing, the dasa page a row for every period.
// The pictures are kept for a look (basics_tab.png, dasas_tab.png, chakras_tab.png in the build folder).
#include <QDir>

#include <gtest/gtest.h>

#include "display/chart_source.h"
#include "display/chart_view.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"
#include "views/chakras/chakra_view_registration.h"
#include "views/info/info_view_registration.h"
#include "views/periods/dasa_view.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

namespace {
// Panes of the "Basics" tab (its chart, the longitude table, the key information), the "Dasas" tab (its
// chart, the nakshatra dasa page) and the "Chakras" tab's Kalachakra.
constexpr unsigned kNodeBasicsChart = 21;
constexpr unsigned kNodeBasicsTable = 24;
constexpr unsigned kNodeBasicsCoreInfo = 26;
constexpr unsigned kNodeDasasChart = 61;
constexpr unsigned kNodeNakshatraDasas = 63;
constexpr unsigned kNodeKalachakra = 8;

class TabPicturesTest : public PaneTest {
protected:
    TabPicturesTest() {
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        RegisterChakraViews();
        g_chartSource.natal = [this] { return &m_document.m_natalChart; };
        g_chartSource.current = [this] { return m_document.m_pCurrentChart; };
        g_chartSource.mode = [this] { return m_document.m_nMode; };
    }
    ~TabPicturesTest() override { g_chartSource = ChartSource{}; }
};

// The window's rectangle in the frame's coordinates.
QRect AreaInFrame(const QWidget& frame, const QWidget& window) {
    return QRect(window.mapTo(&frame, QPoint(0, 0)), window.size());
}

// A pane of the shown tab holds drawing: its picture is more than its ground.
void ExpectDrawn(const QImage& picture, const QWidget& frame, const CVisualNode& node) {
    SCOPED_TRACE(node.DisplayName());
    ASSERT_NE(node.m_pWnd, nullptr);
    EXPECT_TRUE(node.m_pWnd->isVisible());
    EXPECT_GT(DrawnShare(picture, AreaInFrame(frame, *node.m_pWnd)), 0.02);
}

TEST_F(TabPicturesTest, BasicsAndDasasTabsShowTheChartsTablesAndPeriods) {
    CMainFrame frame(Rect{0, 0, 1366, 768});
    frame.Create(CCreateContext{&m_document});
    frame.resize(1366, 768);
    frame.show();
    CVisualFramework& layout = frame.Framework();

    CVisualNode* basicsChart = layout.GetNode(kNodeBasicsChart);
    ASSERT_TRUE(layout.ActivateNode(basicsChart));
    EXPECT_EQ(layout.GetActiveNode(), basicsChart);
    const QImage basics = frame.grab().toImage();
    basics.save(QDir(KH_TEST_OUTPUT_DIR).filePath("basics_tab.png"));
    for (unsigned id : {kNodeBasicsChart, kNodeBasicsTable, kNodeBasicsCoreInfo})
        ExpectDrawn(basics, frame, *layout.GetNode(id));

    CVisualNode* dasas = layout.GetNode(kNodeNakshatraDasas);
    ASSERT_TRUE(layout.ActivateNode(dasas));
    EXPECT_EQ(layout.GetActiveNode(), dasas);
    ASSERT_TRUE(m_document.CalculateDasa().ok());
    m_document.UpdateAllViews(nullptr); // as a change of tab has every view updated
    const QImage picture = frame.grab().toImage();
    picture.save(QDir(KH_TEST_OUTPUT_DIR).filePath("dasas_tab.png"));
    ExpectDrawn(picture, frame, *layout.GetNode(kNodeDasasChart));
    const auto* page = dynamic_cast<const CDasaView*>(dasas->m_pWnd.data());
    ASSERT_NE(page, nullptr);
    // Every first-level period of the dasa is a row with its name and dates drawn.
    const int periods = m_document.m_dasaTree.nPeriods;
    ASSERT_GT(periods, 0);
    const QPoint viewport = page->viewport()->mapTo(&frame, QPoint(0, 0));
    const Point scrolled = page->GetScrollPosition();
    for (int i = 0; i < periods; ++i) {
        SCOPED_TRACE(i);
        const Rect& row = page->PeriodRects()[i];
        ASSERT_GT(row.Width(), 0);
        const QRect area(viewport + QPoint(row.left - scrolled.x, row.top - scrolled.y),
                         QSize(row.Width(), row.Height()));
        EXPECT_GT(DrawnShare(picture, area), 0.02);
    }

    CVisualNode* kalachakra = layout.GetNode(kNodeKalachakra);
    ASSERT_TRUE(layout.ActivateNode(kalachakra));
    EXPECT_EQ(layout.GetActiveNode(), kalachakra);
    const QImage chakras = frame.grab().toImage();
    chakras.save(QDir(KH_TEST_OUTPUT_DIR).filePath("chakras_tab.png"));
    ExpectDrawn(chakras, frame, *kalachakra);
}
} // namespace
