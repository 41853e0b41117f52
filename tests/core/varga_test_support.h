#pragma once
// Shared helpers of the varga tests: sign names and longitudes written the way an astrologer reads them.
#include "core/angle_time.h"

enum TestSign : int { Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi };

// Longitude of `degrees` (with minutes and seconds) into a sign, in degrees from 0 Aries.
constexpr double At(int sign, double degrees, double minutes = 0, double seconds = 0) {
    return 30.0 * sign + degrees + minutes / 60.0 + seconds / 3600.0;
}

// A body record at a longitude, split as the chart splits it.
inline CRasiLongitude Body(double longitude) {
    CRasiLongitude body;
    body.m_dLongitude = longitude;
    body.SplitLongitude();
    return body;
}
