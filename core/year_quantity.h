#pragma once
// What a searched year kind (return_charts.h) counts: the quantity whose run makes its years (a body's
// longitude, or the Moon - Sun angle), how far it runs in one year, how long the mean year lasts, and how
// far the true moment may lie from the mean one. Degrees and days.
#include "core/chart_core.h"
#include "core/return_charts.h"

inline constexpr double kMeanSiderealMonthDays = 27.321661; // Meeus, Astronomical Algorithms, ch. 49

// The brackets: the equation of centre (the Sun's up to 2.2 degrees at the eccentricity of 5400 BC, the
// Moon's 6.3), turned into days at the quantity's mean rate, with room to spare.
struct YearQuantity {
    int body = kSun;
    bool moonMinusSun = false;
    double degreesPerYear = 360.0;
    double meanYearDays = kMeanSiderealYearDays;
    double firstBracketDays = 4.0;  // the true moment lies this close to the mean one, or a few times so
    double lastBracketDays = 150.0; // less than half a turn of the quantity
    // Half the quantity's greatest acceleration over its least speed, a day: a Newton step of d days
    // lands within bend * d^2 days of the moment. The Sun: (5.7e-4 + 0.8e-4 from the Moon's pull on the
    // Earth) / (2 x 0.95), rounded up; the Moon and Moon - Sun: 0.7 / (2 x 10.6), rounded up.
    double bend = 5e-4;

    // Whether the quantity is the Sun's longitude.
    bool IsSunsRun() const { return body == kSun && !moonMinusSun; }
    // Days of one mean turn (360 degrees) of the quantity.
    double TurnDays() const { return meanYearDays * 360.0 / degreesPerYear; }
};

// The quantity of kind 3, 4, 5 or 7 (kind 3's for any other).
inline YearQuantity QuantityOf(int kind) {
    switch (kind) {
    case kYearTithi: // twelve turns of the Moon - Sun angle
        return {kMoon, true, 4320.0, kLunarYearDays, 1.0, 12.0, 0.05};
    case kYearMoonReturn: // twelve turns of the Moon
        return {kMoon, false, 4320.0, 12.0 * kMeanSiderealMonthDays, 1.0, 12.0, 0.05};
    case kYearTrueTropicalSolar:
        return {kSun, false, 360.0, kMeanTropicalYearDays};
    default:
        return {};
    }
}
