#pragma once
// CStrengthsView: the "Other strengths" pane — one of the seven other-strengths tables of the current
// chart (strengths_tables.h) chosen from the context menu, with the varga and relationships the basic
// avasthas use. The document's reports reach the last constructed pane through g_pStrengthsView
// (report kind 6).
#include <string>

#include "views/info/custom_list_view.h"

class QMenu;
class CChart;
class CStrengthsView;

// The last other-strengths pane constructed; null once it is destroyed.
extern CStrengthsView* g_pStrengthsView;
// The table shown by every other-strengths pane, 0-6 (any other value shows the vaiseshikamsas); not saved.
extern int g_nStrengthsTable;
// Every table as text, rebuilt by RebuildText for the complete calculations.
extern std::string g_strStrengthsText;

class CStrengthsView : public CCustomListView {
public:
    explicit CStrengthsView(QWidget* parent = nullptr);

    // Shows table `table` (out of range: the vaiseshikamsas).
    void SelectTable(int table);
    // Refills the shown table from the document's current chart.
    void RefreshList();
    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    // The seven tables (the shown one checked), the avastha varga and relationship choices, the copy.
    void FillContextMenu(QMenu& menu);

    // "Change varga for avasthas related to alertness and mood": the chooser preset to the chart's
    // varga; on OK the basic avasthas recomputed in the chosen one and every view updated.
    void OnChangeAvasthaVarga();
    // The relationship options of the avasthas; each recomputes the basic avasthas and updates all views.
    void SetCompoundRelationships(bool compound);
    void SetRelationshipsFromRasi(bool fromRasi);

    // The tables as text into g_strStrengthsText: vaiseshikamsas (10 and 16 groups), vimsopaka, basic
    // and sayanadi avasthas in D-1, and in Tajaka and Tithi Pravesha modes the three Tajaka tables.
    void RebuildText();
    // For the printed report: table `table` (0-6; any other the shown one) from the surface's origin,
    // with the basic avasthas in D-1. The user's avastha varga and the shown table are put back.
    void PrintTables(DrawSurface& surface, int table);

private:
    CChart* ShownChart() const;
    // The chart's basic avasthas computed in `varga`.
    void RecomputeAvasthas(CChart& chart, int varga);
    void UpdateAll();

    CReportPointer<CStrengthsView> m_reportPointer{g_pStrengthsView, this};
    CPrintedPiece m_report{kStrengthsReport,
                           [this](DrawSurface& surface, int table, int) { PrintTables(surface, table); },
                           [this](bool) { RebuildText(); }, [] { return g_strStrengthsText; }};
};
