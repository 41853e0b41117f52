#include "display/chart_layout.h"

#include <algorithm>

namespace {

// Side candidates as fractions of the window: 27/112, 9/19, 9/28 and 18/19 of the width, 8/25 and 12/25
// of the height.
struct GridRule {
    int columns;
    int rows;
    double widthFactor;
    double heightFactor;
};

GridRule RuleFor(int paneCount, bool wideLayout) {
    switch (paneCount) {
    case 12:
        return {4, 3, 0.24107142857142858, 0.32};
    case 6:
        return wideLayout ? GridRule{3, 2, 0.3214285714285714, 0.48}
                          : GridRule{2, 3, 0.47368421052631576, 0.32};
    case 4:
        return {2, 2, 0.47368421052631576, 0.48};
    case 1:
        return {1, 1, 0.9473684210526315, 0.48};
    default:
        return {1, 2, 0.9473684210526315, 0.48};
    }
}

constexpr int kChartUnits = 360; // renderers draw a chart of 360 units
constexpr int kMarginUnits = 10;

} // namespace

int ChartSideAtScale(double scale) {
    const int s = static_cast<int>(scale * kChartUnits);
    return s - s % 4;
}

ChartPaneLayout LayOutChartPanes(int width, int height, int paneCount, bool wideLayout) {
    const GridRule rule = RuleFor(paneCount, wideLayout);
    ChartPaneLayout layout;
    layout.columns = rule.columns;
    layout.rows = rule.rows;
    const int candidate =
        std::min(static_cast<int>(width * rule.widthFactor), static_cast<int>(height * rule.heightFactor));
    layout.scale = static_cast<double>(candidate) / kChartUnits;
    layout.margin = static_cast<int>(layout.scale * kMarginUnits);
    layout.side = ChartSideAtScale(layout.scale);
    const int pitch = layout.side + layout.margin;
    const bool touching = paneCount == 12;
    for (int k = 0; k < rule.columns * rule.rows && k < kChartPaneCount; ++k) {
        const int column = k % rule.columns;
        const int row = k / rule.columns;
        const int left = layout.margin + column * pitch;
        const int top = layout.margin + row * pitch;
        layout.panes[k] = touching ? Rect{left, top, left + pitch, top + pitch}
                                   : Rect{left, top, left + layout.side, top + layout.side};
    }
    layout.total = Size{rule.columns * pitch + layout.margin, rule.rows * pitch + layout.margin};
    return layout;
}

double MixedChartScale(int width, int height) {
    constexpr int kLargestSide = 800;
    const int side = std::min(
        {static_cast<int>(height * 18.0 / 19.0), static_cast<int>(width * 18.0 / 19.0), kLargestSide});
    return static_cast<double>(side) / kChartUnits;
}

Rect MixedInnerSquare(const Rect& area, int style) {
    // The inner chart takes the middle of the area: inset by an eighth (South, North) or a sixth (East).
    constexpr int kNorthStyle = 2;
    const int divisor = style > kNorthStyle ? 6 : 8;
    const int insetX = area.Width() / divisor;
    const int insetY = area.Height() / divisor;
    return Rect{area.left + insetX, area.top + insetY, area.right - insetX, area.bottom - insetY};
}

Rect KeptToRing(const Rect& a, const Rect& inner, bool innerRing) {
    if (innerRing)
        return Rect{std::max(a.left, inner.left), std::max(a.top, inner.top), std::min(a.right, inner.right),
                    std::min(a.bottom, inner.bottom)};
    const bool meets =
        a.left < inner.right && inner.left < a.right && a.top < inner.bottom && inner.top < a.bottom;
    if (!meets) return a;
    // Of the four parts of the area beside the inner square, the largest.
    const Rect parts[] = {Rect{a.left, a.top, a.right, std::min(a.bottom, inner.top)},
                          Rect{a.left, std::max(a.top, inner.bottom), a.right, a.bottom},
                          Rect{a.left, a.top, std::min(a.right, inner.left), a.bottom},
                          Rect{std::max(a.left, inner.right), a.top, a.right, a.bottom}};
    const auto size = [](const Rect& r) {
        return r.Width() > 0 && r.Height() > 0 ? static_cast<long long>(r.Width()) * r.Height() : 0LL;
    };
    return *std::max_element(std::begin(parts), std::end(parts),
                             [&](const Rect& x, const Rect& y) { return size(x) < size(y); });
}

MixedChartLayout LayOutMixedChart(int width, int height, int style, int captionHeight) {
    MixedChartLayout layout;
    layout.scale = MixedChartScale(width, height);
    const int m = static_cast<int>(layout.scale * kMarginUnits);
    const int s = ChartSideAtScale(layout.scale);
    layout.area = Rect{m, m, s + m, s + m};
    constexpr int kNorthStyle = 2;
    if (style >= kNorthStyle) {
        const int t = captionHeight;
        layout.area = Rect{m + t, m + 2 * t, s + m - t, s + m};
    }
    layout.inner = MixedInnerSquare(layout.area, style);
    // The chart square with its margins: the side came from the window, so no scroll bar shows while
    // the chart fits.
    layout.total = Size{s + 2 * m, s + 2 * m};
    return layout;
}
