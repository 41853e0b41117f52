// Crowded cells: labels that would touch their neighbour or reach past their cell are moved into free
// room of their row, and drawn smaller only when the row has too little room for them side by side.
#include "display/label_spacing.h"

#include <gtest/gtest.h>
#include <vector>

#include "display/polygon_region.h"

namespace {

struct Case {
    const char* what;
    std::vector<Rect> boxes;
    bool inSquareCell; // the cell (0, 0)-(100, 100); otherwise no cell edge applies
    std::vector<int> shifts;
    std::vector<int> rights; // right edge after the fit
};

TEST(LabelSpacing, LabelsKeepAGapAndStayInTheirCell) {
    const Case cases[] = {
        {"apart: unchanged", {{10, 10, 40, 30}, {44, 10, 70, 30}}, true, {0, 0}, {40, 70}},
        {"overlapping, no room beyond the row: both drawn smaller alike",
         {{10, 10, 50, 30}, {20, 10, 60, 30}},
         false,
         {0, -16},
         {34, 60}},
        {"touching in a cell: the left one moves left",
         {{10, 10, 40, 30}, {40, 10, 70, 30}},
         true,
         {2, 0},
         {38, 70}},
        {"past the cell's edge: it and its neighbour move left",
         {{60, 10, 120, 30}, {20, 12, 50, 32}},
         true,
         {22, 14},
         {98, 36}},
        {"different rows: no neighbours", {{10, 10, 40, 30}, {20, 28, 70, 48}}, false, {0, 0}, {40, 70}},
        {"set outside its cell: keeps to its row's extent",
         {{110, 10, 150, 30}, {120, 10, 160, 30}},
         true,
         {0, -16},
         {134, 160}},
        {"one slot taken twice: set side by side",
         {{10, 10, 40, 30}, {10, 10, 40, 30}},
         true,
         {8, -24},
         {32, 64}},
    };
    CPolygonRegion square;
    square.SetPoints({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<LabelFit> fits = FitLabels(c.boxes, c.inSquareCell ? &square : nullptr);
        ASSERT_EQ(fits.size(), c.boxes.size());
        for (std::size_t i = 0; i < fits.size(); ++i) {
            const Rect& box = c.boxes[i];
            EXPECT_EQ(fits[i].shift, c.shifts[i]) << i;
            const int right = box.left - fits[i].shift + static_cast<int>(box.Width() * fits[i].scale + 0.5);
            EXPECT_EQ(right, c.rights[i]) << i;
        }
    }
}

// A label at the slanted edge of a triangular cell keeps its gap from that edge at its middle row.
TEST(LabelSpacing, TheSlantedEdgeOfATriangleLimitsItsRow) {
    CPolygonRegion triangle;
    triangle.SetPoints({{0, 0}, {100, 0}, {0, 100}});   // the edge x = 100 - y
    const std::vector<Rect> boxes = {{40, 40, 70, 60}}; // middle row y = 50: the edge is at x = 50
    const std::vector<LabelFit> fits = FitLabels(boxes, &triangle);
    EXPECT_EQ(fits[0].shift, 22); // to x 18 .. 48
    EXPECT_DOUBLE_EQ(fits[0].scale, 1.0);
}

// A fixed text (a sign number) parts its row: a label over it moves to the side its middle lies on, a
// label of another row stays; labels a line apart stay stacked.
TEST(LabelSpacing, LabelsKeepClearOfAFixedText) {
    CPolygonRegion square;
    square.SetPoints({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    const std::vector<Rect> fixed = {{30, 10, 50, 30}};
    const std::vector<Rect> boxes = {{40, 10, 70, 30}, {10, 12, 32, 32}, {35, 40, 60, 60}};
    const std::vector<LabelFit> fits = FitLabels(boxes, &square, fixed);
    EXPECT_EQ(fits[0].shift, -12); // right of the number: from x 52
    EXPECT_EQ(fits[1].shift, 4);   // left of it: ending at x 28
    EXPECT_EQ(fits[2].shift, 0);   // the next line
    for (const LabelFit& fit : fits) EXPECT_DOUBLE_EQ(fit.scale, 1.0);
    // Stacked a line apart, their bands overlap by less than a quarter: no row, no move.
    const std::vector<Rect> stacked = {{10, 10, 40, 40}, {10, 32, 40, 62}};
    for (const LabelFit& fit : FitLabels(stacked, &square)) EXPECT_EQ(fit.shift, 0);
}

} // namespace
