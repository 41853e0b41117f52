#include "display/pachakadi_text.h"

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/chart_labels.h"

namespace {

constexpr const char* kRelations[4] = {"Pachaka", "Bodhaka", "Karaka", "Vedhaka"};
constexpr const char* kLineEnd = "    \n";

// The planets (first .. last) that pass the test, joined with ", "; "none" when none does.
template <class Test> std::string Planets(int first, int last, Test test) {
    std::string list;
    for (int q = first; q <= last; ++q) {
        if (!test(q)) continue;
        if (!list.empty()) list += ", ";
        list += g_pszPlanetNames[q];
    }
    return list.empty() ? "none" : list;
}

std::string SignName(int sign) {
    return g_pszChartSignNames ? g_pszChartSignNames[sign] : g_pszSignNames[sign];
}

} // namespace

std::string PachakadiPlanetText(const CChart& chart, int p, int sign, int varga) {
    const std::string name = g_pszPlanetNames[p];
    std::string text = "    For " + name + "\n\n";
    for (int i = 0; i < 4; ++i)
        text += std::string("      Naisargika ") + kRelations[i] + ": " +
                g_pszPlanetNames[chart.PachakadiRelation(p, i)] + kLineEnd;
    text += "\n    For " + name + "\n\n";
    for (int i = 0; i < 4; ++i) {
        const int sthana = chart.PachakadiRelationInVarga(varga, p, i);
        const std::string occupants =
            Planets(1, kKetu, [&](int q) { return chart.m_vargaSign.Sign(q, varga) == sthana; });
        text += std::string("      ") + kRelations[i] + " sthana: " + SignName(sthana) +
                (occupants == "none" ? " (empty)" : " (occupants: " + occupants + ")") + kLineEnd;
    }
    text += "\n    " + name + " is\n\n";
    for (int i = 0; i < 4; ++i) {
        text += std::string("      Naisargika ") + kRelations[i] + " for " +
                Planets(1, kSaturn, [&](int q) { return chart.PachakadiRelation(q, i) == p; }) + kLineEnd;
    }
    text += "\n    " + name + " is in\n\n";
    for (int i = 0; i < 4; ++i) {
        text +=
            std::string("      ") + kRelations[i] + " sthana from " +
            Planets(1, kSaturn, [&](int q) { return chart.PachakadiRelationInVarga(varga, q, i) == sign; }) +
            kLineEnd;
    }
    return text;
}

std::string PachakadiRasiText(const CChart& chart, int sign, int varga) {
    const std::string name = SignName(sign);
    std::string text = "    " + name + " is\n\n";
    for (int i = 0; i < 4; ++i) {
        text +=
            std::string("      ") + kRelations[i] + " sthana from " +
            Planets(1, kSaturn, [&](int q) { return chart.PachakadiRelationInVarga(varga, q, i) == sign; }) +
            kLineEnd;
    }
    text += "\n    " + name + " contains\n\n";
    for (int i = 0; i < 4; ++i) {
        text += std::string("      Naisargika ") + kRelations[i] + " for " +
                Planets(1, kSaturn,
                        [&](int q) {
                            return chart.m_vargaSign.Sign(chart.PachakadiRelation(q, i), varga) == sign;
                        }) +
                kLineEnd;
    }
    return text;
}
