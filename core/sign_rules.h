#pragma once
// Sign rules that the whole program asks of two signs or a planet and a sign. Signs 0 Aries .. 11
// Pisces; planets 1 Sun .. 9 Ketu; movable signs are a mod 3 = 0, fixed 1, dual 2.
#include <string>

#include "core/sign_arithmetic.h"

// Rasi drishti: a = b; a movable sign aspects the fixed signs but the one right after it; a fixed sign
// the movable signs but the one right before it; a dual sign the other dual signs. Symmetric.
// Inline: the sign-strength comparisons ask it thousands of times per chart.
inline bool SignsAspect(int a, int b) {
    if (a == b) return true;
    const int natureA = a % 3;
    const int natureB = b % 3;
    if (natureA == 0 && natureB == 1) return b != SignFrom(a, 1);
    if (natureA == 1 && natureB == 0) return b != SignFrom(a, -1);
    return natureA == 2 && natureB == 2;
}
// Graha drishti of planet p standing in sign a on sign b: every planet but Ketu the 7th; Mars also the
// 4th and 8th, Jupiter the 5th and 9th, Saturn the 3rd and 10th, Rahu the 5th, 9th and 2nd.
bool PlanetAspectsHouse(int p, int a, int b);
// p is the plain lord of s, or Rahu and s Aquarius, or Ketu and s Scorpio.
bool IsLordOfSign(int p, int s);
// "Saturn and Rahu" for Aquarius, "Mars and Ketu" for Scorpio, else the lord's name in the current
// body-name table.
std::string CoLordChoiceText(int s);
// Nakshatra 0-26 and pada 0-3 -> the 28-fold scheme with Abhijit (21) after Uttara Ashadha's 3rd pada.
int ToNakshatra28(int nakshatra, int pada);
