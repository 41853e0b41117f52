#pragma once
// Charts for the analysis tests, filled by hand: no ephemeris and no pipeline. A body placed at a
// longitude gets that sign in every varga column; a test then changes single columns as it needs.
#include "chart/chart.h"
#include "core/option_snapshot.h"
#include "tests/chart/chart_test_support.h"

// Puts a body at a sidereal longitude (degrees) and gives it that sign in every column.
inline void PlaceBody(CChart& chart, int body, double longitude) {
    Place(chart, body, longitude);
    for (int c = 0; c < kVargaColumnCount; ++c) {
        if (VargaColumnHoldsSign(c)) chart.m_vargaSign.SetSign(body, c, chart.m_bodies[body].m_nSign);
    }
}

// Puts a body in the middle of a sign plus `degrees` (default: 15 degrees into the sign).
inline void PlaceInSign(CChart& chart, int body, int sign, double degrees = 15.0) {
    PlaceBody(chart, body, 30.0 * sign + degrees);
}

// A chart with the lagna and the nine planets (bodies 0-9) all in one sign, `degrees` into it; a test
// then moves the bodies it needs.
inline CChart EveryBodyIn(int sign, double degrees = 15.0) {
    CChart chart;
    for (int b = 0; b <= 9; ++b) PlaceInSign(chart, b, sign, degrees);
    return chart;
}
