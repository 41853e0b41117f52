#include "core/sign_rules.h"

#include "core/body_names.h"
#include "core/chart_core.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"

namespace {
constexpr int kUttaraAshadha = 20;
constexpr int kAbhijit = 21;
} // namespace

bool PlanetAspectsHouse(int p, int a, int b) {
    if (p == kKetu) return false;
    const int d = PositiveMod(b - a, 12); // 6 = the 7th sign
    if (d == 6) return true;
    switch (p) {
    case kMars:
        return d == 3 || d == 7;
    case kJupiter:
        return d == 4 || d == 8;
    case kSaturn:
        return d == 2 || d == 9;
    case kRahu:
        return d == 4 || d == 8 || d == 1;
    default:
        return false;
    }
}

bool IsLordOfSign(int p, int s) {
    return kPlainSignLords[s] == p || (p == kRahu && s == kAquarius) || (p == kKetu && s == kScorpio);
}

std::string CoLordChoiceText(int s) {
    if (s == kAquarius) return "Saturn and Rahu";
    if (s == kScorpio) return "Mars and Ketu";
    const char* const* names = ChosenPlanetNames();
    return names[kPlainSignLords[s]];
}

int ToNakshatra28(int nakshatra, int pada) {
    if (nakshatra > kUttaraAshadha) return nakshatra + 1;
    if (nakshatra == kUttaraAshadha && pada == 3) return kAbhijit;
    return nakshatra;
}
