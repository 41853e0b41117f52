#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart_test_support.h"

namespace {

TEST_F(ChartTest, KeepsTheOutcomeOfItsLastCalculation) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    EXPECT_FALSE(chart.m_lastCalculation);
    ASSERT_TRUE(chart.Compute().ok());
    ASSERT_TRUE(chart.m_lastCalculation);
    EXPECT_TRUE(chart.m_lastCalculation->ok());

    chart.JulianDayToDate(4000000.0, chart); // AD 6239: beyond the ephemeris files
    const CalcStatus failed = chart.Compute();
    ASSERT_FALSE(failed.ok());
    ASSERT_TRUE(chart.m_lastCalculation);
    EXPECT_EQ(chart.m_lastCalculation->error, failed.error);
}

// The composite's outer chart is computed after it in the table; one calculation must still see the
// outer column as it now is, not as the chart's previous calculation left it.
TEST_F(ChartTest, ACompositeOfALaterColumnIsCurrentAfterOneCalculation) {
    g_nDmDnChartDm = kBhavaColumn;
    g_nDmDnChartDn = kD9Column;
    g_nBhavaChartVarga = kD9Column;
    CChart once = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(once.Compute().ok());
    CChart twice = once;
    ASSERT_TRUE(twice.Compute().ok());
    for (int b = 0; b < kBodyCount; ++b)
        EXPECT_EQ(once.m_vargaSign.Sign(b, kCompositeColumn), twice.m_vargaSign.Sign(b, kCompositeColumn))
            << b;
}

// A chart shown in another zone than its birth zone keeps the positions of its instant and counts its
// day on the birth zone's clock.
TEST_F(ChartTest, AZoneOverrideKeepsThePositionsAndTheBirthDay) {
    CChart birth = NatalChart(2451545.3, 77.2, 28.6);
    birth.m_dateTime.ChangeZone(-5.5);
    ASSERT_TRUE(birth.Compute().ok());
    CChart shown = birth;
    shown.m_dateTime.ChangeZone(8.0);
    g_bZoneOverride = true;
    g_dBirthZone = -5.5;
    g_dOverrideZone = 8.0;
    ASSERT_TRUE(shown.Compute().ok());
    for (int b = 0; b < kEphemerisBodyCount; ++b)
        EXPECT_NEAR(shown.m_bodies[b].m_dLongitude, birth.m_bodies[b].m_dLongitude, 1e-9) << b;
    EXPECT_DOUBLE_EQ(shown.m_dateTime.m_zone.m_dHours, 8.0);
    EXPECT_EQ(shown.m_currentDay.m_nWeekday, birth.m_currentDay.m_nWeekday);
    EXPECT_EQ(shown.m_currentDay.m_nHoraLord, birth.m_currentDay.m_nHoraLord);
}

} // namespace
