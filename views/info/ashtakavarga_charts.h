#pragma once
// The ashtakavarga charts of the ashtakavarga page, drawn in the user's chart style: the number chart
// (one count per sign: a BAV, SoAV, SAV or reduced SAV) and the PAV chart (in each sign the symbols of
// the contributors that gave the planet a bindu there). Rectangles are the page's drawing units; while
// printing the drawing factors scale them as they scale every text.
#include <string>

#include "analysis/ashtakavarga.h"
#include "platform/draw_surface.h"

class CChart;

// Chart styles as the ChartStyle preference numbers them.
enum AvChartStyle { kAvSouth = 0, kAvSouthMirrored = 1, kAvNorth = 2, kAvEast = 3, kAvEastFramed = 4 };

inline constexpr int kAvNoBody = 105; // the SAV chart: no body, never highlighted

// What every ashtakavarga chart reads beside its numbers.
struct AvChartFrame {
    const CChart* chart = nullptr; // the chart whose ashtakavarga is shown (positions, lagna)
    int varga = 0;                 // varga column of the numbers; the North chart's houses follow its lagna
    int highlightVarga = 0;        // varga column whose positions decide the highlighted sign
    bool highlightPlanetRasi = true;
    int style = kAvSouth;          // 0-4
};

// One count per sign (bindus[s], sign 0 Aries .. 11 Pisces), `label` in the centre. `body` 0-7 (Lagna ..
// Saturn) marks a BAV chart whose body's sign may be highlighted; kAvNoBody the SAV chart.
void DrawAvNumberChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect,
                       const SignBindus& bindus, const std::string& label, int body);
// The prastara of `planet` (0 Lagna .. 7 Saturn) with the planet's name `label`.
void DrawAvPavChart(DrawSurface& surface, const AvChartFrame& frame, const Rect& rect, const CPrastara& pav,
                    const std::string& label, int planet);

inline constexpr int kAvTextFont = 3; // display font of the numbers, names and headers: the text font
inline constexpr std::uint32_t kAvCentred = kTextCenter | kTextVCenter | kTextSingleLine | kTextNoPrefix;

// The text font with height, width and weight scaled (truncated).
LogicalFont AvFont(double height, double width, double weight);
// A text of the page in colour setting `color` (an AvColor) through the styled-text path.
void DrawAvText(DrawSurface& surface, const std::string& text, const Rect& rect, int color,
                const LogicalFont& font, std::uint32_t format = kAvCentred);

// The sign the highlight falls on for a body 0-7 of a BAV or PAV chart, or -1 when nothing is
// highlighted (highlight off, the SAV chart, no chart).
int AvHighlightedSign(const AvChartFrame& frame, int body);
