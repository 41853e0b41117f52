#include "platform/view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/message_box.h"
#include "platform/painter_surface.h"

namespace {

// Printing a pane without print routines of its own: its drawing on one page, as on screen.
class CDrawingPrint : public CPrintClient {
public:
    explicit CDrawingPrint(CView& view) : m_view(view) {}
    void OnPrint(DrawSurface& surface, CPrintInfo&) override { m_view.OnDraw(surface); }

private:
    CView& m_view;
};

// A menu asked for from the keyboard opens this far right of and below the pane's top-left, pixels.
constexpr int kKeyboardMenuOffset = 5;
} // namespace

CView::CView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void CView::OnUpdate(CView*, long) {
    Invalidate();
}

void CView::OnContextMenu(QPoint) {}

CPrintClient& CView::PrintClient() {
    if (!m_drawingPrint) m_drawingPrint = std::make_unique<CDrawingPrint>(*this);
    return *m_drawingPrint;
}

void CView::OnFilePrint() {
    ReportPrintOutcome(this, RunPrintDialog(this, PrintClient()));
}

void CView::OnFilePrintPreview() {
    if (RunPrintPreview(this, PrintClient()).status == PrintStatus::kFailed)
        MessageBox(this, "Command failed.", "Sorry", MessageIcon::kError);
}

void CView::Invalidate() {
    viewport()->update();
}

void CView::SetScrollSizes(Size total) {
    SetScrollSizes(total, Size{}, Size{});
}

void CView::SetScrollSizes(Size total, Size page, Size line) {
    m_total = total;
    m_page = page;
    m_line = line;
    UpdateScrollBars();
}

Point CView::GetScrollPosition() const {
    return Point{horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CView::ScrollToPosition(Point position) {
    horizontalScrollBar()->setValue(position.x);
    verticalScrollBar()->setValue(position.y);
}

Rect CView::GetClientRect() const {
    return Rect{0, 0, viewport()->width(), viewport()->height()};
}

int CView::TextLineHeight() const {
    return fontMetrics().lineSpacing();
}

void CView::UpdateScrollBars() {
    // Content that fits the pane without scroll bars needs none, though bars shown now take some room.
    const QSize whole = maximumViewportSize();
    const QSize visible = m_total.cx <= whole.width() && m_total.cy <= whole.height() ? whole : viewport()->size();
    const int line = std::max(1, TextLineHeight());
    const int pageHeight = std::max(line, visible.height() - FixedHeaderHeight());
    horizontalScrollBar()->setRange(0, std::max(0, m_total.cx - visible.width()));
    horizontalScrollBar()->setPageStep(m_page.cx > 0 ? m_page.cx : std::max(1, visible.width()));
    horizontalScrollBar()->setSingleStep(m_line.cx > 0 ? m_line.cx : line);
    verticalScrollBar()->setRange(0, std::max(0, m_total.cy - visible.height()));
    verticalScrollBar()->setPageStep(m_page.cy > 0 ? m_page.cy : pageHeight);
    verticalScrollBar()->setSingleStep(m_line.cy > 0 ? m_line.cy : line);
}

void CView::wheelEvent(QWheelEvent* event) {
    if (m_bShiftCtrlWheelIgnored && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        event->ignore();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Home:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event); // arrows by lines, Page Up and Down by pages
        return;
    }
    event->accept();
}

void CView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const Point scrolled = GetScrollPosition();
    painter.translate(-scrolled.x, -scrolled.y);
    PainterSurface surface(painter);
    OnDraw(surface);
}

void CView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CView::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? viewport()->mapToGlobal(QPoint(kKeyboardMenuOffset, kKeyboardMenuOffset))
                          : event->globalPos();
    OnContextMenu(at);
}
