// The moments a body enters and leaves its sign of a divisional chart, checked against the divisions'
// own edges: equal parts for the navamsa, the 5-5-8-7-5 degree parts of the trimsamsa.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart.h"
#include "core/varga_columns.h"
#include "display/sign_change_search.h"
#include "display_test_support.h"

namespace {

// Degrees of `body`'s sidereal longitude at a UT Julian day, from the chart's place.
double LongitudeAt(const CChart& chart, int body, double jdUt) {
    CChartCore probe;
    EXPECT_TRUE(chart.SetFromJulianDay(jdUt, probe).ok());
    return probe.m_bodies[body].m_dLongitude;
}

// Distance (degrees) from x to the nearest of the edges k * part + offsets within each sign.
double DistanceToEdge(double longitude, std::initializer_list<double> edgesInSign) {
    const double inSign = std::fmod(longitude, 30.0);
    double best = 30.0;
    for (double edge : edgesInSign) best = std::min(best, std::fabs(inSign - edge));
    return best;
}

constexpr double kTolerance = 2.0 / 3600; // degrees: a Moon second of time is well below this

class SignChangeSearchTest : public DisplayTest {};

TEST_F(SignChangeSearchTest, LagnaInTheRasiMatchesTheCoreSignSearch) {
    const CChart& chart = FixedBirthChart();
    const auto times = FindSignChangeTimes(chart, kLagna, 0);
    ASSERT_TRUE(times);
    double start = 0, end = 0;
    ASSERT_TRUE(
        chart.FindBodyEntersDivision(kLagna, chart.m_bodies[kLagna].m_nSign, true, start, end).found());
    EXPECT_NEAR(chart.GetJulianDay() - times->back, end, 2.0 / 86400);
    ASSERT_TRUE(
        chart.FindBodyEntersDivision(kLagna, chart.m_bodies[kLagna].m_nSign, false, start, end).found());
    EXPECT_NEAR(chart.GetJulianDay() + times->forward, end, 2.0 / 86400);
}

TEST_F(SignChangeSearchTest, NavamsaEdgesAreNinthsOfASign) {
    const CChart& chart = FixedBirthChart();
    const double t0 = chart.GetJulianDay();
    for (int body : {2, 8, 9}) {
        SCOPED_TRACE(body);
        const auto times = FindSignChangeTimes(chart, body, kD9Column);
        ASSERT_TRUE(times);
        EXPECT_LT(DistanceToEdge(LongitudeAt(chart, body, t0 - times->back),
                                 {0, 10.0 / 3, 20.0 / 3, 10, 40.0 / 3, 50.0 / 3, 20, 70.0 / 3, 80.0 / 3, 30}),
                  kTolerance);
        EXPECT_LT(DistanceToEdge(LongitudeAt(chart, body, t0 + times->forward),
                                 {0, 10.0 / 3, 20.0 / 3, 10, 40.0 / 3, 50.0 / 3, 20, 70.0 / 3, 80.0 / 3, 30}),
                  kTolerance);
    }
    // Ketu stands opposite Rahu, a whole number of navamsas away: both change together.
    const auto rahu = FindSignChangeTimes(chart, 8, kD9Column);
    const auto ketu = FindSignChangeTimes(chart, 9, kD9Column);
    ASSERT_TRUE(rahu && ketu);
    EXPECT_NEAR(rahu->forward, ketu->forward, 2.0 / 86400);
}

TEST_F(SignChangeSearchTest, TrimsamsaEdgesAreItsUnevenParts) {
    const CChart& chart = FixedBirthChart();
    const auto times = FindSignChangeTimes(chart, 2, kD30Column);
    ASSERT_TRUE(times);
    const double exit = LongitudeAt(chart, 2, chart.GetJulianDay() + times->forward);
    const bool odd = static_cast<int>(exit / 30) % 2 == 0; // Aries, Gemini ... counted from 0
    const double distance =
        odd ? DistanceToEdge(exit, {0, 5, 10, 18, 25, 30}) : DistanceToEdge(exit, {0, 5, 12, 20, 25, 30});
    EXPECT_LT(distance, kTolerance) << exit;
    // Not an equal thirtieth of a sign unless an uneven edge happens to fall on one.
    EXPECT_FALSE(FindSignChangeTimes(chart, 2, kCompositeColumn));
}

} // namespace
