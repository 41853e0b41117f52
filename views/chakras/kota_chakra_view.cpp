#include "views/chakras/kota_chakra_view.h"

#include <QMenu>
#include <array>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/planet_tables.h"
#include "core/zodiac_names.h"
#include "display/menu_commands.h"
#include "display/styled_text.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/entry_dialogs.h"
#include "views/chakras/chakra_base.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/chakra_text.h"
#include "views/info/pane_support.h"

int g_nKotaCustomBase = 0;

namespace {
constexpr int kCells = 9;
constexpr std::uint32_t kCentred = kTextCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kLeft = kTextLeft | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kRight = kTextRight | kTextSingleLine | kTextNoClip | kTextNoPrefix;

// Kota Pala by the Moon's nakshatra (rows) and pada (columns), body numbers 1 Sun .. 8 Rahu.
constexpr std::array<std::array<int, 4>, kNakshatraCount> kKotaPala = {{
    {6, 6, 6, 2}, {2, 2, 2, 2}, {1, 1, 1, 1}, {1, 2, 2, 2}, {2, 2, 3, 3}, {3, 3, 3, 6}, {3, 3, 8, 8},
    {8, 8, 8, 4}, {4, 4, 4, 4}, {7, 7, 7, 7}, {7, 4, 4, 4}, {4, 4, 7, 7}, {7, 8, 4, 4}, {7, 7, 2, 2},
    {2, 2, 2, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}, {5, 2, 2, 2}, {2, 2, 7, 7}, {7, 5, 7, 4}, {7, 7, 6, 6},
    {3, 3, 3, 3}, {3, 3, 3, 3}, {3, 8, 8, 8}, {8, 8, 5, 5}, {5, 5, 6, 6}, {5, 5, 6, 6},
}};

// Places 0-27 as (column, row): each corner diagonal runs inwards, each half-line outwards, corner by
// corner from the top-left (north-east) round to the left.
struct Cell {
    int column;
    int row;
};
constexpr std::array<Cell, kChakraStars> kPlaces = {{
    {0, 0}, {1, 1}, {2, 2}, {4, 3}, {4, 2}, {4, 1}, {4, 0}, {8, 0}, {7, 1}, {6, 2}, {5, 4}, {6, 4}, {7, 4}, {8, 4},
    {8, 8}, {7, 7}, {6, 6}, {4, 5}, {4, 6}, {4, 7}, {4, 8}, {0, 8}, {1, 7}, {2, 6}, {3, 4}, {2, 4}, {1, 4}, {0, 4},
}};

// The four areas from the outside in: the rectangle (in cells) and its fill.
struct Area {
    int from;
    int to;
    int color;
};
constexpr Area kAreas[] = {
    {1, 8, kColorKotaWall}, {2, 7, kColorKotaInner}, {3, 6, kColorKotaPillar}};

struct AreaName {
    const char* text;
    double column;
    double row;
};
constexpr AreaName kAreaNames[] = {{"Stambha\r\nPillar", 5.0, 5.3},
                                   {"Durgantara\r\nInterior", 5.0, 6.3},
                                   {"Praakaara\r\nWall", 5.5, 7.3},
                                   {"Bahya\r\nExterior", 6.0, 8.3}};

// Label slots of the grahas in a star's cell, sixteenths: two columns of three rows below the star.
constexpr std::array<std::array<int, 2>, 6> kSlots = {{{2, 4}, {8, 4}, {2, 8}, {8, 8}, {2, 12}, {8, 12}}};

constexpr int kHeadingBand = 24; // pixels above the square for the fort lord and guard
constexpr int kLabelGap = 2;     // pixels kept between neighbouring texts

bool IsNaturalBenefic(int planet) {
    return planet == kMoon || planet == kMercury || planet == kJupiter || planet == kVenus;
}

TextStyle LabelStyle(const LogicalFont& font, double a, double b, double c, int color, std::uint32_t format) {
    TextStyle style;
    style.font = ScaledFont(font, a, b, c);
    style.color = g_colors[color];
    style.format = format;
    return style;
}
} // namespace

int KotaSwami(int moonSign) {
    return kPlainSignLords[moonSign];
}

int KotaPala(int nakshatra, int pada) {
    return kKotaPala[nakshatra][pada];
}

CKotaChakraView::CKotaChakraView(QWidget* parent) : CChakraView(parent, kColorKotaFrame) {}

ChakraLayout CKotaChakraView::ComputeLayout(Size window) const {
    return CalcChakraLayoutBelowBand(window, kHeadingBand);
}

Rect CKotaChakraView::CellAt(double column, double row) const {
    const Rect& square = Layout().square;
    const int cw = square.Width() / kCells, ch = square.Height() / kCells;
    const int left = square.left + static_cast<int>(column * cw), top = square.top + static_cast<int>(row * ch);
    return Rect{left, top, left + cw, top + ch};
}

Rect CKotaChakraView::PlaceCell(int place) const {
    return CellAt(kPlaces[place].column, kPlaces[place].row);
}

void CKotaChakraView::BuildMenu(QMenu& menu) {
    AddCommand(menu, "View transits on this date", kCmdTransits);
    AddCommand(menu, "Change the base nakshatra", kCmdBase);
}

bool CKotaChakraView::RunCommand(int command) {
    switch (command) {
    case kCmdTransits:
        // The document recalculates and redraws every view itself.
        ChangeTransitMoment(*this);
        return false;
    case kCmdBase:
        return ChooseBase();
    default:
        return false;
    }
}

bool CKotaChakraView::ChooseBase() {
    CBaseNakshatraDlg dialog(this, {"Natal Moonstar is taken as the base nakshatra.",
                                    "It is placed in the northeastern corner."});
    dialog.m_nChoice = g_bKotaChakraBaseOverride ? 1 : 0;
    dialog.m_nStar = g_nKotaCustomBase;
    if (!dialog.RunAndStore()) return false;
    g_bKotaChakraBaseOverride = dialog.m_nChoice == 1;
    if (dialog.m_nStar >= 0) g_nKotaCustomBase = dialog.m_nStar;
    return true;
}

void CKotaChakraView::DrawChakra(DrawSurface& surface, CTavroDoc& document) {
    const CChart& natal = document.m_natalChart;
    m_nBaseStar = g_bKotaChakraBaseOverride ? g_nKotaCustomBase % kChakraStars : natal.m_nakshatra28[kMoon];
    DrawAreas(surface);
    DrawStars(surface);
    DrawGrahas(surface, *document.m_pCurrentChart);
    DrawLordAndGuard(surface, natal);
}

void CKotaChakraView::DrawAreas(DrawSurface& surface) const {
    const Rect& square = Layout().square;
    surface.FillRect(Rect{square.left + 2, square.top + 2, square.right - 2, square.bottom - 2},
                     g_colors[kColorKotaOuter]);
    surface.SelectPen(LogicalPen{});
    surface.SelectBrush(LogicalBrush{0, true});
    for (const Area& area : kAreas) {
        const Rect from = CellAt(area.from, area.from), to = CellAt(area.to, area.to);
        const Rect outline{from.left, from.top, to.left, to.top};
        surface.Rectangle(outline);
        surface.Rectangle(Rect{outline.left + 1, outline.top + 1, outline.right - 1, outline.bottom - 1});
        surface.FillRect(Rect{outline.left + 2, outline.top + 2, outline.right - 2, outline.bottom - 2},
                         g_colors[area.color]);
    }
    TextStyle style = LabelStyle(Layout().label, 1.1, 1.1, 1.0, kColorKotaAreaName,
                                 kTextCenter | kTextNoClip | kTextNoPrefix);
    // The names stay within a cell, clear of the stars and grahas beside them: made lower for the widest
    // line, and condensed only when legible letters are still too wide (condensed far, "Pillar" blurs).
    for (const AreaName& name : kAreaNames) {
        const std::string_view text = name.text;
        const size_t split = text.find("\r\n");
        for (std::string_view line : {text.substr(0, split), text.substr(split + 2)})
            style.font = FontLoweredToWidth(surface, style.font, line, CellAt(0, 0).Width() - kLabelGap);
    }
    for (const AreaName& name : kAreaNames) {
        style.SetBox(CellAt(name.column, name.row));
        DrawStyledText(surface, name.text, style);
    }
}

void CKotaChakraView::DrawStars(DrawSurface& surface) const {
    TextStyle style = LabelStyle(Layout().label, 1.1, 1.1, 1.0, kColorKotaStarName, kCentred);
    // A star's name stays above the first row of grahas.
    style.font = FontNoTallerThan(style.font, kSlots[0][1] * CellAt(0, 0).Height() / 16);
    for (int place = 0; place < kChakraStars; ++place) {
        style.SetBox(PlaceCell(place));
        DrawStyledText(surface, g_nakshatraShortNames28[(m_nBaseStar + place) % kChakraStars], style);
    }
}

void CKotaChakraView::DrawGrahas(DrawSurface& surface, const CChart& chart) const {
    TextStyle style = LabelStyle(Layout().body, 1.1, 1.25, 1.5, kColorKotaBeneficName, kLeft);
    // Two columns of three rows: a label no taller than a row and no wider than a column.
    const Rect cell = CellAt(0, 0);
    style.font = FontNoTallerThan(style.font, (kSlots[2][1] - kSlots[0][1]) * cell.Height() / 16);
    for (int planet = kSun; planet <= kKetu; ++planet)
        style.font = FontNoWiderThan(surface, style.font, ChakraPlanetLabel(chart, planet),
                                     (kSlots[1][0] - kSlots[0][0]) * cell.Width() / 16 - kLabelGap);
    std::array<int, kChakraStars> written{};
    for (int planet = kSun; planet <= kKetu; ++planet) {
        const int place = (chart.m_nakshatra28[planet] - m_nBaseStar + kChakraStars) % kChakraStars;
        const std::array<int, 2>& slot = kSlots[written[place]++ % kSlots.size()];
        const Rect cell = PlaceCell(place);
        const int left = cell.left + slot[0] * cell.Width() / 16, top = cell.top + slot[1] * cell.Height() / 16;
        style.SetBox(Rect{left, top, left + cell.Width(), top + cell.Height()});
        style.color = g_colors[IsNaturalBenefic(planet) ? kColorKotaBeneficName : kColorKotaMaleficName];
        DrawStyledText(surface, ChakraPlanetLabel(chart, planet), style);
    }
}

void CKotaChakraView::DrawLordAndGuard(DrawSurface& surface, const CChart& natal) const {
    const Rect& square = Layout().square;
    const int cw = square.Width() / kCells;
    const CRasiLongitude& moon = natal.m_bodies[kMoon];
    const char* const* names = ChosenPlanetNames();
    const std::string lord = std::string("Kota Swami (fort lord): ") + names[KotaSwami(moon.m_nSign)];
    const std::string guard =
        std::string("Kota Pala (fort guard): ") + names[KotaPala(natal.m_nakshatra[kMoon], natal.m_pada[kMoon])];
    TextStyle style = LabelStyle(Layout().label, 1.3, 1.5, 1.5, kColorKotaSwamiName, kLeft);
    style.SetBox(Rect{square.left + cw, 0, square.right - cw, square.top});
    // Both fit side by side in the band above the square.
    style.font = FontNoTallerThan(style.font, square.top);
    for (const std::string& text : {lord, guard})
        style.font = FontNoWiderThan(surface, style.font, text, (style.right - style.left) / 2 - kLabelGap);
    DrawStyledText(surface, lord, style);
    style.color = g_colors[kColorKotaPaalaName];
    style.format = kRight;
    DrawStyledText(surface, guard, style);
}
