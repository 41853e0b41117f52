#include "shell/frame_geometry.h"

#include <algorithm>
#include <cstring>

#include "shell/display_options.h"

std::array<Rect, 4> g_rcCascade = {};
int g_nCascadeSlot = 0;

namespace {

constexpr int kReservedHeight = 160;     // desktop height left to the frame's bars and borders
constexpr double kTallChartShare = 0.68; // chart height share of a wide display with more charts
constexpr double kChartShare = 0.5066666666666666;
constexpr double kChartWidthShare = 0.45;
constexpr int kCascadeMargin = 4;

// How a pane record's width is made: half the desktop, the chart width, or a share of the rest.
enum class WidthBase { kHalfDesktop, kChart, kRest };

struct PaneSizeRule {
    const char* name;
    WidthBase base;
    int widthPercent; // of the rest width (kRest only)
    int heightPercent;
};

constexpr PaneSizeRule kPaneSizeRules[] = {
    {"WndSzMixedCht", WidthBase::kHalfDesktop, 0, 100},
    {"WndSzMixedAV", WidthBase::kHalfDesktop, 0, 100},
    {"WndSzBasicCht", WidthBase::kChart, 0, 100},
    {"WndSzStrenCht", WidthBase::kChart, 0, 100},
    {"WndSzDasaCht", WidthBase::kChart, 0, 100},
    {"WndSzTransCht", WidthBase::kChart, 0, 100},
    {"WndSzTajakaCht", WidthBase::kChart, 0, 100},
    {"WndSzTPCht", WidthBase::kChart, 0, 100},
    {"WndSzMundCht", WidthBase::kChart, 0, 100},
    {"WndSzMiscCht", WidthBase::kChart, 0, 100},
    {"WndSzBasicFull", WidthBase::kRest, 100, 100},
    {"WndSzStrenFull", WidthBase::kRest, 100, 100},
    {"WndSzDasaFull", WidthBase::kRest, 100, 100},
    {"WndSzTransFull", WidthBase::kRest, 100, 100},
    {"WndSzMiscFull", WidthBase::kRest, 100, 100},
    {"WndSzBasicCalc", WidthBase::kRest, 100, 44},
    {"WndSzBasicKey", WidthBase::kRest, 45, 56},
    {"WndSzBasicAV", WidthBase::kRest, 55, 56},
    {"WndSzStrenShad", WidthBase::kRest, 100, 22},
    {"WndSzStrenOther", WidthBase::kRest, 100, 25},
    {"WndSzStrenYogas", WidthBase::kRest, 100, 53},
    {"WndSzTransData", WidthBase::kRest, 100, 25},
    {"WndSzTransMisc", WidthBase::kRest, 100, 34},
    {"WndSzTransCore", WidthBase::kRest, 37, 41},
    {"WndSzTransLong", WidthBase::kRest, 63, 41},
    {"WndSzTransSpl1", WidthBase::kRest, 43, 52},
    {"WndSzTransSpl2", WidthBase::kRest, 57, 52},
    {"WndSzTransSpl3", WidthBase::kRest, 43, 48},
    {"WndSzTransSpl4", WidthBase::kRest, 57, 48},
    {"WndSzTajakaForm", WidthBase::kRest, 45, 53},
    {"WndSzTajakaAV", WidthBase::kRest, 55, 53},
    {"WndSzTPForm", WidthBase::kRest, 45, 53},
    {"WndSzTPAV", WidthBase::kRest, 55, 53},
    {"WndSzTajakaCore", WidthBase::kRest, 45, 47},
    {"WndSzTajakaLong", WidthBase::kRest, 55, 47},
    {"WndSzTPCore", WidthBase::kRest, 45, 47},
    {"WndSzTPLong", WidthBase::kRest, 55, 47},
    {"WndSzMundForm", WidthBase::kRest, 100, 58},
    {"WndSzMundCore", WidthBase::kRest, 37, 42},
    {"WndSzMundLong", WidthBase::kRest, 63, 42},
    {"WndSzProgForm", WidthBase::kRest, 40, 60},
    {"WndSzProgLong", WidthBase::kRest, 60, 60},
    {"WndSzProgCore", WidthBase::kRest, 40, 40},
    {"WndSzProgMixed", WidthBase::kRest, 60, 40},
    {"WndSzAngretForm", WidthBase::kRest, 52, 45},
    {"WndSzAngretCore", WidthBase::kRest, 48, 45},
    {"WndSzAngretAV", WidthBase::kRest, 52, 55},
    {"WndSzAngretLong", WidthBase::kRest, 48, 55},
    {"WndSzTranResForm", WidthBase::kRest, 100, 25},
    {"WndSzTranResView", WidthBase::kRest, 100, 75},
};

} // namespace

void ComputeDefaultWindowSizes(std::array<WindowSizeRecord, kWindowSizeCount>& sizes, const Rect& desktop) {
    const int w = desktop.Width();
    const int fullHeight = desktop.Height();
    const int h = fullHeight - kReservedHeight;
    sizes[0].cx = desktop.left;
    sizes[0].cy = desktop.top;
    sizes[1].cx = w;
    sizes[1].cy = fullHeight;

    g_bWideDisplay = w >= kWideDisplayWidth;
    UpdateMoreChartsOnWideDisplay();
    const int chartHeight =
        static_cast<int>(h * (g_bMoreChartsOnWideDisplay ? kTallChartShare : kChartShare));
    const int chartWidth = std::min(static_cast<int>(w * kChartWidthShare), chartHeight);
    const int restWidth = w - chartWidth;

    for (const PaneSizeRule& rule : kPaneSizeRules) {
        auto record = std::find_if(sizes.begin() + 2, sizes.end(), [&](const WindowSizeRecord& r) {
            return std::strcmp(r.name, rule.name) == 0;
        });
        if (record == sizes.end()) continue;
        switch (rule.base) {
        case WidthBase::kHalfDesktop:
            record->cx = w / 2;
            break;
        case WidthBase::kChart:
            record->cx = chartWidth;
            break;
        case WidthBase::kRest:
            record->cx = rule.widthPercent * restWidth / 100;
            break;
        }
        record->cy = rule.heightPercent * h / 100;
    }
}

void SetDisplayFlagsFromSavedSizes() {
    g_bWideDisplay = g_windowSizes[1].cx >= kWideDisplayWidth;
    UpdateMoreChartsOnWideDisplay();
}

std::array<Rect, 4> ComputeCascadeRects(int x, int y, int cx, int cy) {
    const int m = kCascadeMargin;
    return {{
        {x + m, y + m, x + cx / 2 - m, y + cy / 2 - m},
        {x + m, y + cy / 2 + m, x + cx / 2 - m, y + cy - m},
        {x + cx / 2 + m, y + m, x + cx - m, y + cy / 2 - m},
        {x + cx / 2 + m, y + cy / 2 + m, x + cx - m, y + cy - m},
    }};
}

Rect FrameRectInside(const Rect& client, const Rect& decoration, const Rect& available) {
    Rect frame{client.left - decoration.left, client.top - decoration.top, client.right + decoration.right,
               client.bottom + decoration.bottom};
    const int width = std::min(frame.Width(), available.Width());
    const int height = std::min(frame.Height(), available.Height());
    frame.left = std::clamp(frame.left, available.left, available.right - width);
    frame.top = std::clamp(frame.top, available.top, available.bottom - height);
    frame.right = frame.left + width;
    frame.bottom = frame.top + height;
    return frame;
}
