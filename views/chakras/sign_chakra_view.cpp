#include "views/chakras/sign_chakra_view.h"

#include <algorithm>

#include "chart/chart.h"
#include "core/zodiac_names.h"
#include "display/drawing_factors.h"
#include "display/label_placement.h"
#include "display/styled_text.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_text.h"
#include "views/chakras/figure_obstacles.h"

namespace {
constexpr std::uint32_t kCentred = kTextCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kLeft = kTextLeft | kTextSingleLine | kTextNoClip | kTextNoPrefix;

constexpr double kNameFont[] = {1.3, 1.2, 1.0};
constexpr double kTitleFont[] = {1.3, 1.6, 1.5};
constexpr double kSahamaCellWidening = 1.5;
constexpr int kLabelGap = kSignChakraTextGap; // pixels kept between neighbouring texts
constexpr int kTitleBand = kSignChakraTitleBand;
constexpr int kExtentPadding = 20;
// How far a label may move from its slot to find a clear place, body cells: it stays where its sign
// is seen, as no line of the figure may part it from the sign's name.
constexpr int kLabelReach = 2;

// The titles of the groups a sign chakra shows; it has no Yogini and Mrityu group.
const char* SignChakraTitle(int group) {
    switch (group) {
    case kGroupPlanets:
        return "Planets";
    case kGroupSphutas:
        return "Trisphuta etc";
    case kGroupUpagrahas:
        return "Upagrahas";
    case kGroupSpecialLagnas:
        return "Special Lagnas";
    case kGroupSahamas:
        return "Sahamas (sahams)";
    default:
        return "";
    }
}

const char* const* SignNames() {
    return g_pszSignNames ? g_pszSignNames : g_signAbbrevs;
}

Rect Moved(const Rect& box, int dx, int dy) {
    return Rect{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

Point Middle(const Rect& box) {
    return Point{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

long long SquaredDistance(Point a, Point b) {
    const long long dx = a.x - b.x, dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// How much further than its own name every other name of its ring stands from a label read as one of
// its place: near its name, half as far again; across its sector, any further.
enum class Nearness { kByItsName, kInItsSector };

// Whether a label at `box` is read as one of place `place`: no line of the figure parts it from the
// place's name (the middle of each place's name is in `names`), and every other name of its ring stands
// further, as `nearness` has it.
bool StandsByItsName(const Rect& box, std::size_t place, std::span<const SignPlace> places,
                     std::span<const Point> names, const FigureObstacles& obstacles, Nearness nearness) {
    if (!obstacles.Reaches(names[place], box)) return false;
    const long long own = SquaredDistance(Middle(box), names[place]);
    const int further = nearness == Nearness::kByItsName ? 9 : 4; // in quarters, squared
    for (std::size_t other = 0; other < places.size(); ++other)
        if (places[other].ring == places[place].ring && other != place &&
            4 * SquaredDistance(Middle(box), names[other]) <= further * own)
            return false;
    return true;
}

} // namespace

CSignChakraView::CSignChakraView(QWidget* parent, ChakraBaseSettings& settings, std::vector<int> greyed)
    : CChakraView(parent, kColorKalachakraFrame), m_settings(settings), m_greyed(std::move(greyed)) {
    ResetBaseChoices(m_settings);
}

void CSignChakraView::BuildMenu(QMenu& menu) {
    BuildChakraMenu(menu, m_nGroup, m_greyed);
}

bool CSignChakraView::RunCommand(int command) {
    if (std::find(m_greyed.begin(), m_greyed.end(), command) != m_greyed.end()) return false;
    if (const int group = GroupOfCommand(command); group >= 0) {
        m_nGroup = group;
        return true;
    }
    switch (command) {
    case kCmdChakraBasePlanet:
        return ChooseBasePlanet(this, m_settings);
    case kCmdChakraBodyVarga:
        return ChooseBodyVarga(this, m_settings);
    default:
        return false;
    }
}

std::vector<ChakraLabel> CSignChakraView::GroupLabels(const CChart& chart, int varga) const {
    return ChakraGroupLabels(m_nGroup, chart, true, varga);
}

void CSignChakraView::DrawTitle(DrawSurface& surface, const std::string& rest,
                                std::span<const SignPlace> places, FigureObstacles& obstacles) const {
    const Rect& square = Layout().square;
    // The highest sign names (the Tripataki chakra's top row) reach up into the band.
    int room = kTitleBand;
    for (const SignPlace& place : places) room = std::min(room, place.nameBox.top - square.top - kLabelGap);
    TextStyle title;
    title.SetBox(Rect{square.left, square.top, square.left + square.Width() / 3, square.top + kTitleBand});
    title.color = g_colors[kColorKalachakraBodyTypeTitle];
    title.format = kLeft;
    const std::string text = SignChakraTitle(m_nGroup) + rest;
    // The title may run past the third of the width it starts in, not past the square.
    title.font = FontNoWiderThan(
        surface,
        FontNoTallerThan(ScaledFont(Layout().label, kTitleFont[0], kTitleFont[1], kTitleFont[2]), room), text,
        square.Width());
    DrawStyledText(surface, text, title);
    obstacles.AddBox(TextExtent(surface, text, title));
}

namespace {
// The width of a body label's box: a body cell, or one and a half for the sahamas' longer names.
int LabelBoxWidth(const FigureArea& area, int group) {
    return group == kGroupSahamas ? static_cast<int>(area.CellWidth() * kSahamaCellWidening)
                                  : area.CellWidth();
}
} // namespace

Point CSignChakraView::LabelCorner(const FigureArea& area, const SignPlace& place, int written,
                                   int boxWidth) {
    const LabelSlot slot = place.labelSlots[written % place.labelSlots.size()];
    return Point{place.nameBox.left + (slot.dx + 2) * boxWidth / 16,
                 place.nameBox.top + (slot.dy + 1) * area.CellHeight() / 16};
}

ChakraLayout CSignChakraView::ReachingEveryLabel(ChakraLayout layout, const FigureArea& area,
                                                 std::span<const SignPlace> places) {
    const int boxWidth = LabelBoxWidth(area, kGroupSahamas);
    int right = layout.square.right;
    for (const SignPlace& place : places)
        for (size_t k = 0; k < place.labelSlots.size(); ++k)
            right = std::max(right, LabelCorner(area, place, static_cast<int>(k), boxWidth).x + boxWidth);
    layout.extent.cx = std::max(layout.extent.cx, right + layout.square.left + kExtentPadding);
    layout.background.right = std::max(layout.background.right, layout.extent.cx);
    return layout;
}

void CSignChakraView::DrawPlaces(DrawSurface& surface, const FigureArea& area,
                                 std::span<const SignPlace> places, std::span<const PlacedLabel> labels,
                                 FigureObstacles& obstacles) const {
    const int rings = places.empty() ? 0 : places.back().ring + 1;
    // Each ring's names get the font that keeps them apart: an inner ring's crowd does not make the
    // outer rings' names small. A name a line of the figure runs through moves off it, within its box.
    TextStyle name;
    name.color = g_colors[kColorKalachakraStarName];
    name.format = kCentred;
    // Texts stay within what the pane scrolls over.
    obstacles.Rectangle(Rect{0, 0, Layout().extent.cx, Layout().extent.cy});
    std::vector<Point> anchors(places.size()); // the middles of the names as drawn
    for (int ring = 0; ring < rings; ++ring) {
        name.font = ScaledFont(Layout().label, kNameFont[0], kNameFont[1], kNameFont[2]);
        std::vector<PlacedText> names;
        for (const SignPlace& place : places) {
            if (place.ring != ring) continue;
            const char* text = SignNames()[place.sign];
            name.font = FontNoWiderThan(surface, name.font, text, place.nameBox.Width() - kLabelGap);
            names.push_back({text, Point{(place.nameBox.left + place.nameBox.right) / 2, place.nameBox.top}});
        }
        name.font = LegibleFont(FontKeepingTextsApart(surface, name.font, names, kLabelGap, true));
        for (std::size_t i = 0; i < places.size(); ++i) {
            const SignPlace& place = places[i];
            if (place.ring != ring) continue;
            name.SetBox(place.nameBox);
            const char* text = SignNames()[place.sign];
            const Rect own = InkBox(TextExtent(surface, text, name));
            const Rect placed = obstacles.ClearPlace(own, kLabelGap, place.nameBox.Width() / 2);
            name.SetBox(Moved(place.nameBox, placed.left - own.left, placed.top - own.top));
            DrawStyledText(surface, text, name);
            obstacles.AddBox(placed);
            anchors[i] = Middle(placed);
        }
    }

    // The labels: each ring's in the group's font no wider than their boxes, made as low as keeps them
    // apart at their slots but not condensed to do so (a label still in another's way moves, see
    // sign_chakra_view.h), and legible.
    const int boxWidth = LabelBoxWidth(area, m_nGroup);
    const ChakraGroupInfo& group = g_chakraGroups[m_nGroup];
    std::vector<int> written(places.size(), 0);
    std::vector<Point> corners;
    for (const PlacedLabel& label : labels)
        corners.push_back(LabelCorner(area, places[label.place], written[label.place]++, boxWidth));
    std::vector<LogicalFont> fonts(rings, ScaledFont(Layout().body, group.height, group.width, group.weight));
    for (int ring = 0; ring < rings; ++ring) {
        std::vector<PlacedText> bodies;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (places[labels[i].place].ring != ring) continue;
            fonts[ring] = FontNoWiderThan(surface, fonts[ring], labels[i].text, boxWidth - kLabelGap);
            bodies.push_back({labels[i].text, corners[i]});
        }
        const int apart = FontKeepingTextsApart(surface, fonts[ring], bodies, kLabelGap).height;
        fonts[ring] = LegibleFont(FontNoTallerThan(fonts[ring], apart));
        // A ring with room across its sectors keeps its labels' capitals legible: a crowd moves apart.
        if (!g_bPrinting && std::any_of(places.begin(), places.end(), [&](const SignPlace& p) {
                return p.ring == ring && p.depth > 0;
            }))
            fonts[ring] = FontNoLowerThan(fonts[ring], kDeepPlaceTextHeight);
    }
    TextStyle body;
    body.color = g_colors[kColorKalachakraBodyName];
    body.format = kLeft;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const PlacedLabel& label = labels[i];
        const Point corner = corners[i];
        body.SetBox(Rect{corner.x, corner.y, corner.x + boxWidth, corner.y + area.CellHeight()});
        const auto reads = [&](Nearness nearness) {
            return [&, nearness](const Rect& box) {
                return StandsByItsName(box, label.place, places, anchors, obstacles, nearness);
            };
        };
        const auto boxIn = [&](const LogicalFont& font) {
            body.font = font;
            return InkBox(TextExtent(surface, label.text, body));
        };
        const LogicalFont& font = fonts[places[label.place].ring];
        const int depth = g_bPrinting ? 0 : places[label.place].depth;
        FigureObstacles::LabelPlace place =
            obstacles.PlaceLabel(font, boxIn, kLabelGap, kLabelReach * area.CellHeight(),
                                 reads(Nearness::kByItsName), depth > 0 ? std::optional(font.height) : std::nullopt);
        if (!place.clear && depth > 0)
            place = obstacles.PlaceLabel(font, boxIn, kLabelGap, depth, reads(Nearness::kInItsSector),
                                         kDeepPlaceTextHeight);
        body.font = place.font;
        body.SetBox(Moved(body.Box(), place.placed.left - place.own.left, place.placed.top - place.own.top));
        DrawStyledText(surface, label.text, body);
        obstacles.AddBox(place.placed);
    }
}
