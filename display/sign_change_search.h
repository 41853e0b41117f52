#pragma once
// When a body changes its sign in a divisional chart: the moments, before and after a chart's own, at
// which the body (0 lagna .. 12 Pluto) entered and will leave the sign it holds in a varga column. The
// sign is that column's own rule at each moment, so uneven and special divisions are searched as they
// are, not as equal parts of a sign.
#include <optional>

class CChartCore;

struct SignChangeTimes {
    double back = 0.0;    // days from the entry into the sign to the chart's moment
    double forward = 0.0; // days from the chart's moment to the exit from the sign
};

// Both moments to within a second; nothing when the column's sign cannot be followed moment by moment
// (the composite and bhava/chalit columns are built from child charts), when a position cannot be
// calculated, or when the body keeps its sign for longer than the search span (40 years) either way.
std::optional<SignChangeTimes> FindSignChangeTimes(const CChartCore& chart, int body, int column);
