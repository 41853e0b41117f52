#pragma once
// Small helpers shared by the core tests.
#include <tuple>

#include <gtest/gtest.h>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/option_snapshot.h"

constexpr double kArcsecond = 1.0 / 3600.0; // degrees
constexpr double kSecond = 1.0 / 86400.0;   // days

// Distance of two longitudes the short way round, degrees.
inline double Separation(double a, double b) {
    const double d = Reduce360(a - b);
    return d > 180.0 ? 360.0 - d : d;
}

// Makes `id` with a correction entered in degrees the process-wide ayanamsa.
inline void ChooseAyanamsa(int id, double correction = 0.0) {
    CDmsAngle entered;
    entered.m_dValue = correction;
    entered.SplitDegrees();
    ChooseAyanamsa(id, entered);
}

// Puts a record at a place: longitude EAST, as the library and swetest take it (the record keeps it
// positive west), latitude north, altitude metres, air pressure mbar and temperature degrees C.
inline void SetPlace(CChartCore& chart, double longitudeEast, double latitude, double altitude = 0.0,
                     double pressure = 1013.25, double temperature = 20.0) {
    chart.m_longitude.m_dValue = -longitudeEast;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = latitude;
    chart.m_latitude.SplitDegrees();
    chart.m_dAltitude = altitude;
    chart.m_dPressure = pressure;
    chart.m_dTemperature = temperature;
}

// A chart (CChartCore or CChart) at a UT Julian day and a place (longitude EAST), zone 0; no positions
// calculated.
template <class Chart = CChartCore>
Chart ChartAt(double jdUt, double longitudeEast, double latitude, double altitude = 0.0) {
    Chart chart;
    SetPlace(chart, longitudeEast, latitude, altitude);
    chart.JulianDayToDate(jdUt, chart);
    return chart;
}

// Keeps copies of some globals outside the option table and puts them back when it goes (the options of
// the table come back through CScopedOptions, the document's rows through CScopedDocumentOptions).
template <class... T> class SavedGlobals {
public:
    explicit SavedGlobals(T&... globals) : m_globals(globals...), m_values(globals...) {}
    ~SavedGlobals() { m_globals = m_values; }
    SavedGlobals(const SavedGlobals&) = delete;
    SavedGlobals& operator=(const SavedGlobals&) = delete;

private:
    std::tuple<T&...> m_globals;
    std::tuple<T...> m_values;
};

// Each test starts under the given ayanamsa and gets back afterwards every option it changed.
class CalcOptionsTest : public testing::Test {
protected:
    explicit CalcOptionsTest(int ayanamsaId) { ChooseAyanamsa(ayanamsaId); }

private:
    CScopedOptions m_options;
};
