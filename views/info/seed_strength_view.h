#pragma once
// CVimsoStrengthHelpView: helps choose the seed of Vimsottari dasa. For the seed shown it lists the
// twelve houses counted from the seed, the planets Sun to Ketu in each and how many planets but the
// Moon stand in the kendras from it; from the menu the user switches seeds and house forms, and accepts
// one seed, which casts Vimsottari dasa from it. The pane lives in a window of its own, opened by the
// nakshatra-dasa page.
#include "views/info/custom_list_view.h"

class QMenu;

// The seed shown (SeedChoice), shared by the comparison panes while the program runs; each new pane
// starts from Vimsottari's own seed.
extern int g_nSeedHelpSeed;

class CVimsoStrengthHelpView : public CCustomListView {
public:
    explicit CVimsoStrengthHelpView(QWidget* parent = nullptr);

    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);
    // Rows 12 on (the summary) are drawn as special rows.
    void DrawItem(DrawSurface& surface, int row) override;

    // Columns "House", "Start", "End", "Planets in it"; twelve houses, a blank row and the kendra count.
    void FillList();
    void SetSeed(int seed);
    // VimsottariStrenfthHelpHouses: SeedHouseMode.
    void SetHouseMode(int mode);
    // Vimsottari dasa cast from the seed shown on the nakshatra-dasa page, then this pane's own window
    // closed (no other window: the pointer the dasa page keeps may name another by now).
    void OnAcceptSeed();

    int FirstSpecialRow() const { return m_nFirstSpecialRow; }

private:
    int m_nFirstSpecialRow = 0;
};
