#include "shell/dialogs/dasa_shift_amount.h"

#include <cmath>

DasaShiftAmount SplitDasaShift(bool shifted, double days) {
    DasaShiftAmount amount;
    amount.choice = !shifted ? kNoDasaShift : days < 0 ? kSubtractDasaShift : kAddDasaShift;
    // In hundredths of a minute, so that a shift stored from the same fields reads back unchanged.
    const long long hundredths = std::llround(std::fabs(days) * 24.0 * 60.0 * 100.0);
    constexpr long long kPerHour = 60 * 100, kPerDay = 24 * kPerHour;
    amount.days = static_cast<int>(hundredths / kPerDay);
    amount.hours = static_cast<int>(hundredths % kPerDay / kPerHour);
    amount.minutes = static_cast<double>(hundredths % kPerHour) / 100.0;
    return amount;
}

double JoinDasaShift(const DasaShiftAmount& amount, bool& shifted) {
    shifted = amount.choice != kNoDasaShift;
    const double days = amount.days + (amount.hours + amount.minutes / 60.0) / 24.0;
    return amount.choice == kSubtractDasaShift ? -days : days;
}
