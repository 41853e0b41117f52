#include <cmath>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "core/chart_core.h"
#include "core/return_charts.h"
#include "core/return_moments.h"
#include "reference_table.h"
#include "search_test_support.h"

namespace {

constexpr int kSearchedKinds[] = {kYearTrueSiderealSolar, kYearTithi, kYearMoonReturn,
                                  kYearTrueTropicalSolar};

class ReturnMomentsTest : public SearchTest {};

} // namespace

// The swetest returns of the return chart test, found one after another from each natal moment by one
// locator per kind, so that each starts from those before: the target to within half an arcsecond.
TEST_F(ReturnMomentsTest, ReturnsAgreeWithSwetest) {
    std::map<int, double> natal;
    for (const auto& r : ReadReferenceTable(kSearchReference, "natal"))
        natal[std::stoi(r[1])] = std::stod(r[2]);
    std::map<std::pair<int, int>, CReturnMoments> locators;
    const auto rows = ReadReferenceTable(kSearchReference, "return");
    ASSERT_EQ(rows.size(), 15u);
    for (const auto& r : rows) {
        const int from = std::stoi(r[1]);
        const int kind = std::stoi(r[2]);
        SCOPED_TRACE("natal " + r[1] + " kind " + r[2] + " years " + r[3]);
        auto locator = locators.try_emplace({from, kind}, CalculatedChartAt(natal.at(from)), kind, 0.0).first;
        const SearchResult found = locator->second.Locate(std::stod(r[3]));
        ASSERT_TRUE(found.found()) << found.status.error;
        EXPECT_LT(ArcsecondsOff(found.jdUt, std::stod(r[5]), std::stod(r[7])), 0.5);
    }
}

// In the order a dasa listing asks (bounds of periods, then of the sub-periods of each), every moment
// lies within LocateReturn's tenth of a second (plus the locator's hundredth) of LocateReturn's own,
// under the options that change what is read: apparent or true places, a star-anchored ayanamsa, a
// tropical zodiac borrowed for kind 7, the start of the ephemeris files. The same years give the same
// moment again.
TEST_F(ReturnMomentsTest, MomentsAgreeWithTheBracketedSearch) {
    struct Case {
        const char* label;
        double jdUt;
        bool truePositions;
        int ayanamsa;
    };
    const Case kCases[] = {
        {"1990, true places", 2447892.1, true, kAyanamsaTraditionalLahiri},
        {"2000, apparent places, star-anchored", 2451545.3, false, kAyanamsaTrueLahiri},
        {"5250 BC", -196312.0, false, kAyanamsaTraditionalLahiri},
    };
    constexpr double kYears[] = {7.0, 6.0, 17.0, 10.0, 7.0, 18.0, 16.0, 19.0, 20.0}; // Vimsottari's order
    constexpr double kAllowedDays = 0.11 / 86400.0;
    for (const Case& c : kCases) {
        g_bTruePositions = c.truePositions;
        ChooseAyanamsa(c.ayanamsa, 0.0);
        const CChartCore origin = CalculatedChartAt(c.jdUt);
        for (const int kind : kSearchedKinds) {
            CReturnMoments locator(origin, kind, 0.0);
            const auto check = [&](double years) {
                SCOPED_TRACE(testing::Message() << c.label << ", kind " << kind << ", years " << years);
                const SearchResult found = locator.Locate(years);
                const SearchResult bracketed = origin.LocateReturn(years, kind, 0.0);
                ASSERT_TRUE(found.found()) << found.status.error;
                ASSERT_TRUE(bracketed.found()) << bracketed.status.error;
                EXPECT_NEAR(found.jdUt, bracketed.jdUt, kAllowedDays);
                EXPECT_EQ(locator.Locate(years).jdUt, found.jdUt);
            };
            double start = -0.37; // a balance: the first period began before the origin
            for (const double length : kYears) {
                check(start + length);
                double sub = start;
                for (const double share : kYears) {
                    sub += length * share / 120.0;
                    check(sub);
                }
                start += length;
            }
        }
    }
}

// Where the library's speeds do not bound the quantity (topocentric places, the traditional model), and
// for the kinds counted in days, the moments are LocateReturn's own.
TEST_F(ReturnMomentsTest, OtherwiseTheMomentsAreLocateReturnsOwn) {
    const auto sameAsLocateReturn = [](const CChartCore& origin, int kind) {
        CReturnMoments locator(origin, kind, 400.5);
        for (const double years : {0.0, 1.25, -2.5, 37.75}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", years " << years);
            const SearchResult found = locator.Locate(years);
            const SearchResult own = origin.LocateReturn(years, kind, 400.5);
            ASSERT_EQ(found.found(), own.found());
            EXPECT_EQ(found.jdUt, own.jdUt);
        }
    };
    const CChartCore origin = CalculatedChartAt(2447892.1);
    for (const int kind : {kYearMeanTropical, kYearSavana, kYearUserDefined, kYearMeanSidereal})
        sameAsLocateReturn(origin, kind);
    g_bTopocentricPositions = true;
    sameAsLocateReturn(CalculatedChartAt(2447892.1), kYearTrueSiderealSolar);
    sameAsLocateReturn(CalculatedChartAt(2447892.1), kYearTithi);
    g_bTopocentricPositions = false;
    g_nSiddhanta = 1;
    sameAsLocateReturn(CalculatedChartAt(2447892.1), kYearTrueSiderealSolar);
}
