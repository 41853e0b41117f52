#include "views/info/core_info_view.h"

#include <QMenu>
#include <algorithm>

#include "display/chart_info.h"
#include "display/print_bands.h"
#include "document/tavro_doc.h"
#include "shell/color_settings.h"

CCoreInfoView* g_pCoreInfoView = nullptr;

namespace {
constexpr int kColorCoreViewBackground = 62; // setting number (shell/color_settings_table.cpp)
constexpr int kMargin = 10;                  // right of and below the blocks, pixels
constexpr int kNatalBlockShift = 270;        // the natal block's distance to the right, unzoomed pixels
constexpr int kTwoBlockLabelWidth = 100;     // label column of the blocks side by side, unzoomed pixels
constexpr int kOneBlockLabelWidth = 150;     // label column of the one block, unzoomed pixels
// Two blocks side by side: the first's margin, the shift and a block as wide as the shift; unzoomed pixels.
constexpr int kTwoBlocksWidth = 10 + 2 * kNatalBlockShift;
constexpr int kStackedBlockGap = 30; // between blocks one above the other, unzoomed pixels
constexpr int kUpperTop = 10;        // the heading's top, unzoomed pixels
constexpr int kLowerTop = 50;        // the lines' top, unzoomed pixels

} // namespace

CCoreInfoView::CCoreInfoView(QWidget* parent) : CView(parent) {}

void CCoreInfoView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    RecalcLayout();
}

void CCoreInfoView::OnUpdate(CView*, long) {
    if (!UpdateHeldForPrinting()) Invalidate();
}

void CCoreInfoView::RecalcLayout() {
    const Rect window = GetClientRect();
    Size reach{0, 0};
    const CTavroDoc* document = TavroDocOf(*this);
    if (document && document->CalculatedChart() && !UpdateHeldForPrinting()) {
        // The blocks measured where the window puts them: the pane scrolls as far as they reach.
        m_drawingRect = window;
        ExtentSurface extent(m_measure.Surface());
        DrawBlocks(extent, *document);
        for (const Rect& box : extent.Boxes())
            reach = Size{std::max(reach.cx, box.right), std::max(reach.cy, box.bottom)};
        reach = Size{reach.cx + kMargin, reach.cy + kMargin};
        if (!(GetTotalSize() == reach)) SetScrollSizes(reach);
    }
    const Size total = GetTotalSize();
    m_drawingRect = Rect{0, 0, std::max(window.right, total.cx), std::max(window.bottom, total.cy)};
}

int CCoreInfoView::TextLineHeight() const {
    return ChartInfoLineStep();
}

bool CCoreInfoView::BlocksSideBySide() const {
    return GetClientRect().right >= ScaledWidth(kTwoBlocksWidth);
}

void CCoreInfoView::OnDraw(DrawSurface& surface) {
    RecalcLayout();
    const CTavroDoc* document = TavroDocOf(*this);
    if (!UpdateHeldForPrinting()) surface.FillRect(m_drawingRect, g_colors[kColorCoreViewBackground]);
    if (document && document->CalculatedChart()) DrawBlocks(surface, *document);
}

void CCoreInfoView::DrawBlocks(DrawSurface& surface, const CTavroDoc& document) {
    // A value too long for the pane breaks onto the next lines within the margin at the pane's right.
    const int right = GetClientRect().right - kMargin;
    const auto block = [&](int left, int top) {
        return Rect{left, top, std::max(right, left), std::max(m_drawingRect.bottom, top)};
    };
    const CChart& current = *document.m_pCurrentChart;
    if (!UpdateHeldForPrinting() && &current != &document.m_natalChart) {
        const Rect upper = ScaledByFontSize(Rect{10, kUpperTop, 10, kUpperTop});
        const Rect lower = ScaledByFontSize(Rect{10, kLowerTop, 10, kLowerTop});
        const int shiftedLeft = ScaledByFontSize(Rect{10 + kNatalBlockShift, 0, 10 + kNatalBlockShift, 0}).left;
        // The natal block beside the current one when the pane shows both, else below it.
        const bool sideBySide = BlocksSideBySide();
        Rect currentUpper = block(upper.left, upper.top);
        Rect currentLower = block(lower.left, lower.top);
        if (sideBySide) currentUpper.right = currentLower.right = shiftedLeft - kMargin;
        const int currentBottom = DrawChartInfo(surface, current, currentUpper, currentLower, kTwoBlockLabelWidth);
        const int drop = sideBySide ? 0 : currentBottom + ScaledWidth(kStackedBlockGap) - upper.top;
        const int natalLeft = sideBySide ? shiftedLeft : upper.left;
        DrawChartInfo(surface, document.m_natalChart, block(natalLeft, upper.top + drop),
                      block(natalLeft, lower.top + drop), kTwoBlockLabelWidth);
        return;
    }
    DrawChartInfo(surface, current, block(10, kUpperTop), block(10, kLowerTop), kOneBlockLabelWidth);
}

std::string CCoreInfoView::GetInfoText(bool withNatal) const {
    std::string text;
    CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return text;
    document->UpdateChartBaseName();
    FormatChartInfoText(text, *document->m_pCurrentChart);
    if (withNatal && document->m_pCurrentChart != &document->m_natalChart)
        FormatChartInfoText(text, document->m_natalChart);
    return text;
}

void CCoreInfoView::CopyToClipboard() const {
    CopyTextToClipboard(*this, GetInfoText(true));
}

void CCoreInfoView::PrintInfo(DrawSurface& surface) {
    RecalcLayout();
    const CTavroDoc* document = TavroDocOf(*this);
    if (!UpdateHeldForPrinting()) surface.FillRect(m_drawingRect, g_colors[kColorCoreViewBackground]);
    if (!document || !document->CalculatedChart()) return;
    const auto from = [this](int left, int top) {
        return Rect{left, top, m_drawingRect.right, m_drawingRect.bottom};
    };
    DrawChartInfoPrint(surface, *document->m_pCurrentChart, from(24, 10), from(10, 220), from(10, 270));
}

void CCoreInfoView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    connect(menu.addAction("&Copy to clipboard"), &QAction::triggered, this, [this] { CopyToClipboard(); });
    menu.exec(screenPos);
}
