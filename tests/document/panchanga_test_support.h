#pragma once
// Helpers of the panchanga tests: a place record for a run of days, the swetest reference tables of
// tests/document/data, and the options swetest's numbers stand for.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/chart_helpers.h"
#include "core/option_snapshot.h"
#include "document/panchanga_day.h"
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

// A run of days of a reference table (make_panchanga_days_swetest.py) with what swetest found over it,
// sorted: rises and sets of the Sun and the Moon, and the ends of the limbs.
struct ReferenceCase {
    int n = 0;
    double lonEast = 0.0, lat = 0.0, zone = 0.0;
    int year = 0, month = 0, day = 0, days = 0;
    std::vector<double> sunrises, sunsets, moonrises, moonsets;
    std::map<std::string, std::vector<std::pair<int, double>>> ends; // quantity -> (unit entered, JD)
};

inline std::vector<ReferenceCase> ReadPanchangaCases(const std::string& table) {
    std::vector<ReferenceCase> cases;
    for (const auto& r : ReadReferenceTable(table, "case")) {
        ReferenceCase c;
        c.n = std::stoi(r[1]);
        c.lonEast = std::stod(r[2]);
        c.lat = std::stod(r[3]);
        c.zone = std::stod(r[4]);
        c.year = std::stoi(r[5]);
        c.month = std::stoi(r[6]);
        c.day = std::stoi(r[7]);
        c.days = std::stoi(r[8]);
        cases.push_back(c);
    }
    for (const char* kind : {"rise", "set"}) {
        for (const auto& r : ReadReferenceTable(table, kind)) {
            ReferenceCase& c = cases.at(std::stoi(r[1]));
            const bool moon = r[2] == "1";
            auto& list = std::string(kind) == "rise" ? (moon ? c.moonrises : c.sunrises)
                                                     : (moon ? c.moonsets : c.sunsets);
            list.push_back(std::stod(r[3]));
        }
    }
    for (const auto& r : ReadReferenceTable(table, "end"))
        cases.at(std::stoi(r[1])).ends[r[2]].push_back({std::stoi(r[3]), std::stod(r[4])});
    return cases;
}

// The case's days from its first date at its place, each a sunrise day.
inline std::vector<CPanchangaDay> ComputeCaseDays(const ReferenceCase& c) {
    std::vector<CPanchangaDay> days;
    const CChartCore place = PlaceAtNoon(c.lonEast, c.lat, c.zone, c.year, c.month, c.day);
    const CalcStatus status = ComputePanchangaDays(place, c.days, false, days);
    EXPECT_TRUE(status.ok()) << status.error;
    return days;
}

inline double Jd(const CLocalDateTime& moment) {
    return JulianDayOf(moment);
}

inline double FirstAfter(const std::vector<double>& list, double jd) {
    const auto it = std::upper_bound(list.begin(), list.end(), jd);
    return it == list.end() ? 0.0 : *it;
}

inline double LastAtOrBefore(const std::vector<double>& list, double jd) {
    const auto it = std::upper_bound(list.begin(), list.end(), jd);
    return it == list.begin() ? 0.0 : *(it - 1);
}
