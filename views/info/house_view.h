#pragma once
// CHouseView: the twelve houses of the document's current chart (start, middle, end and the bodies
// lagna to Pluto in each) and the place where the house system, the reference of the first house and
// whether that reference is the start or the middle of the house are chosen. The chart pipeline
// computes the houses from those options; a command sets one, recalculates the document and every
// pane shows the new houses.
#include "views/info/custom_list_view.h"

class QMenu;

// House-system codes of HouseTypeWanted the menu offers, in menu order.
enum HouseSystem : int {
    kHousesSigns = 0,
    kHousesEqual = 1,
    kHousesNakshatraPadas = 2,
    kHousesSripathi = 3,
    kHousesPlacidus = 4,
    kHousesKoch = 5,
    kHousesRegiomontanus = 6,
    kHousesCampanus = 7,
    kHousesAxialRotation = 8,
    kHousesPolichPage = 9,
    kHousesAlcabitus = 10,
    kHousesSriSuryaSiddhanta = 11,
};

class CHouseView : public CCustomListView {
public:
    explicit CHouseView(QWidget* parent = nullptr);

    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    void FillContextMenu(QMenu& menu);
    // Columns "House", "Cusp"/"Middle" (reference at the start) or "Start"/"Cusp" (in the middle),
    // "End", "Planets in it"; one row per house from the current chart.
    void FillTable();

    // House system `code` (HouseSystem): the Sri Surya Siddhanta system only with the traditional model,
    // else a message and nothing changes.
    void OnHouseSystem(int code);
    // The reference is the middle (true) or the start of the first house.
    void OnCuspsInMiddle(bool middle);
    // "Choose the reference for houses"; on OK the body houses are counted from.
    void OnHouseReference();

private:
    void RunCommand(int command);
    // The document recalculated with the new options and every pane updated.
    void Recalculate();
};
