// The full, printed and text forms of the chart information block.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/chart_info.h"
#include "display/chart_info_values.h"
#include "display/drawing_factors.h"
#include "display_test_support.h"
#include "platform/recording_surface.h"

namespace {

using Calls = std::vector<std::string>;

// The top of the drawn text `text` among the recorded calls; -1 when it was not drawn.
int TopOf(const Calls& calls, const std::string& text) {
    const std::string prefix = "DrawText \"" + text + "\" ";
    for (const std::string& call : calls) {
        if (call.rfind(prefix, 0) != 0) continue;
        return std::stoi(call.substr(call.find(',', prefix.size()) + 1));
    }
    return -1;
}

class ChartInfoFormsTest : public DisplayTest {
protected:
    ~ChartInfoFormsTest() override { g_bPrinting = false; }
    static Calls DrawFull(const CChart& chart) {
        RecordingSurface surface;
        DrawChartInfo(surface, chart, Rect{10, 10, 600, 40}, Rect{10, 50, 600, 900}, 150);
        return surface.Calls();
    }
};

TEST(ChartInfoLords, TithiNakshatraAndYogaLords) {
    EXPECT_EQ(TithiLord(14), 7); // full moon: Saturn
    EXPECT_EQ(TithiLord(29), 8); // new moon: Rahu
    EXPECT_EQ(TithiLord(15), 1);
    EXPECT_EQ(NakshatraLord(0), 9);  // Aswini: Ketu
    EXPECT_EQ(NakshatraLord(26), 4); // Revati: Mercury
    EXPECT_EQ(YogaLord(0), 7);
}

TEST_F(ChartInfoFormsTest, AnUnknownCityMovesTheLaterLinesUpOneStep) {
    CChart chart = FixedBirthChart();
    chart.m_strCity = "New Delhi";
    chart.m_strState = "India";
    const int known = TopOf(DrawFull(chart), "Lunar Yr-Mo:");
    chart.m_strCity = "Unknown";
    const int unknown = TopOf(DrawFull(chart), "Lunar Yr-Mo:");
    ASSERT_GT(unknown, 0);
    EXPECT_EQ(known - unknown, 20); // one line step at zoom 1
}

TEST_F(ChartInfoFormsTest, SunriseOnAnotherDayNamesItsDate) {
    CChart chart = FixedBirthChart();
    EXPECT_EQ(SunTimeText(chart, false).find('('), std::string::npos);
    chart.m_sunSnapshot[0].m_dateTime.m_nDay = 14;
    EXPECT_NE(SunTimeText(chart, false).find("(January 14)"), std::string::npos);
}

// Inside the polar night no time is shown as a sunrise: the block says so and which moments of local
// mean time the day and the night are counted from.
TEST_F(ChartInfoFormsTest, APolarNightSaysTheSunDoesNotRiseAndWhatStandsIn) {
    CChart chart = ChartAt<CChart>(2460666.0, 18.96, 69.65); // Tromso, 21 December 2024, 12:00 UT
    ASSERT_TRUE(chart.ComputeAll(false).ok());
    const Calls calls = DrawFull(chart);
    EXPECT_GT(TopOf(calls, "Sun does not rise (day from 6:00 LMT)"), 0);
    EXPECT_GT(TopOf(calls, "Sun does not set (night from 18:00 LMT)"), 0);
}

TEST_F(ChartInfoFormsTest, PrintingLeavesOutTheSunriseLinesAndHeadsWithTheFileName) {
    CChart chart = FixedBirthChart();
    EXPECT_GT(TopOf(DrawFull(chart), "Sunrise:"), 0);
    EXPECT_GT(TopOf(DrawFull(chart), "Natal Chart:"), 0);
    g_bPrinting = true;
    const Calls printed = DrawFull(chart);
    EXPECT_EQ(TopOf(printed, "Sunrise:"), -1);
    EXPECT_GT(TopOf(printed, "Untitled Chart"), 0);
    EXPECT_EQ(TopOf(printed, "Natal Chart"), -1); // a natal chart gets no second heading line
    chart.m_strTitle = "Tajaka Chart";
    EXPECT_GT(TopOf(DrawFull(chart), "Tajaka Chart"), 0);
}

TEST_F(ChartInfoFormsTest, LifeCycleNumbersTheHeading) {
    g_chartSource.lifeCycle = [] { return 1; };
    EXPECT_GT(TopOf(DrawFull(FixedBirthChart()), "Natal Chart (cycle 2):"), 0);
}

TEST_F(ChartInfoFormsTest, TextFormHasTheAltitudeAndNoChoghadiya) {
    std::string text;
    FormatChartInfoText(text, FixedBirthChart());
    EXPECT_NE(text.find("\nDate:          January 15, 1990"), std::string::npos);
    EXPECT_NE(text.find("\nAltitude:      0.00 meters"), std::string::npos);
    EXPECT_EQ(text.find("Choghadiya"), std::string::npos);
    EXPECT_EQ(text.find("Karaka Tithi"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

} // namespace
