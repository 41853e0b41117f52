#pragma once
// Progressions: the natal chart moved on to a target date by one of six rules. Arcs and longitudes
// are degrees (sidereal); rates degrees per year.
#include <string>

inline constexpr int kProgressionSeedChoices = 18;
inline constexpr int kProgressionColumnCount = 16; // varga columns 0-15 (D-1 .. D-27) progress by degrees

// The Sun's true arc since birth (degrees, whole circles counted): the Sun's motion from the natal
// moment to the target, with the circles the mean motion over the elapsed days calls for.
// `yearsApart` = target year - birth year; `elapsedDays` = target JD - natal JD (UT).
double SolarArc(int yearsApart, double elapsedDays, double natalSun, double targetSun);

// Degrees a year of the progression by degrees for varga column 0-15: 30 / the column's division.
double ProgressionRate(int column);
// "Progressed (%d deg)" for a whole number of degrees, else "Progressed (%d:%02d deg)".
std::string ProgressionByDegreesTitle(double rate);
// Sudarsana progression angle of an arc: one sign a year, a cycle of 12 years (4320 degrees of arc).
double SudarsanaAngle(double arc);
// Bhrigu period of body 1-7: years per full circle.
int BhriguPeriodYears(int body);

// Seed body and seed code of a seed choice 0-17 of the nakshatra-dasa and Yogini methods.
int ProgressionSeedBody(int choice);
int ProgressionSeedCode(int choice);
// Body k (0-17) of the Kalachakra method.
int KalachakraProgressionBody(int k);
