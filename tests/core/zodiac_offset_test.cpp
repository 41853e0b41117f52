// The cheap sidereal reading (tropical place on the mean equinox less a straight-line offset) against the
// search step's exact longitude, over 1800-2400 and every ayanamsa the reading is offered for.
#include "core/zodiac_offset.h"

#include <random>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core_test_helpers.h"

namespace {

constexpr double kYear1800 = 2378496.5;
constexpr double kYear2400 = 2597641.5;

// A search step's exact sidereal longitude and speed (CalcBody without and with `full`).
struct Exact {
    double longitude = 0.0;
    double speed = 0.0;
};
Exact ExactAt(CChartCore& probe, int body, double jdUt) {
    std::uint8_t retrograde = 0;
    const CalcValue step = probe.CalcBody(body, jdUt, retrograde, false);
    const CalcValue full = probe.CalcBody(body, jdUt, retrograde, true);
    EXPECT_TRUE(step.ok() && full.ok());
    // A chart's own place (full) stands in for a search step's where the offset is measured.
    EXPECT_NEAR(Reduce360(full.value - step.value + 180.0), 180.0, 1e-9);
    return {step.value, probe.m_dBodySpeed[body]};
}

// For every ayanamsa the reading holds under, anchored at random moments by the Sun, the reading of the
// bodies at random moments up to the span away lies within the bound, and so does the speed.
void ExpectBoundHolds(const char* options) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> date(kYear1800, kYear2400);
    std::uniform_real_distribution<double> away(-ZodiacOffsetLine::kSpanDays, ZodiacOffsetLine::kSpanDays);
    int checked = 0;
    for (int id = 0; id < kAyanamsaCount; ++id) {
        ChooseAyanamsa(id);
        if (!ZodiacOffsetHolds()) continue;
        for (int i = 0; i < 24; ++i) {
            const double anchor = date(random);
            CChartCore probe = ChartAt(anchor, 77.2, 28.6);
            const CalcValue sunTropical = probe.CalcTropicalLongitude(kSun, anchor);
            ASSERT_TRUE(sunTropical.ok());
            const ZodiacOffsetLine line(anchor, sunTropical.value - ExactAt(probe, kSun, anchor).longitude);
            // Near the anchor, where the bound is tightest, and anywhere in the span.
            for (const double t : {anchor + away(random) / 1000.0, anchor + away(random)}) {
                for (int body = kSun; body <= kRahu; ++body) {
                    SCOPED_TRACE(testing::Message() << options << " ayanamsa " << id << " anchor " << anchor
                                                    << " moment " << t << " body " << body);
                    double speed = 0.0;
                    const CalcValue tropical = probe.CalcTropicalLongitude(body, t, &speed);
                    ASSERT_TRUE(tropical.ok());
                    const Exact exact = ExactAt(probe, body, t);
                    EXPECT_LE(Separation(line.Sidereal(tropical.value, t), exact.longitude), line.Error(t));
                    EXPECT_LE(std::fabs(speed - line.Rate() - exact.speed), line.SpeedError());
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 4000);
}

class ZodiacOffsetTest : public CalcOptionsTest {
protected:
    ZodiacOffsetTest() : CalcOptionsTest(kAyanamsaTrueLahiri) {}
};

TEST_F(ZodiacOffsetTest, BoundHoldsWithTruePositions) {
    ExpectBoundHolds("true positions");
}

// Apparent places carry the anchor star's annual aberration into the offset.
TEST_F(ZodiacOffsetTest, BoundHoldsWithApparentPositions) {
    g_bTruePositions = false;
    ExpectBoundHolds("apparent positions");
}

TEST_F(ZodiacOffsetTest, BoundHoldsWithoutNutationAndWithTrueNodes) {
    g_bNoNutation = true;
    g_bTrueNodes = true;
    ExpectBoundHolds("no nutation, true nodes");
}

// The zodiacs that are not the library's sidereal one on the ecliptic of date, and the places that are
// not the Earth centre's, have no such offset.
TEST_F(ZodiacOffsetTest, HoldsOnlyForTheLibrarysSiderealZodiac) {
    EXPECT_TRUE(ZodiacOffsetHolds());
    for (const int id :
         {1, kAyanamsaChandraHari, kAyanamsaTropical, kAyanamsaSuryaSiddhanta, kAyanamsaCustomStar}) {
        ChooseAyanamsa(id);
        EXPECT_FALSE(ZodiacOffsetHolds()) << "ayanamsa " << id;
    }
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    {
        const CScopedOption traditional(g_nSiddhanta, 1);
        EXPECT_FALSE(ZodiacOffsetHolds());
    }
    {
        const CScopedOption topocentric(g_bTopocentricPositions, true);
        EXPECT_FALSE(ZodiacOffsetHolds());
    }
    const CScopedOption refraction(g_bApparentRefraction, true);
    EXPECT_TRUE(ZodiacOffsetHolds()); // true positions are never refracted
    const CScopedOption apparent(g_bTruePositions, false);
    EXPECT_FALSE(ZodiacOffsetHolds());
}

} // namespace
