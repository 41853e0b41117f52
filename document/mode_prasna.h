#pragma once
// Prasna (horary) charts: the natal moment and place with a "Prasna Lagna" chosen by a number in one
// of three numberings of the zodiac. The point is extra body 102 of the work chart; the chart pipeline
// takes the lagna from it when the form's sub-mode asks for that (CTavroDoc::CalcPrasna108 and kin).
// Longitudes are sidereal degrees in [0, 360).
#include <array>

inline constexpr int kPrasna108Count = 108;
inline constexpr int kPrasna249Count = 249;
inline constexpr int kNadiPrasnaCount = 1800; // 150 nadis in each of the 12 signs

// Number n (0-107): the middle of the (n mod 9)-th navamsa of sign n / 9.
double Prasna108Longitude(int n);
// Number n (0-248): the start of the n-th of the 249 unequal parts (Prasna249Boundaries).
double Prasna249Longitude(int n);
// Number n (0-1799): the middle of nadi n mod 150 of sign n / 150; the Chandra Kala nadis of unequal
// length with D150Preference set (any value but 0), else equal nadis of 0.2 degrees.
double NadiPrasnaLongitude(int n);

// The 250 boundaries of the 249 parts, in ninths of a degree (3240 = 360 degrees): each nakshatra is
// cut into nine parts as long as the Vimsottari years of the lords from its own lord on (120 years =
// one nakshatra), and a part that crosses a sign boundary is cut there too.
const std::array<int, kPrasna249Count + 1>& Prasna249Boundaries();
