#include "views/chakras/chakra_groups.h"

#include <algorithm>

#include "core/body_names.h"
#include "chart/chart.h"
#include "core/chart_labels.h"
#include "core/computed_bodies.h"
#include "core/vocabulary_names.h"
#include "display/menu_commands.h"
#include "views/chakras/chakra_base.h"

const std::array<ChakraGroupInfo, kChakraGroupCount> g_chakraGroups = {{
    {33091, "Show Planets", "Planets:", 1.0, 1.0, 1.5},
    {33094, "Show Yogini and Mrityu", "Yogini & Mrityu:", 1.1, 1.1, 1.5},
    {33092, "Show Trisphuta etc", "Trisphuta etc:", 1.1, 1.5, 1.5},
    {33095, "Show Upagrahas", "Upagrahas:", 1.1, 1.5, 1.5},
    {33096, "Show Special Lagnas", "Special Lagnas:", 1.1, 1.5, 1.5},
    {33093, "Show Sahamas", "Sahamas (sahams):", 1.0, 1.0, 1.0},
}};

namespace {
constexpr int kSphutas[] = {kPranaSphuta, kDehaSphuta, kMrityuSphuta, kSookshmaTriSphuta};
// Gulika and Maandi first, then Dhooma .. Yama Ghantaka.
constexpr int kUpagrahas[] = {kGulika, kMaandi, 22, 23, 24, 25, 26, 27, 28, 29, 30};
constexpr int kSpecialLagnas[] = {kLagna,           kHoraLagna, kGhatiLagna, kPranapadaLagna,
                                  kSreeLagna,       kInduLagna, kBhriguBindu};

constexpr double kDegreesPerSign = 30.0;

ChakraLabel BodyLabel(std::string text, const CChart& chart, int body, int signColumn) {
    return {std::move(text), chart.m_nakshatra28[body], false, chart.m_vargaSign.Sign(body, signColumn)};
}

template <class Bodies>
void AddAbbreviated(std::vector<ChakraLabel>& labels, const CChart& chart, const Bodies& bodies, bool withLagna,
                    int signColumn) {
    for (int body : bodies)
        if (withLagna || body != kLagna) labels.push_back(BodyLabel(ChosenPlanetAbbrevs()[body], chart, body, signColumn));
}
} // namespace

void BuildChakraMenu(QMenu& menu, int shownGroup, std::span<const int> greyed) {
    const auto add = [&](const char* text, int command) {
        return AddCommand(menu, text, command, std::find(greyed.begin(), greyed.end(), command) == greyed.end());
    };
    for (int group = 0; group < kChakraGroupCount; ++group) {
        QAction* entry = add(g_chakraGroups[group].menu, g_chakraGroups[group].command);
        Check(entry, group == shownGroup);
        if (group == kGroupYoginiMrityu) {
            entry->setEnabled(false);
            // A greyed entry cannot be hovered in every style: the reason also shows as its tip.
            entry->setStatusTip(kYoginiMrityuUnavailable);
            entry->setToolTip(kYoginiMrityuUnavailable);
            menu.setToolTipsVisible(true);
        }
    }
    menu.addSeparator();
    add("Base planet and division", kCmdChakraBasePlanet);
    add("Divisional chart to be used for planets", kCmdChakraBodyVarga);
    menu.addSeparator();
    add("Fully customize base nakshatra", kCmdChakraCustomBase);
}

int GroupOfCommand(int command) {
    for (int group = 0; group < kChakraGroupCount; ++group)
        if (g_chakraGroups[group].command == command && group != kGroupYoginiMrityu) return group;
    return -1;
}

std::string ChakraPlanetLabel(const CChart& chart, int body) {
    const char* label = g_pszChartPlanetLabels ? g_pszChartPlanetLabels[body] : ChosenPlanetAbbrevs()[body];
    return chart.m_bodies[body].m_bRetrograde ? "(" + std::string(label) + ")" : std::string(label);
}

std::vector<ChakraLabel> ChakraGroupLabels(int group, const CChart& chart, bool withLagna, int signColumn) {
    std::vector<ChakraLabel> labels;
    switch (group) {
    case kGroupPlanets:
        for (int body = withLagna ? kLagna : kSun; body <= kKetu; ++body)
            labels.push_back(BodyLabel(ChakraPlanetLabel(chart, body), chart, body, signColumn));
        break;
    case kGroupYoginiMrityu:
        // The chart does not work out the Yogini and Mrityu places: the group has nothing to write.
        break;
    case kGroupSphutas:
        AddAbbreviated(labels, chart, kSphutas, withLagna, signColumn);
        break;
    case kGroupUpagrahas:
        AddAbbreviated(labels, chart, kUpagrahas, withLagna, signColumn);
        break;
    case kGroupSpecialLagnas:
        AddAbbreviated(labels, chart, kSpecialLagnas, withLagna, signColumn);
        break;
    case kGroupSahamas:
        labels = SahamaLabels(chart.m_specialPoint);
        break;
    default:
        break;
    }
    return labels;
}

std::vector<ChakraLabel> SahamaLabels(std::span<const CRasiLongitude, kSahamCount> sahams) {
    std::vector<ChakraLabel> labels;
    for (int i = 0; i < kSahamCount; ++i) {
        const double longitude = sahams[i].m_dLongitude;
        labels.push_back({g_sahamaShortNames[i], Star28OfLongitude(longitude), false,
                          static_cast<int>(longitude / kDegreesPerSign)});
    }
    return labels;
}
