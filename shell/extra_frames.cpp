#include "shell/extra_frames.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "platform/document_base.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "shell/display_options.h"
#include "shell/app_icon.h"
#include "shell/frame_geometry.h"

std::function<void()> g_updateAllViewsOfMainDoc;

namespace {

// A frame that keeps its views' document alive; its view goes before the document does.
class CDocumentFrame : public CFrameWnd {
public:
    explicit CDocumentFrame(std::shared_ptr<CDocument> document) : m_document(std::move(document)) {}
    ~CDocumentFrame() override { delete takeCentralWidget(); }

private:
    std::shared_ptr<CDocument> m_document;
};

CFrameWnd* LoadFrame(CFrameWnd* frame, const std::string& className, const CCreateContext& context) {
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle("Kalomithra Hora");
    frame->setWindowIcon(ApplicationIcon());
    QWidget* view = CreatePaneOfClass(className, frame, &context);
    if (!view) {
        delete frame;
        return nullptr;
    }
    frame->setCentralWidget(view);
    frame->SetActiveView(view);
    if (auto* v = dynamic_cast<CView*>(view)) v->OnInitialUpdate();
    return frame;
}

Rect ToRect(const QRect& r) {
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The frame placed with its client area at `rect`, title bar and borders kept on the screen.
void PlaceInsideScreen(CFrameWnd* frame, const Rect& rect) {
    frame->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    const QScreen* screen = QGuiApplication::screenAt(QPoint(rect.left, rect.top));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const Rect client = ToRect(frame->geometry());
    Rect decoration;
    const QRect outer = frame->frameGeometry();
    if (outer != frame->geometry()) {
        decoration = Rect{client.left - outer.left(), client.top - outer.top(),
                          outer.left() + outer.width() - client.right, outer.top() + outer.height() - client.bottom};
    } else {
        // Before the window manager has framed the window: its title bar at least.
        decoration.top = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    }
    const Rect placed = FrameRectInside(client, decoration, ToRect(screen->availableGeometry()));
    frame->setGeometry(placed.left + decoration.left, placed.top + decoration.top,
                       placed.Width() - decoration.left - decoration.right,
                       placed.Height() - decoration.top - decoration.bottom);
}

int ShowFrame(CFrameWnd* frame, const Rect& rect, CFrameWnd** outFrame) {
    if (outFrame) *outFrame = frame;
    if (!frame) return 0;
    PlaceInsideScreen(frame, rect);
    frame->show();
    if (g_updateAllViewsOfMainDoc) g_updateAllViewsOfMainDoc();
    return 1;
}

// A frame for a view of `document`: one that keeps it alive when it is shared.
CFrameWnd* NewFrameFor(CDocument* document) {
    std::shared_ptr<CDocument> shared = document ? document->weak_from_this().lock() : nullptr;
    if (shared) return new CDocumentFrame(std::move(shared));
    return new CFrameWnd;
}

Rect NextCascadeRect() {
    const Rect rect = g_rcCascade[static_cast<size_t>(g_nCascadeSlot)];
    g_nCascadeSlot = (g_nCascadeSlot + 1) % static_cast<int>(g_rcCascade.size());
    return rect;
}

} // namespace

int OpenChildWindow(int resourceId, const std::string& className, CDocument* document, CFrameWnd** outFrame) {
    return OpenChildWindowInRect(resourceId, className, NextCascadeRect(), document, outFrame);
}

int OpenChildWindowInRect(int, const std::string& className, const Rect& rect, CDocument* document,
                          CFrameWnd** outFrame) {
    const CCreateContext context{document};
    return ShowFrame(LoadFrame(NewFrameFor(document), className, context), rect, outFrame);
}

bool OpenAspectTableWindow(QWidget* parent, CDocument* document) {
    constexpr int kAspectTableResource = 164;
    const Rect rect{g_nAspTblPosLeft, g_nAspTblPosTop, g_nAspTblPosRight, g_nAspTblPosBottom};
    const int opened = rect.Width() > 0 && rect.Height() > 0
                           ? OpenChildWindowInRect(kAspectTableResource, "CAspectTableView", rect, document)
                           : OpenChildWindow(kAspectTableResource, "CAspectTableView", document);
    if (!opened) MessageBox(parent, "Unable to create window.", "Oops");
    return opened != 0;
}
