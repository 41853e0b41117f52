#include "display/chart_label_text.h"

#include "chart/chart.h"
#include "core/chart_labels.h"
#include "core/computed_bodies.h"
#include "display/chart_vocabulary.h"
#include "display/pane_settings.h"

std::string FormatChartCaption(const CChart& chart, int body, bool dash) {
    std::string out;
    if (body < 1 || body > 8) return out;
    for (int slot = 0; slot < kCharaKarakaSlots; ++slot) {
        if (chart.m_charaKaraka[slot] != body) continue;
        if (!out.empty()) out += "/";
        out += KarakaAbbreviation(slot);
    }
    if (dash && !out.empty()) out = "- " + out;
    return out;
}

namespace {

bool IsHouseArudha(int body) {
    return body >= kArudhaLagna && body < kArudhaLagna + 12;
}

int ReferencePlanet(int pane) {
    if (g_nPaneArudhaFrom[pane] == kArudhaFromSun) return 1;
    if (g_nPaneArudhaFrom[pane] == kArudhaFromMoon) return 2;
    return kLagna;
}

} // namespace

int ArudhaPositionSource(const CChart& chart, int body, int varga, int pane) {
    const int reference = ReferencePlanet(pane);
    if (!IsHouseArudha(body) || reference == kLagna) return body;
    const int house =
        (chart.m_vargaSign.Sign(reference, varga) - chart.m_vargaSign.Sign(kLagna, varga) + 12) % 12;
    return kArudhaLagna + (house + body - kArudhaLagna) % 12;
}

bool ChartLanguageIsSymbols() {
    return g_nChartLanguage == kChartLanguageSymbols;
}

std::string BodyLabelText(const CChart& chart, int body, int pane) {
    const int reference = ReferencePlanet(pane);
    std::string label;
    if (IsHouseArudha(body) && reference != kLagna)
        label = (reference == 1 ? "S" : "M") + std::to_string(body - kArudhaLagna + 1);
    else
        label = g_pszChartPlanetLabels ? g_pszChartPlanetLabels[body] : g_pszPlanetNamesAlt[body];
    if (!chart.m_bodies[body].m_bRetrograde) return label;
    return ChartLanguageIsSymbols() ? label + g_strChartMarker : "(" + label + ")";
}
