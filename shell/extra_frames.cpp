#include "shell/extra_frames.h"

#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "shell/display_options.h"
#include "shell/app_icon.h"
#include "shell/frame_geometry.h"

CCreateContext g_frameCreateContext;
std::function<void()> g_updateAllViewsOfMainDoc;

namespace {

CFrameWnd* LoadFrame(const std::string& className) {
    auto* frame = new CFrameWnd;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle("Kalomithra Hora");
    frame->setWindowIcon(ApplicationIcon());
    QWidget* view = CreatePaneOfClass(className, frame, &g_frameCreateContext);
    if (!view) {
        delete frame;
        return nullptr;
    }
    frame->setCentralWidget(view);
    frame->SetActiveView(view);
    if (auto* v = dynamic_cast<CView*>(view)) v->OnInitialUpdate();
    return frame;
}

int ShowFrame(CFrameWnd* frame, const Rect& rect, CFrameWnd** outFrame) {
    if (outFrame) *outFrame = frame;
    if (!frame) return 0;
    frame->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    frame->show();
    if (g_updateAllViewsOfMainDoc) g_updateAllViewsOfMainDoc();
    return 1;
}

} // namespace

int OpenChildWindow(int, const std::string& className, CFrameWnd** outFrame) {
    const Rect rect = g_rcCascade[static_cast<size_t>(g_nCascadeSlot)];
    g_nCascadeSlot = (g_nCascadeSlot + 1) % static_cast<int>(g_rcCascade.size());
    return ShowFrame(LoadFrame(className), rect, outFrame);
}

int OpenChildWindowInRect(int, const std::string& className, const Rect& rect, CFrameWnd** outFrame) {
    return ShowFrame(LoadFrame(className), rect, outFrame);
}

bool OpenAspectTableWindow(QWidget* parent) {
    constexpr int kAspectTableResource = 164;
    const Rect rect{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom};
    const int opened = rect.Width() > 0 && rect.Height() > 0
                           ? OpenChildWindowInRect(kAspectTableResource, "CAspectTableView", rect)
                           : OpenChildWindow(kAspectTableResource, "CAspectTableView");
    if (!opened) MessageBox(parent, "Unable to create window.", "Oops");
    return opened != 0;
}
