#include "core/chart_helpers.h"

#include <algorithm>

#include "core/calendar_names.h"
#include "core/chart_core.h"
#include "core/julian_day.h"

double JulianDayOf(const CLocalDateTime& moment) {
    CChartCore probe;
    probe.m_dateTime = moment;
    return probe.GetJulianDay();
}

CLocalDateTime LocalMomentOf(double jdUt, const CHmsTime& zone) {
    CHmsTime split = zone;
    split.SplitHours();
    return LocalMomentInSplitZone(jdUt, split);
}

CLocalDateTime LocalMomentInSplitZone(double jdUt, const CHmsTime& splitZone) {
    CLocalDateTime moment;
    LocalMomentInSplitZone(jdUt, splitZone, moment);
    return moment;
}

void LocalMomentInSplitZone(double jdUt, const CHmsTime& splitZone, CLocalDateTime& moment) {
    moment.m_time = {}; // a time that cannot be split keeps a fresh moment's fields, not the last ones
    CivilDateOf(jdUt - splitZone.m_dHours / 24.0, moment.m_nYear, moment.m_nMonth, moment.m_nDay,
                moment.m_time.m_dHours);
    moment.m_time.SplitHours();
    moment.m_zone = splitZone;
}

bool IsSameBirthMoment(const CLocalDateTime& a, const CLocalDateTime& b) {
    return JulianDayOf(a) <= JulianDayOf(b);
}

bool IsSameBirthMoment3(const CLocalDateTime& a, const CLocalDateTime& b, const CLocalDateTime& c) {
    return IsSameBirthMoment(a, b) && IsSameBirthMoment(b, c);
}

std::string FormatDateWithMonth(const CLocalDateTime& moment, bool amPm) {
    const CLocalDateTime shown = amPm ? moment.RoundedToMinute(2) : moment.RoundedToSecond();
    const std::string time = amPm ? shown.m_time.FormatAmPm() : shown.m_time.FormatHms();
    const int month = std::clamp(shown.m_nMonth, 1, 12);
    char text[128];
    std::snprintf(text, sizeof text, "%s (%s %d, %d)", time.c_str(), g_monthNames[month - 1], shown.m_nDay,
                  shown.m_nYear);
    return text;
}

void CopyToGrid(std::span<char> grid, std::size_t position, const std::string& text) {
    if (position >= grid.size()) return;
    const std::size_t count = std::min(text.size(), grid.size() - position);
    std::copy_n(text.begin(), count, grid.begin() + static_cast<std::ptrdiff_t>(position));
}
