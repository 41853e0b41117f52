// The figures of the four star chakras: their lines, the places of the 28 stars (place 0 holds the base
// star) and the slots of the body labels beside each star.
#include <algorithm>
#include <span>
#include <string>

#include "display/styled_text.h"
#include "document/document_state.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_text.h"
#include "views/chakras/figure_obstacles.h"
#include "views/chakras/star_chakras.h"

namespace {
bool g_bCKCustomBase = false;
bool g_bShoolaCustomBase = false;
bool g_bSKCustomBase = false;

struct Segment {
    FigurePoint from;
    FigurePoint to;
};

void DrawSegments(DrawSurface& surface, const FigureArea& area, std::span<const Segment> segments) {
    for (const Segment& s : segments) surface.Line(area.At(s.from), area.At(s.to));
}

void DrawCircle(DrawSurface& surface, const FigureArea& area, FigurePoint topLeft, FigurePoint bottomRight) {
    const Point a = area.At(topLeft), b = area.At(bottomRight);
    surface.Ellipse(Rect{a.x, a.y, b.x, b.y});
}

// Chandra Kalanala, units of 1/144: a circle, the two axes, a trident head at each end and the diagonals.
void DrawChandraKalanala(DrawSurface& surface, const FigureArea& area, const ChakraLayout&) {
    DrawCircle(surface, area, {37, 37}, {107, 107});
    // clang-format off
    static constexpr Segment kLines[] = {
        {{72, 12}, {72, 132}},       {{12, 72}, {132, 72}},                                 // axes
        {{57, 12}, {57, 27}},        {{87, 12}, {87, 27}},       {{57, 27}, {87, 27}},     // top
        {{57, 132}, {57, 117}},      {{87, 132}, {87, 117}},     {{57, 117}, {87, 117}},   // bottom
        {{12, 57}, {27, 57}},        {{12, 87}, {27, 87}},       {{27, 57}, {27, 87}},     // left
        {{132, 57}, {117, 57}},      {{132, 87}, {117, 87}},     {{117, 57}, {117, 87}},   // right
        {{47.25, 47.25}, {96.75, 96.75}}, {{47.25, 96.75}, {96.75, 47.25}},                // diagonals
    };
    // clang-format on
    DrawSegments(surface, area, kLines);
}

// Kala, units of 1/72: a small circle, eight spokes and the guardians of the eight directions.
struct Direction {
    const char* text;
    double left, right; // x, figure units
    double y;           // the edge of the 24-pixel box, figure units
    bool above;         // the text stands above y, its box's foot (else it hangs below y)
    std::uint32_t align;
};
constexpr Direction kDirections[] = {
    {"EAST: Indra (power)", 28, 44, 0, true, kTextCenter},
    {"SE: Agni (prosperity)", 54, 70, 8, true, kTextCenter},
    {"S: Yama (death)", 56, 72, 36, true, kTextRight},
    {"SW: Nirriti (curses of gods)", 54, 70, 64, false, kTextCenter},
    {"W: Varuna (suffering/foreign things)", 28, 44, 72, false, kTextCenter},
    {"NW: Vayu (wandering)", 2, 18, 64, false, kTextCenter},
    {"N: Kubera (money)", 0, 16, 36, true, kTextLeft},
    {"NE: Isana (blessings of gods)", 2, 18, 8, true, kTextCenter},
};

void DrawKala(DrawSurface& surface, const FigureArea& area, const ChakraLayout&) {
    DrawCircle(surface, area, {24, 24}, {48, 48});
    // clang-format off
    static constexpr Segment kSpokes[] = {
        {{0, 36}, {24, 36}},   {{48, 36}, {72, 36}},     {{36, 0}, {36, 24}},      {{36, 48}, {36, 72}},
        {{10, 10}, {27.5, 27.5}}, {{44.5, 44.5}, {62, 62}}, {{10, 62}, {27.5, 44.5}}, {{62, 10}, {44.5, 27.5}},
    };
    // clang-format on
    DrawSegments(surface, area, kSpokes);
}

// The guardians, each at its edge or the nearest place no line crosses and no text covers; one that
// finds none is written without its meaning ("N: Kubera"), and at its own place when even that finds none.
void PlaceKalaGuardians(DrawSurface& surface, const FigureArea& area, const ChakraLayout& layout,
                        FigureObstacles& obstacles) {
    TextStyle style;
    style.color = g_colors[kColorKalachakraDikpalaName];
    style.font = ScaledFont(layout.label, 1.4, 1.2, 1.0);
    style.format = kTextLeft | kTextTop | kTextSingleLine | kTextNoClip | kTextNoPrefix;
    // A text stands on (or hangs from) its edge a little away from it: the edges of "N" and "S" are
    // spokes, which the text's own line height would otherwise cross.
    constexpr int kLineGap = 3; // pixels
    constexpr int kTextGap = 2; // pixels kept from lines and other texts
    const Rect& bounds = area.Area();
    for (const Direction& d : kDirections) {
        std::string text = d.text;
        const Point from = area.At({d.left, d.y}), to = area.At({d.right, d.y});
        for (;;) {
            TextStyle measured = style;
            MeasureStyledText(surface, text, measured);
            const int width = measured.right - measured.left, height = measured.bottom - measured.top;
            int x = d.align == kTextCenter  ? (from.x + to.x - width) / 2
                    : d.align == kTextRight ? to.x - width
                                            : from.x;
            // The longer texts are wider than their boxes: kept within the figure, not cut at the pane's
            // edge.
            x = std::max(bounds.left, std::min(x, bounds.right - width));
            const int top = d.above ? from.y - kLineGap - height : from.y + kLineGap;
            const Rect own{x, top, x + width, top + height};
            const Rect placed = obstacles.ClearPlace(own, kTextGap, kFigureBand);
            const bool clear = obstacles.IsClear(placed, kTextGap) && placed.left >= bounds.left &&
                               placed.right <= bounds.right;
            const std::size_t meaning = text.find(" (");
            if (clear || meaning == std::string::npos) {
                const Rect at = clear ? placed : own;
                style.SetBox(at);
                DrawStyledText(surface, text, style);
                obstacles.AddBox(at);
                break;
            }
            text.resize(meaning);
        }
    }
}

// Shoola, units of 1/144: the shaft, two prongs and the bar joining them.
void DrawShoola(DrawSurface& surface, const FigureArea& area, const ChakraLayout&) {
    static constexpr Segment kTrident[] = {
        {{72, 12}, {72, 132}}, {{36, 12}, {36, 52}}, {{108, 12}, {108, 52}}, {{36, 52}, {108, 52}}};
    DrawSegments(surface, area, kTrident);
}

// Surya Kalanala, units of 1/144 of a figure 7/6 as wide as high: three arrows, three bars, the slanting
// strokes at the upper corners and at the foot.
void DrawSuryaKalanala(DrawSurface& surface, const FigureArea& area, const ChakraLayout&) {
    // clang-format off
    static constexpr Segment kLines[] = {
        {{72, 12}, {72, 132}},  {{42, 12}, {42, 132}},  {{102, 12}, {102, 132}},                        // shafts
        {{62, 12}, {72, 28}},   {{82, 12}, {72, 28}},   {{32, 12}, {42, 28}},   {{52, 12}, {42, 28}},   // heads
        {{92, 12}, {102, 28}},  {{112, 12}, {102, 28}},
        {{12, 60}, {132, 60}},  {{12, 78}, {132, 78}},  {{12, 96}, {132, 96}},                          // bars
        {{12, 12}, {42, 60}},   {{22, 12}, {42, 44}},   {{12, 28}, {32, 60}},                           // left
        {{132, 12}, {102, 60}}, {{122, 12}, {102, 44}}, {{132, 28}, {112, 60}},                         // right
        {{12, 120}, {30, 96}},  {{24, 132}, {42, 108}}, {{132, 120}, {114, 96}}, {{120, 132}, {102, 108}}, // foot
    };
    // clang-format on
    DrawSegments(surface, area, kLines);
}

// Body-label slots of the Chandra Kalanala, Shoola and Surya Kalanala chakras: two columns (the right
// one first) of four rows below the star's name.
constexpr std::array<LabelSlot, 8> kTwoColumnSlots = {
    {{6, 6}, {6, 12}, {0, 6}, {0, 12}, {6, 18}, {6, 24}, {0, 18}, {0, 24}}};
} // namespace

ChakraBaseSettings g_ckBase{g_bCKCustomBase};
ChakraBaseSettings g_kalaBase{g_bKalaChakraBaseOverride};
ChakraBaseSettings g_shoolaBase{g_bShoolaCustomBase};
ChakraBaseSettings g_skBase{g_bSKCustomBase};

// Places run from the top (east) to the left, the bottom and the right.
const StarChakraFigure g_chandraKalanalaFigure = {
    144,
    // clang-format off
    {{{66, 2},   {51, 2},   {51, 27},  {59, 46},  {42, 56},   {27, 54},  {0, 54},
      {0, 69},   {0, 84},   {27, 84},  {42, 74},  {59, 86},   {46, 111}, {51, 132},
      {66, 132}, {81, 132}, {86, 111}, {73, 86},  {90, 74},   {106, 84}, {132, 84},
      {132, 69}, {132, 54}, {106, 54}, {90, 56},  {73, 46},   {81, 27},  {81, 2}}},
    // clang-format on
    kTwoColumnSlots,
    2,
    true,
    false,
    true,
    DrawChandraKalanala,
    nullptr,
};

// Places run from the top (east) clockwise: south-east, south (right), south-west, west (bottom),
// north-west, north (left), north-east.
const StarChakraFigure g_kalaFigure = {
    72,
    // clang-format off
    {{{33, 1},  {33, 9},  {33, 17}, {36, 26}, {44, 22}, {50, 16}, {56, 10},
      {65, 36}, {57, 36}, {49, 36}, {40, 36}, {44, 44}, {50, 50}, {56, 56},
      {33, 65}, {33, 57}, {33, 49}, {30, 42}, {22, 44}, {16, 50}, {10, 56},
      {1, 36},  {9, 36},  {17, 36}, {26, 30}, {22, 22}, {16, 16}, {10, 10}}},
    // clang-format on
    {{{0, 4}, {0, 8}, {0, 12}, {0, 16}, {8, 4}, {8, 8}, {8, 12}, {8, 16}}},
    1,
    false,
    false,
    true,
    DrawKala,
    PlaceKalaGuardians,
};

// Places run up the shaft from its foot, round the left prong, the middle and the right prong, and down
// the shaft's right side.
const StarChakraFigure g_shoolaFigure = {
    144,
    // clang-format off
    {{{66, 132}, {54, 118}, {54, 106}, {54, 94},  {60, 80},  {60, 68},  {60, 56},
      {38, 12},  {30, 2},   {24, 12},  {24, 30},  {24, 42},  {30, 54},  {60, 12},
      {66, 2},   {74, 12},  {74, 26},  {60, 32},  {74, 38},  {96, 12},  {102, 2},
      {110, 12}, {110, 30}, {110, 42}, {102, 54}, {74, 94},  {74, 106}, {74, 118}}},
    // clang-format on
    kTwoColumnSlots,
    2,
    true,
    true,
    false,
    DrawShoola,
    nullptr,
};

// Places run from the middle of the lower edge to the left, up the left side, across the top and down
// the right side back to the lower edge.
const StarChakraFigure g_suryaKalanalaFigure = {
    144,
    // clang-format off
    {{{66, 132}, {36, 132}, {18, 132}, {0, 120},  {0, 93},   {0, 75},   {0, 57},
      {0, 28},   {0, 2},    {16, 2},   {26, 2},   {36, 2},   {46, 2},   {56, 2},
      {66, 2},   {76, 2},   {86, 2},   {96, 2},   {106, 2},  {116, 2},  {132, 2},
      {132, 28}, {132, 57}, {132, 75}, {132, 93}, {132, 120}, {114, 132}, {96, 132}}},
    // clang-format on
    kTwoColumnSlots,
    2,
    true,
    true,
    false,
    DrawSuryaKalanala,
    nullptr,
};
