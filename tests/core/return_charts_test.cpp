#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/chart_core.h"
#include "core/return_charts.h"
#include "reference_table.h"
#include "search_test_support.h"

namespace {

std::map<int, double> NatalMoments() {
    std::map<int, double> moments;
    for (const auto& r : ReadReferenceTable(kSearchReference, "natal"))
        moments[std::stoi(r[1])] = std::stod(r[2]);
    return moments;
}

class ReturnChartTest : public SearchTest {};

} // namespace

// At each return swetest gives the target longitude (Sun, tropical Sun, Moon) or Moon - Sun angle to
// within half an arcsecond.
TEST_F(ReturnChartTest, ReturnsAgreeWithSwetest) {
    const auto natal = NatalMoments();
    const auto rows = ReadReferenceTable(kSearchReference, "return");
    ASSERT_EQ(rows.size(), 15u);
    for (const auto& r : rows) {
        const int kind = std::stoi(r[2]);
        const double years = std::stod(r[3]);
        SCOPED_TRACE("natal " + r[1] + " kind " + r[2] + " years " + r[3]);
        const CChartCore chart = CalculatedChartAt(natal.at(std::stoi(r[1])));
        CChartCore target;
        const SearchResult result = chart.FindReturnChart(years, target, kind, 0.0);
        ASSERT_TRUE(result.found()) << result.status.error;
        EXPECT_LT(ArcsecondsOff(result.jdUt, std::stod(r[5]), std::stod(r[7])), 0.5);
        EXPECT_NEAR(target.GetJulianDay(), result.jdUt, 1e-7);
        EXPECT_NE(target.m_bodies[kSun].m_dLongitude, 0.0); // positions calculated
        EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, kAyanamsaTraditionalLahiri);
    }
}

// Locating a return gives the very instant the return chart is cast for, in every year kind.
TEST_F(ReturnChartTest, LocatingAReturnGivesTheReturnChartsInstant) {
    const CChartCore chart = CalculatedChartAt(2447892.1);
    for (int kind = 0; kind < kYearKindCount; ++kind) {
        for (const double years : {1.0, -2.5, 37.75}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " years " << years);
            CChartCore target;
            const SearchResult cast = chart.FindReturnChart(years, target, kind, 400.5);
            const SearchResult located = chart.LocateReturn(years, kind, 400.5);
            ASSERT_TRUE(cast.found()) << cast.status.error;
            ASSERT_TRUE(located.found()) << located.status.error;
            EXPECT_EQ(located.jdUt, cast.jdUt);
        }
    }
    EXPECT_FALSE(chart.LocateReturn(1.0, kYearKindCount, 0.0).found());
}

TEST_F(ReturnChartTest, DayCountYearsAddTheirDaysExactly) {
    const CChartCore chart = CalculatedChartAt(2447892.1);
    struct Case {
        int kind;
        double years;
        double days;
    };
    const Case kCases[] = {
        {kYearMeanTropical, 1.0, 365.24219},    {kYearSavana, 1.0, 360.0},
        {kYearUserDefined, 1.0, 400.5},         {kYearMeanSidereal, 1.0, 365.256364},
        {kYearMeanTropical, -2.5, -913.105475},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " years " << c.years);
        CChartCore target;
        const SearchResult result = chart.FindReturnChart(c.years, target, c.kind, 400.5);
        ASSERT_TRUE(result.found());
        EXPECT_NEAR(result.jdUt - 2447892.1, c.days, 1e-8);
        EXPECT_NEAR(target.GetJulianDay() - 2447892.1, c.days, 1e-8);
        EXPECT_EQ(target.m_bodies[kSun].m_dLongitude, 0.0); // no positions
    }
}

TEST_F(ReturnChartTest, TrueReturnsAtTheirEdges) {
    const auto natal = NatalMoments();
    const CChartCore chart = CalculatedChartAt(natal.at(2));
    const double jd = natal.at(2);
    CChartCore target;
    // A hundred sidereal years run some 1.4 days longer than a hundred mean tropical ones.
    SearchResult result = chart.FindReturnChart(100.0, target, kYearTrueSiderealSolar, 0.0);
    ASSERT_TRUE(result.found());
    EXPECT_NEAR(result.jdUt - (jd + 100.0 * kMeanTropicalYearDays), 1.4, 0.1);
    // Zero years of the searched kinds come back to the natal instant.
    for (const int kind : {kYearTrueTropicalSolar, kYearMoonReturn, kYearTithi, kYearTrueSiderealSolar}) {
        SCOPED_TRACE(kind);
        result = chart.FindReturnChart(0.0, target, kind, 0.0);
        ASSERT_TRUE(result.found());
        EXPECT_NEAR(result.jdUt, jd, 0.1 * kSecond);
    }
}

// The moment of a number of true years grows with the number, and stays near the mean moment, under
// options that make a body's seen longitude stand still or turn back (refraction near the horizon), at
// the start of the ephemeris files, and for the fractions of a year of Moon returns (twelve turns).
TEST_F(ReturnChartTest, TrueYearsGrowWithTheYearsAndStayNearTheMeanOnes) {
    struct Case {
        const char* label;
        double jdUt;
        double longitudeEast, latitude;
        bool refraction;
        int siddhanta;
    };
    const Case kCases[] = {
        {"2050, refraction", 2469784.5, -52.8, 17.83, true, 0},
        {"5250 BC", -196312.0, 10.0, 45.0, false, 0},
        {"1990, traditional", 2447892.1, kUjjainEast, kUjjainLatitude, false, 1},
    };
    struct Kind {
        int kind;
        double meanDays; // days of a mean year of the kind
        // The true moment lies within this of the mean one: the equations of centre at both ends (the
        // Sun's up to 2 degrees, the Moon's 6.3) at the quantity's mean rate, and a little more.
        double nearDays;
    };
    const Kind kKinds[] = {
        {kYearTrueSiderealSolar, kMeanSiderealYearDays, 4.5},
        {kYearTrueTropicalSolar, kMeanTropicalYearDays, 4.5},
        {kYearTithi, kLunarYearDays, 1.6},
        {kYearMoonReturn, 12 * 27.321661, 1.2},
    };
    for (const Case& c : kCases) {
        g_bApparentRefraction = c.refraction;
        g_bTruePositions = !c.refraction;
        g_nSiddhanta = c.siddhanta;
        CChartCore chart = ChartAt(c.jdUt, c.longitudeEast, c.latitude);
        ASSERT_TRUE(chart.CalcPlanets().ok());
        for (const Kind& k : kKinds) {
            double previous = -HUGE_VAL;
            for (double years = -1.0; years <= 2.0; years += 1.0 / 97.0) {
                SCOPED_TRACE(testing::Message() << c.label << ", kind " << k.kind << ", years " << years);
                const SearchResult found = chart.LocateReturn(years, k.kind, 0.0);
                ASSERT_TRUE(found.found()) << found.status.error;
                EXPECT_GE(found.jdUt, previous);
                EXPECT_NEAR(found.jdUt, c.jdUt + years * k.meanDays, k.nearDays);
                previous = found.jdUt;
            }
        }
    }
}

// The tropical return borrows the tropical zodiac and gives it back: the chart it delivers is sidereal.
TEST_F(ReturnChartTest, TropicalReturnLeavesTheZodiacAsItWas) {
    ChooseAyanamsa(kAyanamsaTrueLahiri, 0.25);
    const CChartCore chart = CalculatedChartAt(2447892.1);
    CChartCore target;
    const SearchResult result = chart.FindTropicalSolarReturn(1.0, target);
    ASSERT_TRUE(result.found());
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, kAyanamsaTrueLahiri);
    EXPECT_EQ(g_ayanamsaSettings.m_correction.m_dValue, 0.25);
    CChartCore again = target;
    ASSERT_TRUE(again.CalcPlanets().ok());
    EXPECT_EQ(target.m_bodies[kSun].m_dLongitude, again.m_bodies[kSun].m_dLongitude);
}

TEST_F(ReturnChartTest, UnknownYearKindIsRefused) {
    const CChartCore chart = CalculatedChartAt(2447892.1);
    CChartCore target;
    const SearchResult result = chart.FindReturnChart(1.0, target, kYearKindCount, 0.0);
    EXPECT_EQ(result.outcome, SearchOutcome::kFailed);
    EXPECT_NE(result.status.error.find("Year kind 8"), std::string::npos);
}

namespace {

// One Pravesha case of the reference table with the Sun at the full and new moons before it.
struct PraveshaCase {
    int kind = 0;
    double start = 0, a = 0, b = 0, jd = 0, speed = 0;
    bool backward = false;
    std::map<std::string, std::vector<double>> lunations; // "0", "180", "at" -> sidereal, tropical Sun
};

std::vector<PraveshaCase> ReadPraveshaCases() {
    std::vector<PraveshaCase> cases;
    for (const auto& r : ReadReferenceTable(kSearchReference, "pravesha")) {
        PraveshaCase c;
        c.kind = std::stoi(r[1]);
        c.start = std::stod(r[2]);
        c.backward = r[3] == "-1";
        c.a = std::stod(r[4]);
        c.b = std::stod(r[5]);
        c.jd = std::stod(r[6]);
        c.speed = std::stod(r[7]);
        for (const auto& l : ReadReferenceTable(kSearchReference, "lunation")) {
            if (l[1] == r[6]) c.lunations[l[2]] = {std::stod(l[4]), std::stod(l[5])};
        }
        cases.push_back(c);
    }
    return cases;
}

int Sign(double longitude) {
    return static_cast<int>(longitude / 30.0);
}

} // namespace

TEST_F(ReturnChartTest, PraveshaMomentsAndMonthsAgreeWithSwetest) {
    const auto cases = ReadPraveshaCases();
    ASSERT_EQ(cases.size(), 4u);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " from " << c.start);
        g_nTithiPraveshaKind = c.kind;
        ASSERT_EQ(c.lunations.size(), 3u);
        const auto& fullMoon = c.lunations.at("180");
        const auto& newMoon = c.lunations.at("0");
        const auto& at = c.lunations.at("at");
        // The month by each rule: the Sun's sidereal sign, or the sign before the tropical Sun's.
        const int kMonths[] = {Sign(fullMoon[0]),
                               Sign(Reduce360(fullMoon[1] - 30.0)),
                               Sign(newMoon[0]),
                               Sign(Reduce360(newMoon[1] - 30.0)),
                               (Sign(at[0]) + 11) % 12,
                               Sign(Reduce360(at[1] - 30.0)),
                               -1};
        for (int rule = 0; rule <= 6; ++rule) {
            SCOPED_TRACE(testing::Message() << "LunarYrDef " << rule);
            g_nLunarYrDef = rule;
            const CChartCore start = ChartAt(c.start, kUjjainEast, kUjjainLatitude);
            CChartCore target;
            int month = -1;
            const SearchResult result = start.FindPraveshaMoment(c.a, c.b, c.backward, month, target);
            ASSERT_TRUE(result.found()) << result.status.error;
            EXPECT_LT(ArcsecondsOff(result.jdUt, c.jd, c.speed), 0.5);
            EXPECT_EQ(month, kMonths[rule]);
        }
    }
}

// The traditional model's positions are searched like the ephemeris' own.
TEST_F(ReturnChartTest, TraditionalModelReturnsReachTheirTargets) {
    g_nSiddhanta = 1;
    const CChartCore chart = CalculatedChartAt(2447892.1);
    CChartCore target;
    SearchResult result = chart.FindReturnChart(1.0, target, kYearTrueSiderealSolar, 0.0);
    ASSERT_TRUE(result.found()) << result.status.error;
    EXPECT_NEAR(result.jdUt - 2447892.1, kMeanSiderealYearDays, 0.1);
    EXPECT_LT(Separation(target.m_bodies[kSun].m_dLongitude, chart.m_bodies[kSun].m_dLongitude),
              0.1 * kArcsecond);

    result = chart.FindReturnChart(1.0, target, kYearTithi, 0.0);
    ASSERT_TRUE(result.found()) << result.status.error;
    const auto angle = [](const CChartCore& c) {
        return c.m_bodies[kMoon].m_dLongitude - c.m_bodies[kSun].m_dLongitude;
    };
    EXPECT_LT(Separation(angle(target), angle(chart)), 0.1 * kArcsecond);
}
