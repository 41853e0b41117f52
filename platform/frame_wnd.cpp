#include "platform/frame_wnd.h"

CFrameWnd::CFrameWnd(QWidget* parent) : QMainWindow(parent) {}

void CFrameWnd::SetActiveView(QWidget* view) {
    m_activeView = view;
    if (view) view->setFocus(Qt::OtherFocusReason);
}

CFrameWnd* GetParentFrame(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* frame = dynamic_cast<CFrameWnd*>(w)) return frame;
    return nullptr;
}
