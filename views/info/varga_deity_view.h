#pragma once
// CVargaDeityView: for every shown body of the document's current chart (bodies 0-58), the part of the
// chosen varga it stands in and the deity of that part. The varga is AmsaRulerVarga, chosen from the
// pane's menu; the shown body groups are those of the other information tables.
#include "views/info/custom_list_view.h"

class QMenu;

class CVargaDeityView : public CCustomListView {
public:
    explicit CVargaDeityView(QWidget* parent = nullptr);

    // The document changed: unless a print job is drawing, the D-150 list chosen again from
    // D150NamePreference and the list refilled.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);
    // Columns "Body", "Division", "Index" and "In whose amsa in <varga>"; one row per shown body.
    void FillList();
    // Shows varga column `column`; refilled at once, the chart is not recalculated.
    void SetVarga(int column);
    void OnSelectBodies();
};
