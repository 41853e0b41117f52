// Vimsottari and Yogini dasa against the start dates that tests/document/data/make_dasa_swetest.sh
// works out from swetest's Moon longitudes, for every year kind the menus offer.
#include <map>

#include <gtest/gtest.h>

#include "dasa_test_support.h"
#include "document/dasa_dispatcher.h"
#include "tests/core/reference_table.h"

namespace {

constexpr double kUserYearDays = 400.0; // the script's user-defined year

using DasaReferenceTest = DasaTest; // which gives back the ayanamsa too

TEST_F(DasaReferenceTest, StartsAgreeWithSwetestMoon) {
    ChooseAyanamsa(kAyanamsaTraditionalLahiri); // swetest -sid1 -true
    std::map<std::string, CChart> charts;
    const std::vector<ReferenceRecord> births = ReadReferenceTable("dasa_swetest.txt", "birth");
    ASSERT_EQ(births.size(), 12u);
    for (const ReferenceRecord& b : births) {
        CChart& chart = charts[b[1]] = ChartAt<CChart>(std::stod(b[2]), 75.77, 23.18);
        ASSERT_TRUE(chart.Compute().ok());
        EXPECT_NEAR(chart.m_bodies[kMoon].m_dLongitude, std::stod(b[3]), 1e-6);
    }
    const std::vector<ReferenceRecord> starts = ReadReferenceTable("dasa_swetest.txt", "start");
    ASSERT_EQ(starts.size(), 12u * 2 * 7);
    for (const ReferenceRecord& s : starts) {
        SCOPED_TRACE(testing::Message() << "birth " << s[1] << " dasa " << s[2] << " year kind " << s[3]);
        const int code = std::stoi(s[2]);
        g_nSelectedDasa = code;
        g_nDasaYearDefinition[code] = std::stoi(s[3]);
        g_dDasaYearLength[code] = kUserYearDays;
        CChart& chart = charts.at(s[1]);
        CDasaTree tree;
        ASSERT_TRUE(CalculateDasa({chart, chart, kModeNatal, 0}, tree).ok());
        ASSERT_TRUE(tree.ExpandPeriod().ok());
        EXPECT_NEAR(tree.period[0].dStartJd, std::stod(s[4]), kDasaSecond);
        EXPECT_NEAR(tree.period[1].dStartJd, std::stod(s[5]), kDasaSecond);
    }
}

} // namespace
