#pragma once
// CYogasView: the yogas of one category found in the document's current chart in one varga, each with
// its varga, the planets that give it, its results and its brief definition; or, as a catalogue, every
// yoga of the category the finder knows, untested. The pane searches into a list of its own, so the
// chart's own yoga list keeps every category for its other readers.
#include "analysis/yoga_list.h"
#include "views/info/custom_list_view.h"

class QMenu;

// The category asked for (YogaCategory, 0 all) and the catalogue toggle, shared by every yogas pane
// while the program runs.
extern int g_nYogaCategory;
extern bool g_bJustListYogas;

class CYogasView : public CCustomListView {
public:
    explicit CYogasView(QWidget* parent = nullptr);

    // The document changed: searched and refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);

    // The yogas of g_nYogaCategory in the pane's varga, or the catalogue when g_bJustListYogas is set.
    void FillYogaTable();
    void SetCategory(int category);
    void ToggleCatalogue();
    // "Choose a divisional chart" for the varga the yogas are looked for in; on OK refilled.
    void OnSelectVarga();

    // The pane's own list: the varga searched and the yogas of the last fill.
    const CYogaList& Yogas() const { return m_yogas; }
    void SetVarga(int column);

private:
    void FillYogaCatalogue();
    // The pane's list searched afresh in the current chart; emptied when there is none.
    void FindYogas();

    CYogaList m_yogas;
};
