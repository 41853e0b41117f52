#include "shell/extra_frames.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "platform/document_base.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "platform/view.h"
#include "shell/app_icon.h"
#include "shell/display_options.h"
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

const QScreen* ScreenAt(const Rect& rect) {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(rect.left, rect.top));
    return screen ? screen : QGuiApplication::primaryScreen();
}

// How far the frame's title bar and borders reach beyond its client area, pixels on each side; before
// the window manager has framed the window, its title bar at least.
Rect DecorationOf(const CFrameWnd& frame) {
    const Rect client = ToRect(frame.geometry());
    const QRect outer = frame.frameGeometry();
    if (outer == frame.geometry())
        return Rect{0, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0};
    return Rect{client.left - outer.left(), client.top - outer.top(),
                outer.left() + outer.width() - client.right, outer.top() + outer.height() - client.bottom};
}

// The frame placed with its client area at `rect`, title bar and borders kept on the screen.
void PlaceInsideScreen(CFrameWnd* frame, const Rect& rect) {
    frame->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    const QScreen* screen = ScreenAt(rect);
    if (!screen) return;
    const Rect decoration = DecorationOf(*frame);
    const Rect placed =
        FrameRectInside(ToRect(frame->geometry()), decoration, ToRect(screen->availableGeometry()));
    frame->setGeometry(placed.left + decoration.left, placed.top + decoration.top,
                       placed.Width() - decoration.left - decoration.right,
                       placed.Height() - decoration.top - decoration.bottom);
}

// The whole frame, title bar and borders, inside the cascade rectangle `outer` (moved onto the screen
// when it is not). The frame is placed by its outer corner, which the window manager keeps however
// high its title bar is, so the frame never reaches above the rectangle's top.
void PlaceInCascadeRect(CFrameWnd* frame, const Rect& outer) {
    Rect placed = outer;
    if (const QScreen* screen = ScreenAt(outer))
        placed = FrameRectInside(outer, Rect{}, ToRect(screen->availableGeometry()));
    const Rect decoration = DecorationOf(*frame);
    frame->resize(placed.Width() - decoration.left - decoration.right,
                  placed.Height() - decoration.top - decoration.bottom);
    frame->move(placed.left, placed.top);
}

// Shows the frame after `place` has put it where it goes.
int ShowFrame(CFrameWnd* frame, const std::function<void(CFrameWnd*)>& place, CFrameWnd** outFrame) {
    if (outFrame) *outFrame = frame;
    if (!frame) return 0;
    place(frame);
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

// What a window titled by TitleOwnWindow shows, kept on the window.
constexpr char kShownProperty[] = "shownInWindow";

void TitleWindowApart(CFrameWnd& window, const CDocument& document) {
    window.setWindowTitle(window.property(kShownProperty).toString() + " - " +
                          QString::fromStdString(document.GetTitle()));
}

Rect NextCascadeRect() {
    const Rect rect = g_rcCascade[static_cast<size_t>(g_nCascadeSlot)];
    g_nCascadeSlot = (g_nCascadeSlot + 1) % static_cast<int>(g_rcCascade.size());
    return rect;
}

} // namespace

int OpenChildWindow(int, const std::string& className, CDocument* document, CFrameWnd** outFrame) {
    const Rect rect = NextCascadeRect();
    const CCreateContext context{document};
    return ShowFrame(
        LoadFrame(NewFrameFor(document), className, context),
        [&rect](CFrameWnd* frame) { PlaceInCascadeRect(frame, rect); }, outFrame);
}

int OpenChildWindowInRect(int, const std::string& className, const Rect& rect, CDocument* document,
                          CFrameWnd** outFrame) {
    const CCreateContext context{document};
    return ShowFrame(
        LoadFrame(NewFrameFor(document), className, context),
        [&rect](CFrameWnd* frame) { PlaceInsideScreen(frame, rect); }, outFrame);
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

void TitleOwnWindow(CView& pane, const std::string& what) {
    const CDocument* document = pane.GetDocument();
    auto* window = dynamic_cast<CFrameWnd*>(pane.window());
    if (!document || !window || window->centralWidget() != &pane) return;
    window->setProperty(kShownProperty, QString::fromStdString(what));
    TitleWindowApart(*window, *document);
}

void RetitleWindowsApart(const CDocument& document) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = dynamic_cast<CFrameWnd*>(widget);
        const auto* pane = window ? dynamic_cast<CView*>(window->centralWidget()) : nullptr;
        if (pane && pane->GetDocument() == &document && window->property(kShownProperty).isValid())
            TitleWindowApart(*window, document);
    }
}
