// The Dhana combinations per lagna sign, read by the Dhana tester and by the catalogue's definitions.
#include "analysis/yoga_catalogue.h"
#include "core/chart_core.h"

// Key planet: the 5th lord, in its own sign; the others in the 11th, its lord first. For Pisces the
// third planet is Mars, exalted in Capricorn (the 11th) and lord of the 9th; the Moon, the key planet
// in the 5th, cannot stand in the 11th as well.
const std::array<DhanaRow, 12> g_dhanaFifthAndEleventh = {{
    {kSun, {kSaturn, kMoon, kJupiter}},   // Aries
    {kMercury, {kJupiter, kMoon, kMars}}, // Taurus
    {kVenus, {kMars, 0, 0}},              // Gemini
    {kMars, {kVenus, 0, 0}},              // Cancer
    {kJupiter, {kMercury, 0, 0}},         // Leo
    {kSaturn, {kMoon, kSun, 0}},          // Virgo
    {kSaturn, {kSun, kMoon, 0}},          // Libra
    {kJupiter, {kMercury, 0, 0}},         // Scorpio
    {kMars, {kVenus, 0, 0}},              // Sagittarius
    {kVenus, {kMars, 0, 0}},              // Capricorn
    {kMercury, {kJupiter, kMoon, kMars}}, // Aquarius
    {kMoon, {kSaturn, kMars, kJupiter}},  // Pisces
}};

const std::array<DhanaRow, 12> g_dhanaInLagna = {{
    {kMars, {kMercury, kVenus, kSaturn}}, // Aries
    {kVenus, {kMercury, kSaturn, 0}},     // Taurus
    {kMercury, {kJupiter, kSaturn, 0}},   // Gemini
    {kMoon, {kMercury, kJupiter, 0}},     // Cancer
    {kSun, {kMars, kJupiter, 0}},         // Leo
    {kMercury, {kJupiter, kSaturn, 0}},   // Virgo
    {kVenus, {kMercury, kSaturn, 0}},     // Libra
    {kMars, {kMercury, kVenus, kSaturn}}, // Scorpio
    {kJupiter, {kMars, kMercury, 0}},     // Sagittarius
    {kSaturn, {kMars, kJupiter, 0}},      // Capricorn
    {kSaturn, {kMars, kJupiter, 0}},      // Aquarius
    {kJupiter, {kMars, kMercury, 0}},     // Pisces
}};
