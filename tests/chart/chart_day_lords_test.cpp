// The lords of the birth's day: weekday, hora, kaala, part planet and five-minute sign of each frame, on
// frames set by hand where the rule shows best, and on real charts for a birth before sunrise and one
// after midnight before a late sunset.
#include <gtest/gtest.h>
#include <swephexp.h>

#include "chart/chart.h"
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
// same unless a test changes it; the sunrise frame's day starts at 6:30 that Monday.
CChart MondayChart(const CDayFrameTimes& frame) {
    CChart chart = LocalChart(2024, 1, 15, 14.0, -5.5, 80.27, 13.08);
    chart.m_sunriseFrame = frame;
    chart.m_sunriseFrame.m_dStartJd = chart.GetJulianDay() - 7.5 / 24.0;
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

TEST_F(DayChartTest, PartPlanetsRunThroughTheSunriseFramesOwnEighthsOfDayAndNight) {
    // Monday (1), a day of 25 and a night of 35 ghatis. By day, 20 ghatis after sunrise: eighth 6 of
    // the day, (1 + 5 x 6) mod 7 = 3. By night, 20 ghatis after sunset: eighth 4 of the night,
    // (1 + 4 x 4 + 4) mod 7 = 0. Sixteenths of the whole day for the kaala lord change neither.
    struct Case {
        double sinceStart;
        bool kaalaSeparate;
        int partPlanet;
    };
    for (const Case& c :
         {Case{20.0, true, 3}, Case{45.0, true, 0}, Case{20.0, false, 3}, Case{45.0, false, 0}}) {
        SCOPED_TRACE(testing::Message() << c.sinceStart << " " << c.kaalaSeparate);
        g_bKaalaInDayNightSeparate = c.kaalaSeparate;
        CChart chart = MondayChart(Frame(c.sinceStart, 25.0));
        chart.ComputeTimeUpagrahas();
        EXPECT_EQ(chart.m_nPartPlanet, c.partPlanet);
    }
}

TEST_F(DayChartTest, AHighLatitudeBirthAfterMidnightBeforeSunsetBelongsToTheDayOfItsSunrise) {
    // 66.5 N, 21.94 W, zone 0, Friday 2024-06-21 00:30 UT. The Sun, disc centre without refraction:
    //   swetest -b20.6.2024 -ut0 -p0 -rise -geopos-21.94,66.5,0 -n2 -head -disccenter -norefrac
    //   rise 20.06.2024 01:47:36.5   set 21.06.2024 01:11:37.8
    //   rise 21.06.2024 01:47:32.9   set 22.06.2024 01:11:12.1
    // So the birth lies 22:42:23.5 into Thursday's day of 23:24:01.3 and whole day of 23:59:56.4:
    // hora 22.707 of Thursday (Jupiter, Mars, ... : Mars), five-minute part 8 of a day hora of Mars
    // (from Scorpio: Cancer); eighth 7 of the day (kaala from Jupiter's part: Mars; part planet
    // (4 + 5 x 7) mod 7 = 4).
    g_nSunriseDefinition = 0;
    g_nWeekdayDefinition = 0;
    CChart chart = LocalChart(2024, 6, 21, 0.5, 0.0, -21.94, 66.5);
    ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
    const double swetestRise = swe_julday(2024, 6, 20, 1 + 47 / 60.0 + 36.5 / 3600.0, SE_GREG_CAL);
    EXPECT_NEAR(chart.m_sunSnapshot[0].GetJulianDay(), swetestRise, 2 * kSecond);
    EXPECT_EQ(chart.m_sunSnapshot[0].m_dateTime.m_nDay, 20);
    chart.ComputeTimeUpagrahas();
    constexpr int kThursday = 4;
    const CDayLords& day = chart.m_frameDay[0];
    EXPECT_EQ(day.m_nWeekday, kThursday);
    EXPECT_EQ(day.m_nHoraLord, kMars);
    EXPECT_EQ(day.m_nFiveMinuteSign, 3);
    EXPECT_EQ(day.m_nKaalaLord, kMars);
    EXPECT_EQ(chart.m_nPartPlanet, 4);
    EXPECT_EQ(chart.m_currentDay.m_nWeekday, kThursday);
    // The clock days start at 6:00 and are Thursday's too, the birth being before them.
    EXPECT_EQ(chart.m_frameDay[2].m_nWeekday, kThursday);
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
