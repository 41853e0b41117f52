#pragma once
// What a chart view keeps for its panes between draws: the hit-test geometry the renderers record
// (sign polygons, label rectangles of the lagna and the nine grahas), the highlights and relationship
// marks the commands set, the house turn of North Indian panes and the label colours. Renderers read
// and write it; tests hand a bare one to a renderer without any window.
#include <array>
#include <cstdint>

#include "display/pane_settings.h"
#include "display/polygon_region.h"

inline constexpr int kLabelledBodies = 10; // lagna and the nine grahas
inline constexpr int kRelationClasses = 6; // 0 the planet itself, 1 adhimitra .. 5 adhisatru

struct ChartDrawState {
    // Region of sign s of pane k at 12k + s; device units of the surface drawn on.
    std::array<CPolygonRegion, kChartPaneCount * 12> rasiRegion;
    std::array<std::array<Rect, kLabelledBodies>, kChartPaneCount> bodyLabelRect{};
    std::array<std::array<std::uint8_t, kBodyCount>, kChartPaneCount> bodyHighlight{};
    std::array<std::array<std::uint8_t, 12>, kChartPaneCount> rasiHighlightFrom{};
    std::array<std::array<std::uint8_t, 12>, kChartPaneCount> rasiHighlightTo{};
    PaneArray paneHouseOffset{}; // houses by which a North Indian pane is turned
    PaneFlags paneRelations{};   // the pane colours the planets by bodyRelation
    std::array<int, kLabelledBodies> bodyRelation{};
    std::array<ColorRef, kRelationClasses> relationBackColor{};
    std::array<ColorRef, kRelationClasses> relationTextColor{};
    std::array<ColorRef, kBodyCount> bodyColor{};
    bool centreBirthData = false; // a chart bitmap: the centre shows the birth data
    // The colour each pane's cells are drawn on where no highlight fills them (ChartGround, TwoChartGround).
    std::array<ColorRef, kChartPaneCount> paneGround{};

    CPolygonRegion& Region(int pane, int sign) { return rasiRegion[pane * 12 + sign]; }
    const CPolygonRegion& Region(int pane, int sign) const { return rasiRegion[pane * 12 + sign]; }

    // Label and relationship colours from the colour settings.
    void CopyColors();
    // No pane shows highlights or relationship marks.
    void ClearHighlights();
    bool ShowsRelations() const;
};

// Fills a marked sign's cell: the source sign of a highlight in the selection colour, then a highlighted
// sign in the highlight colour over it. The mixed view's inner pass fills for both of its charts and
// its outer pass fills nothing, so the fill lies under both charts' labels.
void FillRasiHighlight(DrawSurface& surface, const ChartDrawState& state, const CPolygonRegion& region,
                       int pane, int sign);
// The colour a sign's cell shows: its highlight's, else its pane's ground.
ColorRef CellColor(const ChartDrawState& state, int pane, int sign);
// The ground of a single chart: its background where that is filled (on screen), else the paper's white.
ColorRef ChartGround(bool filled);
// The ground of a chart of the two-chart view: the inner square's background, or the outer ring's colour.
ColorRef TwoChartGround(int pane);
