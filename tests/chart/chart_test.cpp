// The chart record: construction, deep copies, child charts and the pipeline end to end.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart_test_support.h"

namespace {

TEST(Chart, ConstructionStartsWithEmptyExtraPointsAndNoSignMarkers) {
    CChart chart;
    for (int k = 0; k < kExtraPointCount; ++k) {
        EXPECT_EQ(chart.m_extraName[k], "NULL");
        EXPECT_EQ(chart.m_extraShortName[k], "NULL");
        EXPECT_EQ(chart.m_extraPoint[k].m_dLongitude, 0.0);
    }
    for (int marker : chart.m_signMarker) EXPECT_EQ(marker, 12);
    EXPECT_EQ(&chart.NatalChart(), &chart);
    EXPECT_EQ(&chart.AnalysisChart(), &chart);
    EXPECT_EQ(chart.m_yogaList.m_nVarga, 0);
}

// Moments over the years the program is mostly used for, 1800-2400, at places north and south.
TEST_F(ChartTest, NatalChartsComputeEndToEndFrom1800To2400) {
    struct Case {
        double jdUt, longitudeEast, latitude;
    };
    const Case kCases[] = {
        {2378496.6, 75.77, 23.18},   {2415020.9, -0.13, 51.51},   {2451545.3, 151.21, -33.87},
        {2488070.1, -74.01, 40.71},  {2524594.7, 18.95, 69.65},   {2561118.4, 139.69, 35.69},
        {2597641.5, -43.17, -22.91}, {2597999.2, 166.67, -77.85},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.jdUt);
        CChart chart = NatalChart(c.jdUt, c.longitudeEast, c.latitude);
        ASSERT_TRUE(chart.Compute().ok());
        for (int b = 0; b < kBodyCount; ++b) {
            ASSERT_TRUE(std::isfinite(chart.m_bodies[b].m_dLongitude)) << b;
            EXPECT_LT(chart.m_nakshatra[b], 27) << b;
            EXPECT_LT(chart.m_pada[b], 4) << b;
            for (int c2 = 0; c2 < kVargaColumnCount; ++c2) EXPECT_LT(chart.m_vargaSign.Sign(b, c2), 12);
            for (int level = 0; level < kStarLordLevels; ++level) {
                EXPECT_GE(chart.m_starLord[level][b], 1);
                EXPECT_LE(chart.m_starLord[level][b], 9);
            }
        }
        for (const CBhava& house : chart.m_bhava) {
            EXPECT_TRUE(std::isfinite(house.m_start.m_dLongitude));
            EXPECT_TRUE(std::isfinite(house.m_end.m_dLongitude));
        }
        EXPECT_NEAR(chart.m_ayanamsa.m_dValue, chart.m_dAyanamsa, 1e-12);
    }
}

TEST_F(ChartTest, MomentOutsideTheEphemerisFailsWithTheLibrarysMessage) {
    CChart chart = NatalChart(4000000.0, 0.0, 0.0); // AD 6239: beyond the ephemeris files
    const CalcStatus status = chart.Compute();
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.error.empty());
}

TEST_F(ChartTest, ColumnZeroIsTheChartItselfAndOtherColumnsAreKeptChildren) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    EXPECT_EQ(chart.GetVargaChart(0), &chart);
    CChart* navamsa = chart.GetVargaChart(kD9Column);
    ASSERT_NE(navamsa, nullptr);
    EXPECT_NE(navamsa, &chart);
    EXPECT_EQ(chart.GetVargaChart(kD9Column), navamsa);
    // The child's bodies stand in the parent's navamsa signs.
    for (int b = 0; b <= kKetu; ++b)
        EXPECT_EQ(navamsa->m_bodies[b].m_nSign, chart.m_vargaSign.Sign(b, kD9Column)) << b;
}

TEST_F(ChartTest, VargaColumnOutsideTheTableIsRejected) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    EXPECT_EQ(chart.GetVargaChart(-1), nullptr);
    EXPECT_EQ(chart.GetVargaChart(kVargaColumnCount), nullptr);
}

// The D-150 and Hadda columns hold a part index and a planet number: their child charts must still
// hold signs 0-11 only.
TEST_F(ChartTest, ChildChartsOfColumnsWithoutSignsHoldOnlySigns) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    for (int column : {kD150Column, kHaddaColumn}) {
        SCOPED_TRACE(column);
        CChart* child = chart.GetVargaChart(column);
        ASSERT_NE(child, nullptr);
        for (int b = 0; b < kBodyCount; ++b) {
            EXPECT_GE(child->m_bodies[b].m_nSign, 0);
            EXPECT_LT(child->m_bodies[b].m_nSign, 12);
            for (int c = 0; c < kVargaColumnCount; ++c) EXPECT_LT(child->m_vargaSign.Sign(b, c), 12);
        }
    }
    ASSERT_TRUE(chart.Compute().ok()); // refreshing the two children keeps them sound
    EXPECT_LT(chart.GetVargaChart(kHaddaColumn)->m_bodies[kSun].m_nSign, 12);
}

// Bodies a hair (1e-9 degree) below the end of each sign: multiplied up, their parts end within a
// split's rounding of a sign's end, which once joined to 30 degrees of Pisces as 360.
TEST_F(ChartTest, DivisionalLongitudesStayInsideTheirSignsAndBelow360) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    for (int body = kSun; body <= kPluto; ++body) Place(chart, body, 30.0 * body - 1e-9);
    chart.ComputeVargaSigns();
    for (int column = 1; column < kVargaColumnCount; ++column) {
        for (int body = kSun; body <= kPluto; ++body) {
            SCOPED_TRACE(testing::Message() << "column " << column << ", body " << body);
            const CRasiLongitude record = chart.DivisionalLongitude(body, column);
            EXPECT_GE(record.m_dLongitude, 0.0);
            EXPECT_LT(record.m_dLongitude, 360.0);
            EXPECT_EQ(static_cast<int>(record.m_dLongitude / 30.0), record.m_nSign);
        }
    }
}

TEST_F(ChartTest, RecomputingRefreshesExistingChildren) {
    for (int column : {kD9Column, kCompositeColumn}) {
        SCOPED_TRACE(column);
        CChart chart = NatalChart(2451545.3, 77.2, 28.6);
        ASSERT_TRUE(chart.Compute().ok());
        CChart* child = chart.GetVargaChart(column);
        chart.JulianDayToDate(2451545.3 + 40.0, chart); // the Sun moves on by about 40 degrees
        ASSERT_TRUE(chart.Compute().ok());
        EXPECT_EQ(chart.GetVargaChart(column), child);
        for (int b = 0; b <= kKetu; ++b) {
            EXPECT_EQ(child->m_bodies[b].m_nSign, chart.m_vargaSign.Sign(b, column)) << b;
            EXPECT_DOUBLE_EQ(child->m_bodies[b].m_dLongitude,
                             chart.DivisionalLongitude(b, column).m_dLongitude)
                << b;
        }
    }
}

// "D-n of D-1" divides the rasi by D-n: its child chart is the child chart of D-n itself, with the
// D-30 degree rule and the count from the end of even signs that D-n's child follows.
TEST_F(ChartTest, CompositeOfTheRasiIsTheChildChartOfItsDivision) {
    struct Case {
        int inner;
        int d9Preference;
        bool oneDegreeInD30;
    };
    const Case kCases[] = {{kD30Column, 0, false}, {kD9Column, 2, true}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.inner);
        g_nDmDnChartDm = kD1Column;
        g_nDmDnChartDn = c.inner;
        g_nD9Preference = c.d9Preference;
        g_bUse1DegInD30ForDivLong = c.oneDegreeInD30;
        g_bDivLongFromEndToo = true;
        CChart chart = NatalChart(2451545.3, 77.2, 28.6);
        ASSERT_TRUE(chart.Compute().ok());
        const CChart* composite = chart.GetVargaChart(kCompositeColumn);
        const CChart* division = chart.GetVargaChart(c.inner);
        for (int b = 0; b < kBodyCount; ++b)
            EXPECT_NEAR(composite->m_bodies[b].m_dLongitude, division->m_bodies[b].m_dLongitude, 1e-9) << b;
    }
}

TEST_F(ChartTest, CopiesAreDeepAndAnalyseThemselves) {
    auto original = std::make_unique<CChart>(NatalChart(2451545.3, 77.2, 28.6));
    ASSERT_TRUE(original->Compute().ok());
    const CChart* originalChild = original->GetVargaChart(kD9Column);
    const double childSun = originalChild->m_bodies[kSun].m_dLongitude;

    CChart copy(*original);
    CChart assigned;
    assigned = *original;
    for (CChart* chart : {&copy, &assigned}) {
        EXPECT_EQ(&chart->NatalChart(), chart);
        EXPECT_EQ(&chart->AnalysisChart(), chart);
        ASSERT_TRUE(chart->m_pVargaChart[kD9Column]);
        EXPECT_NE(chart->m_pVargaChart[kD9Column].get(), originalChild);
    }
    original.reset(); // the copies own their children: nothing is freed twice or left dangling
    EXPECT_EQ(copy.GetVargaChart(kD9Column)->m_bodies[kSun].m_dLongitude, childSun);
    EXPECT_EQ(assigned.GetVargaChart(kD9Column)->m_bodies[kSun].m_dLongitude, childSun);
    ASSERT_TRUE(copy.Compute().ok());
}

TEST_F(ChartTest, CopyOfATransitChartKeepsItsNatalBinding) {
    CChart natal = NatalChart(2451545.3, 77.2, 28.6);
    CChart transit = NatalChart(2460000.5, 77.2, 28.6);
    transit.m_pNatalChart = &natal;
    transit.m_pAnalysisChart = &natal;
    const CChart copy(transit);
    EXPECT_EQ(&copy.NatalChart(), &natal);
    EXPECT_EQ(&copy.AnalysisChart(), &natal);
}

TEST_F(ChartTest, SelfAssignmentKeepsTheChildren) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(chart.Compute().ok());
    CChart* child = chart.GetVargaChart(kD3Column);
    CChart& alias = chart;
    chart = alias;
    EXPECT_EQ(chart.GetVargaChart(kD3Column), child);
}

TEST_F(ChartTest, ResetFlagsClearsShiftAndFixedLongitudes) {
    CChart chart;
    chart.m_flags = {1, 1, 1};
    chart.m_dShift = 3.0;
    chart.m_bFixLongitude[5] = 1;
    chart.m_dFixedLongitude[5] = 100.0;
    chart.ResetFlags();
    EXPECT_EQ(chart.m_flags, (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(chart.m_dShift, 0.0);
    EXPECT_EQ(chart.m_bFixLongitude[5], 0);
    EXPECT_EQ(chart.m_dFixedLongitude[5], 0.0);
}

// A shift of 10 degrees before the varga step (flag 1) or after the analysis (flags 1 and 2): every
// final longitude and rasi sign moves; the navamsa moves by three navamsas only when it was computed
// from the shifted longitudes.
TEST_F(ChartTest, ShiftBeforeTheVargasOrAfterTheAnalysis) {
    CChart plain = NatalChart(2451545.3, 77.2, 28.6);
    ASSERT_TRUE(plain.Compute().ok());
    for (const bool afterAnalysis : {false, true}) {
        SCOPED_TRACE(afterAnalysis);
        CChart shifted = plain;
        shifted.m_flags[1] = 1;
        shifted.m_flags[2] = afterAnalysis ? 1 : 0;
        shifted.m_dShift = 10.0;
        ASSERT_TRUE(shifted.Compute().ok());
        const int navamsaMove = afterAnalysis ? 0 : 3;
        for (int b = 0; b <= kKetu; ++b) {
            SCOPED_TRACE(b);
            EXPECT_NEAR(Separation(shifted.m_bodies[b].m_dLongitude, plain.m_bodies[b].m_dLongitude + 10.0),
                        0, 1e-9);
            EXPECT_EQ(shifted.m_vargaSign.Sign(b, kD1Column), shifted.m_bodies[b].m_nSign);
            EXPECT_EQ(shifted.m_vargaSign.Sign(b, kD9Column),
                      (plain.m_vargaSign.Sign(b, kD9Column) + navamsaMove) % 12);
        }
    }
}

TEST_F(ChartTest, FixedLongitudeReplacesTheComputedOne) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    chart.m_bFixLongitude[kMars] = 1;
    chart.m_dFixedLongitude[kMars] = 123.5;
    ASSERT_TRUE(chart.Compute().ok());
    EXPECT_DOUBLE_EQ(chart.m_bodies[kMars].m_dLongitude, 123.5);
    EXPECT_EQ(chart.m_vargaSign.Sign(kMars, kD1Column), 4);
}

// With DivLongFromEndToo and a navamsa variant that counts even signs from their end, a body at
// 3 degrees of Taurus stands 3 degrees (not 27) into its sign of the navamsa child chart.
TEST_F(ChartTest, DivisionalLongitudeCountsFromTheEndOnlyWhenTheVariantDoes) {
    struct Case {
        int d9Preference;
        double expectedDegrees;
    };
    for (const Case c : {Case{2, 3.0}, Case{0, 27.0}}) {
        SCOPED_TRACE(c.d9Preference);
        g_bDivLongFromEndToo = true;
        g_nD9Preference = c.d9Preference;
        CChart chart = NatalChart(2451545.3, 77.2, 28.6);
        chart.m_bFixLongitude[kSun] = 1;
        chart.m_dFixedLongitude[kSun] = 33.0;
        ASSERT_TRUE(chart.Compute().ok());
        EXPECT_NEAR(chart.GetVargaChart(kD9Column)->m_bodies[kSun].DegreesInSign(), c.expectedDegrees, 1e-9);
    }
}

TEST_F(ChartTest, ExtraPointsTakeTheirBodySlotsAndMunthaKeepsNoVargaSigns) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    chart.m_extraName[0] = "Muntha";
    chart.m_extraPoint[0].m_dLongitude = 200.0;
    chart.m_extraPoint[0].SplitLongitude();
    ASSERT_TRUE(chart.Compute().ok());
    EXPECT_DOUBLE_EQ(chart.m_bodies[kFirstExtraPointBody].m_dLongitude, 200.0);
    EXPECT_EQ(chart.m_vargaSign.Sign(kFirstExtraPointBody, kD1Column), 6);
    for (int c = 0; c < kVargaColumnCount; ++c) EXPECT_EQ(chart.m_extraVargaSign[0][c], 0);
}

TEST_F(ChartTest, PrasnaLagnaReplacesTheLagnaAndEmptiesItsSlot) {
    CChart chart = NatalChart(2451545.3, 77.2, 28.6);
    chart.m_extraName[0] = "Prasna Lagna";
    chart.m_extraPoint[0].m_dLongitude = 250.0;
    chart.m_extraPoint[0].SplitLongitude();
    ASSERT_TRUE(chart.ComputeAll(true).ok());
    EXPECT_DOUBLE_EQ(chart.m_bodies[kLagna].m_dLongitude, 250.0);
    EXPECT_EQ(chart.m_extraName[0], "NULL");
    // The houses follow the new lagna: the 1st equal house is centred on it.
    EXPECT_LT(Separation(chart.m_bhava[0].m_middle.m_dLongitude, 250.0), 2.0 * kArcsecond);
}

// The variants whose divisional longitude runs from the end of an even sign, column by column; every
// other column, and every other variant, counts from the start.
TEST(ChartOptions, VariantsCountingFromTheEndOfTheSign) {
    struct Row {
        int column;
        int* preference;
        std::set<int> fromTheEnd;
    };
    const Row kRows[] = {
        {kD9Column, &g_nD9Preference, {2, 3}},      {kD2Column, &g_nHoraPreference, {6}},
        {kD3Column, &g_nD3Preference, {2, 4}},      {kD7Column, &g_nD7Preference, {1, 2}},
        {kD10Column, &g_nD10Preference, {2, 3, 4}}, {kD11Column, &g_nD11Preference, {1}},
        {kD12Column, &g_nD12Preference, {1}},       {kD16Column, &g_nD16Preference, {1}},
        {kD20Column, &g_nD20Preference, {1}},       {kD24Column, &g_nD24Preference, {0}},
        {kD27Column, &g_nD27Preference, {1}},       {kD60Column, &g_nD60Preference, {1, 2}},
    };
    std::map<int*, int> saved;
    for (const Row& row : kRows) saved[row.preference] = *row.preference;
    for (int variant = 0; variant <= 6; ++variant) {
        for (const Row& row : kRows) *row.preference = variant;
        for (int column = 0; column < kVargaColumnCount; ++column) {
            const auto row = std::find_if(std::begin(kRows), std::end(kRows),
                                          [column](const Row& r) { return r.column == column; });
            const bool expected = row != std::end(kRows) && row->fromTheEnd.count(variant) > 0;
            EXPECT_EQ(IsOptionEnabled(column), expected) << "column " << column << " variant " << variant;
        }
    }
    for (const auto& [preference, value] : saved) *preference = value;
}

} // namespace
