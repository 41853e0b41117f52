#pragma once
// What the searches know of the bodies' motion: how fast each may go, how long it may take to come back,
// and the steps a sign search walks. Degrees a day, days; bodies 0-12 (chart_core.h).
#include "core/chart_core.h"

// Least daily motion in longitude of the bodies that never turn retrograde, degrees per day, rounded
// down (the library's geocentric extremes over 1900-2100): the Sun and the Moon. Every other body may
// stand still or go back; its entry is minus its top speed.
inline constexpr double kLeastSpeed[kEphemerisBodyCount] = {0.0,   0.95,  11.7,  -0.8,   -2.21,  -0.25, -1.26,
                                                            -0.14, -0.26, -0.26, -0.065, -0.043, -0.041};

// Longest time a body can take to come back to a longitude, days, with a margin: its period lengthened
// by retrograde loops (the lagna: a sidereal day). A search gives up after this span.
inline constexpr double kRecurrenceDays[kEphemerisBodyCount] = {
    3.0, 400.0, 35.0, 1000.0, 500.0, 5000.0, 600.0, 12000.0, 8000.0, 8000.0, 33000.0, 64000.0, 100000.0};

// Shortest spell of a planet Mercury to Saturn going the other way than `forward` (true: direct), days:
// a planet moving one way at both ends of a shorter span moves that way through it. 0 for other bodies.
double ShortestTurnDays(int body, bool forward);

// Greatest daily motion of a body (degrees per day) under the nodes chosen by TrueNodes.
double TopSpeed(int body);

// True when the speed tables bound the positions: geocentric positions of the library. The topocentric
// Moon swings with the observer's turn, refraction lifts a body near the horizon, and the traditional
// model moves by its own rules.
bool SpeedTablesHold();

// The walking step of a division search, days: at most kSignStepDegrees of the body's motion, scaled to
// the division of `width` degrees.
double WalkingStepDays(int body, double width);
