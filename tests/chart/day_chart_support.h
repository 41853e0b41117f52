#pragma once
// Charts for the tests of the day frames and computed points: one cast at a local moment and place.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "chart_test_support.h"
#include "core/calc_options.h"

// A chart at a local civil moment (zone hours positive WEST, as the chart keeps it) and a place
// (longitude EAST, as swetest takes it), not yet computed.
inline CChart LocalChart(int year, int month, int day, double hours, double zoneWest, double longitudeEast,
                         double latitude, double altitude = 0.0, double pressure = 1013.25,
                         double temperature = 20.0) {
    CChart chart;
    chart.m_dateTime.m_nYear = year;
    chart.m_dateTime.m_nMonth = month;
    chart.m_dateTime.m_nDay = day;
    chart.m_dateTime.m_time.m_dHours = hours;
    chart.m_dateTime.m_time.SplitHours();
    chart.m_dateTime.m_zone.m_dHours = zoneWest;
    chart.m_dateTime.m_zone.SplitHours();
    SetPlace(chart, longitudeEast, latitude, altitude, pressure, temperature);
    return chart;
}

// The day-frame, point, karaka, arudha and panchanga tests: ChartTest gives back every option they change.
using DayChartTest = ChartTest;
