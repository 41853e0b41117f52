#pragma once
// CSarvatobhadraChakraView: the Sarvatobhadra chakra, the 9 x 9 grid of stars, letters, signs, weekdays
// and tithi groups (sarvatobhadra_grid.h) with the lagna and the nine grahas of the current chart in
// their stars, and beside it the natal special nakshatras counted from the natal Moon and lagna.
// Its menu, opened on a cell, marks the vedhas from a star or on a box, the fixed graha drishti and
// lattas falling on a star, and special points that natal rules pick (nava-taras, special nakshatras
// and tithis, houses, the stars of natal bodies). A left click, or a right click anywhere, clears the
// vedha, drishti and latta marks; special points stay until reset.
#include <array>

#include "views/chakras/chakra_view.h"
#include "views/chakras/sarvatobhadra_grid.h"

class CChart;

// The divisional chart (varga code 0-22) of the current chart whose bodies stand in the grid.
extern int g_nSbcTransitVarga;
// The divisional chart of the natal chart the side table and the natal special points are read in.
extern int g_nSbcNatalVarga;
// The list position last chosen in "Select a planet".
extern int g_nSbcLastPlanetChoice;

// The mark of a cell: none, the star or box the vedhas are seen from, the boxes they reach (or the
// star examined); of a body: graha drishti, latta. The values index the chakra's mark colours.
enum SbcMark { kSbcNone = 0, kSbcFrom = 1, kSbcTo = 2, kSbcDrishti = 3, kSbcLatta = 4 };

class CSarvatobhadraChakraView : public CChakraView {
public:
    explicit CSarvatobhadraChakraView(QWidget* parent = nullptr);

    // The clicked cell (4, 4), no marks, no special points; then the frame's initial update.
    void OnInitialUpdate() override;
    // Clears the marks; on a cell of the grid, opens the menu for that cell.
    void OnContextMenu(QPoint screenPos) override;
    bool RunCommand(int command) override;
    void BuildMenu(QMenu& menu) override;

    // The menu's commands.
    enum Command {
        kCmdAllOnStar = 1, // "Highlight vedhas, aspects and lattas on this star (if any)"
        kCmdVedhasFrom,
        kCmdVedhasOn,
        kCmdDrishti,
        kCmdLattas,
        kCmdNatalSpecialNakshatra,
        kCmdNatalTara,
        kCmdNatalTithi,
        kCmdNatalHouse,
        kCmdNatalPlanetStar,
        kCmdThisBox,
        kCmdSpecialNakshatraFromHere,
        kCmdTaraFromHere,
        kCmdResetBox,
        kCmdResetAll,
        kCmdTransitVarga,
        kCmdTransits,
    };

    // The cell the menu was last opened on.
    SbcCell Clicked() const { return m_clicked; }
    void SetClicked(SbcCell cell) { m_clicked = cell; }
    // The cell under a point of the content (pixels); none outside the grid.
    std::optional<SbcCell> CellAt(Point point) const;
    // A cell's rectangle in the last drawing's layout, pixels.
    Rect CellRect(SbcCell cell) const;
    int CellMark(SbcCell cell) const { return m_cellMark[cell.Index()]; }
    int BodyMark(int body) const { return m_bodyMark[body]; }
    bool IsSpecialPoint(SbcCell cell) const { return m_specialPoint[cell.Index()]; }
    // Clears every cell and body mark and redraws, when any was set; special points stay.
    void ClearHighlights();

    // The marks the commands set on the clicked cell (no redraw).
    void HighlightVedhasFrom();
    void HighlightVedhasOn();
    void HighlightGrahaDrishti(const CChart& current);
    void HighlightLattas(const CChart& current);

protected:
    void DrawChakra(DrawSurface& surface, CTavroDoc& document) override;
    // The side table stands right of the grid: the extent covers it.
    ChakraLayout ComputeLayout(Size window) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The grid's rectangle: nine whole cells from the square's top-left.
    Rect Grid() const;
    void DrawCells(DrawSurface& surface) const;
    void DrawLabels(DrawSurface& surface) const;
    void DrawBodies(DrawSurface& surface, const CChart& chart) const;
    void DrawSideTable(DrawSurface& surface, const CChart& natal) const;

    // The special-point commands; false when a dialog was cancelled or a chart could not be read.
    bool SetNatalSpecialNakshatra();
    bool SetNatalTara();
    bool SetNatalTithi();
    bool SetNatalHouse();
    bool SetNatalPlanetStar();
    bool SetTaraFromHere();
    bool SetSpecialNakshatraFromHere();
    // The three stars of nava-tara `tara` from 27-scheme star `star`, nine apart, marked as special
    // points in the 28-star cells of pada `pada` (Uttarashadha in its fourth pada is Abhijit).
    void MarkTaras(int star, int tara, int pada);
    // The natal chart's varga chart `varga`; null without a document or when it cannot be calculated.
    const CChart* NatalVargaChart(int varga) const;

    std::array<bool, kSbcCells> m_specialPoint{};
    std::array<int, kSbcCells> m_cellMark{};
    std::array<int, 10> m_bodyMark{}; // the lagna (0) .. Ketu (9)
    SbcCell m_clicked;
};
