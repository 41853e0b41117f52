#include "views/chakras/sudarsana_chakra_view.h"

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/zodiac_names.h"
#include "display/styled_text.h"
#include "document/tavro_doc.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/figure_obstacles.h"

namespace {
constexpr int kFigureUnits = 144; // the rings and lines
constexpr int kPlaceUnits = 120;  // the places of the sign names
constexpr int kNameBoxUnits = 12; // a sign name's box, a tenth of the figure each way
constexpr int kSlotsPerPlace = 6;

// The corners of the sign-name boxes, units of 1/120, by ring (inner, middle, outer) and sector.
// Sector 0 lies on the right just above the horizontal line; the sectors run anticlockwise.
constexpr FigurePoint kNameCorners[kSudarsanaRings][kSignCount] = {
    {{64, 55},
     {62, 50},
     {57, 47},
     {52, 47},
     {47, 50},
     {45, 55},
     {45, 60},
     {47, 65},
     {52, 68},
     {57, 68},
     {62, 65},
     {64, 60}},
    {{87, 49},
     {79, 34},
     {64, 24},
     {46, 24},
     {30, 34},
     {21, 49},
     {21, 67},
     {30, 81},
     {46, 91},
     {64, 91},
     {79, 81},
     {87, 67}},
    {{100, 45},
     {89, 24},
     {65, 10},
     {42, 10},
     {20, 24},
     {8, 45},
     {8, 71},
     {20, 91},
     {42, 105},
     {65, 105},
     {89, 91},
     {100, 71}},
};

using Slots = std::array<LabelSlot, kSlotsPerPlace>;
// The body-label slots of each sector, sixteenths of a body cell from the sign name's corner (before
// the labels' own shift of two across and one down): the inner ring's run outwards from the small
// names near the centre, the middle and outer rings' gather round their names.
constexpr Slots kSlots[kSudarsanaRings][kSignCount] = {
    {
        {{{16, -2}, {16, -8}, {23, -2}, {23, -8}, {30, -2}, {30, -8}}},
        {{{14, -6}, {10, -12}, {20, -10}, {16, -18}, {26, -14}, {21, -24}}},
        {{{11, -10}, {5, -10}, {5, -16}, {13, -16}, {5, -22}, {16, -22}}},
        {{{4, -10}, {-2, -10}, {-5, -16}, {4, -16}, {-8, -22}, {3, -22}}},
        {{{-2, -4}, {2, -10}, {-8, -8}, {-4, -16}, {-14, -12}, {-11, -22}}},
        {{{-4, -2}, {-4, -8}, {-11, -2}, {-11, -8}, {-18, -2}, {-18, -8}}},
        {{{-4, 0}, {-4, 6}, {-11, 0}, {-11, 6}, {-18, 0}, {-18, 6}}},
        {{{-2, 2}, {2, 8}, {-8, 6}, {-4, 14}, {-14, 10}, {-11, 20}}},
        {{{4, 8}, {-2, 8}, {-5, 14}, {4, 14}, {-8, 20}, {3, 20}}},
        {{{11, 8}, {5, 8}, {5, 14}, {13, 14}, {5, 20}, {16, 20}}},
        {{{14, 4}, {10, 10}, {20, 8}, {16, 16}, {26, 12}, {21, 22}}},
        {{{16, 0}, {16, 6}, {23, 0}, {23, 6}, {30, 0}, {30, 6}}},
    },
    {
        {{{12, 0}, {19, 0}, {10, 6}, {10, -6}, {17, 6}, {17, -6}}},
        {{{10, -8}, {17, -8}, {14, -2}, {2, -14}, {21, -2}, {9, -14}}},
        {{{6, -8}, {13, -8}, {14, -2}, {-2, -14}, {-2, -8}, {7, -14}}},
        {{{6, -8}, {13, -8}, {14, -2}, {-2, -14}, {-2, -8}, {7, -14}}},
        {{{0, -8}, {7, -8}, {-10, -2}, {-2, -14}, {-3, -2}, {5, -14}}},
        {{{0, 0}, {-7, 0}, {0, 6}, {2, -6}, {-7, 6}, {-6, -6}}},
        {{{0, -2}, {-7, -2}, {0, -8}, {2, 4}, {-7, -8}, {-6, 4}}},
        {{{0, 6}, {7, 6}, {-10, 0}, {-2, 12}, {-3, 0}, {5, 12}}},
        {{{6, 6}, {13, 6}, {14, 0}, {-2, 12}, {-2, 6}, {7, 12}}},
        {{{6, 6}, {13, 6}, {14, 0}, {-2, 12}, {-2, 6}, {7, 12}}},
        {{{10, 6}, {17, 6}, {14, 0}, {2, 12}, {21, 0}, {9, 12}}},
        {{{12, -2}, {19, -2}, {10, -8}, {10, 4}, {17, -8}, {17, 4}}},
    },
    {
        {{{12, 0}, {19, 0}, {10, 6}, {10, -6}, {17, 6}, {17, -6}}},
        {{{10, -8}, {17, -8}, {14, -2}, {0, -14}, {21, -2}, {7, -14}}},
        {{{6, -8}, {13, -8}, {14, -2}, {0, -14}, {-2, -8}, {7, -14}}},
        {{{6, -8}, {13, -8}, {14, -2}, {0, -14}, {-2, -8}, {7, -14}}},
        {{{0, -8}, {7, -8}, {-10, -2}, {0, -14}, {-3, -2}, {7, -14}}},
        {{{0, 0}, {-7, 0}, {0, 6}, {2, -6}, {-7, 6}, {-6, -6}}},
        {{{0, -2}, {-7, -2}, {0, -8}, {2, 4}, {-7, -8}, {-6, 4}}},
        {{{0, 6}, {7, 6}, {-10, 0}, {0, 12}, {-3, 0}, {7, 12}}},
        {{{6, 6}, {13, 6}, {14, 0}, {0, 12}, {-2, 6}, {7, 12}}},
        {{{6, 6}, {13, 6}, {14, 0}, {0, 12}, {-2, 6}, {7, 12}}},
        {{{10, 6}, {17, 6}, {14, 0}, {0, 12}, {21, 0}, {7, 12}}},
        {{{12, -2}, {19, -2}, {10, -8}, {10, 4}, {17, -8}, {17, 4}}},
    },
};

// The depth of each ring, units of 1/120: the inner disc's radius, then the middle and outer rings'
// widths (38.4 and 16.8 of the rings' 144 units).
constexpr double kRingDepths[kSudarsanaRings] = {32, 14, 14};

// The ring colours, outer to inner.
constexpr ColorRef kOuterRing = Rgb(255, 210, 210);
constexpr ColorRef kMiddleRing = Rgb(255, 255, 255);
constexpr ColorRef kInnerRing = Rgb(210, 255, 210);
constexpr int kPenWidth = 2;

bool g_bSudarsanaCustomBase = false; // no command sets it

// The twelve-sector places of the three rings, ring by ring, with the signs counted from `references`.
std::array<SignPlace, kSudarsanaRings * kSignCount> Places(const FigureArea& area,
                                                           const SudarsanaReferences& references) {
    std::array<SignPlace, kSudarsanaRings * kSignCount> places;
    for (int ring = 0; ring < kSudarsanaRings; ++ring) {
        const int depth = area.At({kRingDepths[ring], 0}).x - area.At({0, 0}).x;
        for (int sector = 0; sector < kSignCount; ++sector) {
            const FigurePoint corner = kNameCorners[ring][sector];
            const Point from = area.At(corner),
                        to = area.At({corner.x + kNameBoxUnits, corner.y + kNameBoxUnits});
            places[ring * kSignCount + sector] = {Rect{from.x, from.y, to.x, to.y},
                                                  (references[ring] + sector) % kSignCount,
                                                  kSlots[ring][sector], ring, depth};
        }
    }
    return places;
}
} // namespace

ChakraBaseSettings g_sudarsanaSettings{g_bSudarsanaCustomBase};

int SudarsanaSector(int sign, int reference) {
    return ((sign - reference) % kSignCount + kSignCount) % kSignCount;
}

CSudarsanaChakraView::CSudarsanaChakraView(QWidget* parent)
    : CSignChakraView(parent, g_sudarsanaSettings,
                      {g_chakraGroups[kGroupYoginiMrityu].command, g_chakraGroups[kGroupSphutas].command,
                       g_chakraGroups[kGroupSahamas].command, kCmdChakraBasePlanet, kCmdChakraCustomBase}) {}

ChakraLayout CSudarsanaChakraView::ComputeLayout(Size window) const {
    const ChakraLayout layout = CalcChakraLayout(window);
    const FigureArea area = FigureArea::Square(layout.square, kPlaceUnits, kSignChakraTopBand);
    return ReachingEveryLabel(layout, area, Places(area, m_references));
}

FigureArea CSudarsanaChakraView::RoundFigure(int units) const {
    return FigureArea::Square(Layout().square, units, kSignChakraTopBand);
}

Rect CSudarsanaChakraView::SectorNameBox(int ring, int sector) const {
    return Places(RoundFigure(kPlaceUnits), m_references)[ring * kSignCount + sector].nameBox;
}

void CSudarsanaChakraView::DrawRings(DrawSurface& surface) const {
    const FigureArea area = RoundFigure(kFigureUnits);
    surface.SelectPen(LogicalPen{g_colors[kColorKalachakraLine], kPenWidth});
    const auto circle = [&](double from, double to, ColorRef fill) {
        surface.SelectBrush(LogicalBrush{fill});
        const Point a = area.At({from, from}), b = area.At({to, to});
        surface.Ellipse(Rect{a.x, a.y, b.x, b.y});
    };
    circle(0, 144, kOuterRing);
    circle(16.8, 127.2, kMiddleRing);
    circle(33.6, 110.4, kInnerRing);
    // Lines through the centre at 0, 90, 30, 150, 60 and 120 degrees.
    static constexpr FigurePoint kLines[][2] = {
        {{0, 72}, {144, 72}},          {{72, 0}, {72, 144}},          {{9.648, 36}, {134.352, 108}},
        {{9.648, 108}, {134.352, 36}}, {{36, 9.648}, {108, 134.352}}, {{108, 9.648}, {36, 134.352}},
    };
    for (const auto& line : kLines) surface.Line(area.At(line[0]), area.At(line[1]));
}

void CSudarsanaChakraView::DrawChakra(DrawSurface& surface, CTavroDoc& document) {
    const int varga = Settings().vargaForBodies;
    const CChart& reference = ChakraReferenceChart(document);
    m_references = {reference.m_vargaSign.Sign(kLagna, varga), reference.m_vargaSign.Sign(kMoon, varga),
                    reference.m_vargaSign.Sign(kSun, varga)};
    DrawRings(surface);
    FigureObstacles obstacles(surface); // what the names and labels keep clear of
    DrawRings(obstacles);
    const FigureArea area = RoundFigure(kPlaceUnits);
    const auto places = Places(area, m_references);
    DrawTitle(surface, " in " + g_strVargaLabels[varga], places, obstacles);

    // Every body is written in each ring, in the sector of its sign; in a crowded sector a label with no
    // clear place is written smaller, or over another (see DrawPlaces).
    std::vector<PlacedLabel> labels;
    const std::vector<ChakraLabel> bodies = GroupLabels(*document.m_pCurrentChart, varga);
    for (int ring = 0; ring < kSudarsanaRings; ++ring)
        for (const ChakraLabel& body : bodies)
            labels.push_back({body.text, ring * kSignCount + SudarsanaSector(body.sign, m_references[ring])});
    DrawPlaces(surface, area, places, labels, obstacles);
}
