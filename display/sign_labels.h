#pragma once
// The labels of one sign's cell, shared by every chart renderer: the user's extra points, then the
// bodies a pane shows, each in the next free slot of the cell. Renderers differ only in where their
// slots lie; colours, fonts, karaka labels, highlights, relationship marks and the recorded label
// rectangles of the lagna and the nine grahas are the same for all.
//
// Every label the cell holds is drawn. On screen a label takes a place clear of other texts, the lines of
// the figure and a ring's border at kLegibleTextHeight or more where it finds one; else a lesser label is
// drawn smaller, down to kLesserCrowdedTextHeight, while the lagna and the grahas keep the legible height,
// where their capitals are 5 pixels high; else it is drawn over what is there, with a halo of its cell's
// colour round its letters. The labels claim the clear places in order: the lagna and the grahas first,
// using the whole cell (their letters may touch its lines) before any reaches over a line, then the graha
// arudhas, the other points, and the small labels (arudhas of the houses, varnadas, house lords) last. In
// the twelve charts of a split tab a cell too small to hold its labels apart lets them reach a few pixels
// over its lines, their middles inside it, rather than stand on one another. The figure's lines are drawn
// before the labels, so that a label over one keeps its letters whole.
#include <functional>
#include <optional>
#include <vector>

#include "display/chart_draw_state.h"

class CChart;
class DrawSurface;

// Top-left corner of a slot and its size, device units, before the 2-unit inset of the label.
struct LabelSlot {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct CellSlots {
    std::function<LabelSlot(int n)> main;  // the n-th label of the cell (the renderer wraps n)
    std::function<LabelSlot(int n)> small; // the n-th small label (varnadas, arudhas, house lords)
    // The two-chart views draw small labels with 0.95 of the height and one unit higher; single charts
    // use 0.85 of the font, or the full font one unit higher when a small screen chart would blur it.
    bool twoChart = false;
    // Texts already drawn that labels keep clear of, device units: the sign numbers, and the labels of the
    // cells drawn before, which in the smallest charts may reach over a cell's lines.
    std::vector<Rect> fixed;
    // The part of the cell the labels stay in, when it is not all of it: a ring of a two-chart view.
    std::optional<Rect> area;
};

struct SignLabelTarget {
    DrawSurface& surface;
    ChartDrawState& state;
    const CChart& chart;
    int varga; // column 0-28
    int pane;  // 0-14
};

// Draws every label of sign `sign` (0-11) into the cell's slots and records the label rectangles (in the
// drawn font) of the lagna and grahas, a graha arudha (83-91) counting as its planet. Gives the extents of
// the labels drawn, which the cells drawn after keep clear of.
std::vector<Rect> DrawSignLabels(const SignLabelTarget& target, int sign, const CellSlots& slots);

// Varnadas (48-58), arudhas A2-UL (60-70) and house lords (71-82) take the small slots.
bool TakesSmallSlot(int body);
