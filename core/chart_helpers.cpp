#include "core/chart_helpers.h"

#include <algorithm>

#include "core/chart_core.h"

namespace {

double JulianDayOf(const CLocalDateTime& moment) {
    CChartCore probe;
    probe.m_dateTime = moment;
    return probe.GetJulianDay();
}

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

} // namespace

bool IsSameBirthMoment(const CLocalDateTime& a, const CLocalDateTime& b) {
    return JulianDayOf(a) <= JulianDayOf(b);
}

bool IsSameBirthMoment3(const CLocalDateTime& a, const CLocalDateTime& b, const CLocalDateTime& c) {
    return IsSameBirthMoment(a, b) && IsSameBirthMoment(b, c);
}

std::string FormatDateWithMonth(const CLocalDateTime& moment, bool amPm) {
    const std::string time = amPm ? moment.m_time.FormatAmPm() : moment.m_time.FormatHms();
    const int month = std::clamp(moment.m_nMonth, 1, 12);
    char text[128];
    std::snprintf(text, sizeof text, "%s (%s %d, %d)", time.c_str(), kMonthNames[month - 1], moment.m_nDay,
                  moment.m_nYear);
    return text;
}

void CopyToGrid(std::span<char> grid, std::size_t position, const std::string& text) {
    if (position >= grid.size()) return;
    const std::size_t count = std::min(text.size(), grid.size() - position);
    std::copy_n(text.begin(), count, grid.begin() + static_cast<std::ptrdiff_t>(position));
}
