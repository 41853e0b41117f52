// The splitter of every degree text: the whole angle rounded to the printed field first.
#include "core/printed_angle.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

// Texts round the whole angle to their last field before splitting it: 29 59' 45" to the minute is
// 30 00', never 29 60'; a longitude carries on into the next sign, and past Pisces into Aries.
TEST(PrintedDms, TheWholeAngleIsRoundedBeforeItIsSplit) {
    struct Case {
        double value; // degrees
        DmsField field;
        bool longitude; // SplitPrintedLongitude, else SplitPrintedAngle
        bool negative;
        int sign, degrees, minutes;
        double seconds;
    };
    constexpr double kMinute = 1.0 / 60, kSecond = 1.0 / 3600;
    const Case kCases[] = {
        {29 + 59 * kMinute + 45 * kSecond, DmsField::kMinutes, false, false, 0, 30, 0, 0.0},
        {29 + 59 * kMinute + 29.9 * kSecond, DmsField::kMinutes, false, false, 0, 29, 59, 0.0},
        {-(13 + 4 * kMinute + 59.6 * kSecond), DmsField::kSeconds, false, true, 0, 13, 5, 0.0},
        {5.5, DmsField::kSeconds, false, false, 0, 5, 30, 0.0},
        {23 + 59 * kMinute + 59.996 * kSecond, DmsField::kHundredths, false, false, 0, 24, 0, 0.0},
        {23 + 59 * kMinute + 59.994 * kSecond, DmsField::kHundredths, false, false, 0, 23, 59, 59.99},
        {270 - 15 * kSecond, DmsField::kMinutes, true, false, 9, 0, 0, 0.0},
        {270 - 15 * kSecond, DmsField::kSeconds, true, false, 8, 29, 59, 45.0},
        {360 - 0.004 * kSecond, DmsField::kHundredths, true, false, 0, 0, 0, 0.0},
        {-30.0 + 12.34 * kSecond, DmsField::kHundredths, true, false, 11, 0, 0, 12.34},
        {725.0, DmsField::kMinutes, true, false, 0, 5, 0, 0.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.value << " field " << static_cast<int>(c.field));
        const PrintedDms v =
            c.longitude ? SplitPrintedLongitude(c.value, c.field) : SplitPrintedAngle(c.value, c.field);
        EXPECT_EQ(v.negative, c.negative);
        EXPECT_EQ(v.sign, c.sign);
        EXPECT_EQ(v.degrees, c.degrees);
        EXPECT_EQ(v.minutes, c.minutes);
        EXPECT_NEAR(v.seconds, c.seconds, 1e-9);
    }
    const PrintedDms none = SplitPrintedLongitude(NAN, DmsField::kSeconds);
    EXPECT_EQ(none.degrees, 0);
}

} // namespace
