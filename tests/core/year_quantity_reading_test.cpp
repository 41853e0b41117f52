#include <cmath>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/year_quantity.h"
#include "core/year_quantity_reading.h"
#include "search_test_support.h"

namespace {

constexpr int kRohiniPaksha = 20; // Aldebaran at 15 Taurus 40' (46.67 degrees)
constexpr int kPushyaPaksha = 21; // delta Cancri at 106 degrees, 0.08 degree from the ecliptic

struct Setting {
    const char* label;
    int ayanamsa;
    bool truePositions;
    bool noAberration;
    double correction; // degrees, as entered
};

// The zodiacs the reading takes apart: star-anchored ones with the star's true or apparent place (with
// aberration or without), a plain sidereal one, one the reading leaves to the library's sidereal
// positions (a projected plane), and a user's correction.
constexpr Setting kSettings[] = {
    {"True Lahiri, true places", kAyanamsaTrueLahiri, true, false, 0.0},
    {"True Lahiri, apparent places", kAyanamsaTrueLahiri, false, false, 0.0},
    {"True Lahiri, no aberration", kAyanamsaTrueLahiri, false, true, 0.0},
    {"True Lahiri, corrected", kAyanamsaTrueLahiri, true, false, 0.25},
    {"Rohini-paksha, apparent places", kRohiniPaksha, false, false, 0.0},
    {"Pushya-paksha, apparent places", kPushyaPaksha, false, false, 0.0},
    {"Lahiri, apparent places", kAyanamsaTraditionalLahiri, false, false, 0.0},
    {"Kalomithra, apparent places", 1, false, false, 0.0},
};

constexpr int kKinds[] = {kYearTrueSiderealSolar, kYearMoonReturn, kYearTithi};

class YearQuantityReadingTest : public SearchTest {
protected:
    void Choose(const Setting& setting) {
        g_bTruePositions = setting.truePositions;
        g_bNoAberration = setting.noAberration;
        ChooseAyanamsa(setting.ayanamsa, setting.correction);
    }

    // `check` at moments (JD UT) 1013.7 days apart from 1900 to 2100, in every zodiac setting and for
    // every year kind, each setting chosen and its probe chart calculated.
    void ForEachSettingKindAndMoment(
        const std::function<void(const Setting&, CChartCore&, int, const YearQuantity&, double)>& check) {
        for (const Setting& setting : kSettings) {
            Choose(setting);
            CChartCore probe = CalculatedChartAt(2451545.0);
            for (const int kind : kKinds) {
                const YearQuantity quantity = QuantityOf(kind);
                for (double jd = 2415020.3; jd < 2488070.0; jd += 1013.7)
                    check(setting, probe, kind, quantity, jd);
            }
        }
    }

    // The quantity as the chart reads it: the library's sidereal positions with the chart's star
    // correction.
    static double ChartValue(CChartCore& probe, const YearQuantity& quantity, double jdUt) {
        double speed = 0.0;
        const CalcValue body = probe.CalcBodyAndSpeed(quantity.body, jdUt, speed);
        EXPECT_TRUE(body.ok()) << body.status.error;
        if (!quantity.moonMinusSun) return body.value;
        const CalcValue sun = probe.CalcBodyAndSpeed(kSun, jdUt, speed);
        EXPECT_TRUE(sun.ok()) << sun.status.error;
        return Reduce360(body.value - sun.value);
    }
};

double DegreesApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

} // namespace

// The value is the chart's own, to a millionth of an arcsecond, however the reading is made.
TEST_F(YearQuantityReadingTest, ValueIsTheChartsReading) {
    ForEachSettingKindAndMoment(
        [](const Setting& setting, CChartCore& probe, int kind, const YearQuantity& quantity, double jd) {
            SCOPED_TRACE(testing::Message() << setting.label << ", kind " << kind << ", JD " << jd);
            const std::optional<QuantityReading> reading = ReadYearQuantity(probe, quantity, jd);
            ASSERT_TRUE(reading);
            EXPECT_LT(DegreesApart(reading->value, ChartValue(probe, quantity, jd)) * 3600.0, 1e-6);
        });
}

// The speed lies within its stated error of the value's rate (central differences over 0.0002 days),
// through a year of moments and densely where the Sun passes the anchor star, whose light it bends.
TEST_F(YearQuantityReadingTest, SpeedStaysWithinItsError) {
    constexpr double kHalfStep = 0.0001; // days
    for (const Setting& setting : kSettings) {
        Choose(setting);
        CChartCore probe = CalculatedChartAt(2451545.0);
        for (const int kind : kKinds) {
            const YearQuantity quantity = QuantityOf(kind);
            const auto check = [&](double jd) {
                SCOPED_TRACE(testing::Message() << setting.label << ", kind " << kind << ", JD " << jd);
                const auto reading = ReadYearQuantity(probe, quantity, jd);
                const auto before = ReadYearQuantity(probe, quantity, jd - kHalfStep);
                const auto after = ReadYearQuantity(probe, quantity, jd + kHalfStep);
                ASSERT_TRUE(reading && before && after);
                const double rate = std::remainder(after->value - before->value, 360.0) / (2.0 * kHalfStep);
                EXPECT_LE(std::fabs(reading->speed - rate), reading->speedError);
                EXPECT_GT(reading->speedError, 0.0);
            };
            for (double jd = 2460310.5; jd < 2460676.5; jd += 3.7) check(jd);
            // The Sun passes Spica about 16 October, Aldebaran about 31 May, delta Cancri about 28 July
            // (2024).
            for (const double passing : {2460599.5, 2460462.5, 2460520.5}) {
                for (double jd = passing - 12.0; jd < passing + 12.0; jd += 0.213) check(jd);
            }
        }
    }
}

// A reading near another carries the star's part along: its value lies within its stated error of the
// value read in full, minutes to hours away, in every zodiac where the star is read; the default zodiac's
// readings are carriable.
TEST_F(YearQuantityReadingTest, CarriedValueStaysWithinItsError) {
    ForEachSettingKindAndMoment(
        [](const Setting& setting, CChartCore& probe, int kind, const YearQuantity& quantity, double jd) {
            const std::optional<QuantityReading> earlier = ReadYearQuantity(probe, quantity, jd);
            ASSERT_TRUE(earlier);
            if (&setting == &kSettings[0] && kind != kYearTithi) {
                EXPECT_TRUE(earlier->carriable);
            }
            if (!earlier->carriable) return;
            for (const double days : {-0.3, -0.01, 0.0007, 0.04, 0.3}) {
                SCOPED_TRACE(testing::Message() << setting.label << ", kind " << kind << ", JD " << jd
                                                << " carried " << days << " days");
                const auto near = ReadYearQuantityNear(probe, quantity, *earlier, jd, jd + days);
                const auto full = ReadYearQuantity(probe, quantity, jd + days);
                ASSERT_TRUE(near && full);
                EXPECT_LE(DegreesApart(near->value, full->value), near->valueError + 1e-9 / 3600.0);
            }
        });
}

// For the default zodiac (Spica's true place), the Sun's speed is known to 0.02" a day: a Newton step of
// a quarter of an hour lands within a hundredth of a second.
TEST_F(YearQuantityReadingTest, DefaultSunSpeedIsTight) {
    Choose(kSettings[0]);
    CChartCore probe = CalculatedChartAt(2451545.0);
    const auto reading = ReadYearQuantity(probe, QuantityOf(kYearTrueSiderealSolar), 2460599.5);
    ASSERT_TRUE(reading);
    EXPECT_LE(reading->speedError * 3600.0, 0.02);
}
