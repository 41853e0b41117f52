#include "shell/tab_wnd.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>
#include <numeric>

#include "platform/frame_wnd.h"
#include "platform/painter_surface.h"
#include "platform/splitter_wnd.h"
#include "platform/view.h"
#include "shell/visual_framework.h"

namespace {

// Colours of the strip, from the desktop's palette like the rest of the window's controls.
struct StripColors {
    ColorRef face, hilite, shadow, light, black;
};

ColorRef FromQColor(const QColor& c) {
    return Rgb(c.red(), c.green(), c.blue());
}

StripColors ColorsOf(const QWidget& widget) {
    const QPalette& p = widget.palette();
    return {FromQColor(p.color(QPalette::Button)), FromQColor(p.color(QPalette::Light)),
            FromQColor(p.color(QPalette::Dark)), FromQColor(p.color(QPalette::Midlight)), Rgb(0, 0, 0)};
}

// The tab titles use the desktop's general font, at its pixel height.
LogicalFont TitleFont() {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    LogicalFont font;
    font.faceName = QFontInfo(system).family().toStdString();
    font.height = -QFontInfo(system).pixelSize();
    font.weight = system.weight();
    return font;
}

void HLine(DrawSurface& s, int y, int x0, int x1) {
    s.Line(Point{x0, y}, Point{x1, y});
}

void Pen(DrawSurface& s, ColorRef color, int width) {
    s.SelectPen(LogicalPen{color, width, PenStyle::kSolid});
}

// A rectangle's edges: top and left in one colour, bottom and right in the other.
void Draw3dRect(DrawSurface& s, int x, int y, int cx, int cy, ColorRef topLeft, ColorRef bottomRight) {
    s.FillRect(Rect{x, y, x + cx - 1, y + 1}, topLeft);
    s.FillRect(Rect{x, y, x + 1, y + cy - 1}, topLeft);
    s.FillRect(Rect{x + cx - 1, y, x + cx, y + cy}, bottomRight);
    s.FillRect(Rect{x, y + cy - 1, x + cx, y + cy}, bottomRight);
}

constexpr int kTabGap = 6;       // a tab is its label width plus this
constexpr int kLabelPadding = 4; // label width beyond the title's text
constexpr int kBottomTabOffset = 26;
constexpr int kArrowHeight = 20;

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    return button;
}

} // namespace

CTabWnd::CTabWnd(QWidget* parent)
    : QWidget(parent), m_font(TitleFont()), m_scrollBack(MakeArrow(this, Qt::LeftArrow)),
      m_scrollOn(MakeArrow(this, Qt::RightArrow)) {
    setAutoFillBackground(false);
    m_measure.Surface().SelectFont(m_font);
    connect(m_scrollBack, &QToolButton::clicked, this, [this] { ScrollTabs(-1); });
    connect(m_scrollOn, &QToolButton::clicked, this, [this] { ScrollTabs(1); });
}

CTabWnd::~CTabWnd() = default;

void CTabWnd::SetStyle(int style) {
    m_nStyle = style;
    RecalcLayout();
    LayoutStrip();
}

CTabItem* CTabWnd::AddTab(QWidget* page, const std::string& title) {
    page->setParent(this);
    m_tabs.push_back(std::make_unique<CTabItem>(page, title));
    if (m_tabs.size() > 1) {
        page->setEnabled(false);
        page->hide();
    } else {
        page->show();
    }
    RecalcLayout();
    LayoutStrip();
    return m_tabs.back().get();
}

CTabItem* CTabWnd::CreateSplitterTab(const std::string& title, int rows, int cols, CSplitterWnd** splitter) {
    auto* created = new CSplitterWnd(rows, cols, this);
    if (splitter) *splitter = created;
    return AddTab(created, title);
}

CTabItem* CTabWnd::GetTab(int index) const {
    return index >= 0 && index < GetTabCount() ? m_tabs[static_cast<size_t>(index)].get() : nullptr;
}

int CTabWnd::FindPage(const QWidget* page) const {
    for (int i = 0; i < GetTabCount(); ++i)
        if (page && m_tabs[static_cast<size_t>(i)]->m_pWnd == page) return i;
    return -1;
}

Rect CTabWnd::PageRect() const {
    const int w = width(), h = height();
    if (m_nStyle == kTabStripTop) return Rect{1, kStripHeight + 1, w - 1, h - 1};
    return Rect{1, 0, w - 1, h - kStripHeight};
}

void CTabWnd::RecalcLayout() {
    const QRect page = ToQRect(PageRect());
    for (const auto& item : m_tabs) item->m_pWnd->setGeometry(page);
}

void CTabWnd::resizeEvent(QResizeEvent*) {
    RecalcLayout();
    EnsureTabShown(m_nActive);
}

bool CTabWnd::TabsOverflow() const {
    int right = 0;
    for (const auto& item : m_tabs)
        if (item->m_bVisible) right += TabWidth(m_measure.Surface(), *item) + kTabGap;
    return right > width();
}

int CTabWnd::StripRight() const {
    return TabsOverflow() ? std::max(0, width() - 2 * kArrowWidth) : width();
}

void CTabWnd::LayoutStrip() {
    const int count = GetTabCount();
    std::vector<int> widths(static_cast<size_t>(count), 0);
    for (int i = 0; i < count; ++i) {
        const CTabItem& item = *m_tabs[static_cast<size_t>(i)];
        if (item.m_bVisible) widths[static_cast<size_t>(i)] = TabWidth(m_measure.Surface(), item) + kTabGap;
    }
    const auto widthFrom = [&widths](int first) {
        return std::accumulate(widths.begin() + first, widths.end(), 0);
    };
    const int right = StripRight();
    // No room is left empty at the right while tabs are scrolled away at the left.
    m_nFirstShown = std::clamp(m_nFirstShown, 0, std::max(0, count - 1));
    while (m_nFirstShown > 0 && widthFrom(m_nFirstShown - 1) <= right) --m_nFirstShown;

    int x = 0;
    for (int i = 0; i < count; ++i) {
        CTabItem& item = *m_tabs[static_cast<size_t>(i)];
        if (i < m_nFirstShown) {
            item.m_nLeft = item.m_nRight = -1;
            continue;
        }
        if (item.m_bVisible) item.m_nLeft = x;
        x += widths[static_cast<size_t>(i)];
        item.m_nRight = x;
    }

    const bool arrows = TabsOverflow();
    const int top = m_nStyle == kTabStripTop ? kHitBandTop : height() - kHitBandBottom;
    m_scrollBack->setGeometry(right, top, kArrowWidth, kArrowHeight);
    m_scrollOn->setGeometry(right + kArrowWidth, top, kArrowWidth, kArrowHeight);
    m_scrollBack->setEnabled(m_nFirstShown > 0);
    m_scrollOn->setEnabled(x > right);
    m_scrollBack->setVisible(arrows);
    m_scrollOn->setVisible(arrows);
    update();
}

void CTabWnd::ScrollTabs(int tabs) {
    for (; tabs < 0 && m_nFirstShown > 0; ++tabs) {
        do --m_nFirstShown;
        while (m_nFirstShown > 0 && !m_tabs[static_cast<size_t>(m_nFirstShown)]->m_bVisible);
        LayoutStrip();
    }
    for (; tabs > 0 && m_scrollOn->isEnabled(); --tabs) {
        do ++m_nFirstShown;
        while (m_nFirstShown < GetTabCount() - 1 && !m_tabs[static_cast<size_t>(m_nFirstShown)]->m_bVisible);
        LayoutStrip();
    }
}

void CTabWnd::EnsureTabShown(int index) {
    const CTabItem* item = GetTab(index);
    if (item && index < m_nFirstShown) m_nFirstShown = index;
    LayoutStrip();
    while (item && item->m_nRight > StripRight() && m_nFirstShown < index && m_scrollOn->isEnabled())
        ScrollTabs(1);
}

int CTabWnd::HitTest(int x, int y) const {
    const int bandTop = m_nStyle == kTabStripTop ? kHitBandTop : height() - kHitBandBottom;
    const int bandBottom = m_nStyle == kTabStripTop ? kHitBandBottom : height() - kHitBandTop;
    if (y < bandTop || y > bandBottom) return -1;
    for (int i = 0; i < GetTabCount(); ++i) {
        const CTabItem& item = *m_tabs[static_cast<size_t>(i)];
        if (item.m_bSelectable && item.m_bVisible && item.m_nLeft <= x && x <= item.m_nRight) return i;
    }
    return -1;
}

bool CTabWnd::CanChangeTab(QWidget*, QWidget*) {
    return true;
}

void CTabWnd::OnTabChanged(QWidget*, QWidget*) {}

bool CTabWnd::SetActiveTab(int index, bool activate) {
    if (index == -1) return false;
    if (index == m_nActive) return true;
    CTabItem* item = GetTab(index);
    if (!item || !item->m_bSelectable || !item->m_bVisible) return false;
    QWidget* oldPage = m_nActive != -1 && GetTab(m_nActive) ? GetTab(m_nActive)->m_pWnd : nullptr;
    QWidget* newPage = item->m_pWnd;
    if (!CanChangeTab(oldPage, newPage)) return false;

    if (oldPage) {
        oldPage->setEnabled(false);
        oldPage->hide();
    }
    newPage->setEnabled(item->m_bEnabled);
    newPage->show();
    newPage->setFocus(Qt::OtherFocusReason);
    m_nActive = index;
    EnsureTabShown(index);
    OnTabChanged(oldPage, newPage);
    // Each tab window acts on its own change of tab, once per change.
    RunTabChangeEffects(m_nStyle, item->GetTitle());
    if (activate) ActivatePage(GetParentFrame(this), newPage);
    return true;
}

bool CTabWnd::ActivatePage(CFrameWnd* frame, QWidget* page) {
    if (!frame || !page) return false;
    if (dynamic_cast<CView*>(page)) {
        frame->SetActiveView(page);
        return true;
    }
    if (auto* splitter = dynamic_cast<CSplitterWnd*>(page)) {
        QWidget* active = frame->GetActiveView();
        if (active && splitter->isAncestorOf(active)) {
            frame->SetActiveView(active);
            return false;
        }
        for (int row = 0; row < splitter->GetRowCount(); ++row)
            for (int col = 0; col < splitter->GetColumnCount(); ++col) {
                QWidget* pane = splitter->GetPane(row, col);
                if (pane && pane->isEnabled() && ActivatePage(frame, pane)) return true;
            }
        frame->SetActiveView(splitter->GetPane(0, 0));
        return false;
    }
    if (auto* tabs = dynamic_cast<CTabWnd*>(page)) {
        const CTabItem* item = tabs->GetTab(tabs->m_nActive);
        return item && item->m_pWnd && ActivatePage(frame, item->m_pWnd);
    }
    return false;
}

void CTabWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (g_pVisualFramework) g_pVisualFramework->StartHistoryIfEmpty();
    SetActiveTab(HitTest(at.x(), at.y()), true);
    if (g_pVisualFramework) g_pVisualFramework->RecordActiveView();
}

void CTabWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PainterSurface surface(painter);
    DrawStrip(surface);
}

void CTabWnd::DrawStrip(DrawSurface& s) {
    const StripColors colors = ColorsOf(*this);
    const int w = width(), h = height();
    if (m_nStyle == kTabStripTop)
        s.FillRect(Rect{0, 0, w, kStripHeight}, colors.face);
    else
        s.FillRect(Rect{0, h - kStripHeight - 3, w, h}, colors.face);
    DrawFrame(s);
    s.SelectFont(m_font);
    // The tabs end where the arrows begin.
    s.SetClipRect(Rect{0, 0, StripRight(), h});
    bool activeShown = false;
    for (int i = std::max(0, m_nFirstShown); i < GetTabCount(); ++i) {
        const CTabItem& item = *m_tabs[static_cast<size_t>(i)];
        if (!item.m_bVisible) continue;
        DrawTab(s, item.m_nLeft, item, i == m_nActive);
        activeShown = activeShown || i == m_nActive;
    }
    s.ClearClip();
    if (!activeShown) DrawBaseLine(s);
}

void CTabWnd::DrawBaseLine(DrawSurface& s) {
    const StripColors c = ColorsOf(*this);
    if (m_nStyle == kTabStripTop) {
        Pen(s, c.black, 1);
        HLine(s, 25, 0, width());
        Pen(s, c.hilite, 2);
        HLine(s, 27, 0, width());
    } else {
        const int t = height() - kBottomTabOffset;
        Pen(s, c.black, 1);
        HLine(s, t, 0, width());
        Pen(s, c.shadow, 1);
        HLine(s, t - 1, 0, width());
    }
}

void CTabWnd::DrawFrame(DrawSurface& s) {
    const StripColors c = ColorsOf(*this);
    const int w = width(), h = height();
    const bool inFrame = dynamic_cast<CFrameWnd*>(parentWidget()) != nullptr;
    if (m_nStyle == kTabStripTop) {
        if (inFrame) {
            s.FillRect(Rect{0, 0, w, 1}, c.shadow);
            s.FillRect(Rect{0, 1, w, 2}, c.hilite);
        }
        Draw3dRect(s, 0, kStripHeight, w, h - kStripHeight, c.shadow, c.hilite);
        Draw3dRect(s, 1, kStripHeight + 1, w - 2, h - kStripHeight - 2, c.black, c.light);
    } else {
        if (inFrame) {
            s.FillRect(Rect{0, h - 2, w, h - 1}, c.shadow);
            s.FillRect(Rect{0, h - 1, w, h}, c.hilite);
        }
        Draw3dRect(s, 0, 0, w, h - kStripHeight + 1, c.shadow, c.hilite);
        Draw3dRect(s, 1, 1, w - 2, h - kStripHeight - 1, c.black, c.light);
    }
}

int CTabWnd::TabWidth(DrawSurface& s, const CTabItem& item) const {
    return std::min(s.TextExtent(item.GetTitle()).cx + kLabelPadding, kMaxLabelWidth);
}

void CTabWnd::DrawTitle(DrawSurface& s, int x, int w, int bandTop, const CTabItem& item) {
    constexpr int kBandHeight = 20;
    s.SetTextColor(Rgb(0, 0, 0));
    s.SetTextBackground(0, false);
    s.DrawText(item.GetTitle(), Rect{x + 3, bandTop, x + 3 + w - 2, bandTop + kBandHeight},
               kTextLeft | kTextVCenter | kTextSingleLine | kTextNoPrefix);
}

// Tabs as raised buttons: the active one opens into the page, the others stand behind the page's edge.
void CTabWnd::DrawTab(DrawSurface& s, int x, const CTabItem& item, bool active) {
    const StripColors c = ColorsOf(*this);
    const int w = TabWidth(s, item);
    const int right = width();
    if (m_nStyle == kTabStripTop) {
        if (active) {
            s.FillRect(Rect{x + 3, 9, x + 3 + w, 29}, c.face);
            Pen(s, c.black, 1);
            const Point outline[] = {{x, 25}, {x, 6}, {x + w + 5, 6}, {x + w + 5, 26}};
            s.Polyline(outline);
            Pen(s, c.hilite, 2);
            const Point light[] = {{x + 2, 25}, {x + 2, 8}, {x + w + 2, 8}};
            s.Polyline(light);
            Pen(s, c.shadow, 2);
            s.Line(Point{x + w + 4, 8}, Point{x + w + 4, 25});
            Pen(s, c.face, 1);
            HLine(s, 26, x - 1, x + w + 6);
            HLine(s, 27, x - 1, x + w + 6);
            Pen(s, c.black, 1);
            HLine(s, 25, 0, x);
            HLine(s, 25, x + w + 7, right);
            Pen(s, c.hilite, 2);
            if (x > 0) HLine(s, 27, 0, x);
            HLine(s, 27, x + w + 6, right);
        } else {
            s.FillRect(Rect{x + 2, 8, x + w + 4, 25}, c.face);
            Pen(s, c.hilite, 1);
            const Point light[] = {{x + 1, 25}, {x + 1, 7}, {x + w + 4, 7}};
            s.Polyline(light);
            Pen(s, c.shadow, 1);
            s.Line(Point{x + w + 4, 7}, Point{x + w + 4, 25});
        }
        DrawTitle(s, x, w, 8, item);
    } else {
        const int t = height() - kBottomTabOffset;
        if (active) {
            s.FillRect(Rect{x + 3, t, x + 3 + w, t + 18}, c.face);
            Pen(s, c.black, 1);
            const Point outline[] = {{x, t}, {x, t + 20}, {x + w + 5, t + 20}, {x + w + 5, t}};
            s.Polyline(outline);
            Pen(s, c.hilite, 2);
            s.Line(Point{x + 2, t}, Point{x + 2, t + 19});
            Pen(s, c.shadow, 2);
            s.Line(Point{x + 2, t + 19}, Point{x + w + 2, t + 19});
            s.Line(Point{x + w + 4, t}, Point{x + w + 4, t + 19});
            Pen(s, c.black, 1);
            HLine(s, t, 0, x);
            HLine(s, t, x + w + 6, right);
            Pen(s, c.shadow, 1);
            if (x > 0) HLine(s, t - 1, 0, x);
            HLine(s, t - 1, x + w + 4, right);
        } else {
            s.FillRect(Rect{x + 1, t + 1, x + w + 3, t + 18}, c.face);
            Pen(s, c.shadow, 1);
            s.Line(Point{x + 1, t + 19}, Point{x + w + 4, t + 19});
            s.Line(Point{x + w + 4, t}, Point{x + w + 4, t + 19});
        }
        DrawTitle(s, x, w, t + 1, item);
    }
}
