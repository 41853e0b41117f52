// The 22 ayanamsas the user can choose. Sidereal modes are the Swiss Ephemeris' numbers
// (0 Fagan/Bradley, 1 Lahiri, 2 De Luce, 3 Raman, 4 Usha-Shashi, 5 Krishnamurti, 6 Djwhal Khul,
// 7 Yukteshwar, 8 JN Bhasin, 14 Aldebaran at 15 Taurus, 15 Hipparchos, 16 Sassanian, 17 galactic centre
// at 0 Sagittarius, 30 unused by the program's own-value ids; 512 = mode 0 on the solar-system plane).
#include "core/ayanamsa.h"

const AyanamsaTableRow g_ayanamsaTable[kAyanamsaCount] = {
    {0, 1, "Traditional Lahiri", 0, 1, nullptr, 0.0, false},
    {1, 6, "Kalomithra (Spica in the middle of Chitra always, fixed solar rotation plane)", 0, 512, "Spica",
     180.0, false},
    {2, 3, "Raman", 0, 3, nullptr, 0.0, false},
    {3, 9, "Deva-datta", 0, 1, nullptr, 0.0, false},
    {4, 4, "Krishnamoorthy (KP)", 0, 5, nullptr, 0.0, false},
    {5, 10, "Usha-Shashi", 0, 4, nullptr, 0.0, false},
    {6, 11, "Yukteshwar", 0, 7, nullptr, 0.0, false},
    {7, 12, "JN Bhasin", 0, 8, nullptr, 0.0, false},
    {8, 13, "Chandra Hari", 1, 1, "Shaula", 240.0, true},
    {9, 14, "Fagan", 0, 0, nullptr, 0.0, false},
    {10, 15, "Deluce", 0, 2, nullptr, 0.0, false},
    {11, 16, "Djwhal Khul", 0, 6, nullptr, 0.0, false},
    {12, 17, "Aldebaran at 15Ta0", 0, 14, nullptr, 0.0, false},
    {13, 18, "Galaxy center at 0Sg0", 0, 17, nullptr, 0.0, false},
    {14, 19, "Hipparchos", 0, 15, nullptr, 0.0, false},
    {15, 20, "Sassanian", 0, 16, nullptr, 0.0, false},
    {16, 21, "Tropical (sayana)", 1, 30, nullptr, 0.0, false},
    {17, 0, "True Lahiri/Chitrapaksha (Spica in the middle of Chitra always)", 0, 1, "Spica", 180.0, false},
    {18, 8, "Sri Surya Siddhanta", 1, kKeepSiderealMode, nullptr, 0.0, false},
    // The custom star and its longitude come from CustomStarCode and CustomStarLongitude, the mode
    // from FixedPlaneInCustomStarAyanamsa (512 or 1).
    {19, 5, "Fixed star based CUSTOM ayanamsa", 0, 1, nullptr, 0.0, false},
    {20, 7, "Rohini-paksha ayanamsa (Aldebaran in the middle of Rohini always)", 0, 1, "Aldebaran",
     46.666666666666664, false},
    {21, 2, "Pushya-paksha ayanamsa", 0, 1, ",deCnc", 106.0, false},
};
