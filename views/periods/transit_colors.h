#pragma once
// The colour settings the transit calendar and the dasa-transit correlation draw with, by their number
// in the colour table (the preference keys ColorTransitSearchView... and ColorDasaView...). Read at
// every drawing, so a changed colour shows at once.
#include "shell/color_settings.h"

enum TransitColor {
    kColorDasaBackground = 8,
    kColorDasaHeader = 9,
    kColorDasaOwner = 10,
    kColorDasaDate = 11,
    kColorTransitFrame = 106,
    kColorTransitLines = 107,
    kColorTransitBackGood = 108,
    kColorTransitBackBad = 109,
    kColorTransitVedha = 110,
    kColorTransitTextGood = 111,
    kColorTransitTextNeutral = 112,
    kColorTransitTextBad = 113,
    kColorTransitMoon = 114,
    kColorTransitSwarna = 115, // Rajata, Taamra and Loha follow
    kColorTransitDate = 119,
    kColorTransitPlanet = 120,
    kColorTransitTitle = 121,
    kColorTransitLegendText = 122,
    kColorTransitWait = 123,
};
