#include "views/chakras/chakra_groups.h"

#include "core/body_names.h"
#include "chart/chart.h"
#include "core/chart_labels.h"
#include "core/computed_bodies.h"
#include "core/vocabulary_names.h"
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

template <class Bodies> void AddAbbreviated(std::vector<ChakraLabel>& labels, const CChart& chart, const Bodies& bodies,
                                            bool withLagna) {
    for (int body : bodies)
        if (withLagna || body != kLagna) labels.push_back({ChosenPlanetAbbrevs()[body], chart.m_nakshatra28[body]});
}
} // namespace

std::string ChakraPlanetLabel(const CChart& chart, int body) {
    const char* label = g_pszChartPlanetLabels ? g_pszChartPlanetLabels[body] : ChosenPlanetAbbrevs()[body];
    return chart.m_bodies[body].m_bRetrograde ? "(" + std::string(label) + ")" : std::string(label);
}

std::vector<ChakraLabel> ChakraGroupLabels(int group, const CChart& chart, bool withLagna) {
    std::vector<ChakraLabel> labels;
    switch (group) {
    case kGroupPlanets:
        for (int body = withLagna ? kLagna : kSun; body <= kKetu; ++body)
            labels.push_back({ChakraPlanetLabel(chart, body), chart.m_nakshatra28[body]});
        break;
    case kGroupYoginiMrityu:
        // The chart does not work out the Yogini and Mrityu places: the group has nothing to write.
        break;
    case kGroupSphutas:
        AddAbbreviated(labels, chart, kSphutas, withLagna);
        break;
    case kGroupUpagrahas:
        AddAbbreviated(labels, chart, kUpagrahas, withLagna);
        break;
    case kGroupSpecialLagnas:
        AddAbbreviated(labels, chart, kSpecialLagnas, withLagna);
        break;
    case kGroupSahamas:
        for (int i = 0; i < kSahamCount; ++i)
            labels.push_back({g_sahamaShortNames[i], Star28OfLongitude(chart.m_specialPoint[i].m_dLongitude)});
        break;
    default:
        break;
    }
    return labels;
}
