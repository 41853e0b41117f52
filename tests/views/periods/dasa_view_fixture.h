#pragma once
// The dasa page on the Vimsottari dasa of a fixed birth, shown and drawn once; the options and the dasa state
// it changes are put back afterwards. A test that changes an option or the dasa updates the document's views,
// as the program's commands do, before the page is drawn again.
#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "document/dasa_tree.h"
#include "views/periods/dasa_view.h"

inline constexpr int kVimsottari = 0;

class DasaViewTest : public PaneTest {
protected:
    DasaViewTest() {
        g_nSelectedDasa = kVimsottari;
        g_nCurrentDasaViewType = 0;
        g_nDasaCycleOffset = 0;
        m_document.m_dasaTree.nLevel = 0;
        m_document.m_dasaTree.nSelected = {};
        EXPECT_TRUE(m_document.CalculateDasa().ok());
        m_view.SetDocument(&m_document);
        m_view.resize(900, 900);
        m_view.show(); // a page out of sight is laid out only once it is shown
        m_view.OnInitialUpdate();
        Draw();
    }
    // Every view of the document updated: the page is laid out again.
    void Update() { m_document.UpdateAllViews(nullptr); }
    DrawnRecord Draw() {
        ProbeSurface surface;
        m_view.OnDraw(surface);
        return surface;
    }
    static Point Centre(const Rect& rect) {
        return Point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    CDasaTree& Tree() { return m_document.m_dasaTree; }
    // Clicks period `index` of the shown level and redraws.
    bool ClickPeriod(int index) {
        const bool changed = m_view.OnLButtonUp(Centre(m_view.PeriodRects()[index]));
        Draw();
        return changed;
    }

    CDasaView m_view;
};
