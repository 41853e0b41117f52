#include "views/chakras/sarvatobhadra_chakra_view.h"

#include <QMouseEvent>
#include <algorithm>
#include <span>

#include "chart/chart.h"
#include "core/calendar_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/styled_text.h"
#include "document/tavro_doc.h"
#include "views/chakras/chakra_base.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/chakra_text.h"

int g_nSbcTransitVarga = 0;
int g_nSbcNatalVarga = 0;
int g_nSbcLastPlanetChoice = 0;

namespace {
constexpr std::uint32_t kOneLine = kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr int kLabelGap = 2; // pixels kept between neighbouring texts

// Font factors of the grid's and the side table's texts, and of marked bodies: in a marked cell, then
// a body marked itself (on top of the first).
constexpr double kGridFont[] = {1.3, 1.3, 1.1};
constexpr double kInMarkedCellFont[] = {1.3, 1.4, 1.6};
constexpr double kMarkedBodyFont[] = {1.4, 1.4, 3.0};

// Where the bodies of a star cell are written: six slots, sixteenths of the cell, taken in turn and
// again from the first; two columns, the right one first, below the star's name.
struct Slot {
    int x;
    int y;
};
constexpr Slot kBodySlots[] = {{8, 8}, {8, 12}, {2, 8}, {2, 12}, {2, 4}, {8, 4}};
constexpr int kSlotRows = 4;           // sixteenths of the cell between slot rows
constexpr int kLeftSlotColumns = 6;    // sixteenths from the left slot column to the right one
constexpr int kRightSlotColumns = 8;   // sixteenths from the right slot column to the cell's edge

// The side table of the natal special nakshatras, pixels from the grid's top right.
constexpr int kTableGap = 30;
constexpr int kTableColumns[] = {0, 120, 210};
constexpr int kTableWidth = 300;
constexpr int kHeaderTop = 55, kHeaderBottom = 85;
constexpr int kFirstRowTop = 100, kRowHeight = 30;
constexpr int kExtentPadding = 20;
constexpr ColorRef kHeaderColor = Rgb(150, 10, 10);
constexpr ColorRef kNameColor = Rgb(10, 10, 150);
constexpr ColorRef kStarColor = Rgb(10, 80, 10);

constexpr int kShownBodies = 10; // the lagna and Sun .. Ketu

// The colours of the marks, by SbcMark.
std::array<ColorRef, 5> MarkColors() {
    return {g_colors[kColorSbcCellBackground], g_colors[kColorSbcHighlightFrom], g_colors[kColorSbcHighlightTo],
            Rgb(120, 10, 250), Rgb(250, 10, 80)};
}

// `font` narrow enough for each of `texts` in `width`.
template <class Texts> LogicalFont FitEach(DrawSurface& surface, LogicalFont font, const Texts& texts, int width) {
    for (const auto& text : texts) font = FontNoWiderThan(surface, font, text, width);
    return font;
}

Rect Band(const Rect& cell, int fromTop) {
    return Rect{cell.left, cell.top + fromTop, cell.right, cell.bottom};
}
} // namespace

CSarvatobhadraChakraView::CSarvatobhadraChakraView(QWidget* parent) : CChakraView(parent, kColorSbcFrame) {}

void CSarvatobhadraChakraView::OnInitialUpdate() {
    m_clicked = SbcCell{};
    m_specialPoint.fill(false);
    m_cellMark.fill(kSbcNone);
    m_bodyMark.fill(kSbcNone);
    CChakraView::OnInitialUpdate();
}

ChakraLayout CSarvatobhadraChakraView::ComputeLayout(Size window) const {
    ChakraLayout layout = CalcChakraLayout(window);
    const int gridRight = layout.square.left + layout.square.Width() / kSbcSide * kSbcSide;
    layout.extent.cx = std::max(layout.extent.cx, gridRight + kTableGap + kTableWidth + kExtentPadding);
    layout.extent.cy =
        std::max(layout.extent.cy, layout.square.top + kFirstRowTop + kRowHeight * kSpecialTaraCount + kExtentPadding);
    layout.background.right = std::max(layout.background.right, layout.extent.cx);
    layout.background.bottom = std::max(layout.background.bottom, layout.extent.cy);
    return layout;
}

Rect CSarvatobhadraChakraView::Grid() const {
    const Rect& square = Layout().square;
    return Rect{square.left, square.top, square.left + square.Width() / kSbcSide * kSbcSide,
                square.top + square.Height() / kSbcSide * kSbcSide};
}

Rect CSarvatobhadraChakraView::CellRect(SbcCell cell) const {
    const Rect grid = Grid();
    const int cw = grid.Width() / kSbcSide, ch = grid.Height() / kSbcSide;
    const int left = grid.left + cell.column * cw, top = grid.top + cell.row * ch;
    return Rect{left, top, left + cw, top + ch};
}

std::optional<SbcCell> CSarvatobhadraChakraView::CellAt(Point point) const {
    const Rect grid = Grid();
    if (!grid.Contains(point)) return std::nullopt;
    return SbcCell{(point.x - grid.left) / (grid.Width() / kSbcSide), (point.y - grid.top) / (grid.Height() / kSbcSide)};
}

void CSarvatobhadraChakraView::mousePressEvent(QMouseEvent* event) {
    CChakraView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) ClearHighlights();
}

void CSarvatobhadraChakraView::ClearHighlights() {
    const auto set = [](int mark) { return mark != kSbcNone; };
    if (std::none_of(m_cellMark.begin(), m_cellMark.end(), set) &&
        std::none_of(m_bodyMark.begin(), m_bodyMark.end(), set))
        return;
    m_cellMark.fill(kSbcNone);
    m_bodyMark.fill(kSbcNone);
    RedrawViewAtOrigin();
}

void CSarvatobhadraChakraView::DrawChakra(DrawSurface& surface, CTavroDoc& document) {
    DrawCells(surface);
    DrawLabels(surface);
    if (const CChart* shown = ChakraVargaChart(*document.m_pCurrentChart, g_nSbcTransitVarga)) DrawBodies(surface, *shown);
    if (const CChart* natal = ChakraVargaChart(document.m_natalChart, g_nSbcNatalVarga)) DrawSideTable(surface, *natal);
}

void CSarvatobhadraChakraView::DrawCells(DrawSurface& surface) const {
    const std::array<ColorRef, 5> marks = MarkColors();
    for (int column = 0; column < kSbcSide; ++column) {
        for (int row = 0; row < kSbcSide; ++row) {
            const SbcCell cell{column, row};
            const Rect rect = CellRect(cell);
            surface.FillRect(rect, marks[CellMark(cell)]);
            if (!IsSpecialPoint(cell)) continue;
            // A marked special point keeps its mark's colour as a frame.
            const int dx = CellMark(cell) == kSbcNone ? 0 : rect.Width() / 8;
            const int dy = CellMark(cell) == kSbcNone ? 0 : rect.Height() / 8;
            surface.FillRect(Rect{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy},
                             g_colors[kColorSbcSpecialPoint]);
        }
    }
    const Rect grid = Grid();
    surface.SelectPen(LogicalPen{});
    for (int i = 0; i <= kSbcSide; ++i) {
        const int x = grid.left + i * grid.Width() / kSbcSide, y = grid.top + i * grid.Height() / kSbcSide;
        surface.Line(Point{x, grid.top}, Point{x, grid.bottom});
        surface.Line(Point{grid.left, y}, Point{grid.right, y});
    }
    const Point corners[] = {{grid.left - 1, grid.top - 1}, {grid.right + 1, grid.top - 1},
                             {grid.right + 1, grid.bottom + 1}, {grid.left - 1, grid.bottom + 1},
                             {grid.left - 1, grid.top - 1}};
    surface.Polyline(corners);
}

void CSarvatobhadraChakraView::DrawLabels(DrawSurface& surface) const {
    const Rect any = CellRect({});
    const int cw = any.Width(), ch = any.Height();
    const LogicalFont grid = ScaledFont(Layout().label, kGridFont[0], kGridFont[1], kGridFont[2]);
    // Each kind of text gets a font that keeps it clear of its neighbours in the cell: a star's name
    // above the first row of bodies, a tithi group's name above its weekday, two weekdays apart.
    const LogicalFont starFont = FitEach(surface, FontNoTallerThan(grid, kSlotRows * ch / 16),
                                         std::span(g_nakshatraShortNames28, kSbcStars), cw - kLabelGap);
    std::vector<std::string_view> letters;
    for (int column = 0; column < kSbcSide; ++column)
        for (int row = 0; row < kSbcSide; ++row) letters.push_back(SbcContentOf({column, row}).letter);
    for (int sign = 0; sign < kSignCount; ++sign) letters.push_back(g_pszSignNames ? g_pszSignNames[sign] : g_signAbbrevs[sign]);
    const LogicalFont letterFont = FitEach(surface, FontNoTallerThan(grid, ch / 2), letters, cw - kLabelGap);
    const LogicalFont tithiFont =
        FitEach(surface, FontNoTallerThan(grid, 3 * ch / 8), g_sbcTithiGroupNames, cw - kLabelGap);
    const LogicalFont weekdayFont =
        FitEach(surface, FontNoTallerThan(grid, 3 * ch / 16), g_weekdayShortNames, cw - kLabelGap);

    const auto draw = [&](std::string_view text, const Rect& box, const LogicalFont& font, int color,
                          std::uint32_t align) {
        TextStyle style;
        style.SetBox(box);
        style.font = font;
        style.color = g_colors[color];
        style.format = align | kOneLine;
        DrawStyledText(surface, text, style);
    };
    for (int column = 0; column < kSbcSide; ++column) {
        for (int row = 0; row < kSbcSide; ++row) {
            const SbcContent& content = SbcContentOf({column, row});
            const Rect cell = CellRect({column, row});
            switch (content.kind) {
            case SbcKind::kStar:
                draw(g_nakshatraShortNames28[content.index], cell, starFont, kColorSbcNakshatra, kTextCenter);
                break;
            case SbcKind::kSign:
                draw(g_pszSignNames ? g_pszSignNames[content.index] : g_signAbbrevs[content.index], cell, letterFont,
                     kColorSbcRasi, kTextCenter | kTextVCenter);
                break;
            case SbcKind::kVowel:
                draw(content.letter, cell, letterFont, kColorSbcVowel, kTextCenter | kTextVCenter);
                break;
            case SbcKind::kLetter:
                draw(content.letter, cell, letterFont, kColorSbcConsonant, kTextCenter | kTextVCenter);
                break;
            case SbcKind::kTithiGroup:
                draw(g_sbcTithiGroupNames[content.index], Rect{cell.left, cell.top, cell.right, cell.top + ch / 2},
                     tithiFont, kColorSbcTithi, kTextCenter | kTextVCenter);
                draw(g_weekdayShortNames[content.weekdays[0]], Band(cell, ch / 4), weekdayFont, kColorSbcVaara,
                     kTextCenter | kTextVCenter);
                if (content.weekdays[1] >= 0)
                    draw(g_weekdayShortNames[content.weekdays[1]], Band(cell, 5 * ch / 8), weekdayFont,
                         kColorSbcVaara, kTextCenter | kTextVCenter);
                break;
            }
        }
    }
}

void CSarvatobhadraChakraView::DrawBodies(DrawSurface& surface, const CChart& chart) const {
    const Rect any = CellRect({});
    const int cw = any.Width(), ch = any.Height();
    const std::array<ColorRef, 5> marks = MarkColors();
    std::array<std::string, kShownBodies> texts;
    for (int body = 0; body < kShownBodies; ++body) texts[body] = ChakraPlanetLabel(chart, body);
    // A label stays within its slot: no taller than a slot row, no wider than the way to the next
    // column (the left column) or to the cell's edge (the right one).
    const auto fit = [&](const LogicalFont& font, const std::string& text, int slotX) {
        const int room = (slotX == kBodySlots[0].x ? kRightSlotColumns : kLeftSlotColumns) * cw / 16 - kLabelGap;
        return FontNoWiderThan(surface, FontNoTallerThan(font, kSlotRows * ch / 16), text, room);
    };
    // Unmarked labels share one font, narrow enough for the narrower column.
    LogicalFont plain = Layout().body;
    for (const std::string& text : texts) plain = fit(plain, text, kBodySlots[2].x);

    std::array<int, kSbcCells> written{};
    for (int body = 0; body < kShownBodies; ++body) {
        const SbcCell cell = StarCell(chart.m_nakshatra28[body]);
        const Slot slot = kBodySlots[written[cell.Index()]++ % std::size(kBodySlots)];
        const Rect rect = CellRect(cell);
        TextStyle style;
        style.font = plain;
        style.color = g_colors[kColorSbcPlanet];
        style.format = kTextLeft | kOneLine;
        if (CellMark(cell) != kSbcNone || BodyMark(body) != kSbcNone) {
            LogicalFont font = Layout().body;
            if (CellMark(cell) != kSbcNone) {
                style.color = g_colors[kColorSbcPlanetHighlight];
                ScaleFontFields(font, kInMarkedCellFont[0], kInMarkedCellFont[1], kInMarkedCellFont[2]);
            }
            if (BodyMark(body) != kSbcNone) {
                style.color = marks[BodyMark(body)];
                ScaleFontFields(font, kMarkedBodyFont[0], kMarkedBodyFont[1], kMarkedBodyFont[2]);
            }
            style.font = fit(font, texts[body], slot.x);
        }
        const int left = rect.left + slot.x * cw / 16, top = rect.top + slot.y * ch / 16;
        style.SetBox(Rect{left, top, rect.right, top + kSlotRows * ch / 16});
        DrawStyledText(surface, texts[body], style);
    }
}

void CSarvatobhadraChakraView::DrawSideTable(DrawSurface& surface, const CChart& natal) const {
    const Rect grid = Grid();
    const int x0 = grid.right + kTableGap;
    const auto columnWidth = [](int column) {
        return (column + 1 < static_cast<int>(std::size(kTableColumns)) ? kTableColumns[column + 1] : kTableWidth) -
               kTableColumns[column] - kLabelGap;
    };
    const char* const headers[] = {"Nakshatra", "From Moon", "From Lagna"};
    LogicalFont font =
        FontNoTallerThan(ScaledFont(Layout().label, kGridFont[0], kGridFont[1], kGridFont[2]), kRowHeight - kLabelGap);
    for (int column = 0; column < 3; ++column) font = FontNoWiderThan(surface, font, headers[column], columnWidth(column));
    font = FitEach(surface, font, std::span(g_specialTaraNames, kSpecialTaraCount), columnWidth(0));
    font = FitEach(surface, font, std::span(g_nakshatraShortNames28, kSbcStars), columnWidth(1));

    TextStyle style;
    style.font = font;
    const auto draw = [&](std::string_view text, int column, int top, int bottom, ColorRef color) {
        style.SetBox(Rect{x0 + kTableColumns[column], top, x0 + kTableColumns[column] + columnWidth(column), bottom});
        style.color = color;
        style.format = kTextLeft | kTextVCenter | kOneLine;
        DrawStyledText(surface, text, style);
    };
    for (int column = 0; column < 3; ++column)
        draw(headers[column], column, grid.top + kHeaderTop, grid.top + kHeaderBottom, kHeaderColor);
    const int references[] = {natal.m_nakshatra28[kMoon], natal.m_nakshatra28[kLagna]};
    for (int i = 0; i < kSpecialTaraCount; ++i) {
        const int top = grid.top + kFirstRowTop + kRowHeight * i;
        draw(g_specialTaraNames[i], 0, top, top + kRowHeight, kNameColor);
        for (int r = 0; r < 2; ++r)
            draw(g_nakshatraShortNames28[StarCounted(references[r], g_specialTaraCounts[i])], r + 1, top,
                 top + kRowHeight, kStarColor);
    }
}
