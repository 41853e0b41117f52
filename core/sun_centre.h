#pragma once
// The Sun's motion on its Keplerian orbit, enough to guess when it has run some way: its equation of
// centre (true longitude less mean, degrees) and the moment it has run a number of degrees from another.
// Julian days UT (the orbit turns so slowly that UT serves for TT).

// Degrees (Meeus, Astronomical Algorithms, ch. 25).
double SunEquationOfCentre(double jd);

// The moment the Sun has run `degrees` (any number, negative: back) from where it stood at `jd`, where
// a turn of its mean longitude takes `meanYearDays`: a guess within the pull of the Moon and the planets.
double SunHasRun(double jd, double degrees, double meanYearDays);
