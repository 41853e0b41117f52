#pragma once
// The tab window out of which the pane tree is built: a strip of tabs it draws itself, at the top or
// the bottom, over one shown page (a view, a splitter or another tab window). A strip too narrow for
// its tabs shows two arrows at its right end that scroll the tabs, so every tab can be reached.
// Pixels throughout.
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw_surface.h"
#include "platform/painter_surface.h"
#include "shell/tab_change_effects.h"

class CFrameWnd;
class CSplitterWnd;
class QToolButton;

// One tab: its page (not owned) and title, whether it may be chosen and shown, and its extent in the
// strip as last drawn.
class CTabItem {
public:
    CTabItem(QWidget* page, std::string title) : m_pWnd(page), m_title(std::move(title)) {}
    virtual ~CTabItem() = default;
    const std::string& GetTitle() const { return m_title; }

    QWidget* m_pWnd;
    bool m_bEnabled = true;    // the page is enabled when shown
    bool m_bSelectable = true; // false: cannot be selected or hit
    bool m_bVisible = true;    // false: not drawn, cannot be selected or hit
    int m_nLeft = 0;           // x extent in the strip as laid out, read by HitTest; -1 and -1 while
    int m_nRight = 0;          // the tab is scrolled out of the strip at the left

private:
    std::string m_title;
};

class CTabWnd : public QWidget {
public:
    static constexpr int kStripHeight = 30;
    static constexpr int kMaxLabelWidth = 200; // a longer title is clipped
    static constexpr int kHitBandTop = 6;      // the band of the strip where clicks hit tabs (top style)
    static constexpr int kHitBandBottom = 26;
    static constexpr int kArrowWidth = 18; // each of the two scroll arrows
    explicit CTabWnd(QWidget* parent = nullptr);
    ~CTabWnd() override;

    int GetStyle() const { return m_nStyle; }
    void SetStyle(int style); // kTabStripTop or kTabStripBottom

    // Appends `page` (made a child of this window) as a tab; only the first tab starts shown.
    CTabItem* AddTab(QWidget* page, const std::string& title);
    // A new static splitter of rows x cols as a tab.
    CTabItem* CreateSplitterTab(const std::string& title, int rows, int cols, CSplitterWnd** splitter);

    int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
    CTabItem* GetTab(int index) const;
    int GetActiveIndex() const { return m_nActive; }
    int FindPage(const QWidget* page) const; // -1 when none holds it

    // The tab at (x, y), client pixels, or -1.
    int HitTest(int x, int y) const;

    // --- Scrolling the strip --------------------------------------------------------------------
    // The first tab shown at the strip's left (0 unless the strip is scrolled).
    int GetFirstShownTab() const { return m_nFirstShown; }
    // Whether the tabs are wider than the strip, which then shows its two arrows.
    bool TabsOverflow() const;
    // The arrows: one tab back (towards the first) and one tab on; each is enabled while it can move.
    QToolButton* ScrollBackButton() const { return m_scrollBack; }
    QToolButton* ScrollOnButton() const { return m_scrollOn; }
    // Scrolls the strip by `tabs` tabs (negative: back), as far as it goes.
    void ScrollTabs(int tabs);
    // Scrolls the strip so that tab `index` is shown whole, when it fits at all.
    void EnsureTabShown(int index);
    // Shows tab `index`; with `activate` its view becomes the frame's active view. False for -1, an
    // index past the end, a tab that cannot be selected, or a veto of CanChangeTab.
    bool SetActiveTab(int index, bool activate);
    // Makes a view inside `page` the frame's active view; false when none could be found.
    static bool ActivatePage(CFrameWnd* frame, QWidget* page);

    // Draws the strip and the frame around the page area (what paint shows), for the window's size.
    void DrawStrip(DrawSurface& surface);

protected:
    virtual bool CanChangeTab(QWidget* oldPage, QWidget* newPage);
    virtual void OnTabChanged(QWidget* oldPage, QWidget* newPage);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RecalcLayout();
    Rect PageRect() const;
    int TabWidth(DrawSurface& surface, const CTabItem& item) const; // the label width w
    // The right edge of the room for tabs: the window's width, less the arrows when they show.
    int StripRight() const;
    // Each tab's extent from the first shown one, the arrows placed and enabled; repaints the strip.
    void LayoutStrip();
    // The line along the strip that the active tab's painter draws, for an active tab scrolled away.
    void DrawBaseLine(DrawSurface& surface);
    void DrawFrame(DrawSurface& surface);
    void DrawTab(DrawSurface& surface, int x, const CTabItem& item, bool active);
    void DrawTitle(DrawSurface& surface, int x, int w, int bandTop, const CTabItem& item);

    std::vector<std::unique_ptr<CTabItem>> m_tabs;
    int m_nActive = 0; // -1: none
    int m_nStyle = kTabStripBottom;
    int m_nFirstShown = 0;
    LogicalFont m_font;
    mutable ImageSurface m_measure{Size{1, 1}}; // measures the titles in m_font, as the strip draws them
    QToolButton* m_scrollBack;
    QToolButton* m_scrollOn;
};
