#include "core/angle_math.h"

#include <cmath>

double AngleDiff(double a, double b) {
    return Reduce360(a - b);
}

double AngleSum(double a, double b) {
    return Reduce360(a + b);
}

double AngleDistance(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

double AngleMidpoint(double a, double b, double c) {
    return Reduce360(b + AngleDiff(a, b) / 2.0 + c);
}

bool IsAngleBetween(double x, double a, double b) {
    return Reduce360(x - a) < Reduce360(b - a);
}

double Fabs(double a) {
    return std::fabs(a);
}

unsigned ModOneBased(unsigned x, unsigned n) {
    const unsigned r = x % n;
    return r == 0 ? n : r;
}

int SignedModOneBased(int x, int n) {
    const int r = x % n;
    return r == 0 ? n : r;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool PtInBox(int x, int y, int left, int top, int right, int bottom) {
    return left <= x && x < right && top <= y && y < bottom;
}

int CountSigns(int a, int n, int m, int mode, bool reverse) {
    if (reverse) n = -n;
    int result = a;
    switch (mode) {
    case 0:
        result = a + n;
        break;
    case 1:
        result = a - n;
        break;
    case 2:
        result = a + n + 1;
        break;
    case 3:
        result = a - n + 1;
        break;
    case 4:
        result = a + n - 1;
        break;
    case 5:
        result = a - n - 1;
        break;
    default:
        break;
    }
    while (result < 0) result += m;
    return result % m;
}
