#pragma once
// Helpers of the panchanga tests: a place record for a run of days, the swetest reference tables of
// tests/document/data, and the options swetest's numbers stand for.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/option_snapshot.h"
#include "tests/core/reference_table.h"

inline constexpr double kSecondDays = 1.0 / 86400.0;

// A record at noon of a civil date at a place: longitude positive EAST as swetest takes it, zone
// positive WEST as the program keeps it (hours).
inline CChartCore PlaceAtNoon(double longitudeEast, double latitude, double zoneWest, int year, int month,
                              int day) {
    CChartCore place;
    place.m_longitude.m_dValue = -longitudeEast;
    place.m_longitude.SplitDegrees();
    place.m_latitude.m_dValue = latitude;
    place.m_latitude.SplitDegrees();
    place.m_dateTime.m_nYear = year;
    place.m_dateTime.m_nMonth = month;
    place.m_dateTime.m_nDay = day;
    place.m_dateTime.m_time.m_dHours = 12.0;
    place.m_dateTime.m_time.SplitHours();
    place.m_dateTime.m_zone.m_dHours = zoneWest;
    place.m_dateTime.m_zone.SplitHours();
    return place;
}

// swetest's frame: Lahiri of mode 1 (the program's Traditional Lahiri), true positions, mean node, the
// centre of the disc without refraction for rises, the sunrise day; every option comes back afterwards.
class SwetestFrameTest : public testing::Test {
protected:
    SwetestFrameTest() {
        g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        g_nSunriseDefinition = 0;
        g_nWeekdayDefinition = 0;
        g_bKaalaInDayNightSeparate = true;
        g_bGulikaInSaturnPortion = true;
    }

private:
    CScopedOptions m_options;
};
