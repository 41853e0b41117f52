#pragma once
// A searched year kind's quantity (year_quantity.h) read at a moment for a Newton step: its value as the
// chart reads it, its speed, and how far that speed may stray from the value's true rate, which decides
// how long a step may be and still land on the moment. Degrees, degrees a day; Julian days UT.
//
// Where the zodiac is the library's plain sidereal one less an anchor star's correction, the value is
// the body's tropical place less the star's, both on the mean equinox of date at the same moment (the
// library's sidereal positions differ from them by one shared offset): the two readings share the
// library's work on the Earth, and the star's own motion, the precession and its annual aberration, is
// added to the speed the library gives.
#include <optional>

#include "core/chart_core.h"
#include "core/year_quantity.h"

struct QuantityReading {
    double value = 0.0;      // [0, 360)
    double speed = 0.0;      // degrees a day
    double speedError = 0.0; // |speed - the value's true rate| is at most this, degrees a day
    double valueError = 0.0; // |value - the chart's value| is at most this, degrees (carried readings)
    // Where the value is the body's tropical place plus the anchor star's part: that part (degrees), its
    // modelled rate and how far the rate may stray (degrees a day), and how fast the star's own rate may
    // change (degrees a day a day). A reading close by may carry the part instead of reading the star.
    bool carriable = false;
    double starPart = 0.0;
    double starRate = 0.0;
    double starRateError = 0.0;
    double starAcceleration = 0.0;
};

// Nothing when the library cannot read the moment. `probe` gives the place and options.
std::optional<QuantityReading> ReadYearQuantity(CChartCore& probe, const YearQuantity& quantity, double jdUt);

// How far the star's part of a carriable reading, carried over `days`, may stray from the star's own,
// degrees.
double CarriedStarError(const QuantityReading& earlier, double days);

// The quantity at a moment near a carriable reading `earlier` (made at `earlierJdUt`) for a Newton step:
// only the body's place is read, with a fifth of the library's work, the star's part is carried at its
// rate (valueError: CarriedStarError), and the speed is the earlier one (its error grown by the
// quantity's bend over the span). Nothing when the library cannot read the moment.
std::optional<QuantityReading> ReadYearQuantityNear(const CChartCore& probe, const YearQuantity& quantity,
                                                    const QuantityReading& earlier, double earlierJdUt,
                                                    double jdUt);
