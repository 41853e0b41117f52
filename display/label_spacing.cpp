#include "display/label_spacing.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

#include "display/polygon_region.h"

namespace {

// The band a text's letters take within its extent: below the room over the capitals (about a sixth of
// the line) and above the room under the baseline that only descenders use (about a tenth).
struct Band {
    int top;
    int bottom;
};
Band LetterBand(const Rect& box) {
    return Band{box.top + box.Height() / 6, box.bottom - box.Height() / 10};
}

// Units by which the letter bands of two texts overlap (negative when apart).
int BandOverlap(const Rect& a, const Rect& b) {
    const Band p = LetterBand(a);
    const Band q = LetterBand(b);
    return std::min(p.bottom, q.bottom) - std::max(p.top, q.top);
}

// Stacked labels (slots a line apart) overlap by a tenth of their bands at most; labels whose letters
// would meet overlap by more than a quarter.
bool ShareARow(const Rect& a, const Rect& b) {
    const Band p = LetterBand(a);
    const Band q = LetterBand(b);
    return BandOverlap(a, b) * 4 > std::min(p.bottom - p.top, q.bottom - q.top);
}

struct Span {
    int left;
    int right;
};

// Where the convex cell crosses the horizontal line at `y`; nothing when it does not.
std::optional<Span> SpanAt(const CPolygonRegion& cell, int y) {
    std::optional<Span> span;
    for (int i = 0; i < cell.Count(); ++i) {
        const Point a = cell[i];
        const Point b = cell[(i + 1) % cell.Count()];
        if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) continue;
        const int x = a.y == b.y ? std::min(a.x, b.x) : a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
        const int x2 = a.y == b.y ? std::max(a.x, b.x) : x;
        if (!span) span = Span{x, x2};
        span->left = std::min(span->left, x);
        span->right = std::max(span->right, x2);
    }
    return span;
}

// The labels of `boxes` in rows: each row's members sorted from left to right.
std::vector<std::vector<int>> Rows(std::span<const Rect> boxes) {
    const int count = static_cast<int>(boxes.size());
    std::vector<int> row(boxes.size());
    std::iota(row.begin(), row.end(), 0);
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < i; ++j)
            if (ShareARow(boxes[i], boxes[j])) std::replace(row.begin(), row.end(), row[i], row[j]);
    std::vector<std::vector<int>> rows;
    for (int first = 0; first < count; ++first) {
        if (row[first] != first) continue;
        std::vector<int> members;
        for (int i = 0; i < count; ++i)
            if (row[i] == first) members.push_back(i);
        std::stable_sort(members.begin(), members.end(),
                         [&](int a, int b) { return boxes[a].left < boxes[b].left; });
        rows.push_back(std::move(members));
    }
    return rows;
}

// Room of a row: the cell's edges (less the gap) at the middle of the labels that start inside the
// cell; without such labels, the row's own extent.
Span RowRoom(std::span<const Rect> boxes, const std::vector<int>& members, const CPolygonRegion* cell) {
    Span room{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    bool bounded = false;
    for (const int i : members) {
        const Rect& box = boxes[i];
        if (!cell || cell->Count() < 3) break;
        const std::optional<Span> span = SpanAt(*cell, (box.top + box.bottom) / 2);
        // A label set outside its cell on purpose (a band beside the chart) gives the row no edges.
        if (!span || box.left < span->left || box.left > span->right) continue;
        room.left = std::max(room.left, span->left + kLabelGap);
        room.right = std::min(room.right, span->right - kLabelGap);
        bounded = true;
    }
    if (!bounded) {
        room.left = boxes[members.front()].left;
        room.right = room.left;
        for (const int i : members) room.right = std::max(room.right, boxes[i].right);
    }
    return room;
}

bool FitsAsItIs(std::span<const Rect> boxes, const std::vector<int>& members, const Span& room) {
    for (std::size_t k = 0; k < members.size(); ++k) {
        const Rect& box = boxes[members[k]];
        if (box.right > room.right || box.left < room.left) return false;
        if (k + 1 < members.size() && box.right + kLabelGap > boxes[members[k + 1]].left) return false;
    }
    return true;
}

void FitRow(std::span<const Rect> boxes, const std::vector<int>& members, const Span& room,
            std::vector<LabelFit>& fits) {
    if (FitsAsItIs(boxes, members, room)) return;
    const int n = static_cast<int>(members.size());
    int widths = 0;
    for (const int i : members) widths += boxes[i].Width();
    const int free = room.right - room.left - kLabelGap * (n - 1);
    if (free <= 0 || widths <= 0) return;
    std::vector<int> lefts(members.size());
    if (widths <= free) {
        // Each label as near its own place as the room allows: pulled in from the right edge, then
        // pushed clear of the left edge and of the label before it.
        int limit = room.right;
        for (int k = n - 1; k >= 0; --k) {
            const Rect& box = boxes[members[k]];
            lefts[k] = std::min(box.left, limit - box.Width());
            limit = lefts[k] - kLabelGap;
        }
        int floor = room.left;
        for (int k = 0; k < n; ++k) {
            lefts[k] = std::max(lefts[k], floor);
            floor = lefts[k] + boxes[members[k]].Width() + kLabelGap;
        }
    } else {
        // Too little room even side by side: all labels of the row drawn smaller alike.
        const double scale = static_cast<double>(free) / widths;
        int left = room.left;
        for (int k = 0; k < n; ++k) {
            fits[members[k]].scale = scale;
            lefts[k] = left;
            left += static_cast<int>(boxes[members[k]].Width() * scale) + kLabelGap;
        }
    }
    for (int k = 0; k < n; ++k) fits[members[k]].shift = boxes[members[k]].left - lefts[k];
}

} // namespace

std::vector<LabelFit> FitLabels(std::span<const Rect> boxes, const CPolygonRegion* cell,
                                std::span<const Rect> fixed) {
    std::vector<LabelFit> fits(boxes.size());
    for (const std::vector<int>& members : Rows(boxes)) {
        const Span room = RowRoom(boxes, members, cell);
        // A fixed text in the row parts it: the labels whose middles lie left of its middle keep to the
        // room left of it, the others to the room right of it.
        std::vector<Span> parts{room};
        std::vector<std::vector<int>> partMembers(1, members);
        for (const Rect& obstacle : fixed) {
            const bool inRow = std::any_of(members.begin(), members.end(),
                                           [&](int i) { return BandOverlap(boxes[i], obstacle) > 0; });
            if (!inRow) continue;
            const int middle = (obstacle.left + obstacle.right) / 2;
            std::vector<Span> split;
            std::vector<std::vector<int>> splitMembers;
            for (std::size_t p = 0; p < parts.size(); ++p) {
                if (middle <= parts[p].left || middle >= parts[p].right) {
                    split.push_back(parts[p]);
                    splitMembers.push_back(partMembers[p]);
                    continue;
                }
                std::vector<int> left, right;
                for (const int i : partMembers[p])
                    ((boxes[i].left + boxes[i].right) / 2 < middle ? left : right).push_back(i);
                split.push_back(Span{parts[p].left, std::min(parts[p].right, obstacle.left - kLabelGap)});
                splitMembers.push_back(left);
                split.push_back(Span{std::max(parts[p].left, obstacle.right + kLabelGap), parts[p].right});
                splitMembers.push_back(right);
            }
            parts = std::move(split);
            partMembers = std::move(splitMembers);
        }
        for (std::size_t p = 0; p < parts.size(); ++p)
            if (!partMembers[p].empty()) FitRow(boxes, partMembers[p], parts[p], fits);
    }
    return fits;
}
