// The varga labels that follow the chosen variants, and the present moment at the default place.
#include <ctime>

#include <gtest/gtest.h>
#include <swephexp.h>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/name_selection.h"
#include "core/region_table.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "document/clock_time.h"
#include "document/varga_labels.h"
#include "tests/core/core_test_helpers.h"

namespace {

TEST(VargaLabels, FollowTheChosenVariants) {
    SavedGlobals<int, int, int, int, int, int> saved{g_nD9Preference, g_nHoraPreference,  g_nD24Preference,
                                                     g_nD81Variant,   g_nBhavaChartVarga, g_nBhavaChartRef};
    struct Case {
        int& variant;
        int value;
        int column;
        const char* label;
    };
    const Case kCases[] = {
        {g_nD9Preference, 0, 1, "D-9"},          {g_nD9Preference, 3, 1, "D-9 (UKM)"},
        {g_nD9Preference, 4, 1, "D-9"},          {g_nD9Preference, -1, 1, "D-9"},
        {g_nHoraPreference, 0, 2, "D-2 (CnL)"},  {g_nHoraPreference, 11, 2, "D-2 (NiM)"},
        {g_nD24Preference, 0, 14, "D-24 (Rev)"}, {g_nD24Preference, 2, 14, "D-24 (Rev2)"},
        {g_nD81Variant, 1, 20, "D-81 (K)"},
    };
    for (const Case& c : kCases) {
        c.variant = c.value;
        BuildVargaLabels();
        EXPECT_EQ(g_strVargaLabels[c.column], c.label) << c.column << " variant " << c.value;
    }
    // Columns without variants keep their fixed labels.
    EXPECT_EQ(g_strVargaLabels[0], "D-1");
    EXPECT_EQ(g_strVargaLabels[6], "D-6");
    EXPECT_EQ(g_strVargaLabels[17], "D-40");
    EXPECT_EQ(g_strVargaLabels[26], "Hora");
}

TEST(VargaLabels, TheBhavaColumnNamesItsBaseVargaAndReference) {
    SavedGlobals<int, int> saved{g_nBhavaChartVarga, g_nBhavaChartRef};
    SelectNameTables(false, false);
    g_nBhavaChartVarga = 1;
    g_nBhavaChartRef = 2;
    BuildVargaLabels();
    EXPECT_EQ(g_strVargaLabels[28], "D-9 (Moon)");
    g_nBhavaChartVarga = 22;
    g_nBhavaChartRef = 0;
    BuildVargaLabels();
    EXPECT_EQ(g_strVargaLabels[28], "D-144 (Asc)");
}

// 2024-07-01 12:00 UT and 2024-01-15 12:00 UT, seconds since 1970. Times of day come back through a
// Julian day, to a few microseconds.
constexpr std::time_t kJulyNoon = 1719835200;
constexpr std::time_t kJanuaryNoon = 1705320000;

TEST(ClockTime, ThePresentMomentIsOnTheDefaultPlacesClock) {
    CLocalDateTime moment;
    SetToUtcMoment(kJulyNoon, moment);
    EXPECT_EQ(moment.m_nYear, 2024);
    EXPECT_EQ(moment.m_nMonth, 7);
    EXPECT_EQ(moment.m_nDay, 1);
    EXPECT_NEAR(moment.m_time.m_dHours, 17.5, 1e-7); // Ujjain, 5 h 30 m east
    EXPECT_DOUBLE_EQ(moment.m_zone.m_dHours, -5.5);

    SetToClockTime(moment);
    const double jd = 2440587.5 + std::time(nullptr) / 86400.0;
    const double shown = swe_julday(moment.m_nYear, moment.m_nMonth, moment.m_nDay,
                                    moment.m_time.m_dHours + moment.m_zone.m_dHours, 1);
    EXPECT_NEAR(shown, jd, 5.0 / 86400);
}

TEST(ClockTime, SummerTimeFollowsTheDefaultPlacesRules) {
    SavedGlobals<CHmsTime, CHmsTime, CDmsAngle, CDmsAngle, int> saved{
        g_defaultTimeZone, g_defaultSummerTimeZone, g_defaultLongitude, g_defaultLatitude,
        g_nDefaultLocationCountryCode};
    g_dDefaultTimeZone = 5.0; // New York: 5 h west, 4 h in summer
    g_defaultTimeZone.SplitHours();
    g_dDefaultSummerTimeZone = 4.0;
    g_defaultSummerTimeZone.SplitHours();
    g_dDefaultLongitude = 74.0;
    g_defaultLongitude.SplitDegrees();
    g_dDefaultLatitude = 40.7;
    g_defaultLatitude.SplitDegrees();
    g_nDefaultLocationCountryCode = *FindRegionRow("USNY");

    CLocalDateTime moment;
    SetToUtcMoment(kJulyNoon, moment);
    EXPECT_DOUBLE_EQ(moment.m_zone.m_dHours, 4.0);
    EXPECT_NEAR(moment.m_time.m_dHours, 8.0, 1e-7);
    SetToUtcMoment(kJanuaryNoon, moment);
    EXPECT_DOUBLE_EQ(moment.m_zone.m_dHours, 5.0);
    EXPECT_NEAR(moment.m_time.m_dHours, 7.0, 1e-7);
}

} // namespace
