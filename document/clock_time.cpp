#include "document/clock_time.h"

#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/dst_rules.h"

void SetToClockTime(CLocalDateTime& moment) {
    SetToUtcMoment(std::time(nullptr), moment);
}

void SetToUtcMoment(std::time_t utc, CLocalDateTime& moment) {
    std::tm fields{};
    gmtime_r(&utc, &fields);
    moment.m_nYear = fields.tm_year + 1900;
    moment.m_nMonth = fields.tm_mon + 1;
    moment.m_nDay = fields.tm_mday;
    moment.m_time.m_dHours = fields.tm_hour + fields.tm_min / 60.0 + fields.tm_sec / 3600.0;
    moment.m_time.SplitHours();
    moment.m_zone = CHmsTime();

    // The rules read the moment at the default place.
    CChartCore probe;
    probe.m_dateTime = moment;
    probe.m_longitude = g_defaultLongitude;
    probe.m_latitude = g_defaultLatitude;
    const bool summer = GetDstCorrection(probe, g_nDefaultLocationCountryCode);
    moment.ChangeZone(summer ? g_dDefaultSummerTimeZone : g_dDefaultTimeZone);
}
