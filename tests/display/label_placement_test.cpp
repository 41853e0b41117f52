// Where a label with no clear place goes: the greatest height that finds one, searched between its own
// height and the crowded one, and, with none even so, the place in its room that covers least of the
// texts already there.
#include "display/label_placement.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <vector>

namespace {

TEST(LabelPlacement, TheGreatestFittingHeightIsFoundBetweenTheOwnAndTheLeast) {
    const struct {
        const char* what;
        int own, least;
        int fitsUpTo; // a label of this height or lower finds a place; 0: none does
        std::optional<int> height;
    } cases[] = {
        {"fits at its own height", 20, 7, 25, 20},         {"fits lower", 20, 7, 11, 11},
        {"fits only at the least", 20, 7, 7, 7},           {"fits nowhere", 20, 7, 0, std::nullopt},
        {"no lower height to try", 7, 7, 6, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::set<int> tried;
        int last = 0;
        const auto fits = [&](int height) {
            EXPECT_TRUE(height >= c.least && height <= c.own) << height;
            tried.insert(height);
            last = height;
            return height <= c.fitsUpTo;
        };
        EXPECT_EQ(GreatestFittingHeight(c.own, c.least, fits), c.height);
        EXPECT_LE(tried.size(), 6u); // by halves, not height by height
        // Callers keep what the last call found: it was at the height given.
        EXPECT_EQ(last, c.height.value_or(c.least));
    }
}

// A room 60 wide with two texts' letters in it and no clear place between them for a label 24 wide: it
// goes where it covers least of them, across the gap between them, rather than at its slot over the
// first; of such places, the nearest its slot.
TEST(LabelPlacement, ALabelWithNoClearPlaceCoversTheLeastItCan) {
    const std::vector<Point> room = {{0, 2}, {60, 2}, {60, 13}, {0, 13}}; // just high enough for its ink
    std::vector<Rect> taken;
    TakePlace(Rect{2, 2, 22, 14}, taken);  // letters 2-22, kept 1-23
    TakePlace(Rect{40, 2, 58, 14}, taken); // letters 40-58, kept 39-59
    const Rect label{4, 2, 28, 14};        // at its slot, over the first text
    ASSERT_EQ(FindClearPlace(label, "Su", room, taken), std::nullopt);
    const std::optional<Point> move = FindLeastCoveredPlace(label, "Su", room, taken);
    ASSERT_TRUE(move.has_value());
    // Its letters with their clearance, 26 wide, cover at least 10 of the 16-pixel gap's neighbours:
    // from a left edge of 14 (the nearest) to 24.
    EXPECT_EQ(label.left + move->x, 14);
    EXPECT_EQ(move->y, 0);
    // A room narrower than the label has no place for it at all.
    EXPECT_EQ(
        FindLeastCoveredPlace(label, "Su", std::vector<Point>{{0, 2}, {20, 2}, {20, 13}, {0, 13}}, taken),
        std::nullopt);
}

} // namespace
