#pragma once
// Angle arithmetic on longitudes (degrees, any real value unless stated) and small integer helpers.
#include "core/angle_time.h"

double AngleDiff(double a, double b);     // Reduce360(a - b): how far a lies ahead of b
double AngleSum(double a, double b);      // Reduce360(a + b)
double AngleDistance(double a, double b); // |a - b| folded into [0, 180]
// Reduce360(b + AngleDiff(a, b) / 2 + c): the forward midpoint from b to a, moved on by c.
double AngleMidpoint(double a, double b, double c);
// True when x lies on the forward arc from a to b (a included, b excluded).
bool IsAngleBetween(double x, double a, double b);
double Fabs(double a);

// x mod n, with n in place of 0 (1..n).
unsigned ModOneBased(unsigned x, unsigned n);
// The same on signed values: 1..n for x >= 0; a negative x gives a negative remainder.
int SignedModOneBased(int x, int n);

bool IsLeapYear(int year); // Gregorian rule
// Days in `month` (1-12) of `year` by the Gregorian rule (the date fields judge both calendars by it);
// 31 for a month outside 1-12.
int DaysInMonth(int month, int year);

// left <= x < right and top <= y < bottom.
bool PtInBox(int x, int y, int left, int top, int right, int bottom);

// Sign a moved by n (with `reverse`, by -n) in a zodiac of m signs. Modes: 0 a + n, 1 a - n,
// 2 a + n + 1, 3 a - n + 1, 4 a + n - 1, 5 a - n - 1; raised by m until not negative, then mod m.
int CountSigns(int a, int n, int m, int mode, bool reverse);
