#include "views/info/core_info_view.h"

#include <QMenu>
#include <algorithm>

#include "display/chart_info.h"
#include "document/tavro_doc.h"
#include "shell/color_settings.h"

CCoreInfoView* g_pCoreInfoView = nullptr;

namespace {
constexpr int kColorCoreViewBackground = 62; // setting number (shell/color_settings_table.cpp)
constexpr int kLogicalSize = 900;            // scroll area and least drawing size, pixels
constexpr int kNatalBlockShift = 270;        // the natal block's distance to the right, unzoomed pixels
constexpr int kTwoBlockLabelWidth = 100;     // label column of the blocks side by side, unzoomed pixels
constexpr int kOneBlockLabelWidth = 150;     // label column of the one block, unzoomed pixels

Rect Shifted(const Rect& rect, int dx) {
    return Rect{rect.left + dx, rect.top, rect.right + dx, rect.bottom};
}
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
    SetScrollSizes(Size{kLogicalSize, kLogicalSize});
    const Rect window = GetClientRect();
    m_drawingRect = Rect{0, 0, std::max(window.right, kLogicalSize), std::max(window.bottom, kLogicalSize)};
}

void CCoreInfoView::OnDraw(DrawSurface& surface) {
    RecalcLayout();
    const CTavroDoc* document = TavroDocOf(*this);
    if (!UpdateHeldForPrinting()) surface.FillRect(m_drawingRect, g_colors[kColorCoreViewBackground]);
    if (!document || !document->m_pCurrentChart) return;
    const Rect upper{10, 10, m_drawingRect.right, m_drawingRect.bottom};
    const Rect lower{10, 50, m_drawingRect.right, m_drawingRect.bottom};
    const CChart& current = *document->m_pCurrentChart;
    if (!UpdateHeldForPrinting() && &current != &document->m_natalChart) {
        DrawChartInfo(surface, current, ScaledByFontSize(upper), ScaledByFontSize(lower),
                      kTwoBlockLabelWidth);
        DrawChartInfo(surface, document->m_natalChart, ScaledByFontSize(Shifted(upper, kNatalBlockShift)),
                      ScaledByFontSize(Shifted(lower, kNatalBlockShift)), kTwoBlockLabelWidth);
        return;
    }
    DrawChartInfo(surface, current, upper, lower, kOneBlockLabelWidth);
}

std::string CCoreInfoView::GetInfoText(bool withNatal) const {
    std::string text;
    CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->m_pCurrentChart) return text;
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
    if (!document || !document->m_pCurrentChart) return;
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
