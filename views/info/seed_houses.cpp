#include "views/info/seed_houses.h"

#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/planet_tables.h"

namespace {
constexpr int kMandi = 31;
constexpr int kGulika = 32;
constexpr int kSookshmaTrisphuta = 36;

CRasiLongitude Split(double longitude) {
    CRasiLongitude split;
    split.m_dLongitude = longitude;
    split.SplitLongitude();
    return split;
}
} // namespace

double SeedLongitude(const CChart& chart, int seed) {
    const double moon = chart.m_bodies[kMoon].m_dLongitude;
    switch (seed) {
    case kSeedUtpanna:
        return Reduce360(moon + 4 * kNakshatraSpan);
    case kSeedKshema:
        return Reduce360(moon + 3 * kNakshatraSpan);
    case kSeedAadhaana:
        return Reduce360(moon + 7 * kNakshatraSpan);
    case kSeedLagna:
        return chart.m_bodies[kLagna].m_dLongitude;
    case kSeedMandi:
        return chart.m_bodies[kMandi].m_dLongitude;
    case kSeedGulika:
        return chart.m_bodies[kGulika].m_dLongitude;
    case kSeedTrisphuta:
        return chart.m_bodies[kSookshmaTrisphuta].m_dLongitude;
    case kSeedSun:
        return chart.m_bodies[kSun].m_dLongitude;
    default:
        return moon;
    }
}

SeedHouses ComputeSeedHouses(double seed, int mode) {
    SeedHouses houses;
    const int seedSign = static_cast<int>(seed / 30.0);
    const double padaMiddle = static_cast<int>(seed / kPadaSpan) * kPadaSpan + kPadaSpan / 2;
    for (int i = 0; i < 12; ++i) {
        double start = 0, middle = 0, end = 0;
        if (mode == kSeedPadaHouses) {
            middle = padaMiddle + 30.0 * i;
            start = middle - 15.0;
            end = middle + 15.0;
        } else {
            start = (seedSign + i) * 30.0;
            end = start + 30.0;
            middle = seed + 30.0 * i;
        }
        houses.start[i] = Split(start);
        houses.middle[i] = Split(middle);
        houses.end[i] = Split(end);
    }
    return houses;
}

int SeedHouses::FindSeedHouse(double longitude) const {
    for (int i = 0; i < 12; ++i) {
        const double span = Reduce360(end[i].m_dLongitude - start[i].m_dLongitude);
        if (Reduce360(longitude - start[i].m_dLongitude) < span) return i;
    }
    return 12;
}
