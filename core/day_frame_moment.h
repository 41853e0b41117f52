#pragma once
// CDayFrameMoment: one moment of the birth day's frames (a sunrise, a sunset, a 6:00), as the chart keeps
// it: the local date and time of a UT Julian day at the chart's place and zone. It holds the moment and
// the place only, no positions, so that nothing can read a body nobody computed there: a reader that
// needs bodies at the moment casts a record there (CalcInto), or computes the one body it reads
// (CalcPlanetAt, as the chart does for the Sun at sunrise).
#include "core/chart_core.h"

class CDayFrameMoment : private CChartCore {
public:
    using CChartCore::CalcInto;     // target gets this moment, place and zone, bodies 0-12 calculated
    using CChartCore::GetJulianDay; // UT
    using CChartCore::m_dateTime;   // local civil date and time, zone (positive west)

    // The moment of the UT Julian day at the place and zone of `chart`.
    void Set(const CChartCore& chart, double jdUt) { chart.JulianDayToDate(jdUt, *this); }
    // Body 0-12 at this moment, exactly as a record cast here holds it (CChartCore::CalcPlanet).
    CalcStatus CalcPlanetAt(int body, CRasiLongitude& position) {
        const CalcStatus status = CalcPlanet(body);
        if (status.ok()) position = m_bodies[body];
        return status;
    }
};
