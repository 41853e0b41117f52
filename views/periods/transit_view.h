#pragma once
// CTransitView: the list pane that judges the planets of the document's current chart (the transit
// chart in transit mode) against the natal chart, one of nine tables at a time (transit_tables.h),
// chosen from its context menu. Every document update refills the table shown.
//
// For the form panes: the pane registers as "CTransitView"; casting a transit chart through
// CTavroDoc::ShowTransitChart is all it needs to show it. The natal reference of the standard table
// and of the murthis is process-wide (g_nTransitRefBody, g_nTransitRefVarga; core/option_table.h).
#include "views/info/custom_list_view.h"
#include "views/periods/transit_tables.h"

class QMenu;

class CTransitView : public CCustomListView {
public:
    explicit CTransitView(QWidget* parent = nullptr);

    // Refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    // Rows from the table's first footer row on are drawn as footer lines.
    void DrawItem(DrawSurface& surface, int row) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);

    // Shows table 0-8 (TransitTableKind) at once.
    void ShowTable(int table);
    int Table() const { return m_nTable; }
    // The natal and transit varga codes (0-22) of the ashtakavarga table; refilled at once.
    void SetAshtakavargaVargas(int natalVarga, int transitVarga);
    // The natal reference (2 Moon, 0 lagna, 59 arudha lagna) and its varga code: the current chart's
    // murthis are recomputed and the table refilled.
    void SetNatalReference(int body, int varga);

    // The menu's dialogs; Cancel changes nothing.
    void OnNatalReference();
    void OnNatalAvVarga();
    void OnTransitAvVarga();
    // "Change the transit date & time": the document casts the transit chart of the moment entered.
    void OnChangeTransitDateTime();

    void FillTable();

private:
    int m_nTable = kTransitStandard;
    int m_nFirstSpecialRow = kNoSpecialRows;
    int m_nNatalAvVarga = 0;
    int m_nTransitAvVarga = 0;
};
