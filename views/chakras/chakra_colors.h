#pragma once
// The colour settings the chakras draw with, by their number in the colour table (the preference keys
// ColorKalachakraView... and ColorKotaView...). Read at every drawing, so a changed colour shows at once.
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
    kColorKalachakraFrame = 90,
    kColorKalachakraLine = 91,
    kColorKalachakraStarName = 92,
    kColorKalachakraDikpalaName = 93,
    kColorKalachakraBodyTypeTitle = 94,
    kColorKalachakraBodyName = 95,
};
