#include "views/chakras/star_chakra_view.h"

#include <algorithm>
#include <cstdlib>
#include <span>

#include "chart/chart.h"
#include "core/zodiac_names.h"
#include "display/label_placement.h"
#include "display/styled_text.h"
#include "document/tavro_doc.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_text.h"
#include "views/chakras/figure_obstacles.h"

namespace {
constexpr std::uint32_t kCentred = kTextCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kLeft = kTextLeft | kTextSingleLine | kTextNoClip | kTextNoPrefix;

// Font factors of the star labels and of the group title.
constexpr double kStarFont[] = {1.3, 1.2, 1.0};
constexpr double kTitleFont[] = {1.3, 1.6, 1.5};
constexpr double kSahamaCellWidening = 1.5;
constexpr int kLabelGap = 2; // pixels kept between neighbouring labels
// A body label's font is at most this many slot rows tall.
constexpr double kLargestFontPerRow = 1.3;

// The nearest two slots of one column lie `rows` sixteenths apart, those of one row `columns` apart.
struct SlotSteps {
    int rows = 16;
    int columns = 16;
    int firstRow = 16; // the highest slot's distance below the star cell's top
};
SlotSteps StepsOf(const std::array<LabelSlot, 8>& labelSlots) {
    SlotSteps steps;
    for (const LabelSlot& a : labelSlots) {
        steps.firstRow = std::min(steps.firstRow, a.dy);
        for (const LabelSlot& b : labelSlots) {
            if (a.dx == b.dx && b.dy > a.dy) steps.rows = std::min(steps.rows, b.dy - a.dy);
            if (a.dy == b.dy && b.dx > a.dx) steps.columns = std::min(steps.columns, b.dx - a.dx);
        }
    }
    return steps;
}

// The least distance across between two star places whose names, `height` pixels high, would share a
// line; a cell's width at most.
int StarSpacing(const FigureArea& area, const std::array<FigurePoint, 28>& places, int height) {
    int spacing = area.CellWidth();
    for (const FigurePoint& a : places)
        for (const FigurePoint& b : places) {
            const Point p = area.At(a), q = area.At(b);
            if (p.x < q.x && std::abs(p.y - q.y) < height) spacing = std::min(spacing, q.x - p.x);
        }
    return spacing;
}

// `font` made narrow enough for the widest of `texts` in `width`.
template <class Texts>
LogicalFont FitWidest(DrawSurface& surface, LogicalFont font, const Texts& texts, int width) {
    for (const auto& text : texts) font = FontNoWiderThan(surface, font, text, width);
    return font;
}
} // namespace

CStarChakraView::CStarChakraView(QWidget* parent, const StarChakraFigure& figure,
                                 ChakraBaseSettings& settings)
    : CChakraView(parent, kColorKalachakraFrame), m_figure(figure), m_settings(settings) {
    ResetBaseChoices(m_settings);
}

FigureArea CStarChakraView::Area() const {
    return m_figure.round ? FigureArea::Square(Layout().square, m_figure.units)
                          : FigureArea(Layout().square, m_figure.units);
}

Rect CStarChakraView::PlaceCell(int place) const {
    const FigureArea area = Area();
    const Point corner = area.At(m_figure.places[place]);
    return Rect{corner.x, corner.y, corner.x + area.CellWidth(), corner.y + area.CellHeight()};
}

void CStarChakraView::BuildMenu(QMenu& menu) {
    BuildChakraMenu(menu, m_nGroup);
}

bool CStarChakraView::RunCommand(int command) {
    if (const int group = GroupOfCommand(command); group >= 0) {
        m_nGroup = group;
        return true;
    }
    switch (command) {
    case kCmdBasePlanet:
        return ChooseBasePlanet(this, m_settings);
    case kCmdBodyVarga:
        return ChooseBodyVarga(this, m_settings);
    case kCmdCustomBase:
        return ChooseCustomBase(this, m_settings, SunOrLagnaBaseTexts());
    default:
        return false;
    }
}

void CStarChakraView::DrawChakra(DrawSurface& surface, CTavroDoc& document) {
    m_nBaseStar = ChakraBaseStar(m_settings, document);
    const CChart* bodies = ChakraVargaChart(*document.m_pCurrentChart, m_settings.vargaForBodies);
    const FigureArea area = Area();

    surface.SelectPen(LogicalPen{g_colors[kColorKalachakraLine], m_figure.penWidth});
    surface.SelectBrush(LogicalBrush{g_colors[kColorKalachakraFrame]});
    m_figure.drawFigure(surface, area, Layout());
    if (m_nBaseStar < 0) return;
    FigureObstacles obstacles(surface); // what the body labels keep clear of
    m_figure.drawFigure(obstacles, area, Layout());
    const int namesHeight = DrawStars(surface, area, obstacles);

    TextStyle title;
    title.SetBox(Rect{Layout().square.left, Layout().square.top,
                      Layout().square.left + Layout().square.Width() / 3, Layout().square.top + kFigureBand});
    title.color = g_colors[kColorKalachakraBodyTypeTitle];
    title.format = kLeft;
    title.font = ScaledFont(Layout().label, kTitleFont[0], kTitleFont[1], kTitleFont[2]);
    DrawStyledText(surface, g_chakraGroups[m_nGroup].title, title);
    obstacles.AddBox(TextExtent(surface, g_chakraGroups[m_nGroup].title, title));
    if (m_figure.placeTexts) m_figure.placeTexts(surface, area, Layout(), obstacles);
    if (bodies)
        DrawBodies(surface, area, GroupLabels(*document.m_pCurrentChart, *bodies), namesHeight, obstacles);
}

int CStarChakraView::DrawStars(DrawSurface& surface, const FigureArea& area,
                               FigureObstacles& obstacles) const {
    TextStyle style;
    style.color = g_colors[kColorKalachakraStarName];
    style.format = kCentred;
    // A star's name stays above its first body label and clear of the neighbouring star's.
    const LogicalFont font = ScaledFont(Layout().label, kStarFont[0], kStarFont[1], kStarFont[2]);
    const int above = (StepsOf(m_figure.labelSlots).firstRow + 1) * area.CellHeight() / 16;
    const LogicalFont low = FontNoTallerThan(font, above);
    style.font = FitWidest(surface, low, std::span(g_nakshatraShortNames28, kChakraStars),
                           StarSpacing(area, m_figure.places, low.height) - kLabelGap);
    for (int place = 0; place < kChakraStars; ++place) {
        const Point corner = area.At(m_figure.places[place]);
        style.SetBox(Rect{corner.x, corner.y, corner.x + area.CellWidth(), corner.y + area.CellHeight()});
        const char* name = g_nakshatraShortNames28[(m_nBaseStar + place) % kChakraStars];
        const Rect extent = TextExtent(surface, name, style);
        // A name a line runs through or touches (the Kalachakra's spokes pass its stars) is written over
        // the line on the frame's colour; a line that passes a pixel clear of its letters is left whole.
        const Rect ink = InkBox(extent);
        const bool crossed =
            obstacles.IsCrossed(Rect{ink.left - 1, ink.top - 1, ink.right + 1, ink.bottom + 1});
        surface.SetTextBackground(g_colors[kColorKalachakraFrame], crossed);
        DrawStyledText(surface, name, style);
        obstacles.AddBox(extent);
    }
    surface.SetTextBackground(g_colors[kColorKalachakraFrame], false);
    return style.font.height;
}

std::vector<ChakraLabel> CStarChakraView::GroupLabels(const CChart& chart, const CChart& varga) const {
    if (m_nGroup == kGroupSahamas) return SahamaLabels(chart.SahamsInVarga(m_settings.vargaForBodies));
    return ChakraGroupLabels(m_nGroup, varga, m_figure.withLagna);
}

void CStarChakraView::DrawBodies(DrawSurface& surface, const FigureArea& area,
                                 const std::vector<ChakraLabel>& labels, int namesHeight,
                                 FigureObstacles& obstacles) const {
    const ChakraGroupInfo& group = g_chakraGroups[m_nGroup];
    const bool labelFont = m_nGroup != kGroupPlanets && m_figure.otherGroupsInLabelFont;
    const int ch = area.CellHeight();
    // Sahama names are longer: their cells are taken half as wide again.
    const int cw = m_nGroup == kGroupSahamas ? static_cast<int>(area.CellWidth() * kSahamaCellWidening)
                                             : area.CellWidth();
    const auto placeOf = [&](const ChakraLabel& label) {
        return label.isPlace ? label.star % kChakraStars
                             : (label.star - m_nBaseStar + kChakraStars) % kChakraStars;
    };
    // Labels of one star stay within their slots: no taller than a row allows (as in a chart's cells, up
    // to a third more than a row: the capitals of labels a row apart keep apart) nor than the star names,
    // legible, and no wider than a column when some star fills more than one column.
    std::array<int, kChakraStars> count{};
    for (const ChakraLabel& label : labels) ++count[placeOf(label)];
    const int most = std::min<int>(*std::max_element(count.begin(), count.end()), m_figure.labelSlots.size());
    const bool columnsMeet =
        std::any_of(m_figure.labelSlots.begin(), m_figure.labelSlots.begin() + most,
                    [&](const LabelSlot& s) { return s.dx != m_figure.labelSlots[0].dx; });
    const SlotSteps steps = StepsOf(m_figure.labelSlots);
    TextStyle style;
    style.color = g_colors[kColorKalachakraBodyName];
    style.format = kLeft;
    style.font = LegibleFont(FontNoTallerThan(
        ScaledFont(labelFont ? Layout().label : Layout().body, group.height, group.width, group.weight),
        std::min(static_cast<int>(steps.rows * ch * kLargestFontPerRow / 16), namesHeight)));
    if (columnsMeet)
        for (const ChakraLabel& label : labels)
            style.font =
                FontNoWiderThan(surface, style.font, label.text, steps.columns * cw / 16 - kLabelGap);
    const LogicalFont font = style.font;
    std::array<int, kChakraStars> written{};
    for (const ChakraLabel& label : labels) {
        const int place = placeOf(label);
        const LabelSlot slot = m_figure.labelSlots[written[place]++ % m_figure.labelSlots.size()];
        // Planets, sphutas, upagrahas and special lagnas sit two sixteenths right and one down of their
        // slot; Yogini and Mrityu two down; sahamas on it.
        const LabelSlot shift = m_nGroup == kGroupSahamas        ? LabelSlot{0, 0}
                                : m_nGroup == kGroupYoginiMrityu ? LabelSlot{0, 2}
                                                                 : LabelSlot{2, 1};
        const Point corner = area.At(m_figure.places[place]);
        const int left = corner.x + (slot.dx + shift.dx) * cw / 16;
        const int top = corner.y + (slot.dy + shift.dy) * ch / 16;
        style.SetBox(Rect{left, top, left + cw, top + ch});
        // Moved off a line of the figure or a text it would cross, by up to a cell.
        const FigureObstacles::LabelPlace at = obstacles.PlaceLabel(
            font,
            [&](const LogicalFont& tried) {
                style.font = tried;
                return TextExtent(surface, label.text, style);
            },
            kLabelGap, cw);
        obstacles.AddBox(at.placed);
        style.font = at.font;
        const int x = left + at.placed.left - at.own.left, y = top + at.placed.top - at.own.top;
        style.SetBox(Rect{x, y, x + cw, y + ch});
        DrawStyledText(surface, label.text, style);
    }
}
