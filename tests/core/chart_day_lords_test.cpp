// The lords of the birth's day: weekday, hora, kaala and five-minute sign of each frame, on frames set
// by hand where the rule shows best, and on a real chart for the birth before sunrise.
#include <gtest/gtest.h>

#include "core/chart.h"
#include "day_chart_support.h"

namespace {

// A frame whose day starts `sinceStart` ghatis before the birth and lasts `dayLength` of `wholeDay` ghatis.
CDayFrameTimes Frame(double sinceStart, double dayLength, double wholeDay = 60.0) {
    CDayFrameTimes frame;
    frame.m_dGhatisSinceStart = sinceStart;
    frame.m_dGhatisSinceNightStart = sinceStart - dayLength;
    frame.m_dDayLength = dayLength;
    frame.m_dNightLength = wholeDay - dayLength;
    frame.m_dWholeDay = wholeDay;
    frame.m_bDayBirth = sinceStart < dayLength ? 1 : 0;
    return frame;
}

// Monday 2024-01-15 in the afternoon (so that no frame can put it on the day before), every frame the
// same unless a test changes it.
CChart MondayChart(const CDayFrameTimes& frame) {
    CChart chart = LocalChart(2024, 1, 15, 14.0, -5.5, 80.27, 13.08);
    chart.m_sunriseFrame = frame;
    chart.m_meanTimeFrame = frame;
    chart.m_zoneTimeFrame = frame;
    return chart;
}

constexpr int kMonday = 1;

TEST_F(DayChartTest, HoraLordsFollowTheWeekdayLordInHoraOrder) {
    // Monday's horas: Moon, Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon ...
    const int kMondayHoras[8] = {kMoon, kSaturn, kJupiter, kMars, kSun, kVenus, kMercury, kMoon};
    for (int hora = 0; hora < 8; ++hora) {
        CChart chart = MondayChart(Frame((hora + 0.5) * 2.5, 30.0));
        chart.ComputeTimeUpagrahas();
        EXPECT_EQ(chart.m_frameDay[0].m_nWeekday, kMonday);
        EXPECT_EQ(chart.m_frameDay[0].m_nHoraLord, kMondayHoras[hora]) << hora;
    }
}

TEST_F(DayChartTest, ABirthOnTheNextSunriseTakesTheNextDaysFirstHora) {
    CChart chart = MondayChart(Frame(60.0, 30.0));
    chart.ComputeTimeUpagrahas();
    EXPECT_EQ(chart.m_frameDay[0].m_nHoraLord, kMars); // Tuesday's first hora
}

TEST_F(DayChartTest, KaalaLordsByDayAndNight) {
    // Monday's day parts run Moon, Rahu, Sun, Mars, Jupiter, Mercury, Venus, Saturn; its night parts
    // from Jupiter: Jupiter, Mercury, Venus, Saturn, Moon ...
    struct Case {
        double sinceStart, dayLength;
        bool separate;
        int lord;
    };
    const Case cases[] = {
        {1.0, 25.0, true, kMoon},
        {4.0, 25.0, true, kRahu},
        {20.0, 25.0, true, kVenus},
        {26.0, 25.0, true, kJupiter},
        {31.0, 25.0, true, kMercury},
        // Sixteenths of the whole day, whatever the day's length: part 5 by day, part 12 by night.
        {20.0, 25.0, false, kMercury},
        {45.0, 25.0, false, kMoon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sinceStart << " " << c.separate);
        g_bKaalaInDayNightSeparate = c.separate;
        CChart chart = MondayChart(Frame(c.sinceStart, c.dayLength));
        chart.ComputeTimeUpagrahas();
        EXPECT_EQ(chart.m_frameDay[0].m_nKaalaLord, c.lord);
    }
}

TEST_F(DayChartTest, FiveMinuteSignsRunFromTheHoraLordsSign) {
    // Mars's hora by day starts from Scorpio; 0.4 of Monday's 4th hora has run: its fifth part, Pisces.
    CChart chart = MondayChart(Frame(3.4 * 2.5, 30.0));
    chart.ComputeTimeUpagrahas();
    EXPECT_EQ(chart.m_frameDay[0].m_nHoraLord, kMars);
    EXPECT_EQ(chart.m_frameDay[0].m_nFiveMinuteSign, 11);
}

TEST_F(DayChartTest, CurrentAndSecondValuesFollowTheWeekdayDefinitions) {
    CChart chart = MondayChart(Frame(10.0, 30.0));
    chart.m_meanTimeFrame = Frame(13.0, 30.0);
    chart.m_zoneTimeFrame = Frame(16.0, 30.0);
    struct Case {
        int weekdayDefinition, kaalaDefinition, currentFrame, secondFrame;
    };
    for (const Case& c : {Case{0, 1, 0, 1}, Case{1, 2, 1, 2}, Case{3, 0, 1, 1}}) {
        g_nWeekdayDefinition = c.weekdayDefinition;
        g_nWeekdayDefinitionKaala = c.kaalaDefinition;
        chart.ComputeTimeUpagrahas();
        EXPECT_EQ(chart.m_currentDay.m_nHoraLord, chart.m_frameDay[c.currentFrame].m_nHoraLord);
        EXPECT_EQ(chart.m_currentDay.m_nKaalaLord, chart.m_frameDay[c.currentFrame].m_nKaalaLord);
        EXPECT_EQ(chart.m_secondDay.m_nHoraLord, chart.m_frameDay[c.secondFrame].m_nHoraLord);
        EXPECT_EQ(chart.m_secondDay.m_nFiveMinuteSign, chart.m_frameDay[c.secondFrame].m_nFiveMinuteSign);
    }
}

TEST_F(DayChartTest, ABirthBeforeSunriseBelongsToThePreviousWeekday) {
    // Friday 2023-12-01 at 4:00 in New York: Thursday's day in every frame, its night.
    CChart chart = LocalChart(2023, 12, 1, 4.0, 5.0, -74.006, 40.7128);
    ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
    chart.ComputeTimeUpagrahas();
    constexpr int kThursday = 4;
    for (int f = 0; f < 3; ++f) EXPECT_EQ(chart.m_frameDay[f].m_nWeekday, kThursday) << f;
    CChart afternoon = LocalChart(2023, 12, 1, 14.0, 5.0, -74.006, 40.7128);
    ASSERT_TRUE(afternoon.ComputeSunriseSunset().ok());
    afternoon.ComputeTimeUpagrahas();
    EXPECT_EQ(chart.m_frameDay[0].m_nDayNumber + 1, afternoon.m_frameDay[0].m_nDayNumber);
    EXPECT_EQ(afternoon.m_frameDay[0].m_nWeekday, kThursday + 1);
    // About 21 hours after Thursday's sunrise: a night hora of Thursday, counted from that sunrise.
    const CDayFrameTimes& frame = chart.m_sunriseFrame;
    const int hora = static_cast<int>(frame.m_dGhatisSinceStart * 24.0 / frame.m_dWholeDay);
    EXPECT_GE(hora, 20);
    const int kThursdayHoras[7] = {kJupiter, kMars, kSun, kVenus, kMercury, kMoon, kSaturn};
    EXPECT_EQ(chart.m_frameDay[0].m_nHoraLord, kThursdayHoras[hora % 7]);
}

TEST_F(DayChartTest, AnUnmeasuredFrameGivesDefinedLords) {
    CChart chart = MondayChart(CDayFrameTimes{});
    chart.ComputeTimeUpagrahas();
    for (const CDayLords& day : chart.m_frameDay) {
        EXPECT_EQ(day.m_nWeekday, kMonday);
        EXPECT_EQ(day.m_nHoraLord, kMoon);
        EXPECT_GE(day.m_nKaalaLord, 1);
        EXPECT_LE(day.m_nKaalaLord, 8);
        EXPECT_GE(day.m_nFiveMinuteSign, 0);
        EXPECT_LT(day.m_nFiveMinuteSign, 12);
    }
}

} // namespace
