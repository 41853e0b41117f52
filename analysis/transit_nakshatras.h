#pragma once
// The nakshatra side of transits: which special nakshatra (counted from a natal star) a transiting
// planet occupies or aspects, where its Latta (kick) falls, and on which limb of the nara chakra it
// stands (Anga graha). No Qt.
//
// Numbering: bodies 1 Sun .. 9 Ketu; stars of the 28-nakshatra scheme 0-27 (Abhijit 21) for the special
// nakshatras, aspects and Latta, of the 27-nakshatra scheme 0-26 for the Anga graha; counts are
// inclusive (1 = the star itself).
#include <span>

inline constexpr int kStars28 = 28;

// The special nakshatra 0-10 (the order of g_specialTaraNames: Janma, Karma ... Maanasa) that `star`
// is, counted from `reference`; -1 when it is none of them.
int SpecialNakshatraAt(int star, int reference);

// The counts from its own star at which planet 1-7 aspects stars; none for Rahu and Ketu.
std::span<const int> NakshatraAspectCounts(int planet);
// The star `count` stars on from `star`.
int StarCountedFrom(int star, int count);

// The star planet 1-9's Latta falls on when it transits `star` (Ketu's falls on its own star).
int LattaStar(int planet, int star);

// One limb of the nara chakra with what a transit over it brings.
struct AngaLimb {
    const char* limb;
    const char* result;
};
// The limb of planet 1-9 standing `distance` stars (0-26, 0 = the reference star) from a natal star.
AngaLimb AngaGrahaLimb(int planet, int distance);
