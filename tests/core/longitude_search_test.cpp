#include <string>

#include <gtest/gtest.h>

#include "core/chart_core.h"
#include "core/longitude_search.h"
#include "reference_table.h"
#include "search_test_support.h"

namespace {

constexpr double kNatalJd = 2447892.1; // natal case 0 of the reference table

CLongitudeSearchRequest OneBody(int body, double target, bool backward = false) {
    CLongitudeSearchRequest request;
    request.m_nBodyA = body;
    request.m_dTarget = target;
    request.m_bBackward = backward;
    return request;
}

double Longitude(const CChartCore& chart, int body) {
    return chart.m_bodies[body].m_dLongitude;
}

class LongitudeSearchTest : public SearchTest {};

} // namespace

TEST_F(LongitudeSearchTest, MoonComesBackToItsOwnPlaceASiderealMonthLater) {
    const CChartCore natal = CalculatedChartAt(kNatalJd);
    const double moon = Longitude(natal, kMoon);
    CChartCore found;
    const SearchResult result = natal.FindLongitudeTime(found, OneBody(kMoon, moon));
    ASSERT_TRUE(result.found()) << result.status.error;
    EXPECT_NEAR(result.jdUt - kNatalJd, 27.32, 0.3);
    EXPECT_LT(Separation(Longitude(found, kMoon), moon), 0.1 * kArcsecond);
    EXPECT_NEAR(found.GetJulianDay(), result.jdUt, 1e-7);

    // Searched back, the start value already counts as the crossing: the start instant comes back.
    const SearchResult back = natal.FindLongitudeTime(found, OneBody(kMoon, moon, true));
    ASSERT_TRUE(back.found());
    EXPECT_NEAR(back.jdUt, kNatalJd, 0.1 * kSecond);
}

TEST_F(LongitudeSearchTest, CrossingsAgreeWithSwetest) {
    const auto rows = ReadReferenceTable(kSearchReference, "cross");
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& r : rows) {
        const std::string quantity = r[1];
        const double target = std::stod(r[2]);
        const bool backward = r[4] == "-1";
        SCOPED_TRACE(quantity + " from " + r[3] + (backward ? " backward" : " forward"));
        const CChartCore start = ChartAt(std::stod(r[3]), kUjjainEast, kUjjainLatitude);
        CChartCore found;
        SearchResult result = SearchResult::NotFound();
        if (quantity == "moon") result = start.FindLongitudeTime(found, OneBody(kMoon, target, backward));
        if (quantity == "sun") result = start.FindLongitudeTime(found, OneBody(kSun, target, backward));
        if (quantity == "tithi")
            result = start.FindLongitudeTime(found, SeparationRequest(kMoon, kSun, target, backward));
        if (quantity == "yoga")
            result = start.SearchAngleTime(found, SeparationRequest(kMoon, kSun, target, backward));
        ASSERT_TRUE(result.found()) << result.status.error;
        EXPECT_LT(ArcsecondsOff(result.jdUt, std::stod(r[5]), std::stod(r[7])), 0.1);
    }
}

TEST_F(LongitudeSearchTest, SlowerBodyFirstGivesTheSameInstant) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    CChartCore found;
    const SearchResult moonFirst =
        start.FindLongitudeTime(found, SeparationRequest(kMoon, kSun, 120.0, false));
    const SearchResult sunFirst =
        start.FindLongitudeTime(found, SeparationRequest(kSun, kMoon, -120.0, false));
    ASSERT_TRUE(moonFirst.found());
    ASSERT_TRUE(sunFirst.found());
    EXPECT_DOUBLE_EQ(moonFirst.jdUt, sunFirst.jdUt);
    EXPECT_LT(Separation(Longitude(found, kMoon) - Longitude(found, kSun), 120.0), 0.1 * kArcsecond);
}

// Searches that bring back the same event found again unless restarted a little past it: full moons
// found one after the other forward from 0.0035 days past the last, and back from 0.0035 days before.
TEST_F(LongitudeSearchTest, RestartingPastTheLastResultFindsTheNextEvent) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    CChartCore first, second, again;
    const SearchResult s = start.FindLongitudeTime(first, SeparationRequest(kMoon, kSun, 180.0, false));
    ASSERT_TRUE(s.found());
    const CChartCore restart = ChartAt(s.jdUt + 0.0035, kUjjainEast, kUjjainLatitude);
    const SearchResult e = restart.FindLongitudeTime(second, SeparationRequest(kMoon, kSun, 180.0, false));
    ASSERT_TRUE(e.found());
    EXPECT_NEAR(e.jdUt - s.jdUt, 29.53, 0.4); // a synodic month

    const CChartCore back = ChartAt(e.jdUt - 0.0035, kUjjainEast, kUjjainLatitude);
    const SearchResult previous = back.FindLongitudeTime(again, SeparationRequest(kMoon, kSun, 180.0, true));
    ASSERT_TRUE(previous.found());
    EXPECT_NEAR(previous.jdUt, s.jdUt, 0.1 * kSecond);
}

TEST_F(LongitudeSearchTest, LagnaIsFoundToAFifteenthOfASecond) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    for (const double offset : {10.0, 95.0, 300.0}) {
        SCOPED_TRACE(offset);
        const double target = Reduce360(Longitude(start, kLagna) + offset);
        CChartCore found;
        const SearchResult result = start.FindLongitudeTime(found, OneBody(kLagna, target));
        ASSERT_TRUE(result.found());
        EXPECT_LT(result.jdUt - kNatalJd, 1.0);
        // The lagna turns about 15 arcseconds a second here.
        EXPECT_LT(Separation(Longitude(found, kLagna), target), 2.0 * kArcsecond);
    }
}

TEST_F(LongitudeSearchTest, MidpointsAndSumsReachTheirTargets) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    struct Case {
        const char* what;
        int bodyA, bodyB;
        bool midpoint;
        double separation;
        double tolerance; // arcseconds
    };
    const Case kCases[] = {
        // The midpoint counted forward from B reaches only the half circle ahead of the slower body:
        // the Sun stands near 256 degrees.
        {"Sun/Moon midpoint", kSun, kMoon, true, 170.0, 0.1},
        {"lagna/Sun midpoint", kLagna, kSun, true, 340.0, 1.0},
        {"Moon + Mars", kMoon, kMars, false, 10.0, 0.1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CLongitudeSearch search;
        search.m_nBodyA = c.bodyA;
        search.m_nBodyB = c.bodyB;
        search.m_dSeparation = c.separation;
        search.m_bTwoBody = 1;
        search.m_bMidpoint = c.midpoint;
        search.m_bSum = !c.midpoint;
        CChartCore found;
        const SearchResult result = start.SearchLongitude(found, search);
        ASSERT_TRUE(result.found()) << result.status.error;
        EXPECT_LT(result.jdUt - kNatalJd, 30.0);
        const double x = Longitude(found, c.bodyA), y = Longitude(found, c.bodyB);
        const double reached = c.midpoint ? SearchValueMidpoint(x, y, 0.0) : x + y;
        EXPECT_LT(Separation(reached, c.separation), c.tolerance * kArcsecond);
    }
}

// A sum of the Sun and a fast inner planet moves up to 3.2 degrees a day: stepped 60 days at a time it
// would slip past crossings. The instant found must be the first crossing, as a day-by-day scan shows.
TEST_F(LongitudeSearchTest, SumSearchFindsTheFirstCrossing) {
    const double jd = 2451545.3; // Mercury moving fast
    CChartCore start = CalculatedChartAt(jd);
    const double sunAndMercury = Longitude(start, kSun) + Longitude(start, kMercury);
    for (const double ahead : {60.0, 125.0, 170.0, 230.0}) {
        SCOPED_TRACE(ahead);
        const double target = Reduce360(sunAndMercury + ahead);
        CChartCore found;
        const SearchResult result =
            start.SearchAngleTime(found, SeparationRequest(kSun, kMercury, target, false));
        ASSERT_TRUE(result.found());
        double day = jd;
        for (double previous = Reduce360(sunAndMercury - target);; day += 1.0) {
            std::uint8_t retrograde = 0;
            const double sum = start.CalcBody(kSun, day + 1.0, retrograde, false).value +
                               start.CalcBody(kMercury, day + 1.0, retrograde, false).value;
            const double value = Reduce360(sum - target);
            if (previous > 180.0 && value < 180.0) break;
            previous = value;
        }
        EXPECT_GE(result.jdUt, day);
        EXPECT_LE(result.jdUt, day + 1.0);
    }
}

TEST_F(LongitudeSearchTest, KetuIsSearchedAtItsOwnPlace) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    const double target = Reduce360(Longitude(start, kKetu) - 1.0); // the nodes move backward
    CChartCore found;
    const SearchResult result = start.FindLongitudeTime(found, OneBody(kKetu, target));
    ASSERT_TRUE(result.found());
    EXPECT_NEAR(result.jdUt - kNatalJd, 19.0, 1.0); // a degree at 0.053 degrees a day
    EXPECT_LT(Separation(Longitude(found, kKetu), target), 0.1 * kArcsecond);
}

TEST_F(LongitudeSearchTest, RelationsThatNeverHappenAreNotFound) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    struct Case {
        const char* what;
        CLongitudeSearchRequest request;
    };
    const Case kCases[] = {
        {"Mercury 90 degrees from the Sun", SeparationRequest(kMercury, kSun, 90.0, false)},
        {"Venus 60 degrees behind the Sun", SeparationRequest(kVenus, kSun, -60.0, true)},
        {"Rahu on Ketu", SeparationRequest(kRahu, kKetu, 0.0, false)},
        {"the Sun 10 degrees from itself", SeparationRequest(kSun, kSun, 10.0, false)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CChartCore found;
        const SearchResult result = start.FindLongitudeTime(found, c.request);
        EXPECT_EQ(result.outcome, SearchOutcome::kNotFound);
        EXPECT_FALSE(result.status.error.empty());
    }
}

TEST_F(LongitudeSearchTest, BadRequestsAreRefused) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    CChartCore found;
    std::uint8_t state = 0;
    double entry = 0, exit = 0;
    const SearchResult results[] = {
        start.FindLongitudeTime(found, OneBody(13, 0.0)),
        start.FindLongitudeTime(found, SeparationRequest(kMoon, -1, 0.0, false)),
        start.SearchAngleTime(found, SeparationRequest(kMoon, kNoBody, 0.0, false)),
        start.FindStation(found, 20, true, state),
        start.FindBodyEntersDivision(kSun, 12, false, entry, exit),
    };
    for (const auto& result : results) {
        EXPECT_EQ(result.outcome, SearchOutcome::kFailed);
        EXPECT_FALSE(result.status.error.empty());
    }
}

// Stepping past the end of the ephemeris files (5400 AD) must fail with the library's message, never
// hand on a position that was not computed.
TEST_F(LongitudeSearchTest, ACalculationFailureEndsTheSearch) {
    const double jd = 3693360.5; // some two weeks before the end
    const CChartCore start = ChartAt(jd, kUjjainEast, kUjjainLatitude);
    std::uint8_t retrograde = 0;
    CChartCore probe = start;
    const CalcValue sun = probe.CalcBody(kSun, jd, retrograde, false);
    ASSERT_TRUE(sun.ok()) << sun.status.error;
    CChartCore found;
    std::uint8_t state = 0;
    double entry = 0, exit = 0;
    const SearchResult results[] = {
        start.FindLongitudeTime(found, OneBody(kSun, Reduce360(sun.value + 180.0))),
        start.FindStation(found, kJupiter, true, state),
        start.FindBodyEntersDivision(kSun, (static_cast<int>(sun.value / 30.0) + 6) % 12, false, entry, exit),
    };
    for (const auto& result : results) {
        EXPECT_EQ(result.outcome, SearchOutcome::kFailed);
        EXPECT_NE(result.status.error.find("not found"), std::string::npos) << result.status.error;
    }
}

TEST_F(LongitudeSearchTest, StationsAgreeWithSwetest) {
    const auto rows = ReadReferenceTable(kSearchReference, "station");
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& r : rows) {
        SCOPED_TRACE("body " + r[1] + " from " + r[2]);
        const CChartCore start = ChartAt(std::stod(r[2]), kUjjainEast, kUjjainLatitude);
        CChartCore found;
        std::uint8_t state = 9;
        const SearchResult result = start.FindStation(found, std::stoi(r[1]), r[3] == "1", state);
        ASSERT_TRUE(result.found()) << result.status.error;
        // swetest prints speeds to 1e-7 degree a day, which places a slow planet's station only to
        // 5e-8 / (change of speed a day) days: that, and our second.
        const double resolution = 5e-8 / std::fabs(std::stod(r[6]));
        EXPECT_NEAR(result.jdUt, std::stod(r[4]), 1.0 * kSecond + resolution);
        EXPECT_EQ(state, std::stoi(r[5]));
        EXPECT_EQ(found.m_bodies[std::stoi(r[1])].m_bRetrograde, state);
    }
}

TEST_F(LongitudeSearchTest, BodiesThatNeverStationAreNotFound) {
    const CChartCore start = CalculatedChartAt(kNatalJd);
    for (const int body : {kLagna, kSun, kMoon, kRahu, kKetu}) { // mean nodes never turn
        SCOPED_TRACE(body);
        CChartCore found;
        std::uint8_t state = 9;
        const SearchResult result = start.FindStation(found, body, true, state);
        EXPECT_EQ(result.outcome, SearchOutcome::kNotFound);
        EXPECT_EQ(state, 9);
    }
}

TEST_F(LongitudeSearchTest, TrueRahuTurnsWithinDays) {
    g_bTrueNodes = true;
    const CChartCore start = CalculatedChartAt(kNatalJd);
    std::uint8_t first = 9, second = 9;
    CChartCore turn, next;
    const SearchResult result = start.FindStation(turn, kRahu, true, first);
    ASSERT_TRUE(result.found());
    const CChartCore restart = ChartAt(result.jdUt + 0.0035, kUjjainEast, kUjjainLatitude);
    ASSERT_TRUE(restart.FindStation(next, kRahu, true, second).found());
    EXPECT_NE(first, second);
    EXPECT_LT(result.jdUt - kNatalJd, 30.0);
    EXPECT_EQ(first, turn.m_dBodySpeed[kRahu] >= 0.0 ? 1 : 0);
}

TEST_F(LongitudeSearchTest, SignStaysAgreeWithSwetest) {
    const auto rows = ReadReferenceTable(kSearchReference, "ingress");
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& r : rows) {
        const int body = std::stoi(r[1]), sign = std::stoi(r[2]);
        const bool backward = r[4] == "-1";
        const double entry = std::stod(r[5]), exit = std::stod(r[6]);
        SCOPED_TRACE("body " + r[1] + " sign " + r[2] + (backward ? " backward" : " forward"));
        // From the table's start; from just before the boundary; and from inside the sign, which gives
        // the start instant itself.
        struct From {
            double jd;
            double expectedStart;
        };
        const double outward = backward ? -1.0 : 1.0;
        const double inside = entry + 0.3 * (exit - entry);
        const From kStarts[] = {
            {std::stod(r[3]), entry},
            {entry - outward * 2.0 * kSecond, entry},
            {inside, inside},
        };
        for (const auto& from : kStarts) {
            SCOPED_TRACE(from.jd);
            const CChartCore start = ChartAt(from.jd, kUjjainEast, kUjjainLatitude);
            double first = 0, firstOut = 0;
            const SearchResult result = start.FindBodyEntersDivision(body, sign, backward, first, firstOut);
            ASSERT_TRUE(result.found()) << result.status.error;
            EXPECT_EQ(result.jdUt, first);
            EXPECT_NEAR(first, from.expectedStart, 1.0 * kSecond);
            EXPECT_NEAR(firstOut, exit, 1.0 * kSecond);
        }
    }
}

// The Moon stays little more than two days in a sign: a start a tenth of a day before it enters one
// must not step over that sign.
TEST_F(LongitudeSearchTest, SignSearchDoesNotSkipAShortStay) {
    for (const auto& r : ReadReferenceTable(kSearchReference, "ingress")) {
        if (r[1] != "2") continue;
        const double entry = std::stod(r[5]);
        const CChartCore start = ChartAt(entry - 0.1, kUjjainEast, kUjjainLatitude);
        double first = 0, firstOut = 0;
        ASSERT_TRUE(start.FindBodyEntersDivision(kMoon, std::stoi(r[2]), false, first, firstOut).found());
        EXPECT_NEAR(first, entry, 1.0 * kSecond);
    }
}

TEST_F(LongitudeSearchTest, HouseCuspsOfTheMomentTheLagnaHadALongitude) {
    g_nHouseTypeWanted = 4; // Placidus: cusps that depend on the moment, not on the lagna alone
    CChartCore chart = CalculatedChartAt(kNatalJd);
    const double ownCusp4 = chart.m_dHouseCusps[3];
    const double lagna = Longitude(chart, kLagna);

    // Its own lagna: the cusps of its own moment come back.
    SearchResult result = chart.CalcAtTimeOffset(lagna);
    ASSERT_TRUE(result.found());
    EXPECT_NEAR(result.jdUt, kNatalJd, 0.1 * kSecond);
    EXPECT_LT(Separation(chart.m_dHouseCusps[3], ownCusp4), 1.0 * kArcsecond);

    // Ten degrees earlier: the moment some 40 minutes before.
    result = chart.CalcAtTimeOffset(Reduce360(lagna - 10.0));
    ASSERT_TRUE(result.found());
    EXPECT_NEAR(kNatalJd - result.jdUt, 40.0 / 1440.0, 25.0 / 1440.0);
    EXPECT_LT(Separation(chart.m_dHouseCusps[0], lagna - 10.0), 2.0 * kArcsecond);
    const CChartCore atFound = CalculatedChartAt(result.jdUt); // the cusps are those of the moment found
    for (int house = 0; house < 12; ++house)
        EXPECT_LT(Separation(chart.m_dHouseCusps[house], atFound.m_dHouseCusps[house]), 1e-4) << house;
    EXPECT_EQ(Longitude(chart, kLagna), lagna); // only the cusps change
}
