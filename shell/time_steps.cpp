#include "shell/time_steps.h"

#include <algorithm>

#include "core/angle_math.h"
#include "core/chart_core.h"

namespace {

// The clock steps in days, by unit 0-4.
constexpr double kStepDays[] = {1.0 / 86400.0, 1.0 / 5760.0, 1.0 / 1440.0, 1.0 / 24.0, 1.0};

} // namespace

void StepLocalDateTime(CLocalDateTime& moment, int unit, bool forward) {
    const int sign = forward ? 1 : -1;
    if (unit >= kStepSecond && unit <= kStepDay) {
        CChartCore probe;
        probe.m_dateTime = moment;
        probe.ShiftByDays(sign * kStepDays[unit]);
        moment = probe.m_dateTime;
        return;
    }
    if (unit == kStepMonth) {
        moment.m_nMonth += sign;
        if (moment.m_nMonth < 1) {
            moment.m_nMonth = 12;
            --moment.m_nYear;
        } else if (moment.m_nMonth > 12) {
            moment.m_nMonth = 1;
            ++moment.m_nYear;
        }
    } else if (unit == kStepYear) {
        moment.m_nYear += sign;
    } else {
        return;
    }
    moment.m_nDay = std::min(moment.m_nDay, DaysInMonth(moment.m_nMonth, moment.m_nYear));
}
