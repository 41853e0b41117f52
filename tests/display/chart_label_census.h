#pragma once
// The body labels a chart view draws, counted against the chart record: every body a pane shows is
// expected in the cell of its sign, by its label's text.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "chart/chart.h"
#include "core/body_names.h"
#include "display/chart_label_text.h"
#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display/pane_settings.h"
#include "label_layout_surface.h"
#include "shell/pane_state.h"

// The labels of the bodies pane `pane` shows in `sign`, as the chart record places them.
inline std::vector<std::string> LabelsInSign(const CChart& chart, int varga, int pane, int sign) {
    std::vector<std::string> labels;
    for (int k = 0; k < kExtraPointCount; ++k)
        if (chart.m_extraName[k] != kNoExtraPoint && chart.m_extraVargaSign[k][varga] == sign)
            labels.push_back(chart.m_extraShortName[k]);
    for (int body = 0; body < kNamedBodyCount; ++body) {
        if (!g_bPaneShowBody[pane][body]) continue;
        if (chart.m_vargaSign.Sign(ArudhaPositionSource(chart, body, varga, pane), varga) != sign) continue;
        labels.push_back(g_bPaneKarakaLabels[pane] && body >= 1 && body <= 8
                             ? FormatChartCaption(chart, body, false)
                             : BodyLabelText(chart, body, pane));
    }
    return labels;
}

// The body labels of `panes` that `drawn` does not hold within their sign's cell, as "pane 3, sign 5: Su".
// The two charts of a mixed view share their cells: a cell's texts are counted against both charts' bodies.
inline std::vector<std::string> MissingLabels(CChartView& view, const std::vector<int>& panes,
                                              const LabelLayoutSurface& drawn) {
    struct Cell {
        std::string where;
        CPolygonRegion region;
        std::vector<std::string> expected;
    };
    std::map<std::vector<std::pair<int, int>>, Cell> cells; // by their corners
    for (const int pane : panes) {
        const CChart* chart = view.PaneChart(pane);
        if (!chart) continue;
        for (int sign = 0; sign < 12; ++sign) {
            const CPolygonRegion& region = view.DrawState().Region(pane, sign);
            std::vector<std::pair<int, int>> corners;
            for (int i = 0; i < region.Count(); ++i) corners.emplace_back(region[i].x, region[i].y);
            Cell& cell = cells[corners];
            cell.where = "pane " + std::to_string(pane) + ", sign " + std::to_string(sign);
            cell.region = region;
            for (std::string& label : LabelsInSign(*chart, g_nPaneVarga[pane], pane, sign))
                cell.expected.push_back(std::move(label));
        }
    }
    std::vector<std::string> missing;
    for (const auto& [corners, cell] : cells) {
        std::vector<std::string> inside;
        for (const LabelLayoutSurface::Text& text : drawn.texts) {
            const QPointF middle = text.ink.center();
            if (cell.region.ContainsPoint(static_cast<int>(std::lround(middle.x())),
                                          static_cast<int>(std::lround(middle.y()))))
                inside.push_back(text.text);
        }
        for (const std::string& label : cell.expected) {
            const auto found = std::find(inside.begin(), inside.end(), label);
            if (found != inside.end())
                inside.erase(found);
            else
                missing.push_back(cell.where + ": " + label);
        }
    }
    return missing;
}

// The panes `view` draws: the inner and outer chart of a mixed view, else the chart view's panes.
inline std::vector<int> DrawnPanes(const CChartView& view) {
    if (dynamic_cast<const CMixedChartView*>(&view)) return {kInnerPane, kOuterPane};
    std::vector<int> panes;
    for (int pane = 0; pane < std::min(g_nChartPaneCount, kChartPaneCount); ++pane) panes.push_back(pane);
    return panes;
}
