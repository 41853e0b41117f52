#include "views/chakras/sign_chakra_view.h"

#include <algorithm>

#include "chart/chart.h"
#include "core/zodiac_names.h"
#include "display/styled_text.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_text.h"

namespace {
constexpr std::uint32_t kCentred = kTextCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kLeft = kTextLeft | kTextSingleLine | kTextNoClip | kTextNoPrefix;

constexpr double kNameFont[] = {1.3, 1.2, 1.0};
constexpr double kTitleFont[] = {1.3, 1.6, 1.5};
constexpr double kSahamaCellWidening = 1.5;
constexpr int kLabelGap = 2;    // pixels kept between neighbouring texts
constexpr int kTitleBand = 24;  // pixels at the square's top that hold the title
constexpr int kExtentPadding = 20;

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
                                std::span<const SignPlace> places) const {
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
        surface, FontNoTallerThan(ScaledFont(Layout().label, kTitleFont[0], kTitleFont[1], kTitleFont[2]), room),
        text, square.Width());
    DrawStyledText(surface, text, title);
}

namespace {
// The width of a body label's box: a body cell, or one and a half for the sahamas' longer names.
int LabelBoxWidth(const FigureArea& area, int group) {
    return group == kGroupSahamas ? static_cast<int>(area.CellWidth() * kSahamaCellWidening) : area.CellWidth();
}
} // namespace

Point CSignChakraView::LabelCorner(const FigureArea& area, const SignPlace& place, int written, int boxWidth) {
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

void CSignChakraView::DrawPlaces(DrawSurface& surface, const FigureArea& area, std::span<const SignPlace> places,
                                 std::span<const PlacedLabel> labels) const {
    const int rings = places.empty() ? 0 : places.back().ring + 1;
    // Each ring's texts get the fonts that keep them apart: an inner ring's crowd does not make the
    // outer rings' texts small.
    TextStyle name;
    name.color = g_colors[kColorKalachakraStarName];
    name.format = kCentred;
    std::vector<Rect> nameExtents;
    for (int ring = 0; ring < rings; ++ring) {
        name.font = ScaledFont(Layout().label, kNameFont[0], kNameFont[1], kNameFont[2]);
        std::vector<PlacedText> names;
        for (const SignPlace& place : places) {
            if (place.ring != ring) continue;
            const char* text = SignNames()[place.sign];
            name.font = FontNoWiderThan(surface, name.font, text, place.nameBox.Width() - kLabelGap);
            names.push_back({text, Point{(place.nameBox.left + place.nameBox.right) / 2, place.nameBox.top}});
        }
        name.font = FontKeepingTextsApart(surface, name.font, names, kLabelGap, true);
        for (const SignPlace& place : places) {
            if (place.ring != ring) continue;
            name.SetBox(place.nameBox);
            const Rect drawn = DrawStyledText(surface, SignNames()[place.sign], name);
            const int width = drawn.Width(), middle = (place.nameBox.left + place.nameBox.right) / 2;
            nameExtents.push_back(Rect{middle - width / 2, drawn.top, middle + width - width / 2, drawn.bottom});
        }
    }

    const int boxWidth = LabelBoxWidth(area, m_nGroup);
    std::vector<int> written(places.size(), 0);
    std::vector<Point> corners;
    for (const PlacedLabel& label : labels)
        corners.push_back(LabelCorner(area, places[label.place], written[label.place]++, boxWidth));
    const ChakraGroupInfo& group = g_chakraGroups[m_nGroup];
    TextStyle body;
    body.color = g_colors[kColorKalachakraBodyName];
    body.format = kLeft;
    for (int ring = 0; ring < rings; ++ring) {
        body.font = ScaledFont(Layout().body, group.height, group.width, group.weight);
        std::vector<PlacedText> bodies;
        for (size_t i = 0; i < labels.size(); ++i) {
            if (places[labels[i].place].ring != ring) continue;
            body.font = FontNoWiderThan(surface, body.font, labels[i].text, boxWidth - kLabelGap);
            bodies.push_back({labels[i].text, corners[i]});
        }
        const LogicalFont font = FontKeepingTextsApart(surface, body.font, bodies, kLabelGap);
        for (const PlacedText& text : bodies) {
            // Only a label that reaches a sign's name is made smaller, not the ring's others.
            body.font = FontClearOf(surface, font, std::span(&text, 1), nameExtents, kLabelGap);
            body.SetBox(Rect{text.at.x, text.at.y, text.at.x + boxWidth, text.at.y + area.CellHeight()});
            DrawStyledText(surface, text.text, body);
        }
    }
}
