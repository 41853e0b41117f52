#pragma once
// CShadbalasView: the shadbala of the current chart's seven planets, or the bhava balas of its twelve
// houses, as one of the eleven shadbala tables (shadbala_tables.h) chosen from the context menu. The
// document's reports reach the last constructed pane through g_pShadbalasView (report kind 4).
#include <string>

#include "views/info/custom_list_view.h"

class QMenu;
class CShadbalasView;

// The last shadbala pane constructed; null once it is destroyed.
extern CShadbalasView* g_pShadbalasView;
// The table shown by every shadbala pane, 0-10 (any other value shows the summary); not saved.
extern int g_nShadbalaTable;
// The summary table as text, rebuilt by RebuildText for the document's text refresh.
extern std::string g_strShadbalaText;

class CShadbalasView : public CCustomListView {
public:
    explicit CShadbalasView(QWidget* parent = nullptr);

    // Shows table `table` (out of range: the summary).
    void SelectTable(int table);
    // Refills the shown table from the document's current chart.
    void RefreshList();
    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    // The eleven tables (the shown one checked) and "Copy to clipboard".
    void FillContextMenu(QMenu& menu);

    // The summary table into g_strShadbalaText; the table shown is shown again afterwards.
    void RebuildText();
    // For the printed report: form 0 the summary, 1 the break-up, 2 the bhava balas, any other the
    // table shown; drawn from the surface's origin, the shown table filled again afterwards.
    void PrintTables(DrawSurface& surface, int form);

private:
    CReportPointer<CShadbalasView> m_reportPointer{g_pShadbalasView, this};
    CPrintedPiece m_report{kShadbalaReport,
                           [this](DrawSurface& surface, int form, int) { PrintTables(surface, form); },
                           [this](bool) { RebuildText(); }, [] { return g_strShadbalaText; }};
};
