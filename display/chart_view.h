#pragma once
// The chart view: 2, 6 or 12 chart panes side by side, each a square in which one varga of the
// document is drawn in the chosen chart style. What a pane shows is kept in the process-wide pane
// settings; the view keeps the hit-test geometry its renderers record, the highlights its commands set
// and the hit of the last right click. Coordinates are pixels of the scrolled content.
#include <array>
#include <optional>

#include "display/chart_draw_state.h"
#include "display/chart_pictures.h"
#include "display/view_print.h"
#include "platform/view.h"

class CChart;
class QMenu;

class CChartView : public CView {
public:
    explicit CChartView(QWidget* parent = nullptr);
    ~CChartView() override;

    void OnInitialUpdate() override;
    // Draws nothing on the screen while a print job runs.
    void OnDraw(DrawSurface& surface) override;
    // Held back while a print job runs.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    // Prints the report.
    CPrintClient& PrintClient() override;

    // Draws the document's current chart in `varga` into print slot `slot` (0-5) of a report page: two
    // columns by three rows of squares the size of pane 0, 11 units apart, scaled so that two columns
    // fill half the print area's width and three rows its height. The drawing scales are restored.
    void PrintChartInto(DrawSurface& surface, int varga, int slot);

    // Pane grid, chart scale, chart fonts and scroll sizes for a window of `window` pixels.
    virtual void RecalcLayout(Size window);
    // Draws one pane with the renderer of the pane's chart style; `screen` fills the background.
    void DrawChart(DrawSurface& surface, const Rect& rect, int varga, const CChart& chart, int pane,
                   bool screen);

    // The right click at `point` (content pixels): the pane, the sign and the body label under it.
    // False when the point lies in no pane; the hit is then left as it was.
    virtual bool HitTestForMenu(Point point);
    // Runs a context-menu command on the last hit; false for a command the view does not know or whose
    // precondition (a planet or sign under the click) is missing.
    virtual bool RunCommand(int command);
    // The chart pane `pane` shows; null while there is none.
    virtual CChart* PaneChart(int pane) const;
    // The menu of the last hit, with its check marks and enable states.
    virtual void BuildContextMenu(QMenu& menu);

    // The text chart of the current pane's chart in `varga` (column 0-28), in the chart style.
    std::string FormatChartText(int varga) const;
    // The texts of the current pane's chart for the copied calculations, into g_strChartTextRasi and
    // g_strChartTextAll (text_charts.h); the report text is the second after a rebuild for all vargas.
    void GetChartText(bool allVargas);
    // The current pane's chart on the clipboard as text in the chart style, or in all three styles;
    // false (after saying so) when the clipboard refused it.
    bool CopyChartAsText(bool allStyles);
    // The current pane's chart as a picture at resolution factor `k`; every setting the drawing changes
    // is put back. A white picture while the pane has no chart.
    QImage RenderChartPicture(ChartPicture picture, int k);
    // The same picture drawn onto `surface`, LayOutChartPicture(picture, k).size large, over white.
    void DrawChartPicture(DrawSurface& surface, ChartPicture picture, int k);
    // Renders the picture (asking for the title of a book picture), then saves it to the file the user
    // chooses. True when saved or cancelled; false (after saying why) when it could not be saved.
    bool SaveChartPicture(ChartPicture picture, int k);
    // The current pane as on the screen put on the clipboard as a picture; false (after saying so)
    // when the clipboard refused it.
    bool CopyChartPicture();

    // Clears highlights and relationship marks (a left click); redraws when any were shown.
    void ClearHighlightsOnClick();

    int CurrentPane() const { return m_nCurPane; }
    int CurrentRasi() const { return m_nCurRasi; }
    int CurrentBody() const { return m_nCurBody; }
    const Rect& PaneRect(int pane) const { return m_paneRect[pane]; }
    ChartDrawState& DrawState() { return m_state; }

protected:
    // A view that the reports do not reach (the period-entry chart).
    CChartView(QWidget* parent, bool forReports);
    void mousePressEvent(QMouseEvent* event) override;
    // The wheel scrolls the view, except with Shift or Ctrl held: then it does nothing.
    void wheelEvent(QWheelEvent* event) override;
    // Parts of the context menu: the varga choices; marana karaka sthana, relationships and highlights;
    // the body views and display mode.
    void AddVargaEntries(QMenu& menu);
    void AddAnalysisEntries(QMenu& menu);
    void AddViewEntries(QMenu& menu);
    // The "Copy chart" commands; false for any other command.
    bool RunCopyCommand(int command);
    Size WindowSize() const;
    // The body label and the sign cell of `geometryPane` under `point`; none found clears the hit, so no
    // earlier click's body or sign lingers.
    void FindHitInPane(int geometryPane, Point point);
    void ShowHighlights();

    ChartDrawState m_state;
    std::array<Rect, kChartPaneCount> m_paneRect{};
    Rect m_background;
    int m_nCurPane = 0;
    int m_nCurRasi = kNoSign;
    int m_nCurBody = kNoBody;

private:
    // The printed report's chart panes.
    std::optional<CPrintedPiece> m_report;
    CViewPrint m_print{*this, CViewPrint::Form::kReport};
    bool m_bAllVargasText = false; // the last text rebuild was for all vargas

    // A book picture's chart of `varga` in the user's chart style, without background.
    void DrawChartInStyle(DrawSurface& surface, const Rect& rect, int varga, const CChart& chart, int pane);

    void RunHighlight(int command, const CChart& chart, int varga);
    void RunRelationships(int command, const CChart& chart, int varga);
    void ShowMaranaKarakaSthana(const CChart& chart, int varga);
    // When body 0-9 changes its sign in the pane's varga, earlier and later than the chart's moment.
    void ShowSignChangeTime(const CChart& chart, int body, int varga);
    bool SelectVarga(int command);
    bool SelectBhavaChakra(int command);
    bool SelectVariant(int command);
    bool SelectBodyView(int command);
    bool ToggleOptionalBody(int command);

    // The entries of the commands below in the context menu.
    void AddBirthTimeEntries(QMenu& menu);
    void AddResearchVargaEntries(QMenu& higher);
    void AddChartEntries(QMenu& menu);
    // Birth time to the lagna's previous or next sign and its undo, the research vargas, the
    // ashtakavarga and aspect table of the pane, packed chart mode; false for any other command.
    bool RunChartCommand(int command);
    // The natal birth moved until the lagna of the pane's chart enters the previous or next sign of
    // the pane's varga; nothing when that sign change cannot be followed (composite, bhava columns).
    void MoveBirthTimeToSign(bool next);
    void ShowAshtakavarga();
    void OpenAspectTable();
    void ChooseCustomVarga();
    void ChooseSubVarga();
    // The pane shows the user-defined or composite column after its settings changed.
    void ShowResearchVarga(int column);
    void TogglePackedChartMode();
};

// g_dChartScale and the chart fonts g_chartFontA and g_chartFontB (display fonts 0 and 1) for panes of
// `scale` x 360 units.
void SetChartScale(double scale);

// The chart view last constructed, which report printing and text refresh reach; null when none lives.
extern CChartView* g_pChartView;

class CMainFrame;
// Binds the main menu's chart commands (copy as text, copy as picture, save the picture) to the chart
// view last constructed, acting on the pane of its last right click (pane 0 at first).
void BindChartCopyCommands(CMainFrame& frame);

// Registers the chart views with the shell's pane registry, so the pane tree's chart nodes show them.
void RegisterChartViews();
