// The chart record: copies, child charts and the pipeline end to end.
#include <cmath>

#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "core/chart.h"

namespace {

TEST(Chart, ConstructionStartsWithEmptyExtraPointsAndNoSignMarkers) {
    CChart chart;
    for (int k = 0; k < kExtraPointCount; ++k) {
        EXPECT_EQ(chart.m_extraName[k], "NULL");
        EXPECT_EQ(chart.m_extraShortName[k], "NULL");
    }
    for (int marker : chart.m_signMarker) EXPECT_EQ(marker, 12);
    EXPECT_EQ(chart.m_pNatalChart, &chart);
    EXPECT_EQ(chart.m_pAnalysisChart, &chart);
    EXPECT_EQ(chart.m_ashtakavarga.m_pChart, &chart);
}

TEST_F(ChartTest, NatalChartComputesEndToEnd) {
    CChart chart = NatalChart(2451545.0, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    for (int b = 0; b < kBodyCount; ++b) {
        EXPECT_TRUE(std::isfinite(chart.m_bodies[b].m_dLongitude)) << b;
        for (int c = 0; c < kVargaColumnCount; ++c)
            EXPECT_LT(chart.m_vargaSign.Sign(b, c), 12) << b << " " << c;
    }
}

} // namespace
