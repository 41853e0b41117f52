// The dasa shift as the shift dialog shows it and stores it.
#include "shell/dialogs/dasa_shift_amount.h"

#include <gtest/gtest.h>

namespace {

TEST(DasaShiftAmount, SplitsIntoChoiceDaysHoursMinutes) {
    struct Case {
        bool shifted;
        double days;
        DasaShiftAmount expected;
    };
    const Case cases[] = {
        {true, -1.5, {kSubtractDasaShift, 1, 12, 0}}, // shown on the page as 1 days 12 hrs (back)
        {true, 2.0 + (3 + 30.0 / 60) / 24, {kAddDasaShift, 2, 3, 30}},
        {true, 0.25 - 1e-12, {kAddDasaShift, 0, 6, 0}}, // a hair below 6 hours is 6 hours, not 5 h 60 min
        {false, -3.0, {kNoDasaShift, 3, 0, 0}},         // the stored amount is still offered
        {true, 0.0, {kAddDasaShift, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        const DasaShiftAmount a = SplitDasaShift(c.shifted, c.days);
        EXPECT_EQ(a.choice, c.expected.choice);
        EXPECT_EQ(a.days, c.expected.days);
        EXPECT_EQ(a.hours, c.expected.hours);
        EXPECT_NEAR(a.minutes, c.expected.minutes, 1e-9);
    }
}

TEST(DasaShiftAmount, JoinsBackWithTheSignOfTheChoice) {
    bool shifted = false;
    EXPECT_DOUBLE_EQ(JoinDasaShift({kSubtractDasaShift, 1, 12, 0}, shifted), -1.5);
    EXPECT_TRUE(shifted);
    EXPECT_DOUBLE_EQ(JoinDasaShift({kAddDasaShift, 0, 1, 30}, shifted), 1.5 / 24);
    EXPECT_TRUE(shifted);
    JoinDasaShift({kNoDasaShift, 4, 0, 0}, shifted);
    EXPECT_FALSE(shifted);
    // What the dialog shows is what it stores again.
    const double days = -(10 + (7 + 45.5 / 60) / 24);
    EXPECT_NEAR(JoinDasaShift(SplitDasaShift(true, days), shifted), days, 1e-9);
}

} // namespace
