#include "views/chakras/tripataki_chakra_view.h"

#include <algorithm>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/zodiac_names.h"
#include "document/tavro_doc.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/figure_obstacles.h"

namespace {
constexpr int kUnits = 144;
constexpr int kNameBoxUnits = 12;
constexpr int kPenWidth = 2;

// The corners of the sign-name boxes, units of 1/144: place 0 at the top of the middle vertical, the
// places running anticlockwise round the twelve line ends.
constexpr FigurePoint kNameCorners[kSignCount] = {{66, -6},  {36, -6},  {0, 39},   {0, 69},
                                                  {0, 99},   {36, 132}, {66, 132}, {96, 132},
                                                  {132, 99}, {132, 69}, {132, 39}, {96, -6}};
// Twelve body slots of a place, sixteenths of a body cell: three columns of four rows below the name.
constexpr LabelSlot kSlots[] = {{6, 6},   {6, 12},  {15, 6}, {15, 12}, {6, 18},  {6, 24},
                                {15, 18}, {15, 24}, {24, 6}, {24, 12}, {24, 18}, {24, 24}};

bool g_bTripatakiCustomBase = false; // no command sets it

// The figure area of the drawing square. The top row of names stands kNameReach units above the area,
// in the band over it: the band grows with the figure, so that those names leave the title its whole
// band however large the pane (a band of fixed height would squeeze the title as the figure grew).
constexpr int kNameReach = 6;
FigureArea TripatakiArea(const Rect& square) {
    // The least band b with b - kNameReach (D - b - kFigureBand) / kUnits >= the title's band and gap.
    constexpr int kTitleRoom = kSignChakraTitleBand + kSignChakraTextGap;
    const int reach = kNameReach * (square.Height() - kFigureBand);
    const int band = (kTitleRoom * kUnits + reach + kUnits + kNameReach - 1) / (kUnits + kNameReach);
    return FigureArea(square, kUnits, std::max(band, kSignChakraTopBand));
}

std::array<SignPlace, kSignCount> Places(const FigureArea& area, int base) {
    std::array<SignPlace, kSignCount> places;
    for (int place = 0; place < kSignCount; ++place) {
        const FigurePoint corner = kNameCorners[place];
        const Point from = area.At(corner),
                    to = area.At({corner.x + kNameBoxUnits, corner.y + kNameBoxUnits});
        places[place] = {Rect{from.x, from.y, to.x, to.y}, (base + place) % kSignCount, kSlots};
    }
    return places;
}
} // namespace

ChakraBaseSettings g_tripatakiSettings{g_bTripatakiCustomBase};

int TripatakiPlace(int sign, int base) {
    return ((sign - base) % kSignCount + kSignCount) % kSignCount;
}

CTripatakiChakraView::CTripatakiChakraView(QWidget* parent)
    : CSignChakraView(parent, g_tripatakiSettings,
                      {g_chakraGroups[kGroupYoginiMrityu].command, kCmdChakraCustomBase}) {}

ChakraLayout CTripatakiChakraView::ComputeLayout(Size window) const {
    const ChakraLayout layout = CalcChakraLayout(window);
    const FigureArea area = TripatakiArea(layout.square);
    return ReachingEveryLabel(layout, area, Places(area, m_nBaseSign));
}

int CTripatakiChakraView::BaseBody() const {
    return Settings().basePlanetOn ? Settings().basePlanet : kLagna;
}

Rect CTripatakiChakraView::PlaceNameBox(int place) const {
    return Places(TripatakiArea(Layout().square), m_nBaseSign)[place].nameBox;
}

void CTripatakiChakraView::DrawLines(DrawSurface& surface) const {
    const FigureArea area = TripatakiArea(Layout().square);
    surface.SelectPen(LogicalPen{g_colors[kColorKalachakraLine], kPenWidth});
    static constexpr FigurePoint kLines[][2] = {
        // the grid
        {{42, 12}, {42, 132}},
        {{72, 12}, {72, 132}},
        {{102, 12}, {102, 132}},
        {{12, 42}, {132, 42}},
        {{12, 72}, {132, 72}},
        {{12, 102}, {132, 102}},
        // diagonals from the left ends
        {{12, 42}, {42, 12}},
        {{12, 42}, {102, 132}},
        {{12, 72}, {72, 12}},
        {{12, 72}, {72, 132}},
        {{12, 102}, {102, 12}},
        {{12, 102}, {42, 132}},
        // diagonals from the right ends
        {{132, 42}, {102, 12}},
        {{132, 42}, {42, 132}},
        {{132, 72}, {72, 12}},
        {{132, 72}, {72, 132}},
        {{132, 102}, {42, 12}},
        {{132, 102}, {102, 132}},
    };
    for (const auto& line : kLines) surface.Line(area.At(line[0]), area.At(line[1]));
    // A flag on top of each vertical.
    for (const double x : {42.0, 72.0, 102.0}) {
        const Point foot = area.At({x, 12}), top = area.At({x, 6}), tip = area.At({x - 6, 9});
        surface.Line(foot, top);
        surface.Line(top, tip);
        surface.Line(tip, foot);
    }
}

void CTripatakiChakraView::DrawChakra(DrawSurface& surface, CTavroDoc& document) {
    const ChakraBaseSettings& settings = Settings();
    const CChart& baseChart =
        settings.basePlanetOn ? *document.m_pCurrentChart : ChakraReferenceChart(document);
    m_nBaseSign = baseChart.m_vargaSign.Sign(BaseBody(), settings.baseDivision);
    DrawLines(surface);
    FigureObstacles obstacles(surface); // what the names and labels keep clear of
    DrawLines(obstacles);
    const FigureArea area = TripatakiArea(Layout().square);
    const auto places = Places(area, m_nBaseSign);
    DrawTitle(surface,
              " in " + g_strVargaLabels[settings.vargaForBodies] + "(from " +
                  ChosenPlanetNames()[BaseBody()] + " in " + g_strVargaLabels[settings.baseDivision] + ")",
              places, obstacles);
    // Every body of the group is written at its sign's place; a crowd (of sahamas in one sign) is written
    // smaller, and at last over one another (see DrawPlaces).
    std::vector<PlacedLabel> labels;
    for (const ChakraLabel& body : GroupLabels(*document.m_pCurrentChart, settings.vargaForBodies))
        labels.push_back({body.text, TripatakiPlace(body.sign, m_nBaseSign)});
    DrawPlaces(surface, area, places, labels, obstacles);
}
