// The steps of the birth-time and transit-time step boxes: clock units through the calendar, months and
// years with the day kept inside the new month.
#include <gtest/gtest.h>

#include <tuple>

#include "shell/time_steps.h"
#include "tests/indian_moment.h"

namespace {

TEST(TimeSteps, MonthsAndYearsKeepTheDayInsideTheNewMonth) {
    struct Case {
        int year, month, day, unit;
        bool forward;
        int toYear, toMonth, toDay;
    };
    const Case cases[] = {
        {2023, 1, 31, kStepMonth, true, 2023, 2, 28},  {2024, 1, 31, kStepMonth, true, 2024, 2, 29},
        {2024, 3, 31, kStepMonth, false, 2024, 2, 29}, {2100, 3, 30, kStepMonth, false, 2100, 2, 28},
        {2000, 3, 29, kStepMonth, false, 2000, 2, 29}, {2024, 5, 31, kStepMonth, true, 2024, 6, 30},
        {2024, 1, 15, kStepMonth, false, 2023, 12, 15}, {2024, 12, 31, kStepMonth, true, 2025, 1, 31},
        {2024, 2, 29, kStepYear, true, 2025, 2, 28},   {2024, 2, 29, kStepYear, false, 2023, 2, 28},
        {2023, 2, 28, kStepYear, true, 2024, 2, 28},   {2020, 7, 31, kStepYear, true, 2021, 7, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " unit " << c.unit
                                        << (c.forward ? " forward" : " backward"));
        CLocalDateTime moment = IndianMoment(c.year, c.month, c.day, 10.5);
        StepLocalDateTime(moment, c.unit, c.forward);
        EXPECT_EQ(std::tuple(moment.m_nYear, moment.m_nMonth, moment.m_nDay),
                  std::tuple(c.toYear, c.toMonth, c.toDay));
        EXPECT_DOUBLE_EQ(moment.m_time.m_dHours, 10.5);
        EXPECT_DOUBLE_EQ(moment.m_zone.m_dHours, -5.5);
    }
}

TEST(TimeSteps, ClockUnitsCrossDaysMonthsAndYears) {
    struct Case {
        int unit;
        bool forward;
        double hours;
        int toYear, toMonth, toDay;
        double toHours;
    };
    // From 31 December 2023, the step lengths of the box: 1 s, 15 s, 1 min, 1 h, 1 day.
    const Case cases[] = {
        {kStepSecond, true, 23.0 + 59 / 60.0 + 59.5 / 3600, 2024, 1, 1, 0.5 / 3600},
        {kStepFifteenSeconds, false, 0.0, 2023, 12, 30, 24.0 - 15 / 3600.0},
        {kStepMinute, true, 23.0 + 59.5 / 60, 2024, 1, 1, 0.5 / 60},
        {kStepHour, true, 23.5, 2024, 1, 1, 0.5},
        {kStepDay, true, 12.0, 2024, 1, 1, 12.0},
        {kStepDay, false, 12.0, 2023, 12, 30, 12.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "unit " << c.unit << (c.forward ? " forward" : " backward"));
        CLocalDateTime moment = IndianMoment(2023, 12, 31, c.hours);
        StepLocalDateTime(moment, c.unit, c.forward);
        EXPECT_EQ(std::tuple(moment.m_nYear, moment.m_nMonth, moment.m_nDay),
                  std::tuple(c.toYear, c.toMonth, c.toDay));
        EXPECT_NEAR(moment.m_time.m_dHours, c.toHours, 1e-6); // a few milliseconds
    }
}

TEST(TimeSteps, AnUnknownUnitMovesNothing) {
    CLocalDateTime moment = IndianMoment(2024, 2, 29, 10.5);
    StepLocalDateTime(moment, 7, true);
    StepLocalDateTime(moment, -1, false);
    EXPECT_EQ(std::tuple(moment.m_nYear, moment.m_nMonth, moment.m_nDay), std::tuple(2024, 2, 29));
}

} // namespace
