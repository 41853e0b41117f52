#include "display/chart_draw_state.h"

#include <algorithm>

#include "display/chart_colors.h"

namespace {

struct BodyColorRange {
    int first;
    int last;
    ChartColor color;
};
// Label colours by body group; bodies 21, 33-46 and 102-104 take the line colour.
constexpr BodyColorRange kBodyColors[] = {
    {0, 0, kColorChartViewLagna},          {1, 9, kColorChartViewPlanet},
    {10, 12, kColorChartViewOuterPlanets}, {13, 20, kColorChartViewSpecialLagna},
    {22, 32, kColorChartViewUpagraha},     {47, 58, kColorChartViewVarnada},
    {59, 59, kColorChartViewAL},           {60, 70, kColorChartViewBhavaArudha},
    {71, 101, kColorChartViewGrahaArudha},
};

// Whether `marks` mark the sign in the pane: the mixed view's inner pass marks its outer chart's too.
template <class Marks> bool Marked(const Marks& marks, int pane, int sign) {
    return marks[pane][sign] || (pane == kInnerPane && marks[kOuterPane][sign]);
}

} // namespace

void ChartDrawState::CopyColors() {
    bodyColor.fill(ColorOf(kColorChartViewChartLine));
    for (const BodyColorRange& range : kBodyColors)
        std::fill(bodyColor.begin() + range.first, bodyColor.begin() + range.last + 1, ColorOf(range.color));
    relationBackColor[0] = ColorOf(kColorChartViewCartBackground);
    relationTextColor[0] = ColorOf(kColorChartViewSelectedPlanet);
    for (int c = 1; c < kRelationClasses; ++c) {
        const int background = kColorChartViewAdhimitraBackground + 2 * (c - 1);
        relationBackColor[c] = g_colors[background];
        relationTextColor[c] = g_colors[background + 1];
    }
}

void ChartDrawState::ClearHighlights() {
    paneRelations.fill(0);
    for (auto& pane : bodyHighlight) pane.fill(0);
    for (auto& pane : rasiHighlightFrom) pane.fill(0);
    for (auto& pane : rasiHighlightTo) pane.fill(0);
}

bool ChartDrawState::ShowsRelations() const {
    return std::any_of(paneRelations.begin(), paneRelations.end(), [](std::uint8_t on) { return on != 0; });
}

void FillRasiHighlight(DrawSurface& surface, const ChartDrawState& state, const CPolygonRegion& region,
                       int pane, int sign) {
    if (pane == kOuterPane) return;
    if (Marked(state.rasiHighlightFrom, pane, sign))
        region.Fill(surface, ColorOf(kColorChartViewSelectedRasi));
    if (Marked(state.rasiHighlightTo, pane, sign))
        region.Fill(surface, ColorOf(kColorChartViewHighlightedRasi));
}

ColorRef CellColor(const ChartDrawState& state, int pane, int sign) {
    if (Marked(state.rasiHighlightTo, pane, sign)) return ColorOf(kColorChartViewHighlightedRasi);
    if (Marked(state.rasiHighlightFrom, pane, sign)) return ColorOf(kColorChartViewSelectedRasi);
    return state.paneGround[pane];
}

ColorRef ChartGround(bool filled) {
    return filled ? ColorOf(kColorChartViewCartBackground) : Rgb(255, 255, 255);
}

ColorRef TwoChartGround(int pane) {
    return ColorOf(pane == kInnerPane ? kColorChartViewCartBackground : kColorChartViewOuter);
}
