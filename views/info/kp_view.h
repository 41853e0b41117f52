#pragma once
// CKPView: the Krishnamurti lords of the document's current chart. Table 0 lists, for the bodies
// lagna to Pluto and the twelve house cusps, the nakshatra lord and the five levels of sub-lords; tables
// 1-6 turn one level round: for each planet Sun to Ketu, the bodies and cusps whose lord at that level
// it is. The chart pipeline computes the lords; the pane only arranges them.
#include "views/info/custom_list_view.h"

class QMenu;
class CChart;

inline constexpr int kKPLordsTable = 0;
inline constexpr int kKPTableCount = 7; // the lords table and one inverse table per level 0-5

// The table every KP pane shows (0-6), kept while the program runs: a new pane opens on it.
extern int g_nKPTableMode;

class CKPView : public CCustomListView {
public:
    explicit CKPView(QWidget* parent = nullptr);

    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);
    // Shows table `mode` (0-6) in every KP pane from now on.
    void SetMode(int mode);
    void FillTable();

private:
    void FillLordsTable(const CChart& chart);
    void FillInverseTable(const CChart& chart, int level);
};
