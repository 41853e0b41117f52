#pragma once
// The colour settings the chakras draw with, by their number in the colour table (the preference keys
// ColorKalachakraView..., ColorKotaView... and ColorSBCView...). Read at every drawing, so a changed
// colour shows at once.
#include "shell/color_settings.h"

enum ChakraColor {
    kColorKotaFrame = 66,
    kColorKotaPillar = 67,
    kColorKotaInner = 68,
    kColorKotaWall = 69,
    kColorKotaOuter = 70,
    kColorKotaAreaName = 71,
    kColorKotaStarName = 72,
    kColorKotaBeneficName = 73,
    kColorKotaMaleficName = 74,
    kColorKotaSwamiName = 75,
    kColorKotaPaalaName = 76,
    kColorSbcFrame = 77,
    kColorSbcCellBackground = 78,
    kColorSbcHighlightFrom = 79,
    kColorSbcHighlightTo = 80,
    kColorSbcSpecialPoint = 81,
    kColorSbcNakshatra = 82,
    kColorSbcRasi = 83,
    kColorSbcTithi = 84,
    kColorSbcVaara = 85,
    kColorSbcPlanet = 86,
    kColorSbcPlanetHighlight = 87,
    kColorSbcConsonant = 88,
    kColorSbcVowel = 89,
    kColorKalachakraFrame = 90,
    kColorKalachakraLine = 91,
    kColorKalachakraStarName = 92,
    kColorKalachakraDikpalaName = 93,
    kColorKalachakraBodyTypeTitle = 94,
    kColorKalachakraBodyName = 95,
    kColorPanchangaFrame = 96, // the panchanga page's background
    kColorPanchangaText = 97,
    kColorPanchangaWait = 98, // the waiting notice
};
