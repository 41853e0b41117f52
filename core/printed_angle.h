#pragma once
// Angles split for a text: the whole value is rounded to the printed field first (halves away from
// zero), so no field ever shows 60 (29 deg 59' 45" printed to the minute is 30 deg 00'). Every text
// that writes degrees, minutes and seconds (or hours, minutes and seconds) splits through here.

// The last field an angle is printed to: whole minutes, whole seconds or hundredths of a second.
enum class DmsField { kMinutes, kSeconds, kHundredths };

// How the last field takes what lies below it: to the nearest step (halves away from zero), cut off,
// or raised to the next step when anything at all lies below it.
enum class FieldRounding { kNearest, kCut, kUp };

struct PrintedDms {
    bool negative = false; // the value was below zero
    int sign = 0;          // 0 Aries .. 11 Pisces; SplitPrintedLongitude only
    int degrees = 0;       // whole degrees (or hours) of the magnitude; within the sign for a longitude
    int minutes = 0;       // 0-59
    double seconds = 0.0;  // 0 to below 60, a whole number of the field's steps (0 for kMinutes)
};

// A signed angle in degrees, or a time in hours. A value that is not finite, or whose whole units do
// not fit an int, prints as zero.
PrintedDms SplitPrintedAngle(double value, DmsField field);
// A longitude in degrees (any turn) as sign and degrees in the sign: rounded, then reduced into
// [0, 360), so 29 deg 59' 45" of Pisces printed to the minute is 0 deg 00' of Aries.
PrintedDms SplitPrintedLongitude(double longitude, DmsField field);
// An angle or time already split into whole units, minutes and seconds (as the value classes keep
// them), joined exactly, rounded as a whole to the field and split again. Seconds that are not finite,
// or a whole that does not fit an int, print as zero.
PrintedDms SplitPrintedFields(int whole, int minutes, double seconds, DmsField field,
                              FieldRounding rounding = FieldRounding::kNearest);
