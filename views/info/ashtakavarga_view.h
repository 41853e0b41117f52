#pragma once
// CAshtakaVargaView: the ashtakavarga page of one chart in one divisional chart: the eight BAVs and the
// SAV (or their sodhita forms) as nine small charts in the user's chart style, the PAV of one planet,
// the pinda table, or the nakshatras and rasis from the sodhya pindas. Every view reads the chart from
// its own document: the natal chart in transit mode, else the current chart, until the natal/derived
// command chooses (the next calculation of the document returns to that rule). The display choices are
// process-wide (g_ashtakavargaChoice), shared by the page and the small panes. CAVSmalView is the same
// page on a smaller grid; CEntryAshtakaVargaView shows the period-entry chart and keeps its choices to
// itself, so the main window's panes stay as they are. Units are the page's pixels before zoom.
#include <QMenu>
#include <array>
#include <optional>
#include <string>

#include "display/view_handoffs.h"
#include "display/view_print.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class CChart;
class CAshtakaVargaView;

// The last page constructed (not the entry page), for the document's reports; null once destroyed.
extern CAshtakaVargaView* g_pAshtakaVargaView;
// The text forms the document's text refresh reads, rebuilt from its current chart.
extern std::string g_strAVTableText;
extern std::string g_strAVPindaText;

class CAshtakaVargaView : public CView {
public:
    explicit CAshtakaVargaView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // The document changed: redrawn unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    CPrintClient& PrintClient() override { return m_print; }

    // Scroll sizes and the ten layout rectangles for the window (zoomed, in the print form while printing).
    virtual void LayOut();
    const std::array<Rect, 9>& Cells() const { return m_cells; }
    const Rect& PavRect() const { return m_pavRect; }

    // The display choices this view draws with.
    virtual AshtakavargaChoice& Choice() const;
    // The chart whose ashtakavarga is shown; null while the document has none.
    CChart* ShownChart() const;

    // --- Commands of the context menu ------------------------------------------------------------
    // The menu with its check marks and greyed items.
    void BuildContextMenu(QMenu& menu);
    // "Show AV of this divisional chart": varga chooser; the highlight varga follows.
    void OnShowDivisionalChart();
    void ShowVarga(int varga);
    // "Use natal chart or derived chart": the natal chart, or the document's current chart.
    void OnNatalOrDerived();
    void UseChart(bool derived);
    void OnToggleHighlight();
    // "Highlight rasis occupied in this divisional chart": varga chooser for the highlight only.
    void OnHighlightVarga();
    // "Recompute taking another sign as lagna": the sign chooser, then RecomputeWithLagna.
    void OnRecomputeWithLagna();
    // The shown chart's ashtakavarga recomputed with `sign` (0-11) in place of the lagna of the varga.
    void RecomputeWithLagna(int sign);
    // "Go back to the actual lagna".
    void OnBackToActualLagna();
    // Form 0 with the bhinna or sodhita tables; form 1 with the PAV of `planet` (0 Lagna .. 7 Saturn);
    // forms 2 and 3.
    void ShowBhinna(bool sodhita);
    void ShowPav(int planet);
    void ShowForm(int form);

    // --- Reports ---------------------------------------------------------------------------------
    // Form 0 (the BAV and SAV charts) or 1 (the pinda table) of D-1 without highlights, for the printed
    // report; the display choices are put back afterwards.
    void PrintInto(DrawSurface& surface, int form);
    // g_strAVTableText and g_strAVPindaText from the document's current chart; the copies of the
    // calculations take the two, table first.
    void GetAVText();

protected:
    // The entry page: no report registration.
    CAshtakaVargaView(QWidget* parent, bool forReports);
    // The 3 x 3 grid: cell k at (pitch col + 10, pitch row + top), `size` square; the PAV rectangle.
    void LayOutGrid(int pitch, int size, int screenTop, int printTop, const Rect& pav);

    std::array<Rect, 9> m_cells{};
    Rect m_pavRect;
    Rect m_windowRect;

private:
    // The command's change drawn at once.
    void Redraw();

    CPaneUpdateLink m_updateLink{*this};
    CViewPrint m_print{*this, CViewPrint::Form::kReport};
    std::optional<CReportPointer<CAshtakaVargaView>> m_reportPointer;
    std::optional<CPrintedPiece> m_report;
};

// The same page on a 110-unit grid, for the panes beside the forms and key data.
class CAVSmalView : public CAshtakaVargaView {
public:
    using CAshtakaVargaView::CAshtakaVargaView;
    void LayOut() override;
};

// The ashtakavarga of the period-entry chart: its own document's chart, with choices of its own taken
// from what the entry chart handed over (g_entryAshtakavargaChoice) when it opens.
class CEntryAshtakaVargaView : public CAshtakaVargaView {
public:
    explicit CEntryAshtakaVargaView(QWidget* parent = nullptr);
    void OnInitialUpdate() override;
    AshtakavargaChoice& Choice() const override { return m_choice; }

private:
    mutable AshtakavargaChoice m_choice;
};
