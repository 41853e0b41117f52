#include "views/periods/transit_calendar_view.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "document/tavro_doc.h"
#include "platform/draw_state.h"
#include "platform/message_box.h"
#include "shell/extra_frames.h"
#include "views/info/work_progress.h"
#include "views/periods/transit_calendar_drawing.h"
#include "views/periods/transit_colors.h"

CTransitCalenView::CTransitCalenView(QWidget* parent) : CView(parent) {
    IgnoreShiftCtrlWheel(); // Shift or Ctrl with the wheel does not scroll
}

void CTransitCalenView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    CView::OnInitialUpdate();
}

void CTransitCalenView::OnUpdate(CView* sender, long hint) {
    TitleOwnWindow(*this, "Transit Calendar");
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

bool CTransitCalenView::NeedsComputing() const {
    return !m_bComputing && TavroDocOf(*this) && (!IsCurrent() || m_calendar.cancelled);
}

bool CTransitCalenView::RefreshCalendar() {
    if (!NeedsComputing()) {
        m_bRefreshAsked = false;
        return false;
    }
    QPointer<CTransitCalenView> alive(this);
    bool computed = false;
    {
        // The progress window is application-modal: the natal chart cannot change while its rows are made.
        CWorkProgress progress(this, "Transit Calendar", "Calculating the transit calendar...",
                               CurrentKey().request.count);
        computed = RefreshCalendarWith([&progress](int done, int) { return progress.Step(done); });
    }
    // Told once the progress window has gone.
    if (computed && alive && !m_calendar.status.ok())
        MessageBox(this, m_calendar.status.error, "Error", MessageIcon::kWarning);
    return computed;
}

bool CTransitCalenView::RefreshCalendarWith(const CalendarProgress& progress) {
    m_bRefreshAsked = false;
    if (!NeedsComputing()) return false;
    const CTavroDoc* document = TavroDocOf(*this);
    m_bComputing = true;
    const Key key = CurrentKey();
    QPointer<CTransitCalenView> alive(this);
    TransitCalendar calendar = ComputeTransitCalendar(document->m_natalChart, key.request, progress);
    if (!alive) return false;
    // The rows of a cancelled or failed computation are kept, marked as partial. A cancelled one is
    // made again at the next update of the views (the calendar opened again), a failed one only once
    // its input changes.
    m_calendar = std::move(calendar);
    m_key = key;
    m_bComputed = true;
    m_bComputing = false;
    Layout();
    Invalidate();
    return true;
}

void CTransitCalenView::Layout() {
    const int rows = static_cast<int>(m_calendar.rows.size()) + (m_calendar.Partial() ? 1 : 0);
    const Size extent = m_mode == kLegend ? CalendarLegendExtent(m_measure.Surface(), FontSizeFactor())
                                          : CalendarExtent(g_bTranCalenShowItem, rows, FontSizeFactor());
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
    DrawCalendarRows(surface, m_calendar, m_key.request, g_bTranCalenShowItem);
    // The title and heads stay at the top of the pane while the rows scroll under them.
    const int headTop = g_bPrinting ? 0 : GetScrollPosition().y;
    if (headTop > 0)
        surface.FillRect(Rect{0, headTop, std::max(extent.cx, width()), headTop + kCalendarTop},
                         g_colors[kColorTransitFrame]);
    DrawCalendarHeads(surface, m_key.request, g_bTranCalenShowItem, headTop);
}

int CTransitCalenView::FixedHeaderHeight() const {
    return m_mode == kCalendar ? kCalendarTop : 0;
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
