#pragma once
// What the parts of the panchanga day computation share: the day frame WeekdayDefinition chooses, the
// window of moments that belong to the day, and the conversion of a found instant to the day's zone.
#include <vector>

#include "chart/chart.h"
#include "core/calc_status.h"
#include "core/chart_helpers.h"

// The day frame of a panchanga chart by WeekdayDefinition: 0 the sunrise day (sunrise, sunset, next
// sunrise), 1 the 6:00-to-6:00 day of local mean time, 2 that of zone time (UT Julian days).
inline const CDayFrameTimes& PanchangaDayFrame(const CChart& chart) {
    switch (g_nWeekdayDefinition) {
    case 0:
        return chart.m_sunriseFrame;
    case 2:
        return chart.m_zoneTimeFrame;
    default:
        return chart.m_meanTimeFrame;
    }
}

// How long after the day's start its chart is cast: 0.01 hour (36 seconds), days.
inline constexpr double kPanchangaMomentOffsetDays = 0.01 / 24.0;

// The start of the panchanga day of a date (chart/sunrise_days.h) at `place` by WeekdayDefinition, UT
// Julian day: 0 the start of its sunrise day (6:00 local mean time where the Sun does not rise), 1 6:00
// local mean time, 2 6:00 zone time. Consecutive dates' days meet.
CalcStatus PanchangaDayStart(const CChartCore& place, int civilDate, double& jdUt);

// The moments that belong to the day of a panchanga chart, UT Julian days: from the chart's own moment
// up to (not including) the moment the next date's chart is cast at, so that consecutive days meet
// exactly and every moment belongs to one day.
struct PanchangaWindow {
    double start = 0.0;
    double end = 0.0;
    bool Contains(double jdUt) const { return start <= jdUt && jdUt < end; }
};
PanchangaWindow PanchangaWindowOf(const CChart& chart);

// A period of the day, UT Julian days.
struct JdSpan {
    double start = 0.0;
    double end = 0.0;
};
// The Varjyas (four ghatis of each star from its own tyajya offset) that touch `window`, in time: of
// the Moon's star at `from`'s moment and of every star that begins within the window, at most
// kMaxVarjyas (panchanga_day.h).
// `from` holds the moment, the place and the Moon's position. Fails with the search's failure.
CalcStatus FindVarjyaSpans(const CChartCore& from, const PanchangaWindow& window, std::vector<JdSpan>& spans);

struct CPanchangaDay;

// Rahu kala, Gulika kala and Yama ganda of the day (panchanga_periods.cpp).
void FillKalas(const CChart& chart, CPanchangaDay& day);
// The 24 horas and 16 choghadiyas of the day.
void FillHorasAndChoghadiyas(const CChart& chart, CPanchangaDay& day);

// A found instant (UT Julian day) as a local moment in the chart's zone.
inline CLocalDateTime LocalMomentIn(const CChartCore& chart, double jdUt) {
    return LocalMomentOf(jdUt, chart.m_dateTime.m_zone);
}
