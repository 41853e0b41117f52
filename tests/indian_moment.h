#pragma once
// A local moment on the Indian clock (5 h 30 m east of Greenwich: -5.5 in the record, zones positive
// west), the zone of the test births; headless, for Qt and non-Qt test programs alike.
#include "core/angle_time.h"

// The civil date, the local clock time in decimal hours, both split.
inline CLocalDateTime IndianMoment(int year, int month, int day, double hours) {
    CLocalDateTime moment;
    moment.m_nYear = year;
    moment.m_nMonth = month;
    moment.m_nDay = day;
    moment.m_time.m_dHours = hours;
    moment.m_time.SplitHours();
    moment.m_zone.m_dHours = -5.5;
    moment.m_zone.SplitHours();
    return moment;
}
