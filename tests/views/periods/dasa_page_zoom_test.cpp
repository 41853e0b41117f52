// The dasa page of the main window at its size on a 1366 x 768 screen while the user makes the fonts
// smaller with the page scrolled down: the page stays within its extent and its title within reach.
#include <QMouseEvent>

#include "../main_window_test.h"
#include "document/dasa_tree.h"
#include "shell/layout_table.h"
#include "views/periods/dasa_view.h"

namespace {

using DasaPageZoomTest = MainWindowTest;

// A left click at `point` of the page's viewport.
void ClickAt(CDasaView& page, QPoint point) {
    QMouseEvent release(QEvent::MouseButtonRelease, point, page.viewport()->mapToGlobal(point),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(page.viewport(), &release);
}

QPoint Centre(const Rect& rect, Point scrolled) {
    return QPoint((rect.left + rect.right) / 2 - scrolled.x, (rect.top + rect.bottom) / 2 - scrolled.y);
}

// The page scrolled to its end at the largest fonts, then "Use smaller fonts" step by step down to the
// smallest: after each step, before the page is painted, it scrolls within its new extent (its end in
// reach, and no room scrolled past it), and painting it leaves it there; the title stands below the "<",
// "|", ">" buttons, and a click on it goes back to the maha dasas.
TEST_F(DasaPageZoomTest, APageScrolledDownStaysInItsExtentAndItsTitleInReachAsTheFontsShrink) {
    Start(kSmallScreen);
    CVisualNode* node = m_frame->Framework().GetNode(kNodeNakshatraDasas);
    ASSERT_NE(node, nullptr);
    auto* page = dynamic_cast<CDasaView*>(node->m_pWnd.data());
    ASSERT_NE(page, nullptr);
    Show(node);
    QAction* bigger = FontSizeCommand(1);
    QAction* smaller = FontSizeCommand(-1);
    ASSERT_TRUE(bigger && smaller);
    while (g_nFontSizeSelection < kFontSizeSteps - 1) bigger->trigger();
    QApplication::processEvents();
    // A maha dasa opened: its antardasas below it.
    ClickAt(*page, Centre(page->PeriodRects()[2], page->GetScrollPosition()));
    ASSERT_EQ(m_document.m_dasaTree.nLevel, 1);
    QApplication::processEvents();
    QScrollBar& bar = *page->verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);
    bar.setValue(bar.maximum());
    QApplication::processEvents();

    const QRect cycleButton = page->Button(3)->geometry(); // "<"
    const int buttonRowBottom = cycleButton.y() + cycleButton.height();
    const std::string& dasaName = m_document.m_dasaTree.strName;
    while (g_nFontSizeSelection > 0) {
        smaller->trigger();
        SCOPED_TRACE(testing::Message() << "font size " << g_nFontSizeSelection);
        const int end = bar.maximum(), at = bar.value(), step = bar.pageStep();
        EXPECT_LE(at, end);
        TakenTextSurface repaint;
        page->OnDraw(repaint);
        page->viewport()->grab();
        EXPECT_EQ(bar.maximum(), end);
        EXPECT_EQ(bar.value(), at);
        EXPECT_EQ(bar.pageStep(), step);

        const int visible = page->viewport()->height();
        const int bottom = repaint.Reach().y; // of the help lines, the page's last texts
        EXPECT_LE(bottom - end, visible);
        if (end > 0) {
            EXPECT_GE(bottom - end, visible - 20);
        }
        const TakenTextSurface::Taken* title = nullptr;
        for (const auto& text : repaint.texts)
            if (!title && text.text.starts_with(dasaName)) title = &text;
        ASSERT_NE(title, nullptr);
        EXPECT_GE(title->taken.top, buttonRowBottom);
    }

    bar.setValue(0);
    const QPoint onTitle = Centre(page->LevelRects()[0], page->GetScrollPosition());
    EXPECT_EQ(page->viewport()->childAt(onTitle), nullptr);
    ClickAt(*page, onTitle);
    EXPECT_EQ(m_document.m_dasaTree.nLevel, 0);
}

} // namespace
