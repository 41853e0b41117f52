#include <gtest/gtest.h>

#include "core/fixed_star_names.h"

namespace {

struct Case {
    const char* name;
    const char* nomenclature;
    const char* expected;
};

const Case kCases[] = {
    {"Aldebaran", "alTau", "Alpha Tauri (Aldebaran)"},
    {"", "alCen", "Alpha Centauri"},
    {"", "al-2Lib", "Alpha2 Librae"},
    {"", "omiCet", "Omicron Ceti"},
    {"", "omeCen", "Omega Centauri"},
    {"", "rhPup", "Rho Puppis"},
    {"", "roPer", "Rho Persei"},
    {"", "61Cyg", "61 Cygni"},
    {"", "deCnc", "Delta Cancri"},
    {"", "alCMa", "Alpha Canis Majoris"},
    {"", "beLep", "Beta Lepi"},
    // Flamsteed numbers of any length, Latin Bayer letters and components of multiple stars.
    {"", "7Psc", "7 Piscium"},
    {"", "123Tau", "123 Tauri"},
    {"", "pVel", "p Velorum"},
    {"", "61CygA", "61 Cygni A"},
    {"", "zePscA", "Zeta Piscium A"},
    // Nomenclatures that are no designation of a known constellation stay as they are.
    {"Galactic Center", "SgrA*", "SgrA* (Galactic Center)"},
    {"Andromeda Galaxy", "M31", "M31 (Andromeda Galaxy)"},
    {"", "Trappist-1", "Trappist-1"},
    {"", "alXyz", "alXyz"},
    {"", "80Uma", "80Uma"}, // constellation abbreviations are compared exactly
    {"", "V645 Cen", "V645 Cen"},
};

TEST(FixedStarNames, FormatsDesignations) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.nomenclature);
        EXPECT_EQ(FormatFixedStarName(c.name, c.nomenclature), c.expected);
    }
}

} // namespace
