#pragma once
// CPanchangaView: the "Panchanga" pane. It shows two consecutive days of the Hindu calendar from the
// current chart's date at the chart's place, as lines of text: the date, the weekday with the tithi
// and nakshatra, the yoga and karana, the kalas, Varjya and Durmuhurta, the rise and set times with the
// Moon's sign, then the 24 horas and 16 choghadiyas with their end times. Its context menu copies
// monthly tables to the clipboard and prints the pane.
//
// The days are computed when the document changes (never while painting) and kept with everything they
// depend on: the document's count of calculations, the date, the place and the zone, the day count and
// the options the days read. Pixels of the pane; lengths scale with the zoom factor and are truncated.
#include <string>
#include <vector>

#include "display/view_print.h"
#include "document/panchanga_day.h"
#include "platform/painter_surface.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class CChart;
class QMenu;

// What a run of panchanga days was computed from; a run is reused while it stays the same.
struct PanchangaRunKey {
    long calculations = -1; // the document's count of calculations
    int year = 0, month = 0, day = 0;
    double longitude = 0.0, latitude = 0.0, altitude = 0.0; // degrees (positive west), metres
    double zone = 0.0;                                      // hours, positive west
    int days = 0;
    bool fromFirstOfMonth = false;
    int weekdayDefinition = 0, sunriseDefinition = 0;
    bool kalaDayNightSeparate = false, gulikaInSaturnPortion = false;

    bool operator==(const PanchangaRunKey&) const = default;
};

// A run of days kept with its key.
struct PanchangaRun {
    PanchangaRunKey key;
    std::vector<CPanchangaDay> days;
    std::string error; // the failure of the last computation, shown instead of the days
};

class CPanchangaView : public CView {
public:
    static constexpr int kScreenDays = 15; // the most days the page draws
    static constexpr int kMonthDays = 31;

    explicit CPanchangaView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // Recomputes the two days shown when what they depend on changed, then redraws.
    void OnUpdate(CView* sender, long hint) override;
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    CPrintClient& PrintClient() override { return m_print; }

    // The scroll extent (the page's text with its margin, as last measured) and the drawing rectangle.
    void CalcLayout();
    // Days from the current chart's date (`count` cut to 15); the month's days from its 1st (cut to 31).
    // Each computes only when its key changed, with the waiting notice while it does.
    const PanchangaRun& ComputeDays(int count);
    const PanchangaRun& ComputeMonth(int count);
    // Draws the first `count` screen days (cut to 15) from (x, y).
    void DrawDays(DrawSurface& surface, int x, int y, int count);

    // The pop-up's commands, in order, and what they do.
    void FillContextMenu(QMenu& menu);
    void OnCopyMonthlyPanchanga();
    void OnCopyMonthlyPanchangaDP();
    void OnCopyMonthlyEphemerisJD();
    void OnCopyPlanetaryMovementsJD();
    void OnPrintWindow();

    const Rect& DrawingRect() const { return m_drawingRect; }
    bool IsWaiting() const { return m_bWaiting; }

private:
    const CChart* CurrentChart() const;
    PanchangaRunKey KeyFor(const CChart& chart, int count, bool fromFirstOfMonth) const;
    const PanchangaRun& Compute(PanchangaRun& run, int count, bool fromFirstOfMonth);
    // The days shown (or the failure that stands for them), from the margin.
    void DrawContent(DrawSurface& surface);
    // The scroll extent from what DrawContent draws: the pane scrolls as far as its text reaches.
    void MeasurePage();
    // The "W  A  I  T  !" notice drawn at once over the page, and taken away.
    void ShowWaitNotice(bool shown);
    void DrawWaitNotice(DrawSurface& surface);
    // Puts a text on the clipboard and says so; reports a failed computation instead.
    void CopyResult(const CalcStatus& status, const std::string& text);

    Size m_page; // the scroll extent
    Rect m_drawingRect;
    ImageSurface m_measure{Size{1, 1}}; // measures the text as the screen draws it
    PanchangaRun m_screen;
    PanchangaRun m_month;
    bool m_bWaiting = false;
    CPaneUpdateLink m_updateLink{*this};
    CViewPrint m_print{*this, CViewPrint::Form::kContent};
};
