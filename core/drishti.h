#pragma once
// Strength and kind of a planet's aspect (drishti) on a point. Longitudes in degrees (any real value);
// x is the aspected point, y the aspecting planet's longitude; planets 1 Sun .. 9 Ketu; orbs in degrees.
#include <string>

// Aspect strength 0-100 of planet p on x (60 virupas = 100), with the special aspects of Mars, Jupiter
// and Saturn added (AspectEvalAsPerParasara off) or in Parasara's graded form (on).
double DrishtiStrength(double x, double y, int p);

// Kind of aspect within an orb: `text` becomes "Full", "3/4", "1/2", "1/4" or "None"; the result is the
// deviation (degrees) from the aspect found, or the angle itself when none is found. Rahu's aspects
// count backwards; Ketu aspects nothing.
double AspectFractionText(double x, double y, int p, double orb, std::string& text);

// Deviation (degrees) from the nearest full aspect of Jupiter's kind (conjunction, 5th, 7th, 9th) within
// the orb, or 360 when none. Rahu and Ketu count backwards.
double SpecialAspectJupiter(double x, double y, int p, double orb);
// The same with the aspects of Mars and Saturn's kind (conjunction, 4th, 7th, 10th: 90, 180, 270).
double SpecialAspectMarsSaturn(double x, double y, int p, double orb);
