#pragma once
// CTransitCalenView: the transit calendar pane, opened in a window of its own by the transit-calendar
// form, and its legend of the symbols (context menu). The rows are computed when their input changes
// (the form's settings, g_transitMoment, the murthi varga, the natal chart), never while painting: a
// long computation shows a progress window with a Cancel button; a cancelled or failed one shows the
// rows it made, marked as partial, and a cancelled one is computed again at the next update of the
// views (opening the calendar again updates them). Painting only draws the rows kept, under the title
// and heads, which stay at the top while the rows scroll.
//
// For the form pane: store the settings (document/transit_calendar.h: g_dTranCalenStepDays,
// g_nTranCalenStepCount, the chooser entries g_nTranCalenNatalVarga and g_nTranCalenTransitVarga,
// g_bTranCalenShowItem) and g_transitMoment, then open a frame of the registered class
// "CTransitCalenView" (OpenChildWindow). Every update of the document's views reaches open calendars,
// which then compute again if their input changed.
#include "display/view_print.h"
#include "document/transit_calendar.h"
#include "platform/painter_surface.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class QMenu;
class CTavroDoc;

class CTransitCalenView : public CView {
public:
    enum DisplayMode { kCalendar = 0, kLegend = 1 };

    explicit CTransitCalenView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // Computes again when the input changed (unless a print job is drawing), then redraws.
    void OnUpdate(CView* sender, long hint) override;
    // Draws the rows kept; while they are out of date, the wait notice, and asks for the computation
    // after the paint.
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    // "Show Transit Calendar" and "Show Legend (explanation of symbols)", the one shown checked.
    void FillContextMenu(QMenu& menu);
    CPrintClient& PrintClient() override { return m_print; }

    void SetDisplayMode(DisplayMode mode);
    DisplayMode Mode() const { return m_mode; }

    // Computes the rows now, with a progress window, when their input differs from the last
    // computation's or that one was cancelled, and tells a failure; true when it computed.
    bool RefreshCalendar();
    // The same with `progress` told after each row (false from it cancels); a failure stays in the
    // calendar's status, untold.
    bool RefreshCalendarWith(const CalendarProgress& progress);
    // The rows kept and the request they were computed for.
    const TransitCalendar& Calendar() const { return m_calendar; }
    const TransitCalendarRequest& ComputedRequest() const { return m_key.request; }

protected:
    // The title and the heads stay over the rows.
    int FixedHeaderHeight() const override;

private:
    // What the rows were computed from.
    struct Key {
        const CTavroDoc* document = nullptr;
        std::uint64_t natalChanges = 0; // CTavroDoc::NatalChangeCount
        TransitCalendarRequest request;
        bool operator==(const Key& other) const {
            return document == other.document && natalChanges == other.natalChanges &&
                   request == other.request;
        }
    };
    Key CurrentKey() const;
    // The rows kept were computed from the current input (cancelled or not).
    bool IsCurrent() const;
    bool NeedsComputing() const;
    void Layout();

    CPaneUpdateLink m_updateLink{*this};
    CViewPrint m_print{*this, CViewPrint::Form::kContent};
    DisplayMode m_mode = kCalendar;
    TransitCalendar m_calendar;
    Key m_key;
    bool m_bComputed = false; // m_key holds the input of the rows kept
    bool m_bComputing = false;
    bool m_bRefreshAsked = false;       // a computation waits for the event loop
    ImageSurface m_measure{Size{1, 1}}; // measures the legend's lines as the screen draws them
};
