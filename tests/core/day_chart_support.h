#pragma once
// Charts for the tests of the day frames and computed points: one cast at a local moment and place,
// and a fixture that gives back every option those tests change.
#include <array>

#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "core/calc_options.h"
#include "core/chart.h"

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

// ChartTest that also gives back the options of the day frames, points, karakas, arudhas and panchanga.
class DayChartTest : public ChartTest {
private:
    SavedGlobals<int, int, int, bool, bool, int, std::array<int, 6>, bool, bool, int, int> m_dayOptions{
        g_nSunriseDefinition,       g_nWeekdayDefinition,       g_nWeekdayDefinitionKaala,
        g_bKaalaInDayNightSeparate, g_bContinuousSpecialLagnas, g_nVyatipataMethod,
        g_nUpagrahaRiseMethod,      g_bMandiInSaturnPortion,    g_bGulikaInSaturnPortion,
        g_nUpagrahaDayDefinition,   g_nCharaKarakaDefinition};
    SavedGlobals<bool, bool, bool, bool, bool, int, int> m_arudhaOptions{g_bNodesInArudhas,
                                                                         g_bExceptionsInBhavaArudhas,
                                                                         g_bExceptionsInGrahaArudhas,
                                                                         g_bLongitudeBasedBhavaArudhas,
                                                                         g_bDivLongsInBhavaArudhas,
                                                                         g_nArudhaBasePlanet,
                                                                         g_nLunarYrDef};
    SavedGlobals<bool, int, int, int, int, int, int, int, int, int, int, double, double, double>
        m_pointOptions{g_bSpecialPointOn,           g_nSpecialPointBehindAfter,  g_nSpecialPointUsePlanet,
                       g_nSpecialPointUseSaham,     g_nSpecialPointUseRasi,      g_nSpecialPointUseMidPoint,
                       g_nSpecialPointPlanetIndex,  g_nSpecialPointSahamIndex,   g_nSpecialPointSignIndex,
                       g_nSpecialPointPlanetIndex1, g_nSpecialPointPlanetIndex2, g_dSpecialPointDeg,
                       g_dSpecialPointMin,          g_dSpecialPointSec};
    SavedGlobals<bool, int, int, bool> m_lagnaOptions{
        g_bSpecialLagnaOn, g_nSpecialLagnaPlanet, g_nSpecialLagnaSpeedFactor, g_bSpecialLagnaNodesReverse};
};
