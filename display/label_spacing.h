#pragma once
// Crowded cells: labels that would touch their neighbour, or reach past the edge of their cell, are
// moved into free room of their row and, when that is not enough, drawn smaller.
#include <span>
#include <vector>

#include "platform/geometry.h"

class CPolygonRegion;

// How one label is placed: moved `shift` units left (right when negative) and its font scaled by `scale`
// (at most 1).
struct LabelFit {
    int shift = 0;
    double scale = 1.0;
};

// Units kept between a label and its neighbour or the cell's edge.
inline constexpr int kLabelGap = 2;

// `boxes` are the text extents of one cell's labels (device units). Labels share a row when the bands
// their letters take (a text's extent less the room above the capitals and below the baseline) overlap
// by more than a quarter of the lower band. A row whose labels touch, or reach past the cell's edges at their
// middle (less kLabelGap), is set again: each label as near its place as the room allows, kLabelGap
// apart; when even side by side they are too wide, all of the row drawn smaller alike. The room is the
// cell's width where the labels stand; a row with no label starting inside `cell` (or without a cell)
// keeps to its own extent. `fixed` are texts that stay where they are (the sign numbers): a row whose
// letters reach one of them keeps to the room on either side of it.
std::vector<LabelFit> FitLabels(std::span<const Rect> boxes, const CPolygonRegion* cell,
                                std::span<const Rect> fixed = {});
