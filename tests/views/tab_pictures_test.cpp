// The "Basics", "Dasas" and "Chakras" tabs of the main window on a real chart, rendered offscreen into
// pictures (basics_tab.png, dasas_tab.png, chakras_tab.png in the build folder) for a look.
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
constexpr unsigned kNodeBasics = 20;
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

TEST_F(TabPicturesTest, BasicsAndDasasTabsShowTheChartsTablesAndPeriods) {
    CMainFrame frame(Rect{0, 0, 1366, 768});
    frame.Create(CCreateContext{&m_document});
    frame.resize(1366, 768);
    frame.show();
    frame.Framework().ActivateNode(frame.Framework().GetNode(kNodeBasics));
    const QImage basics = frame.grab().toImage();
    frame.Framework().ActivateNode(frame.Framework().GetNode(kNodeNakshatraDasas));
    ASSERT_TRUE(m_document.CalculateDasa().ok());
    const QImage dasas = frame.grab().toImage();
    frame.Framework().ActivateNode(frame.Framework().GetNode(kNodeKalachakra));
    const QImage chakras = frame.grab().toImage();
    const QDir output(KH_TEST_OUTPUT_DIR);
    EXPECT_TRUE(basics.save(output.filePath("basics_tab.png")));
    EXPECT_TRUE(dasas.save(output.filePath("dasas_tab.png")));
    EXPECT_TRUE(chakras.save(output.filePath("chakras_tab.png")));
    EXPECT_NE(g_pDasaView, nullptr);
}
} // namespace
