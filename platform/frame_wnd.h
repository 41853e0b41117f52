#pragma once
// A top-level frame window: menus, bars and a client area of panes, one of which is the active view
// that commands and focus go to.
#include <QMainWindow>
#include <QPointer>

class CFrameWnd : public QMainWindow {
public:
    explicit CFrameWnd(QWidget* parent = nullptr);

    // Makes `view` the active view and gives it the focus; null clears it.
    void SetActiveView(QWidget* view);
    QWidget* GetActiveView() const { return m_activeView; }

private:
    QPointer<QWidget> m_activeView;
};

// The frame that holds `widget` (itself included), or null.
CFrameWnd* GetParentFrame(QWidget* widget);
