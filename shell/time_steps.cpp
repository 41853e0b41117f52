#include "shell/time_steps.h"

#include <algorithm>

#include "core/angle_math.h"
#include "core/chart_core.h"

namespace {

// The clock steps in days, by unit 0-4.
constexpr double kStepDays[] = {1.0 / 86400.0, 1.0 / 5760.0, 1.0 / 1440.0, 1.0 / 24.0, 1.0};

} // namespace

void ShiftLocalDateTimeByDays(CLocalDateTime& moment, double days) {
    CChartCore probe;
    probe.m_dateTime = moment;
    probe.ShiftByDays(days);
    moment = probe.m_dateTime;
}

void ShiftLocalDateTimeByMonths(CLocalDateTime& moment, int months) {
    const int monthIndex = moment.m_nYear * 12 + (moment.m_nMonth - 1) + months;
    // Floor division, so that months before year 0 carry the right way.
    const int year = monthIndex >= 0 ? monthIndex / 12 : -((-monthIndex + 11) / 12);
    moment.m_nYear = year;
    moment.m_nMonth = monthIndex - year * 12 + 1;
    moment.m_nDay = std::min(moment.m_nDay, DaysInMonth(moment.m_nMonth, moment.m_nYear));
}

void StepLocalDateTime(CLocalDateTime& moment, int unit, bool forward) {
    const int sign = forward ? 1 : -1;
    if (unit >= kStepSecond && unit <= kStepDay) {
        ShiftLocalDateTimeByDays(moment, sign * kStepDays[unit]);
    } else if (unit == kStepMonth) {
        ShiftLocalDateTimeByMonths(moment, sign);
    } else if (unit == kStepYear) {
        moment.m_nYear += sign;
        moment.m_nDay = std::min(moment.m_nDay, DaysInMonth(moment.m_nMonth, moment.m_nYear));
    }
}
