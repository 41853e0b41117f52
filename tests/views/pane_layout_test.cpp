// Every pane of the main window at its default size on a real chart: no table cuts a text short while
// its pane has room, and every form shows all of its controls, or scrolls to them.
#include <QApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "display/chart_source.h"
#include "display/chart_view.h"
#include "shell/main_frame.h"
#include "views/chakras/chakra_view_registration.h"
#include "views/forms/chart_forms.h"
#include "views/forms/form_view.h"
#include "views/forms/return_forms.h"
#include "views/forms/form_view_registration.h"
#include "views/info/custom_list_view.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

namespace {

class PaneLayoutTest : public PaneTest {
protected:
    PaneLayoutTest() {
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        RegisterChakraViews();
        RegisterFormViews();
        g_chartSource.natal = [this] { return &m_document.m_natalChart; };
        g_chartSource.current = [this] { return m_document.m_pCurrentChart; };
        g_chartSource.mode = [this] { return m_document.m_nMode; };
        // The default window, maximised on a 1600 x 1000 screen below a title bar (the offscreen
        // screen is smaller: the window is given the size itself).
        m_frame.Create(CCreateContext{&m_document});
        m_frame.setWindowState(Qt::WindowNoState);
        m_frame.resize(1600, 975);
        m_frame.show();
        QApplication::processEvents();
    }
    ~PaneLayoutTest() override { g_chartSource = ChartSource{}; }

    // Every pane of the window of class T, each shown in turn, with its layout node.
    template <class T, class Check>
    int ForEachPane(Check check) {
        int count = 0;
        CVisualFramework& layout = m_frame.Framework();
        for (const auto& [id, node] : layout.Nodes()) {
            auto* pane = dynamic_cast<T*>(node->m_pWnd.data());
            if (!pane) continue;
            SCOPED_TRACE(node->DisplayName());
            EXPECT_TRUE(layout.ActivateNode(node.get()));
            QApplication::processEvents();
            check(*pane);
            ++count;
        }
        return count;
    }

    CMainFrame m_frame{Rect{0, 0, 1600, 1000}};
};

TEST_F(PaneLayoutTest, NoTableCutsATextShort) {
    const int tables = ForEachPane<CCustomListView>([](CCustomListView& table) {
        if (table.ColumnCount() == 0) return; // a list filled on demand (the research list)
        ElisionProbe surface;
        table.OnDraw(surface); // the header and the rows in view
        for (int row = 0; row < table.RowCount(); ++row) table.DrawItem(surface, row);
        EXPECT_TRUE(surface.cut.empty()) << surface.cut.front();
    });
    EXPECT_GT(tables, 10);
}

// A form too big for its pane scrolls: the scroll bar shows, and its range reaches every control.
TEST_F(PaneLayoutTest, EveryFormFitsOrScrollsToAllItsControls) {
    const int forms = ForEachPane<CFormView>([](CFormView& form) {
        const QRect needed = form.Page()->childrenRect();
        ASSERT_FALSE(needed.isEmpty());
        const QSize visible = form.viewport()->size();
        const auto expectReached = [](const QScrollBar& bar, int beyond, const char* which) {
            SCOPED_TRACE(which);
            if (beyond <= 0) return;
            EXPECT_TRUE(bar.isVisible());
            EXPECT_GE(bar.maximum(), beyond);
        };
        expectReached(*form.horizontalScrollBar(), needed.right() + 1 - visible.width(), "across");
        expectReached(*form.verticalScrollBar(), needed.bottom() + 1 - visible.height(), "down");
    });
    EXPECT_GT(forms, 5);
}

// The progression and Tajaka forms fit their panes whole: their last row and column are in view.
TEST_F(PaneLayoutTest, TheProgressionAndTajakaFormsFitTheirPanes) {
    const auto expectFits = [](CFormView& form) {
        const QRect needed = form.Page()->childrenRect();
        const QSize visible = form.viewport()->size();
        EXPECT_LE(needed.right() + 1, visible.width());
        EXPECT_LE(needed.bottom() + 1, visible.height());
    };
    EXPECT_EQ(ForEachPane<CProgFormView>(expectFits), 1);
    EXPECT_EQ(ForEachPane<CTajakaFormView>(expectFits), 1);
}

} // namespace
