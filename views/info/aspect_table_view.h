#pragma once
// CAspectTableView: the graha drishti of the nine grahas of one varga of the current chart — each
// planet's aspect on every other planet and on the twelve houses, coloured by the compound relationship
// (aspect_table_cells.h) — with each planet's dignity glyphs and the legends below. It lives in a
// window of its own, whose place and size it keeps in AspTblPos... so the table reopens where it was.
// Units are pixels of the pane.
#include <QPointer>
#include <memory>

#include "display/view_print.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class QMenu;
struct AspectTableLayout;

// The house reference of the table: body 0 lagna .. 9 Ketu; set by the chart view's popup and the menu.
extern int g_nAspTblHouseRef;

// The glyphs drawn beside a planet and in the legend.
enum AspectGlyph : int {
    kGlyphHouse = 0,
    kGlyphUpArrow = 1,
    kGlyphDownArrow = 2,
    kGlyphTriangle = 3,
    kGlyphDisc = 4
};
// Draws glyph `kind` with its top-left at (x, y) in `color` (a house with a door when `door`); returns
// how far the next glyph stands to the right (20 for an unknown kind, which draws nothing).
int DrawAspectGlyph(DrawSurface& surface, int kind, int x, int y, ColorRef color, bool door = false);

class CAspectTableView : public CView {
public:
    explicit CAspectTableView(QWidget* parent = nullptr);
    ~CAspectTableView() override;

    void OnInitialUpdate() override;
    // The document changed: redrawn unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    // The varga and house-reference choosers, the full aspect value, the aspect rules, "Print this window".
    void FillContextMenu(QMenu& menu);
    CPrintClient& PrintClient() override { return m_print; }

    void OnSelectVarga();
    void OnSelectHouseReference();
    // The value shown for a full aspect (60 or 100).
    void SetFullAspectValue(double value);
    // The special aspects of Mars, Jupiter and Saturn after Parasara (true) or Dr Raman; shadbala reads
    // the same aspects, so the whole document is recalculated.
    void SetAspectsAsPerParasara(bool parasara);

    // Measures the table in its font (where the glyphs and the columns go, the scroll extent), and keeps
    // the window's place in AspTblPos.... Painting only draws what this laid out.
    void Layout();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The place and size of the window that holds the table, as that window reports them.
    void KeepWindowRect();

    CPaneUpdateLink m_updateLink{*this};
    CViewPrint m_print{*this, CViewPrint::Form::kContent};
    QPointer<QWidget> m_watchedWindow;
    std::unique_ptr<AspectTableLayout> m_layout; // made by Layout
};
