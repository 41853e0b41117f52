#include "core/sign_rules.h"

#include "core/body_names.h"
#include "core/planet_tables.h"

namespace {
constexpr int kUttaraAshadha = 20;
constexpr int kAbhijit = 21;
} // namespace

bool SignsAspect(int a, int b) {
    if (a == b) return true;
    const int natureA = a % 3;
    const int natureB = b % 3;
    if (natureA == 0 && natureB == 1) return b != (a + 1) % 12;
    if (natureA == 1 && natureB == 0) return b != (a + 11) % 12;
    return natureA == 2 && natureB == 2;
}

bool PlanetAspectsHouse(int p, int a, int b) {
    if (p == 9) return false;
    const int d = (b - a + 12) % 12; // 6 = the 7th sign
    if (d == 6) return true;
    switch (p) {
    case 3:
        return d == 3 || d == 7;
    case 5:
        return d == 4 || d == 8;
    case 7:
        return d == 2 || d == 9;
    case 8:
        return d == 4 || d == 8 || d == 1;
    default:
        return false;
    }
}

bool IsLordOfSign(int p, int s) {
    return kPlainSignLords[s] == p || (p == 8 && s == kAquarius) || (p == 9 && s == kScorpio);
}

std::string CoLordChoiceText(int s) {
    if (s == kAquarius) return "Saturn and Rahu";
    if (s == kScorpio) return "Mars and Ketu";
    const char* const* names = g_pszPlanetNames ? g_pszPlanetNames : g_planetNames;
    return names[kPlainSignLords[s]];
}

int ToNakshatra28(int nakshatra, int pada) {
    if (nakshatra > kUttaraAshadha) return nakshatra + 1;
    if (nakshatra == kUttaraAshadha && pada == 3) return kAbhijit;
    return nakshatra;
}
