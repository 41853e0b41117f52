#pragma once
// Where a chart's labels go: a label keeps the place it was given when its letters lie inside its room
// (the cell, or the part of it a ring of a two-chart view takes) clear of the texts placed before it;
// otherwise it takes the nearest place in the room that is clear. Callers place their labels in order of
// importance and decide what a label with no clear place does. Device units throughout.
#include <functional>
#include <optional>
#include <span>
#include <string_view>
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
// The convex `room` with every edge moved `by` pixels outward; `room` itself when it has no area.
std::vector<Point> WidenedRoom(const std::vector<Point>& room, int by);

// The move (x, y) that takes a label, `text` taking `extent`, to the nearest place inside `room` where its
// ink (down to the baseline, or below it for a bracket or a descending letter; a pixel wider either side)
// keeps kLabelClearance from the room's edges and its letters (LetterBox) stay clear of every box of
// `taken` (the letters of texts placed, as TakePlace keeps them), kLabelClearance apart; nothing when the
// room has no such place.
std::optional<Point> FindClearPlace(const Rect& extent, std::string_view text, std::span<const Point> room,
                                    std::span<const Rect> taken);
// How labels placed one after another fill a room: row by row from the top, or column by column from the
// left.
enum class PackOrder { kRows, kColumns };
// The move to the top place inside `room` that is clear as FindClearPlace has it, the leftmost of that
// row (by rows), or to the leftmost such place, the top one of that column (by columns): labels placed one
// after another this way pack the room in that order. Nothing when none is clear.
std::optional<Point> FindFirstClearPlace(const Rect& extent, std::string_view text,
                                         std::span<const Point> room, std::span<const Rect> taken,
                                         PackOrder order = PackOrder::kRows);
// The move to the place inside `room` (its ink clear of the room's edges, as FindClearPlace has it) where
// the label's letters cover the least of `taken`, the nearest of such places, its letters kept off every
// box of `kept` (texts it may not stand on); where it can, a place that covers no box of `taken` by half
// or more, so that no text is buried where the cover can be shared. Nothing when its ink fits nowhere in
// the room off them. For a label with no clear place.
std::optional<Point> FindLeastCoveredPlace(const Rect& extent, std::string_view text,
                                           std::span<const Point> room, std::span<const Rect> taken,
                                           std::span<const Rect> kept = {});
// Whether the ink of a label, `text` taking `extent`, lies inside `room` where it stands, kLabelClearance
// from the room's edges (as FindClearPlace has it).
bool InkInside(const Rect& extent, std::string_view text, std::span<const Point> room);
// Whether the ink of a label, `text` taking `extent`, lies inside `room` where it stands, kLabelClearance
// from the room's edges (as FindClearPlace has it).
bool InkInside(const Rect& extent, std::string_view text, std::span<const Point> room);
// Adds the letters of a label whose text takes `extent` to `taken`, grown by the clearance.
void TakePlace(const Rect& extent, std::vector<Rect>& taken);

// The greatest height (pixels) from a label's own height `own` down to `least` at which `fits`(height)
// finds the label a place: `own` first, then `least`, then between them by halves (a lower label fits
// where a higher one does, near enough). Nothing when not even `least` fits. `fits` is called last with
// the height given (with `least` when nothing fits), so that what it found there is what the caller keeps.
std::optional<int> GreatestFittingHeight(int own, int least, const std::function<bool(int)>& fits);
