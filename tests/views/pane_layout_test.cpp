// Every pane of the main window at its default size on a real chart: no table cuts a text short while
// its pane has room, every form shows all of its controls, or scrolls to them, and the tables, the key
// data and the forms scroll by lines of their text under a header that stays. A tab first shown in a
// smaller window grows with the window to the panes it shows when first shown at the larger size, and
// a bar the user moved keeps its division as the window grows.
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <map>

#include <gtest/gtest.h>

#include "display/chart_info.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "document/dasa_codes.h"
#include "shell/layout_table.h"
#include "shell/main_frame.h"
#include "views/chakras/chakra_view_registration.h"
#include "views/forms/chart_forms.h"
#include "views/forms/form_view.h"
#include "views/forms/form_view_registration.h"
#include "views/forms/return_forms.h"
#include "views/info/ashtakavarga_page.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/core_info_view.h"
#include "views/info/custom_list_view.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

namespace {

// The main window's panes on the fixture's chart, as the program registers and feeds them.
class MainWindowPaneTest : public PaneTest {
protected:
    MainWindowPaneTest() {
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        RegisterChakraViews();
        RegisterFormViews();
        g_chartSource.natal = [this] { return &m_document.m_natalChart; };
        g_chartSource.current = [this] { return m_document.m_pCurrentChart; };
        g_chartSource.mode = [this] { return m_document.m_nMode; };
    }
    ~MainWindowPaneTest() override { g_chartSource = ChartSource{}; }

    // Builds `frame` on the document and shows it `size` large (the offscreen screen is smaller than
    // the screens it stands for: the window is given the size itself).
    void Open(CMainFrame& frame, QSize size) {
        frame.Create(CCreateContext{&m_document});
        frame.setWindowState(Qt::WindowNoState);
        frame.resize(size);
        frame.show();
        QApplication::processEvents();
    }

    // Every pane of `frame`'s window of class T, each shown in turn, with its layout node.
    template <class T, class Check> static int ForEachPaneOf(CMainFrame& frame, Check check) {
        int count = 0;
        CVisualFramework& layout = frame.Framework();
        for (const auto& [id, node] : layout.Nodes()) {
            auto* pane = dynamic_cast<T*>(node->m_pWnd.data());
            if (!pane) continue;
            SCOPED_TRACE(node->DisplayName());
            EXPECT_TRUE(layout.ActivateNode(node.get()));
            QApplication::processEvents();
            check(*node, *pane);
            ++count;
        }
        return count;
    }
};

class PaneLayoutTest : public MainWindowPaneTest {
protected:
    // The default window, maximised on a 1600 x 1000 screen below a title bar.
    PaneLayoutTest() { Open(m_frame, QSize(1600, 975)); }

    template <class T, class Check> int ForEachPane(Check check) {
        return ForEachPaneOf<T>(m_frame, [&check](const CVisualNode&, T& pane) { check(pane); });
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

// One notch of the wheel scrolls the desktop's number of lines of the pane's text (at most a page);
// the arrow keys step one line, Page Down the visible height below a fixed header.
TEST_F(PaneLayoutTest, TheWheelAndTheKeysScrollByLinesOfText) {
    // The smaller window of a 1366 x 768 screen: more panes scroll.
    m_frame.resize(1366, 743);
    QApplication::processEvents();
    int checked = 0; // panes that scroll at least a page
    const auto expectSteps = [&checked](QAbstractScrollArea& pane, int line, int header) {
        QScrollBar& bar = *pane.verticalScrollBar();
        if (bar.maximum() < pane.viewport()->height()) return;
        ++checked;
        SCOPED_TRACE(line);
        bar.setValue(0);
        EXPECT_EQ(TurnWheel(pane, Qt::NoModifier).y,
                  std::min(QApplication::wheelScrollLines() * line, pane.viewport()->height() - header));
        const auto press = [&pane, &bar](Qt::Key key) {
            bar.setValue(0);
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&pane, &event);
            return bar.value();
        };
        EXPECT_EQ(press(Qt::Key_Down), line);
        EXPECT_EQ(press(Qt::Key_PageDown), pane.viewport()->height() - header);
        EXPECT_EQ(press(Qt::Key_End), bar.maximum());
    };
    ForEachPane<CCustomListView>(
        [&](CCustomListView& table) { expectSteps(table, table.RowHeight(), table.RowHeight()); });
    EXPECT_GT(checked, 5);

    // Transit mode: the natal block of key data below or beside the transit block.
    m_document.m_workChart = m_document.m_natalChart;
    m_document.m_workChart.m_strTitle = "Transit";
    m_document.m_pCurrentChart = &m_document.m_workChart;
    m_document.m_nMode = kModeTransit;
    checked = 0;
    ForEachPane<CCoreInfoView>([&](CCoreInfoView& keyInfo) {
        keyInfo.RecalcLayout();
        expectSteps(keyInfo, ChartInfoLineStep(), 0);
    });
    EXPECT_GT(checked, 0);
    m_document.m_pCurrentChart = &m_document.m_natalChart;
    m_document.m_nMode = kModeNatal;

    // At that size the forms have the room to show themselves whole: a smaller window makes them scroll.
    m_frame.resize(800, 420);
    QApplication::processEvents();
    checked = 0;
    ForEachPane<CFormView>([&](CFormView& form) { expectSteps(form, form.fontMetrics().lineSpacing(), 0); });
    EXPECT_GT(checked, 0);
}

// A table scrolled down keeps its header line at the top of the pane, over the rows, and a click on
// the header selects no row.
TEST_F(PaneLayoutTest, TableHeadersStayInPlaceWhileTheRowsScroll) {
    int checked = 0;
    ForEachPane<CCustomListView>([&checked](CCustomListView& table) {
        if (table.verticalScrollBar()->maximum() < 3 * table.RowHeight()) return;
        ++checked;
        table.verticalScrollBar()->setValue(3 * table.RowHeight());
        ProbeSurface surface;
        table.OnDraw(surface);
        const DrawnRecord::Text* header = surface.FindText(table.ColumnHeader(0));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->rect.top, table.GetScrollPosition().y);
        EXPECT_EQ(table.RowAt(Point{10, table.RowHeight() / 2}), -1);
        EXPECT_EQ(table.RowAt(Point{10, table.RowHeight() + 1}), 3);
        table.verticalScrollBar()->setValue(0);
    });
    EXPECT_GT(checked, 5);
}

// Every pane scrolled to the end of its range shows the end of its content, not a screen of its ground:
// the range ends where the content does, at the sizes of the window on a 1366 x 768 and a 1600 x 1000
// screen, and for every form of the ashtakavarga pages.
TEST_F(PaneLayoutTest, EveryPaneScrollsToTheEndOfItsContentAndNoFurther) {
    constexpr int kMostGroundBelow = 24; // pixels: the margin below a pane's content
    const auto expectContentAtTheEnd = [](CView& pane) {
        QScrollBar& bar = *pane.verticalScrollBar();
        if (bar.maximum() == 0) return;
        bar.setValue(bar.maximum());
        const QImage shown = pane.viewport()->grab().toImage();
        bar.setValue(0);
        EXPECT_GE(LastDrawnRow(shown), shown.height() - 1 - kMostGroundBelow) << "range " << bar.maximum();
    };
    const AshtakavargaChoice choice = g_ashtakavargaChoice;
    for (const QSize size : {QSize(1366, 743), QSize(1600, 975)}) {
        SCOPED_TRACE(size.width());
        m_frame.resize(size);
        QApplication::processEvents();
        EXPECT_GT(ForEachPane<CView>(expectContentAtTheEnd), 50);
        for (const int form : {kPavForm, kPindaForm, kNakshatraForm}) {
            SCOPED_TRACE(form);
            ForEachPane<CAshtakaVargaView>([form, &expectContentAtTheEnd](CAshtakaVargaView& page) {
                page.ShowForm(form);
                expectContentAtTheEnd(page);
            });
        }
        g_ashtakavargaChoice = choice;
    }
}

// In the window maximised on a 1366 x 768 screen, the Longitude Correlation, Tithi Pravesha and Mundane
// forms show every label and control whole inside the pane, unscrolled: the table below or beside the
// form gives it the room.
TEST_F(MainWindowPaneTest, FormsShowAllTheirControlsWholeOnALaptopScreen) {
    CMainFrame frame(Rect{0, 0, 1366, 768});
    Open(frame, QSize(1366, 743));
    const unsigned forms[] = {196, kNodeTithiPraveshaForm, kNodeMundaneForm};
    for (const unsigned id : forms) {
        CVisualNode* node = frame.Framework().GetNode(id);
        ASSERT_NE(node, nullptr);
        SCOPED_TRACE(node->DisplayName());
        ASSERT_TRUE(frame.Framework().ActivateNode(node));
        QApplication::processEvents();
        auto* form = dynamic_cast<CFormView*>(node->m_pWnd.data());
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(form->verticalScrollBar()->isVisible());
        const QRect viewport = form->viewport()->rect();
        int labels = 0;
        for (const QWidget* item : form->Page()->findChildren<QWidget*>()) {
            if (!item->isVisible()) continue;
            labels += dynamic_cast<const QLabel*>(item) != nullptr;
            const QRect shown(item->mapTo(form->viewport(), QPoint(0, 0)), item->size());
            const auto* label = dynamic_cast<const QLabel*>(item);
            SCOPED_TRACE(label ? label->text().toStdString() : item->metaObject()->className());
            EXPECT_TRUE(viewport.contains(shown)) << shown.x() << "," << shown.y() << " " << shown.width() << "x"
                                                  << shown.height() << " in " << viewport.width() << "x"
                                                  << viewport.height();
            // A label's text takes no more room than the label has.
            if (label && !label->wordWrap()) {
                const QSize text = label->fontMetrics().size(0, label->text());
                EXPECT_LE(text.width(), label->width());
                EXPECT_LE(text.height(), label->height());
            }
        }
        EXPECT_GE(labels, 3); // the Mundane form's are few: its buttons say what they do
    }
}

// A tab first shown in a window narrower or lower than now lays its panes out again as the window grows:
// each pane of every tab at least as large as when its tab is first shown at the larger size, so that
// no pane stays squeezed beside another that holds blank ground.
TEST_F(MainWindowPaneTest, PanesFirstShownInASmallerWindowGrowWithIt) {
    constexpr int kFewPixels = 3;
    const Rect screen{0, 0, 1366, 768};
    const QSize maximised(1366, 743); // below a title bar
    struct ShownPane {
        std::string name;
        QSize size;
    };
    // Every view of a window opened `first` large, each shown in turn, then shown again at the
    // maximised size.
    const auto sizesAfterGrowing = [&](QSize first) {
        CMainFrame frame(screen);
        Open(frame, first);
        ForEachPaneOf<CView>(frame, [](const CVisualNode&, CView&) {});
        frame.resize(maximised);
        QApplication::processEvents();
        EXPECT_EQ(frame.size(), maximised);
        std::map<unsigned, ShownPane> shown;
        ForEachPaneOf<CView>(frame, [&shown](const CVisualNode& node, CView& pane) {
            shown[node.m_nId] = {node.DisplayName(), pane.size()};
        });
        return shown;
    };
    const std::map<unsigned, ShownPane> firstShownMaximised = sizesAfterGrowing(maximised);
    ASSERT_GT(firstShownMaximised.size(), 60u);
    for (const QSize first : {QSize(450, 743), QSize(1366, 420)}) {
        SCOPED_TRACE(std::to_string(first.width()) + " x " + std::to_string(first.height()));
        const std::map<unsigned, ShownPane> grown = sizesAfterGrowing(first);
        for (const auto& [id, expected] : firstShownMaximised) {
            SCOPED_TRACE(expected.name + " " + std::to_string(id));
            ASSERT_EQ(grown.count(id), 1u);
            EXPECT_GE(grown.at(id).size.width(), expected.size.width() - kFewPixels);
            EXPECT_GE(grown.at(id).size.height(), expected.size.height() - kFewPixels);
        }
    }
}

// A bar the user moved keeps the user's division as the window grows: the pane before it keeps its share
// of the splitter, across (the Dasas tab's chart beside the dasa pages) and down (the shadbala table
// over the other strengths).
TEST_F(MainWindowPaneTest, ABarTheUserMovedKeepsItsDivisionAsTheWindowGrows) {
    struct Case {
        unsigned splitter, pane;
        Qt::Orientation bars; // side by side (horizontal) or one over the other
        QSize first;
        int moveBy; // pixels, right or down
    };
    const Case cases[] = {{60, 61, Qt::Horizontal, QSize(1000, 743), -150},
                          {44, 46, Qt::Vertical, QSize(1366, 500), 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.splitter);
        CMainFrame frame(Rect{0, 0, 1366, 768});
        Open(frame, c.first);
        CVisualFramework& layout = frame.Framework();
        ASSERT_TRUE(layout.ActivateNode(layout.GetNode(c.pane)));
        QApplication::processEvents();
        QSplitter* panes = nullptr;
        for (QSplitter* splitter : layout.GetNode(c.splitter)->m_pWnd->findChildren<QSplitter*>())
            if (splitter->orientation() == c.bars && splitter->count() > 1) panes = splitter;
        ASSERT_NE(panes, nullptr);
        const QWidget& pane = *layout.GetNode(c.pane)->m_pWnd;
        const bool across = c.bars == Qt::Horizontal;
        const auto extent = [&] { return across ? pane.width() : pane.height(); };
        const auto share = [&] { return double(extent()) / (across ? panes->width() : panes->height()); };

        const int before = extent();
        QSplitterHandle& bar = *panes->handle(1);
        const QPoint from = bar.rect().center();
        const QPoint to = from + (across ? QPoint(c.moveBy, 0) : QPoint(0, c.moveBy));
        const auto mouse = [&bar](QEvent::Type type, QPoint at, Qt::MouseButton button) {
            QMouseEvent event(type, at, bar.mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&bar, &event);
        };
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
        ASSERT_EQ(extent(), before + c.moveBy);

        const double moved = share();
        frame.resize(1366, 743);
        QApplication::processEvents();
        EXPECT_NEAR(share(), moved, 0.01);
    }
}

} // namespace
