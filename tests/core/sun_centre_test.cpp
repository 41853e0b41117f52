#include <cmath>

#include <gtest/gtest.h>

#include "core/sun_centre.h"

namespace {

constexpr double kMeanTropicalYear = 365.24219; // days
constexpr double kSecond = 1.0 / 86400.0;       // days

// Meeus, Astronomical Algorithms, example 25.a: 1992 October 13.0 TD, C = -1.89732 degrees.
TEST(SunCentreTest, EquationOfCentreAgreesWithMeeus) {
    EXPECT_NEAR(SunEquationOfCentre(2448908.5), -1.89732, 0.00001);
}

// The moment the Sun has run from one of its places to another, guessed on its orbit, against the
// moment it stood there. Reference: swetest -bDATE -ut0:00 -p0 -fJPl -head -true (Debian swetest 2.10),
// tropical longitudes. The line at the mean rate would be a day or two off; the orbit's guess lies
// within the pull of the Moon and the planets, minutes.
TEST(SunCentreTest, RunLandsNearTheMomentTheSunGetsThere) {
    struct Place {
        double jdUt, longitude;
    };
    const Place k1950{2433282.5, 280.0106422}, kOct1992{2448908.5, 199.9123756},
        kApr1993{2449082.5, 15.2263623}, k2041{2466721.5, 118.6353547}, k2200{2524926.5, 247.5654222};
    struct Case {
        const char* label;
        Place from, to;
    };
    const Case kCases[] = {
        {"autumn to spring, past the perihelion", kOct1992, kApr1993},
        {"back from spring to autumn", kApr1993, kOct1992},
        {"42 years on", k1950, kOct1992},
        {"48 years on", kApr1993, k2041},
        {"159 years on", k2041, k2200},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        const double meanRun = (c.to.jdUt - c.from.jdUt) / kMeanTropicalYear * 360.0;
        const double rest = std::remainder(c.to.longitude - c.from.longitude, 360.0);
        const double run = rest + 360.0 * std::round((meanRun - rest) / 360.0);
        EXPECT_NEAR(SunHasRun(c.from.jdUt, run, kMeanTropicalYear), c.to.jdUt, 1200 * kSecond);
    }
}

} // namespace
