#include "views/periods/transit_calendar_view.h"

#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWheelEvent>

#include "document/tavro_doc.h"
#include "platform/draw_state.h"
#include "platform/message_box.h"
#include "views/periods/transit_calendar_drawing.h"
#include "views/periods/transit_colors.h"

namespace {
constexpr int kProgressDelayMs = 400; // a computation quicker than this shows no progress window
} // namespace

CTransitCalenView::CTransitCalenView(QWidget* parent) : CView(parent) {}

void CTransitCalenView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    CView::OnInitialUpdate();
}

void CTransitCalenView::OnUpdate(CView* sender, long hint) {
    if (UpdateHeldForPrinting()) return;
    RefreshCalendar();
    CView::OnUpdate(sender, hint);
}

CTransitCalenView::Key CTransitCalenView::CurrentKey() const {
    Key key;
    key.document = TavroDocOf(*this);
    if (key.document) key.natalChanges = key.document->NatalChangeCount();
    key.request = CalendarRequestFromSettings();
    return key;
}

bool CTransitCalenView::IsCurrent() const {
    return m_bComputed && m_key == CurrentKey();
}

bool CTransitCalenView::RefreshCalendar() {
    m_bRefreshAsked = false;
    const CTavroDoc* document = TavroDocOf(*this);
    if (m_bComputing || !document || IsCurrent()) return false;
    m_bComputing = true;
    const Key key = CurrentKey();
    // Application-modal: the natal chart cannot change while its rows are made, yet the windows repaint
    // and Cancel works.
    QPointer<QProgressDialog> progress = new QProgressDialog("Calculating the transit calendar...", "Cancel",
                                                             0, std::max(1, key.request.count), this);
    progress->setWindowTitle("Transit Calendar");
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setMinimumDuration(kProgressDelayMs);
    progress->setAutoReset(false);
    QPointer<CTransitCalenView> alive(this);
    TransitCalendar calendar =
        ComputeTransitCalendar(document->m_natalChart, key.request, [&progress](int done, int) {
            if (!progress) return false;
            progress->setValue(done);
            return !progress->wasCanceled();
        });
    if (!alive) return false;
    delete progress;
    // Rows of a cancelled or failed computation are kept for what they are; the same input is not
    // computed again until it changes.
    m_calendar = std::move(calendar);
    m_key = key;
    m_bComputed = true;
    m_bComputing = false;
    Layout();
    Invalidate();
    if (!m_calendar.status.ok()) MessageBox(this, m_calendar.status.error, "Error", MessageIcon::kWarning);
    return true;
}

void CTransitCalenView::Layout() {
    const Size extent = CalendarExtent(m_mode == kLegend, g_bTranCalenShowItem,
                                       static_cast<int>(m_calendar.rows.size()), FontSizeFactor());
    if (!(GetTotalSize() == extent)) SetScrollSizes(extent);
}

void CTransitCalenView::OnDraw(DrawSurface& surface) {
    Layout(); // the shown items may have changed since the rows were made
    const Size extent = GetTotalSize();
    if (!g_bPrinting)
        surface.FillRect(Rect{0, 0, std::max(extent.cx, width()), std::max(extent.cy, height())},
                         g_colors[kColorTransitFrame]);
    surface.SetTextBackground(g_colors[kColorTransitFrame], false);
    if (m_mode == kLegend) {
        DrawCalendarLegend(surface);
        return;
    }
    if (!IsCurrent()) {
        DrawCalendarWait(surface);
        // Painting only draws: the computation runs once this paint is over.
        if (!m_bComputing && !m_bRefreshAsked && !g_bPrinting) {
            m_bRefreshAsked = true;
            QTimer::singleShot(0, this, [this] { RefreshCalendar(); });
        }
        return;
    }
    DrawTransitCalendar(surface, m_calendar, m_key.request, g_bTranCalenShowItem);
}

void CTransitCalenView::SetDisplayMode(DisplayMode mode) {
    m_mode = mode;
    Layout();
    Invalidate();
}

void CTransitCalenView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CTransitCalenView::FillContextMenu(QMenu& menu) {
    const auto add = [this, &menu](const char* text, DisplayMode mode) {
        QAction* action = menu.addAction(text);
        action->setCheckable(true);
        action->setChecked(m_mode == mode);
        connect(action, &QAction::triggered, this, [this, mode] { SetDisplayMode(mode); });
    };
    add("Show Transit Calendar", kCalendar);
    add("Show Legend (explanation of symbols)", kLegend);
}

void CTransitCalenView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    CView::wheelEvent(event);
}
