// The report's pieces onto pages, from boxes made by hand: a piece moved clear of the one above it, onto
// the next page when it does not fit, a listing taller than a page broken between its rows, and every
// row on exactly one page inside the print area.
#include <gtest/gtest.h>

#include "display/report_flow.h"
#include "document/report_dispatch.h"

namespace {

constexpr int kArea = 1000; // the print area's height, dots
constexpr int kGap = 10;

// A listing of `rows` rows of 30 dots from its origin, 400 dots wide, under a title of 40.
MeasuredPiece Listing(int code, Point origin, int rows) {
    MeasuredPiece piece{PrintPiece{kDasaReport, code}, origin, {Rect{0, 0, 300, 40}}};
    for (int row = 0; row < rows; ++row)
        piece.boxes.push_back(Rect{20, 50 + 30 * row, 420, 50 + 30 * row + 30});
    return piece;
}

// Where each box of each piece lands: its page and its top and bottom on that page (dots).
struct Landed {
    int code;
    int box;
    int page;
    Rect rect;
};
std::vector<Landed> LandedBoxes(const std::vector<ReportPage>& pages,
                                const std::vector<MeasuredPiece>& pieces) {
    std::vector<Landed> landed;
    for (int page = 0; page < static_cast<int>(pages.size()); ++page)
        for (const PlacedPiece& placed : pages[page].pieces)
            for (const MeasuredPiece& piece : pieces) {
                if (piece.piece.a != placed.piece.a) continue;
                for (int b = 0; b < static_cast<int>(piece.boxes.size()); ++b) {
                    const Rect& box = piece.boxes[b];
                    if (!placed.band.Holds(box.top)) continue;
                    landed.push_back(Landed{piece.piece.a, b, page,
                                            Rect{box.left + placed.origin.x, box.top + placed.origin.y,
                                                 box.right + placed.origin.x, box.bottom + placed.origin.y}});
                }
            }
    return landed;
}

// Every box of every piece on exactly one page, inside the area, overlapping no box of another piece.
void ExpectEveryRowOnceInsideTheArea(const std::vector<ReportPage>& pages,
                                     const std::vector<MeasuredPiece>& pieces) {
    const std::vector<Landed> landed = LandedBoxes(pages, pieces);
    size_t boxes = 0;
    for (const MeasuredPiece& piece : pieces) boxes += piece.boxes.size();
    EXPECT_EQ(landed.size(), boxes);
    for (const Landed& l : landed) {
        SCOPED_TRACE(testing::Message() << "piece " << l.code << " box " << l.box << " page " << l.page);
        EXPECT_GE(l.rect.top, 0);
        EXPECT_LE(l.rect.bottom, kArea);
        for (const Landed& other : landed) {
            if (other.page != l.page || other.code == l.code) continue;
            const bool overlap = l.rect.left < other.rect.right && other.rect.left < l.rect.right &&
                                 l.rect.top < other.rect.bottom && other.rect.top < l.rect.bottom;
            EXPECT_FALSE(overlap) << "over piece " << other.code << " box " << other.box;
        }
    }
}

TEST(ReportFlow, PiecesThatFitStayAtTheirPlaces) {
    // Two listings side by side, and one below them: as the page table has them.
    const std::vector<MeasuredPiece> pieces = {Listing(1, {0, 0}, 5), Listing(2, {500, 0}, 8),
                                               Listing(3, {0, 500}, 10)};
    const std::vector<ReportPage> pages = FlowReportPages(4, pieces, kArea, kGap);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].kind, 4);
    ASSERT_EQ(pages[0].pieces.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages[0].pieces[i].origin, pieces[i].origin) << i;
        EXPECT_EQ(pages[0].pieces[i].band, Band{}) << i;
    }
    ExpectEveryRowOnceInsideTheArea(pages, pieces);
}

TEST(ReportFlow, APieceIsMovedClearOfTheOneAboveAndToTheNextPageWhenItDoesNotFit) {
    struct Case {
        int firstRows;
        int secondRows;
        std::vector<int> pageOfPiece; // the page each piece starts on
        std::vector<int> topOfPiece;  // its origin's y there
    };
    // The second listing's place is 500 dots down; the first ends at 50 + 30 rows.
    const Case cases[] = {
        {10, 10, {0, 0}, {0, 500}}, // the first ends at 350: both at their places
        {20, 9, {0, 0}, {0, 660}},  // the first ends at 650: the second moved below it, clear by the gap
        {20, 20, {0, 1}, {0, 0}},   // moved below, it would pass the area's bottom: the next page, at its top
        {30, 5, {0, 1}, {0, 0}},    // the first ends at 950: no room below
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firstRows << " and " << c.secondRows << " rows");
        const std::vector<MeasuredPiece> pieces = {Listing(1, {0, 0}, c.firstRows),
                                                   Listing(2, {0, 500}, c.secondRows)};
        const std::vector<ReportPage> pages = FlowReportPages(4, pieces, kArea, kGap);
        ASSERT_EQ(pages.size(), static_cast<size_t>(c.pageOfPiece.back() + 1));
        for (int i = 0; i < 2; ++i) {
            const ReportPage& page = pages[c.pageOfPiece[i]];
            const auto placed = std::find_if(page.pieces.begin(), page.pieces.end(),
                                             [&](const PlacedPiece& p) { return p.piece.a == i + 1; });
            ASSERT_NE(placed, page.pieces.end()) << i;
            EXPECT_EQ(placed->origin.y, c.topOfPiece[i]) << i;
            EXPECT_EQ(placed->band, Band{}) << i;
        }
        for (const ReportPage& page : pages) EXPECT_EQ(page.kind, 4);
        ExpectEveryRowOnceInsideTheArea(pages, pieces);
    }
}

TEST(ReportFlow, AListingTallerThanAPageContinuesOnTheNextBetweenRows) {
    // 70 rows: 50 + 2100 dots. On the first page from 500 down the title and the 15 rows that end by
    // 1000 (to 500 + 500); on the second the 33 rows that end by 1000 (to 1490, the 34th would cut the
    // line); the rest on the third.
    const std::vector<MeasuredPiece> pieces = {Listing(1, {0, 0}, 10), Listing(2, {0, 500}, 70),
                                               Listing(3, {0, 900}, 3)};
    const std::vector<ReportPage> pages = FlowReportPages(5, pieces, kArea, kGap);
    ExpectEveryRowOnceInsideTheArea(pages, pieces);
    ASSERT_EQ(pages.size(), 3u);
    ASSERT_EQ(pages[0].pieces.size(), 2u);
    EXPECT_EQ(pages[0].pieces[1].origin.y, 500);
    EXPECT_EQ(pages[0].pieces[1].band, (Band{INT_MIN, 500}));
    ASSERT_EQ(pages[1].pieces.size(), 1u);
    EXPECT_EQ(pages[1].pieces[0].origin.y, -500);
    EXPECT_EQ(pages[1].pieces[0].band, (Band{500, 1490}));
    // The last band, and the listing after it below it, clear by the gap.
    ASSERT_EQ(pages[2].pieces.size(), 2u);
    EXPECT_EQ(pages[2].pieces[0].band, (Band{1490, INT_MAX}));
    const int lastRowBottom = 50 + 30 * 70 - 1490;
    EXPECT_EQ(pages[2].pieces[1].origin.y, lastRowBottom + kGap);
}

// One box taller than a page, alone at its place 400 dots down the first page: cut where the print area
// ends (600 dots into the box), the rest at the top of the next page; no band is drawn past the area.
TEST(ReportFlow, ABoxTallerThanAPageBelowThePagesTopIsCutAtTheAreasBottom) {
    const std::vector<MeasuredPiece> pieces = {
        MeasuredPiece{PrintPiece{kDasaReport, 1}, {0, 400}, {Rect{0, 0, 400, 1500}}}};
    const std::vector<ReportPage> pages = FlowReportPages(5, pieces, kArea, kGap);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].pieces.size(), 1u);
    ASSERT_EQ(pages[1].pieces.size(), 1u);
    EXPECT_EQ(pages[0].pieces[0].origin.y, 400);
    EXPECT_EQ(pages[0].pieces[0].band, (Band{INT_MIN, 600}));
    EXPECT_EQ(pages[1].pieces[0].origin.y, -600);
    EXPECT_EQ(pages[1].pieces[0].band, (Band{600, INT_MAX}));
}

TEST(ReportFlow, PiecesThatDrawNothingKeepTheirPlaceAndTheirPage) {
    const std::vector<MeasuredPiece> pieces = {MeasuredPiece{PrintPiece{kDasaReport, 1}, {0, 300}, {}},
                                               MeasuredPiece{PrintPiece{kDasaReport, 2}, {0, 600}, {}}};
    const std::vector<ReportPage> pages = FlowReportPages(3, pieces, kArea, kGap);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].pieces.size(), 2u);
    EXPECT_EQ(pages[0].pieces[0].origin, (Point{0, 300}));
    EXPECT_EQ(pages[0].pieces[1].origin, (Point{0, 600}));
}

} // namespace
