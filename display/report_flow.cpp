#include "display/report_flow.h"

#include <algorithm>

namespace {

Rect Moved(const Rect& box, Point by) {
    return Rect{box.left + by.x, box.top + by.y, box.right + by.x, box.bottom + by.y};
}

// The box around the boxes of `boxes` whose top lies in `band`; empty (all zero) when none does.
Rect ExtentIn(const std::vector<Rect>& boxes, Band band) {
    Rect extent;
    bool any = false;
    for (const Rect& box : boxes) {
        if (!band.Holds(box.top)) continue;
        if (!any) {
            extent = box;
            any = true;
            continue;
        }
        extent.left = std::min(extent.left, box.left);
        extent.top = std::min(extent.top, box.top);
        extent.right = std::max(extent.right, box.right);
        extent.bottom = std::max(extent.bottom, box.bottom);
    }
    return extent;
}

bool Overlap(const Rect& a, const Rect& b, int gap) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom + gap && b.top < a.bottom + gap;
}

// The highest origin at or below `y` where `extent`, moved to (x, that origin), keeps `gap` clear of
// every box of `taken`.
int FirstClearY(const Rect& extent, int x, int y, const std::vector<Rect>& taken, int gap) {
    std::vector<int> candidates{y};
    for (const Rect& box : taken)
        if (box.bottom + gap - extent.top > y) candidates.push_back(box.bottom + gap - extent.top);
    std::sort(candidates.begin(), candidates.end());
    for (int candidate : candidates) {
        const Rect moved = Moved(extent, Point{x, candidate});
        if (std::none_of(taken.begin(), taken.end(),
                         [&](const Rect& box) { return Overlap(moved, box, gap); }))
            return candidate;
    }
    return candidates.back();
}

// The lowest line above `from` and at or above `limit` (the drawing's units) that cuts no box; `from`
// when there is none.
int RowBreak(const std::vector<Rect>& boxes, int from, int limit) {
    const auto cutsNone = [&boxes](int y) {
        return std::none_of(boxes.begin(), boxes.end(),
                            [y](const Rect& box) { return box.top < y && y < box.bottom; });
    };
    int best = from;
    if (limit > from && cutsNone(limit)) return limit;
    for (const Rect& box : boxes)
        if (box.top > best && box.top <= limit && cutsNone(box.top)) best = box.top;
    return best;
}

class PageFiller {
public:
    PageFiller(int kind, int areaHeight, int gap) : m_kind(kind), m_height(areaHeight), m_gap(gap) {
        m_pages.push_back(ReportPage{kind, {}});
    }

    void Place(const MeasuredPiece& measured) {
        Point origin{measured.origin.x, std::max(0, measured.origin.y - m_lift)};
        if (measured.boxes.empty()) {
            m_pages.back().pieces.push_back(PlacedPiece{measured.piece, origin, Band{}});
            return;
        }
        const Rect extent = ExtentIn(measured.boxes, Band{});
        origin.y = FirstClearY(extent, origin.x, origin.y, m_taken, m_gap);
        if (origin.y + extent.bottom > m_height && extent.Height() <= m_height) {
            // It fits a page of its own: the next page (or this one, while it holds nothing), at its top.
            if (!m_taken.empty()) NextPage();
            origin.y = -extent.top;
            m_lift = measured.origin.y - origin.y;
        }
        Band band;
        while (origin.y + extent.bottom > m_height) {
            // Taller than the room left: the rows that fit here, the rest on the next page.
            const int bandTop = band.top == INT_MIN ? extent.top : band.top;
            int cut = RowBreak(measured.boxes, bandTop, m_height - origin.y);
            const int areaBottom = m_height - origin.y; // where the print area ends, the drawing's units
            if (cut <= bandTop) {
                // Not even a row fits below the others, or the piece starts at the area's bottom: a
                // page of its own.
                if (!m_taken.empty() || areaBottom <= bandTop) {
                    if (!m_taken.empty()) NextPage();
                    origin.y = -bandTop;
                    m_lift = measured.origin.y - origin.y;
                    continue;
                }
                cut = areaBottom; // one box taller than the room left: cut through it where the area ends
            }
            Keep(measured, origin, Band{band.top, cut});
            NextPage();
            band.top = cut;
            origin.y = -cut;
            m_lift = measured.origin.y - origin.y;
        }
        Keep(measured, origin, band);
    }

    std::vector<ReportPage> Pages() && { return std::move(m_pages); }

private:
    void NextPage() {
        m_pages.push_back(ReportPage{m_kind, {}});
        m_taken.clear();
    }
    void Keep(const MeasuredPiece& measured, Point origin, Band band) {
        m_pages.back().pieces.push_back(PlacedPiece{measured.piece, origin, band});
        const Rect extent = ExtentIn(measured.boxes, band);
        if (extent.Width() > 0 || extent.Height() > 0) m_taken.push_back(Moved(extent, origin));
    }

    int m_kind;
    int m_height;
    int m_gap;
    int m_lift = 0; // how far the table's places move up on the pages a piece moved onto
    std::vector<ReportPage> m_pages;
    std::vector<Rect> m_taken; // boxes on the last page, dots from the area's top-left
};

} // namespace

std::vector<ReportPage> FlowReportPages(int kind, const std::vector<MeasuredPiece>& pieces, int areaHeight,
                                        int gap) {
    PageFiller filler(kind, areaHeight, gap);
    for (const MeasuredPiece& piece : pieces) filler.Place(piece);
    return std::move(filler).Pages();
}
