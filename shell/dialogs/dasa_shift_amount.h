#pragma once
// The shift of a dasa's dates as the shift dialog shows it: a choice of "No shift", "Add" or
// "Subtract" and the absolute amount in whole days, whole hours and minutes.
enum DasaShiftChoice : int { kNoDasaShift = 0, kAddDasaShift = 1, kSubtractDasaShift = 2 };

struct DasaShiftAmount {
    int choice = kNoDasaShift;
    int days = 0;
    int hours = 0;
    double minutes = 0; // below 60
};

// The dialog's fields for a dasa whose shift is `shifted` (flag) by `days` (negative: back). Minutes are
// rounded to a hundredth, carrying into hours and days, so that -1.5 days reads 1 day 12 hours 0 minutes.
DasaShiftAmount SplitDasaShift(bool shifted, double days);
// Days + (hours + minutes / 60) / 24, negative for "Subtract"; `shifted` is false for "No shift".
double JoinDasaShift(const DasaShiftAmount& amount, bool& shifted);
