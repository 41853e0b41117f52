#pragma once
// The tab window out of which the pane tree is built: a strip of tabs it draws itself, at the top or
// the bottom, over one shown page (a view, a splitter or another tab window). Pixels throughout.
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw_surface.h"
#include "shell/tab_change_effects.h"

class CFrameWnd;
class CSplitterWnd;

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
    int m_nLeft = 0;           // x extent in the strip, written by each paint, read by HitTest
    int m_nRight = 0;

private:
    std::string m_title;
};

class CTabWnd : public QWidget {
public:
    static constexpr int kStripHeight = 30;
    static constexpr int kMaxLabelWidth = 200; // a longer title is clipped
    static constexpr int kHitBandTop = 6;      // the band of the strip where clicks hit tabs (top style)
    static constexpr int kHitBandBottom = 26;

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
    void DrawFrame(DrawSurface& surface);
    int DrawTab(DrawSurface& surface, int x, const CTabItem& item, bool active);
    void DrawTitle(DrawSurface& surface, int x, int w, int bandTop, const CTabItem& item);

    std::vector<std::unique_ptr<CTabItem>> m_tabs;
    int m_nActive = 0; // -1: none
    int m_nStyle = kTabStripBottom;
    LogicalFont m_font;
};
