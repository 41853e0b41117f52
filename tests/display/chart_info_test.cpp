// Value texts of the chart information block and its short form on the recording surface.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/chart_info.h"
#include "display_test_support.h"
#include "platform/recording_surface.h"

namespace {

class ChartInfoTest : public DisplayTest {};

TEST_F(ChartInfoTest, BirthDataTexts) {
    CChart chart = FixedBirthChart();
    EXPECT_EQ(FormatInfoDate(chart), "January 15, 1990");
    EXPECT_EQ(FormatInfoTime(chart), "6:30:00");
    EXPECT_EQ(FormatInfoZone(chart), "0:00:00 (West of GMT)");
    EXPECT_EQ(FormatInfoCoordinates(chart), "77 E 12' 36\", 28 N 36' 36\"");
    chart.m_dateTime.m_zone.m_dHours = -5.5;
    chart.m_dateTime.m_zone.SplitHours();
    EXPECT_EQ(FormatInfoZone(chart), "5:30:00 (East of GMT)");
    chart.m_strCity = "Unknown";
    EXPECT_EQ(FormatInfoCity(chart), "");
    chart.m_strCity.clear();
    EXPECT_EQ(FormatInfoCity(chart), "");
    chart.m_strCity = "New Delhi";
    chart.m_strState = "India";
    EXPECT_EQ(FormatInfoCity(chart), "New Delhi, India");
}

// A chart cast half a second before midnight of 31 January shows, to the second, 0:00:00 of 1 February.
TEST_F(ChartInfoTest, ATimeRoundedToMidnightIsShownOnTheNextDate) {
    CChart chart = FixedBirthChart();
    chart.m_dateTime.m_nDay = 31;
    chart.m_dateTime.m_time.m_dHours = 23 + 59 / 60.0 + 59.6 / 3600;
    chart.m_dateTime.m_time.SplitHours();
    EXPECT_EQ(FormatInfoDate(chart), "February 1, 1990");
    EXPECT_EQ(FormatInfoTime(chart), "0:00:00");
}

TEST_F(ChartInfoTest, ShortFormAddsTheCityLineOnlyWhenKnown) {
    CChart chart = FixedBirthChart();
    const auto drawnTexts = [&] {
        RecordingSurface surface;
        DrawChartInfoShort(surface, chart, Rect{20, 500, 600, 700}, 100);
        return std::count_if(surface.Calls().begin(), surface.Calls().end(),
                             [](const std::string& call) { return call.rfind("DrawText", 0) == 0; });
    };
    chart.m_strCity = "Unknown";
    EXPECT_EQ(drawnTexts(), 8);
    chart.m_strCity = "New Delhi";
    EXPECT_EQ(drawnTexts(), 9);
}

} // namespace
