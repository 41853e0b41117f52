// The lunations the lunar month rests on: found quickly from tropical positions they give the same
// facts as the searches in the chart's zodiac, and where the quick way cannot be sure it steps aside.
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "chart/lunation_facts.h"
#include "chart_test_support.h"
#include "core/calc_options.h"

namespace {

// Ujjain, east longitude and latitude, degrees.
constexpr double kUjjainEast = 75.77;
constexpr double kUjjainNorth = 23.18;

CChartCore UjjainAt(double jdUt) {
    return ChartAt(jdUt, kUjjainEast, kUjjainNorth);
}

// Both ways agree on every fact; the quick lunations lie where the searches put them, a little inside.
void ExpectSameFacts(const CChartCore& chart, double elongation) {
    LunationFacts quick, searched;
    ASSERT_TRUE(FindLunationFactsQuickly(chart, elongation, quick));
    ASSERT_TRUE(SearchLunationFacts(chart, elongation, searched).found());
    EXPECT_EQ(quick.sunSign, searched.sunSign);
    EXPECT_EQ(quick.tropicalSunSignBefore, searched.tropicalSunSignBefore);
    EXPECT_EQ(quick.intercalaryState, searched.intercalaryState);
    // Taken back between them: never outside the searched lunations, and short of them by a second at most.
    EXPECT_GE(quick.last, searched.last);
    EXPECT_LT(quick.last - searched.last, kSecond);
    EXPECT_LE(quick.next, searched.next);
    EXPECT_LT(searched.next - quick.next, kSecond);
}

// The searches from `from` find the lunation inside the quick span, which is about a second wide, and the
// library answers as far as they look.
void ExpectSpanHolds(const LunationSpan& span, const CChartCore& from, double elongation, bool backward) {
    const SearchResult found = from.LocateLongitudeTime(SeparationRequest(kMoon, kSun, elongation, backward));
    ASSERT_TRUE(found.found());
    EXPECT_LE(span.early, found.jdUt);
    EXPECT_GE(span.late, found.jdUt);
    EXPECT_LT(span.late - span.early, 1.5 * kSecond);
    EXPECT_TRUE(from.LunationPlacesAnswer(span.beyondJdUt));
}

// The Moon (degrees, in the chart's zodiac) at the first new moon after a moment at Ujjain.
double MoonAtLunationAfter(double jdUt) {
    CChartCore lunation = UjjainAt(jdUt);
    const SearchResult found = lunation.LocateLongitudeTime(SeparationRequest(kMoon, kSun, 0.0, false));
    EXPECT_TRUE(found.found());
    lunation.JulianDayToDate(found.jdUt, lunation);
    std::uint8_t retrograde = 0;
    const CalcValue moon = lunation.CalcBody(kMoon, lunation.GetJulianDay(), retrograde, true);
    EXPECT_TRUE(moon.ok());
    return moon.value;
}

// The quick way is not taken; the facts are the searches'.
void ExpectSearchedFacts(const CChartCore& chart, double elongation) {
    LunationFacts quick, found, searched;
    EXPECT_FALSE(FindLunationFactsQuickly(chart, elongation, quick));
    ASSERT_TRUE(FindLunationFacts(chart, elongation, found).ok());
    ASSERT_TRUE(SearchLunationFacts(chart, elongation, searched).found());
    EXPECT_EQ(found.last, searched.last);
    EXPECT_EQ(found.next, searched.next);
    EXPECT_EQ(found.sunSign, searched.sunSign);
    EXPECT_EQ(found.tropicalSunSignBefore, searched.tropicalSunSignBefore);
    EXPECT_EQ(found.intercalaryState, searched.intercalaryState);
}

// New moons (Moon - Sun = 0: lunar month definitions 2 and 3) and full moons (180: definitions 0 and
// 1) under the traditional Lahiri ayanamsa, the signs at the lunations by swetest with true positions:
//   swetest -bj<jd> -ut -p01 -sid1 -true -fTPl -head   the sidereal Sun and Moon
//   swetest -bj<jd> -ut -p0 -true -fPl -head           the tropical Sun
struct LunationCase {
    const char* what;
    double jdUt; // the chart's moment
    double elongation;
    int sunSign, tropicalSunSignBefore, intercalaryState;
};
const LunationCase kLunations[] = {
    // 14.11.1803 11:12:17 UT (JD 2379908.966863)  Sun 210.0554056  Moon 210.0553751  tropical Sun 231.1766275
    // 14.12.1803  4:53:02 UT (JD 2379938.703496)  Moon 240.1945819
    // 15.10.1803 17:10:40 UT (JD 2379879.215739)  Sun 180.2810301  Moon 180.2810289  tropical Sun 201.4011373
    // 15.09.1803 23:54:09 UT (JD 2379849.495932)  Moon 151.0243266
    {"1803: the new moon with the Sun and Moon 0.055 degree into Scorpio", 2379911.96686, 0.0, 7, 6, 0},
    {"a minute after that new moon", 2379908.966863 + 60.0 * kSecond, 0.0, 7, 6, 0},
    {"a minute before it: the month is the one before", 2379908.966863 - 60.0 * kSecond, 0.0, 6, 5, 0},
    // 20.04.2395 11:00:52 UT (JD 2595924.958934)  Sun 0.6851315  Moon 0.6850812  tropical Sun 30.0654681
    // 19.05.2395 21:44:54 UT (JD 2595954.406175)  Moon 29.3230390
    // 18.06.2395  9:25:20 UT (JD 2595983.892596)  Moon 57.6385125
    {"2395: an added month, the tropical Sun 0.065 degree into Taurus", 2595929.95893, 0.0, 0, 0, 2},
    {"2395: the month after the added one", 2595959.95893, 0.0, 0, 0, 1},
    // 19.01.2402 20:05:59 UT (JD 2598391.337490)  Sun 270.0121355  Moon 90.0121452  tropical Sun 299.4954590
    // 18.02.2402 11:58:27 UT (JD 2598420.998920)  Moon 120.1353060
    // 21.12.2401  1:46:31 UT (JD 2598361.573967)  Moon 59.7024029
    {"2402: the full moon with the Sun 0.012 degree into Capricorn", 2598393.33749, 180.0, 9, 8, 0},
    // 19.04.1799 23:38:44 UT (JD 2378240.485230)  Sun 8.8170353  Moon 188.8170305  tropical Sun 29.8681032
    // 19.05.1799  7:47:36 UT (JD 2378269.824726)  Moon 217.2052075
    // 21.03.1799 15:00:47 UT (JD 2378211.125543)  Moon 159.9670818
    {"1799: the full moon with the tropical Sun 0.13 degree short of Taurus", 2378242.48523, 180.0, 0, 11, 0},
    // 11.04.1797  9:43:54 UT (JD 2377501.905495)  Sun 0.9454797  Moon 180.9454217  tropical Sun 21.9670955
    // 10.05.1797 21:53:16 UT (JD 2377531.411996)  Moon 209.6044956
    // 09.06.1797 11:26:28 UT (JD 2377560.976711)  Moon 237.9631459
    {"1797: an added month between full moons", 2377505.90549, 180.0, 0, 11, 2},
    {"1797: the month after the added one", 2377535.90549, 180.0, 0, 0, 1},
};

TEST_F(ChartTest, QuickLunationsGiveTheSearchedFactsAndTheSwetestSigns) {
    ChooseAyanamsa(kAyanamsaTraditionalLahiri);
    for (const LunationCase& c : kLunations) {
        SCOPED_TRACE(c.what);
        const CChartCore chart = UjjainAt(c.jdUt);
        ExpectSameFacts(chart, c.elongation);
        LunationFacts facts;
        ASSERT_TRUE(FindLunationFactsQuickly(chart, c.elongation, facts));
        EXPECT_EQ(facts.sunSign, c.sunSign);
        EXPECT_EQ(facts.tropicalSunSignBefore, c.tropicalSunSignBefore);
        EXPECT_EQ(facts.intercalaryState, c.intercalaryState);
        // Either way in time, the searched instant lies in the quick span, which is about a second wide.
        for (const bool backward : {true, false}) {
            const auto span = chart.LocateLunationSpan(c.elongation, backward);
            ASSERT_TRUE(span);
            ExpectSpanHolds(*span, chart, c.elongation, backward);
        }
        // The lunations either side of the last, placed from its span, lie where the searches from just
        // past it find them.
        const auto last = chart.LocateLunationSpan(c.elongation, true);
        const SearchResult lastFound =
            chart.LocateLongitudeTime(SeparationRequest(kMoon, kSun, c.elongation, true));
        ASSERT_TRUE(last && lastFound.found());
        for (const bool backward : {true, false}) {
            SCOPED_TRACE(backward ? "the lunation before the last" : "the next lunation");
            const auto neighbour = chart.LocateNeighbouringLunationSpan(*last, c.elongation, backward);
            ASSERT_TRUE(neighbour);
            CChartCore from;
            chart.JulianDayToDate(lastFound.jdUt + (backward ? -0.0035 : 0.0035), from);
            ExpectSpanHolds(*neighbour, from, c.elongation, backward);
        }
    }
}

// The Moon at the next lunation (or the one before the last) is set just inside or outside the edge of
// its sign by the correction: read from its tropical place or exactly, or left to the searches, its sign
// is the searched one.
TEST_F(ChartTest, AMoonNearItsSignEdgeAtALunationEitherSideGetsTheSearchedSign) {
    ChooseAyanamsa(kAyanamsaTraditionalLahiri);
    // The new moons of 14.11.1803 (the last one of the chart's moment), 14.12.1803 and 15.10.1803.
    const double chartMoment = 2379908.966863 + 3.0;
    const struct {
        const char* what;
        double jdUt;
    } neighbours[] = {{"the next new moon", 2379938.703496}, {"the new moon before the last", 2379879.215739}};
    const SavedGlobals saved(g_bTruePositions);
    // True positions keep the offset's bound some 0.00002 degree a month on, apparent ones some 0.005.
    for (const bool truePositions : {true, false}) {
        g_bTruePositions = truePositions;
        for (const auto& neighbour : neighbours) {
            g_ayanamsaSettings.m_correction.m_dValue = 0.0;
            const double moon = MoonAtLunationAfter(neighbour.jdUt - 0.5);
            const double edge = 30.0 * std::round(moon / 30.0);
            // Inside and outside, from well clear of the offset's bound to within the exact reading's
            // (about 0.0001 degree).
            for (const double depth : {0.02, 0.006, 0.003, 0.001, 0.0003, 0.0002, 0.00003}) {
                for (const double side : {1.0, -1.0}) {
                    SCOPED_TRACE(testing::Message() << (truePositions ? "true" : "apparent") << " positions, "
                                                    << neighbour.what << ", the Moon " << side * depth
                                                    << " degree from the edge");
                    g_ayanamsaSettings.m_correction.m_dValue = moon - edge - side * depth;
                    const CChartCore chart = UjjainAt(chartMoment);
                    LunationFacts quick;
                    if (FindLunationFactsQuickly(chart, 0.0, quick)) {
                        ExpectSameFacts(chart, 0.0);
                    } else {
                        ExpectSearchedFacts(chart, 0.0);
                    }
                }
            }
        }
    }
}

TEST_F(ChartTest, TheMoonsSignAtTheLunationBeforeTheLastIsTheSearchedOne) {
    // The new moon of 14.11.1803 comes 29.774 degrees of the Moon after the one of 15.10.1803: the
    // correction puts the Moon at the later one some degrees into its sign, from where the shortest month
    // (23.3 degrees of the Sun's run) cannot have brought it round from another sign, to where this
    // month did (29.774) and did not.
    ChooseAyanamsa(kAyanamsaTraditionalLahiri);
    const double lastMoon = MoonAtLunationAfter(2379908.966863 - 0.5);
    const struct {
        double degreesIntoSign;
        int intercalaryState;
    } cases[] = {{5.0, 0}, {23.0, 0}, {23.5, 0}, {29.7, 0}, {29.8, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "the Moon " << c.degreesIntoSign << " degrees into its sign");
        g_ayanamsaSettings.m_correction.m_dValue = lastMoon - 210.0 - c.degreesIntoSign;
        const CChartCore chart = UjjainAt(2379908.966863 + 3.0);
        ExpectSameFacts(chart, 0.0);
        LunationFacts facts;
        ASSERT_TRUE(FindLunationFactsQuickly(chart, 0.0, facts));
        EXPECT_EQ(facts.intercalaryState, c.intercalaryState);
    }
}

TEST_F(ChartTest, QuickLunationsAgreeUnderEveryKindOfAyanamsa) {
    // The library's own, one anchored on a star, the program's own values (tropical, a star-anchored
    // own value, the Surya Siddhanta's) and a correction: a moment every 15 years from 1800 to 2400.
    const int ids[] = {kAyanamsaTrueLahiri, 4, kAyanamsaTropical, kAyanamsaChandraHari,
                       kAyanamsaSuryaSiddhanta};
    for (const int id : ids) {
        ChooseAyanamsa(id, id == 4 ? 1.25 : 0.0);
        for (double jd = 2378496.7; jd < 2597641.5; jd += 5477.3) {
            SCOPED_TRACE(testing::Message() << "ayanamsa " << id << ", JD " << jd);
            for (const double elongation : {0.0, 180.0}) ExpectSameFacts(UjjainAt(jd), elongation);
        }
    }
}

TEST_F(ChartTest, LunationsAreSearchedWhereTheTropicalElongationIsNotTheChartsOne) {
    const CChartCore chart = UjjainAt(2379911.96686);
    const auto expectSearched = [&] {
        EXPECT_FALSE(chart.LocateLunationSpan(0.0, true));
        ExpectSearchedFacts(chart, 0.0);
    };
    {
        SCOPED_TRACE("topocentric: the Moon's parallax moves the elongation");
        g_bTopocentricPositions = true;
        expectSearched();
        g_bTopocentricPositions = false;
    }
    {
        SCOPED_TRACE("apparent positions, lifted by refraction");
        const SavedGlobals saved(g_bApparentRefraction, g_bTruePositions);
        g_bApparentRefraction = true;
        g_bTruePositions = false;
        expectSearched();
    }
    {
        SCOPED_TRACE("the traditional model");
        g_nSiddhanta = 1;
        expectSearched();
        g_nSiddhanta = 0;
    }
    {
        SCOPED_TRACE("a zodiac on the solar system's plane");
        ChooseAyanamsa(1);
        expectSearched();
    }
}

TEST_F(ChartTest, ALunationOnASignEdgeIsLeftToTheSearches) {
    // The correction turns the zodiac so that the new moon of 14.11.1803 falls on the first point of
    // Scorpio: neither the last lunation of a moment after it nor the next of one before it gives its
    // signs quickly.
    ChooseAyanamsa(kAyanamsaTraditionalLahiri);
    CChartCore lunation = UjjainAt(2379908.966863 - 0.5);
    const SearchResult found = lunation.LocateLongitudeTime(SeparationRequest(kMoon, kSun, 0.0, false));
    ASSERT_TRUE(found.found());
    lunation.JulianDayToDate(found.jdUt, lunation);
    std::uint8_t retrograde = 0;
    const CalcValue sun = lunation.CalcBody(kSun, lunation.GetJulianDay(), retrograde, true);
    ASSERT_TRUE(sun.ok());
    g_ayanamsaSettings.m_correction.m_dValue = sun.value - 210.0;
    for (const double days : {3.0, -3.0}) {
        SCOPED_TRACE(days);
        ExpectSearchedFacts(UjjainAt(found.jdUt + days), 0.0);
    }
}

} // namespace
