#pragma once
// The last word on where a chart's labels go: each label, in order of importance, keeps the place it
// was given when its letters lie inside its room (the cell, or the part of it a ring of a two-chart
// view takes) clear of the texts placed before it; otherwise it takes the nearest place in the room that
// is clear, and when there is none it is left out. Device units throughout.
#include <optional>
#include <span>
#include <vector>

#include "platform/geometry.h"

class CPolygonRegion;

// Pixels a label's letters keep from the room's edges (the lines of the figure) and from other texts.
inline constexpr int kLabelClearance = 1;

// The box a text's letters take within its extent: below the room over the capitals, above the room
// under the baseline that only descenders use.
Rect LetterBox(const Rect& extent);
// The box a text's ink takes: from a little above its capitals (brackets and accents reach there) down
// to a pixel below the extent (descenders included), so that boxes that touch keep their inks apart.
Rect InkBox(const Rect& extent);

// The room labels stay in: the convex `cell` cut to `area` when one is given.
std::vector<Point> LabelRoom(const CPolygonRegion& cell, const std::optional<Rect>& area);

// `letters` are the boxes of the labels' letters in order of importance; `fixed` are texts already
// drawn that labels keep clear of. Gives each label's move (x, y), or nothing for one left out.
std::vector<std::optional<Point>> PlaceLabels(std::span<const Rect> letters, std::span<const Point> room,
                                              std::span<const Rect> fixed);
