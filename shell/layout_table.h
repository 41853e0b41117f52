#pragma once
// The main window's 95 layout nodes: what each is, where it stands and what it shows.
#include <span>

enum class LayoutPlace {
    kRootTabWindow,  // the tab window that fills the frame
    kTab,            // a view or tab window as a tab page
    kSplitterTab,    // a splitter as a tab page
    kViewInPane,     // a view or tab window in a splitter pane
    kSplitterInPane, // a splitter in a splitter pane
};

struct LayoutNodeRow {
    unsigned id;
    unsigned parent; // 0 for the root
    LayoutPlace place;
    const char* title;      // tab title; empty in panes
    const char* className;  // window class; empty for splitters
    int row, col;           // place in the parent splitter
    int rows, cols;         // splitter shape
    const char* sizeRecord; // saved-size record of a pane; empty for none
    unsigned flags;         // VisualNodeFlags
};

// In registration order: every parent before its children, children in tab or pane order.
std::span<const LayoutNodeRow> LayoutNodes();

// Layout node ids the frame and its commands refer to.
enum LayoutNodeId : unsigned {
    kNodeRoot = 1,
    kNodeManyVargas = 3,
    kNodeMixedChart = 6,
    kNodeKalachakra = 8,
    kNodeSarvatobhadra = 9,
    kNodeKotaChakra = 10,
    kNodeBasicInfo = 24,
    kNodeKeyData = 26,
    kNodeAshtakavarga = 43,
    kNodeBarGraphs = 45,
    kNodeNakshatraDasas = 63,
    kNodeRasiDasas = 64,
    kNodeOtherDasas = 65,
    kNodeOtherStrengths = 47,
    kNodeYogas = 48,
    kNodeTransitForm = 84,
    kNodeTajakaForm = 104,
    kNodeTithiPraveshaForm = 124,
    kNodeMundaneForm = 143,
    kNodeProgressions = 163,
    kNodePrasnaForm = 165,
    kNodeProgressionsForm = 170,
};
