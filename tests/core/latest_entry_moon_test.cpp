// The Moon's sign at a planet's latest sign entry decided from tropical places must be the one the exact
// search gives, at moments that try it hardest; where the bound cannot vouch for it, it must not decide.
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/remembered_searches.h"
#include "core_test_helpers.h"

namespace {

class LatestEntryMoonTest : public CalcOptionsTest {
protected:
    LatestEntryMoonTest() : CalcOptionsTest(kAyanamsaTrueLahiri) {}

    // New Delhi at a UT Julian day, positions calculated.
    static CChartCore ChartWithPlanets(double jdUt) {
        CChartCore chart = ChartAt(jdUt, 77.2, 28.6);
        EXPECT_TRUE(chart.CalcPlanets().ok());
        return chart;
    }

    // The Moon's sign at the end of the exact backward stay search, as the murti reads it; nullopt when
    // the search finds no entry.
    static std::optional<int> ExactMoonSign(const CChartCore& chart, int body) {
        double start = 0.0, end = 0.0;
        if (!chart.FindBodyEntersDivision(body, chart.m_bodies[body].m_nSign, true, start, end).found())
            return std::nullopt;
        CChartCore probe;
        chart.JulianDayToDate(end, probe);
        std::uint8_t retrograde = 0;
        const CalcValue moon = probe.CalcBody(kMoon, end, retrograde, false);
        EXPECT_TRUE(moon.ok());
        return static_cast<int>(moon.value / 30.0);
    }

    // Counts the cases the cheap reading decided; every decision must be the exact one.
    int ExpectAgreement(const std::vector<double>& moments, const std::vector<int>& bodies) {
        int decided = 0;
        for (const double jd : moments) {
            const CChartCore chart = ChartWithPlanets(jd);
            for (const int body : bodies) {
                SCOPED_TRACE(testing::Message() << "moment " << jd << " body " << body);
                const std::optional<int> cheap =
                    chart.CertainMoonSignAtLatestEntry(body, chart.m_bodies[body].m_nSign);
                if (!cheap) continue;
                ++decided;
                EXPECT_EQ(cheap, ExactMoonSign(chart, body));
            }
        }
        return decided;
    }
};

// Real moments around planets standing still within half a degree of a sign's edge (true Lahiri), where a
// body leaves its sign and comes back: found by stepping the station search (CChartCore::FindStation,
// checked against swetest in LongitudeSearchTest) over 1990-2030. Around each, the stay is searched
// from before the station, at it, and after it, out to where one direction at both ends of a span
// longer than Mercury's shortest spell must carry a slow planet's proof across the loop.
struct Station {
    const char* what;
    double jdUt;
};
constexpr Station kStationsNearEdges[] = {
    {"Mars turns direct at 0 deg 07' Gemini, 30.1.2008", 2454496.439},
    {"Mercury turns retrograde at 29 deg 51' Leo, 25.8.1990", 2448129.085},
    {"Mercury turns direct at 29 deg 59' Scorpio, 3.1.1991", 2448260.240},
    {"Mercury turns retrograde at 0 deg 28' Sagittarius, 28.11.1991", 2448589.204},
    {"Jupiter turns retrograde at 0 deg 15' Sagittarius, 10.4.2019", 2458584.164},
    {"Venus turns retrograde at 29 deg 58' Taurus, 15.5.2012", 2456063.104},
    {"Saturn turns direct at 29 deg 52' Capricorn, 28.10.1993", 2449288.602},
    {"Saturn turns direct at 0 deg 12' Taurus, 24.1.2001", 2451934.491},
};

TEST_F(LatestEntryMoonTest, AgreesWithTheExactSearchAroundStationsAtSignEdges) {
    for (const Station& station : kStationsNearEdges) {
        SCOPED_TRACE(station.what);
        std::vector<double> moments;
        for (const double days : {-40.0, -12.0, -2.5, 0.0, 0.3, 2.5, 12.0, 40.0, 90.0, 130.0, 200.0, 260.0})
            moments.push_back(station.jdUt + days);
        ExpectAgreement(moments, {kMars, kMercury, kJupiter, kVenus, kSaturn});
    }
}

// Entries at which the Moon stood within a tenth of a degree of its own sign's edge (found by scanning
// 1990-2030 with the exact search), with the chart a few days after each; the nodes' stays besides.
TEST_F(LatestEntryMoonTest, AgreesWithTheExactSearchWhenTheMoonIsAtAnEdge) {
    const std::vector<double> moments = {
        2454977.5, // Mars's entry of 23.5.2009: the Moon 12" into Taurus
        2454834.5, // Venus's entry of 29.12.2008: the Moon 2' 13" short of Capricorn
        2458136.5, // the Sun's entry into Capricorn, 14.1.2018: the Moon 1' 48" into Sagittarius
        2456212.5, // Mercury's entry of 1.10.2012: the Moon 2' 49" into Aries
        2450986.5, // the Sun's entry into Gemini, 15.6.1998: the Moon 4' 56" short of Aquarius
        2449426.5, // Mercury's entry of 10.3.1994: the Moon 3' 53" short of Aquarius
    };
    EXPECT_GT(ExpectAgreement(moments, {kSun, kMars, kMercury, kVenus, kRahu}), 20);
}

// A sweep: every planet and the Moon, a moment every 31.3 days for 70 years. The cheap reading must decide
// most of them.
TEST_F(LatestEntryMoonTest, AgreesWithTheExactSearchOverSeventyYears) {
    std::vector<double> moments;
    for (double jd = 2429000.25; jd < 2454600.0; jd += 31.3) moments.push_back(jd);
    const std::vector<int> bodies = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu};
    const int decided = ExpectAgreement(moments, bodies);
    EXPECT_GT(decided, static_cast<int>(0.9 * moments.size() * bodies.size()));
}

TEST_F(LatestEntryMoonTest, AgreesUnderOtherAyanamsasAndApparentPlaces) {
    g_bTruePositions = false;
    std::vector<double> moments;
    for (double jd = 2440000.75; jd < 2447000.0; jd += 97.1) moments.push_back(jd);
    for (const int id : {kAyanamsaTraditionalLahiri, 20, 21, 13}) {
        SCOPED_TRACE(id);
        ChooseAyanamsa(id);
        EXPECT_GT(ExpectAgreement(moments, {kSun, kMoon, kMars, kSaturn, kRahu}), 0);
    }
}

// Where the bound does not hold, or the body turns too often for it, nothing is decided: the exact search
// answers.
TEST_F(LatestEntryMoonTest, LeavesTheUnprovableToTheExactSearch) {
    const double jd = 2451545.0;
    const auto undecided = [&](int body) {
        const CChartCore chart = ChartWithPlanets(jd);
        return !chart.CertainMoonSignAtLatestEntry(body, chart.m_bodies[body].m_nSign).has_value();
    };
    EXPECT_FALSE(undecided(kSun));
    for (const int id :
         {1, kAyanamsaChandraHari, kAyanamsaTropical, kAyanamsaSuryaSiddhanta, kAyanamsaCustomStar}) {
        ChooseAyanamsa(id);
        EXPECT_TRUE(undecided(kSun)) << "ayanamsa " << id;
    }
    ChooseAyanamsa(kAyanamsaTrueLahiri);
    {
        const CScopedOption traditional(g_nSiddhanta, 1);
        EXPECT_TRUE(undecided(kSun));
    }
    {
        const CScopedOption topocentric(g_bTopocentricPositions, true);
        EXPECT_TRUE(undecided(kSun));
    }
    {
        const CScopedOption apparent(g_bTruePositions, false);
        const CScopedOption refraction(g_bApparentRefraction, true);
        EXPECT_TRUE(undecided(kSun));
    }
    {
        const CScopedOption trueNodes(g_bTrueNodes, true);
        EXPECT_TRUE(undecided(kRahu));
    }
    EXPECT_TRUE(undecided(kLagna));
    // Asked for a sign the body is not in.
    const CChartCore chart = ChartWithPlanets(jd);
    EXPECT_FALSE(
        chart.CertainMoonSignAtLatestEntry(kSun, (chart.m_bodies[kSun].m_nSign + 1) % 12).has_value());
}

// A chart stepped by 20 minutes takes the decision back; it is still the exact one.
TEST_F(LatestEntryMoonTest, SteppingTakesTheDecisionBack) {
    std::vector<double> moments;
    for (int step = 0; step < 6; ++step) moments.push_back(2451545.0 + step / 72.0);
    EXPECT_EQ(ExpectAgreement(moments, {kSun, kMoon, kMars, kSaturn}), 24);
}

} // namespace
