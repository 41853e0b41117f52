#pragma once
// How the pieces of one report page kind go onto printed pages once measured: at their page table's
// places unless that would overlap a piece before them, never below the print area (the footer's
// strip), onto as many pages as they need, a long listing broken only between its rows.
#include <vector>

#include "display/print_bands.h"
#include "display/print_pages.h"

// A piece measured: its page table's place (dots from the print area's top-left) and the boxes of what
// it draws (dots from that place).
struct MeasuredPiece {
    PrintPiece piece;
    Point origin;
    std::vector<Rect> boxes;
};

// A piece, or the band of it that one page shows, with the place of its drawing's origin on that page
// (dots from the print area's top-left; above the area for the later bands of a piece).
struct PlacedPiece {
    PrintPiece piece;
    Point origin;
    Band band;
};

struct ReportPage {
    int kind = 0; // the page kind (1-11) the page prints
    std::vector<PlacedPiece> pieces;
};

// The pages the pieces of page kind `kind` take, in an area `areaHeight` dots high, `gap` dots kept
// between a piece and one it was moved clear of. Each piece goes, in order, to its place or, where that
// overlaps a piece already on the page, to the first place below clear of it; a piece that then reaches
// below the area starts the next page at its top (the later pieces' places move up with it), and a piece
// taller than what is left of an emptied page continues on the next one, broken where no box is cut (a
// box taller than that is cut where the area ends). A kind whose pieces draw nothing still takes its one
// page.
std::vector<ReportPage> FlowReportPages(int kind, const std::vector<MeasuredPiece>& pieces, int areaHeight,
                                        int gap);
