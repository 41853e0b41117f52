#pragma once
// CDasaView: the dasa page. It draws the period tree of the selected dasa system for the current chart
// — title, the chain of opened periods, the periods of the shown level with their start and end — and
// lets the user descend by clicking a period, climb back by clicking the title or an opened period,
// move the whole dasa by cycles with "<", "|" and ">", read the dasa's description and open its
// options. One class serves the three pages of the Dasas tab; the page kind is g_nCurrentDasaViewType.
// Coordinates are pixels of the page; row cells and hit rectangles scale with the zoom factor.
// The page is laid out (its level listed, its rows measured, its scroll extent and header set) when it
// opens, when its document or the options change and when the user moves in the tree; painting only
// draws what the layout holds.
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/angle_time.h"
#include "core/calc_status.h"
#include "display/view_print.h"
#include "platform/view.h"
#include "views/info/pane_support.h"
#include "views/periods/text_extents.h"

class CDasaTree;
struct CDasaPeriod;

inline constexpr int kDasaPageKinds = 3;     // nakshatra, rasi and other dasas
inline constexpr int kDasaPageStateSize = 7; // the selected period at six levels, then the shown level

// The view stores itself here when constructed (the document's reports reach it); null once destroyed.
class CDasaView;
extern CDasaView* g_pDasaView;
// The document of the last page given its initial update.
extern CTavroDoc* g_pMainDoc;
// The deepest level a click may open: 5, or 2 for Rasi-Bhukta Vimsottari; set on every click and move.
extern int g_nDasaDeepestLevel;
// Per page kind, the tree's selection state as last drawn, so each page reopens where it was.
extern std::array<std::array<int, kDasaPageStateSize>, kDasaPageKinds> g_dasaPageState;

class CDasaView : public CView {
public:
    explicit CDasaView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint) override;
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    // The report, or this page alone after "Print this window".
    CPrintClient& PrintClient() override { return m_print; }
    // For the printed report: dasa `code` from its top level, drawn from the surface's origin. The dasa
    // shown, its level and the Narayana dasa chart are put back afterwards.
    void PrintDasa(DrawSurface& surface, int code);

    // The document whose dasa is shown: the view's own.
    CTavroDoc* GetDasaDocument() const;

    // --- Navigation, in page pixels (scroll position included) -------------------------------------
    // A left click: back to a level, or the period's sub-periods. False when nothing changed.
    bool OnLButtonUp(Point page);
    // Hover: the level or period rectangle under the point is outlined.
    void OnMouseMove(Point page);
    // "<", "|", ">": the dasa one cycle earlier, back to the birth cycle, one cycle later.
    void OnPreviousCycle();
    void OnBirthCycle();
    void OnNextCycle();
    // "Quick Info": the dasa's description in a message box.
    void OnQuickInfo();
    // "Options": the current dasa's options dialog, when it has one.
    void OnDasaOptions();

    const std::array<Rect, 6>& LevelRects() const { return m_levelRects; }
    const std::array<Rect, 36>& PeriodRects() const { return m_periodRects; }
    const Rect& HoverRect() const { return m_hoverRect; }
    bool HasOptions() const { return m_bHasOptions; }
    QPushButton* Button(int command) const { return m_buttons[command - 1]; }

    // --- Commands of the context menu (dasa_view_menu.cpp) ----------------------------------------
    // Shows dasa `code` from its top level, recomputed; every view updated.
    void SelectDasa(int code);
    // A year-definition item: for kind 2 the user's year length first, then the dasa year preference
    // with its scope; on OK the kind (and length) of the current dasa or of every dasa, recomputed.
    void OnYearDefinition(int kind);
    // The year of kind 0-7 (length `userDays` for kind 2) for the current dasa, or every code 0-74.
    void SetYearKind(int kind, double userDays, bool allCodes);
    // "Dasa seed settings for Tajaka": the two seed switches of the current dasa or of every dasa.
    void OnTajakaSeedSettings();
    // "Locate an event": the periods running at the entered moment, down to the entered level, marked.
    void OnLocateEvent();
    // Lists the periods running at `when` (local time of the birth place's zone in `when`) down to level
    // 0-5 and marks the running row on the next drawing.
    void LocateEvent(const CLocalDateTime& when, int level);
    // "Shift dasa dates": the current dasa's dates moved by the entered amount, or not at all.
    void OnShiftDasaDates();
    // "Entry chart of this period": the current chart cast for the picked period's start.
    void OnEntryChart();
    // "Dasa-Transit Correlation": the picked period's span and sign handed to the correlation window.
    void OnDasaTransitCorrelation();
    // "Vimsottari seed strength comparison help": its window.
    void OnSeedStrengthHelp();
    void ToggleTribhagi();
    void ToggleSeshamInMundane();
    // The page as text: with the times of day, or the dates only.
    std::string PageText(bool withTimes) const;
    // The picked period's lords' longitudes summed (Rahu and Ketu as 360 minus theirs); false when the
    // dasa's lords are not planets. Degrees.
    bool SumOfLongitudes(double& sum) const;
    // Hit test of the menu's point (page pixels): the picked period, its label and flags.
    void PickPeriod(Point page);
    bool HasPickedPeriod() const { return m_bPicked; }
    bool PickedIsRow() const { return m_bPickedRow; }
    const std::string& PickedLabel() const { return m_strPickedLabel; }
    const CLocalDateTime& PickedStart() const { return m_pickedStart; }
    const CLocalDateTime& PickedEnd() const { return m_pickedEnd; }

protected:
    // A page that takes no part in the reports and leaves the main pages' shared state alone: the
    // period-entry page.
    CDasaView(QWidget* parent, bool mainPage);
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The button row with the status lines beside it stays at the top while the rows scroll under it.
    int FixedHeaderHeight() const override;
    // Before laying out: the periods of the shown level listed, unless they are.
    virtual void PrepareTreeForLayout(CDasaTree& tree);
    // A click opened another level or period.
    virtual void OnTreeNavigated() {}
    bool IsMainPage() const { return m_bMainPage; }

private:
    // One text of the page where it goes; a text of a row carries the row's index and frame.
    struct PagePiece {
        enum Part { kTitle, kOpenedPeriod, kHeading, kMarker, kPeriod, kHelp };
        Part part;
        int index;     // of the opened level or of the period
        Rect rowFrame; // the row's frame before it is widened to the row's texts
        std::string text;
        Rect rect;
        int color; // a page colour's setting number
        std::uint32_t format;
    };
    using PageVisitor = std::function<void(const PagePiece&)>;

    CDasaTree* Tree() const;
    // The period the right button picked: its moments, lord and name.
    void Pick(const CDasaPeriod& period);
    // Recomputes the dasa and updates every view.
    void Recompute();
    // Lists the shown level, shows the buttons that apply, measures the title and every row in the page
    // font for the hit rectangles, and sets the header height and the scroll extent.
    void LayOutPage();
    // The top of the title: lower by a status line when both the seed and the shift line are shown.
    int RowsTop() const;
    // The bottom of the year, seed and shift lines, pixels from the top of the pane.
    int StatusLinesBottom() const;
    // Draws the year, zone, seed and shift lines from (x, top).
    void DrawStatusLines(DrawSurface& surface, int x, int top);
    // Every text of the page below the status lines where it goes, in order, to `visit`: the title, the
    // opened periods, the level heading and the periods of the shown level, and on screen the located
    // period's marker and the help lines. Rows are `shift` pixels lower than their scaled places.
    void WalkPage(const CDasaTree& tree, bool onScreen, int shift, const PageVisitor& visit) const;
    // One period's row from (x, top), unscaled units: its six texts, each with the row's `part` and
    // `index` and its frame, which reaches `frameWidth` units from x before it is widened to its texts.
    void WalkPeriodRow(PagePiece::Part part, int index, int x, int top, int shift, const CDasaPeriod& period,
                       int nameColor, int frameWidth, const PageVisitor& visit) const;
    void ShowButtons();
    // The background: the visible part of the pane or the extent, whichever reaches further.
    Rect WindowRect() const;
    Point ContentPoint(QPoint viewportPoint) const;

    std::array<QPushButton*, 5> m_buttons{};
    CTextExtents m_extents;    // of the page's texts in the page font
    Size m_extent{800, 800};   // the scroll extent: as far as the page reaches
    int m_headerHeight = 0;    // of the button row and the status lines beside it
    int m_rowsShift = 0;       // pixels the rows stand lower than their scaled places, clear of the buttons
    int m_markedRow = -1;      // the located period's row, marked until the page is laid out again
    bool m_bLayoutDue = false; // the page changed while out of sight
    std::array<Rect, 6> m_levelRects{};
    std::array<Rect, 36> m_periodRects{};
    Rect m_hoverRect;
    bool m_bHasOptions = false;
    // The period last picked with the right button.
    bool m_bPicked = false;
    bool m_bPickedRow = false;
    CLocalDateTime m_pickedStart;
    CLocalDateTime m_pickedEnd;
    std::string m_strPickedLabel;
    int m_nPickedLord = 0;
    bool m_bPickedIsPlanet = false; // the picked period's label kind: its lord is a body, not a sign
    std::string m_strPickedName;    // the picked period's own name
    double m_dPickedSpanDays = 0.0; // from its start to its end
    bool m_bMainPage = true;
    CPaneUpdateLink m_updateLink{*this};
    CViewPrint m_print{*this, CViewPrint::Form::kContent};
    std::optional<CPrintedPiece> m_report;
    std::optional<CReportPointer<CDasaView>> m_reportPointer;
};

// The period-entry page: Patyayini dasa compressed into the period whose entry chart its document
// holds (the document's m_dEntrySpanDays), computed when the page opens or its document changes and
// only drawn when painted. It has no menu, no cycle or options buttons, and leaves the user's choice of
// dasa and every main page as they were.
class CEntryDasaView : public CDasaView {
public:
    explicit CEntryDasaView(QWidget* parent = nullptr);
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint) override {}

protected:
    void PrepareTreeForLayout(CDasaTree&) override {}
    void OnTreeNavigated() override;

private:
    // The compressed dasa into the document's tree, its shown level listed.
    void ComputeEntryDasa();
};

// Patyayini dasa of `document`'s current chart compressed into its m_dEntrySpanDays, with the year of
// kind 0, into its tree, the shown level listed from the birth cycle. Every dasa setting it borrows
// (the selected dasa, compression, the year kind, the family choice, the cycle offsets, the seed name)
// holds its previous value afterwards.
CalcStatus ComputeEntryDasa(CTavroDoc& document);

// Whether dasa `code` has an options dialog.
bool DasaHasOptions(int code);
// The year line of the page for the tree's year kind (empty for kind 5).
std::string DasaYearText(const CDasaTree& tree, int mode, const std::string& chartTitle);
// "Shift: 1 days 12 hrs (back)": a shift of `days` (negative: back).
std::string DasaShiftText(double days);
// "Quick Info on " and the dasa's name cut after its first "Dasa" (or "dasa").
std::string QuickInfoCaption(const std::string& dasaName);
