#include "analysis/transit_nakshatras.h"

#include <algorithm>
#include <array>

#include "core/chart_core.h"
#include "core/sign_arithmetic.h"
#include "core/vocabulary_names.h"

namespace {

// Nakshatra aspects of Sun .. Saturn, counts from the planet's own star (classical nakshatra drishti).
constexpr int kSunMoonAspects[] = {14, 15};
constexpr int kMarsAspects[] = {1, 3, 7, 8, 15};
constexpr int kMercuryVenusAspects[] = {1, 15};
constexpr int kJupiterAspects[] = {10, 15, 19};
constexpr int kSaturnAspects[] = {3, 5, 15, 19};

// Latta of Sun .. Ketu: stars counted from the planet's own (inclusive) and the direction of the count.
struct Latta {
    int count;
    int direction; // +1 forward, -1 backward, 0 the planet's own star
};
constexpr std::array<Latta, 9> kLatta = {{
    {12, 1},
    {22, -1},
    {3, 1},
    {7, -1},
    {6, 1},
    {5, -1},
    {8, 1},
    {9, -1},
    {1, 0},
}};

// The nara chakra of each planet: runs of stars counted from the natal star, each on one limb.
struct AngaRun {
    int stars;
    AngaLimb limb;
};
constexpr AngaRun kSunRuns[] = {
    {1, {"Face", "Destruction"}},        {4, {"Head", "Influx of wealth"}},
    {4, {"Chest", "Success"}},           {4, {"Right hand", "Monetary benefits"}},
    {6, {"Two feet", "Loss of wealth"}}, {4, {"Left hand", "Physical ailments"}},
    {2, {"Two eyes", "Gain"}},           {2, {"Privities", "Danger to life"}},
};
constexpr AngaRun kMoonRuns[] = {
    {2, {"Face", "Great fear"}},        {4, {"Head", "Safety"}},
    {2, {"Back", "Defeat of enemies"}}, {2, {"Tow eyes", "Monetary gains"}},
    {5, {"Chest", "Calm of mind"}},     {3, {"Left hand", "Quarrel"}},
    {6, {"Two feet", "Going abroad"}},  {3, {"Right hand", "Financial gain"}},
};
constexpr AngaRun kMarsRuns[] = {
    {2, {"Face", "Death"}},
    {6, {"Two feet", "Quarrel"}},
    {3, {"Chest", "Success"}},
    {4, {"Left hand", "Poverty"}},
    {2, {"Head", "Gain"}},
    {4, {"Face", "Great fear"}},
    {4, {"Right hand", "Happiness"}},
    {2, {"Two eyes", "Going abroad"}},
};
constexpr AngaRun kBeneficRuns[] = {
    // Mercury, Jupiter, Venus
    {3, {"Head", "Grief"}},
    {3, {"Face", "Gains"}},
    {6, {"Two hands", "Untoward events"}},
    {5, {"Stomach", "Influx of wealth"}},
    {2, {"Privities", "Loss"}},
    {8, {"Two feet", "Honor and fame"}},
};
constexpr AngaRun kSlowRuns[] = {
    // Saturn, Rahu, Ketu
    {1, {"Face", "Sorrow"}},   {4, {"Right hand", "Happiness"}}, {3, {"Right leg", "Travel"}},
    {3, {"Left leg", "Loss"}}, {4, {"Left hand", "Profit"}},     {5, {"Stomach", "Sexual union"}},
    {3, {"Head", "Joy"}},      {2, {"Eyes", "Comforts"}},        {2, {"Back", "Danger to life"}},
};

std::span<const AngaRun> AngaRuns(int planet) {
    switch (planet) {
    case kSun:
        return kSunRuns;
    case kMoon:
        return kMoonRuns;
    case kMars:
        return kMarsRuns;
    case kMercury:
    case kJupiter:
    case kVenus:
        return kBeneficRuns;
    default:
        return kSlowRuns;
    }
}

} // namespace

int StarCountedFrom(int star, int count) {
    return PositiveMod(star + count - 1, kStars28);
}

int SpecialNakshatraAt(int star, int reference) {
    // The counts are distinct, so at most one matches; the last match would win.
    int found = -1;
    for (int k = 0; k < kSpecialTaraCount; ++k)
        if (StarCountedFrom(reference, g_specialTaraCounts[k]) == star) found = k;
    return found;
}

std::span<const int> NakshatraAspectCounts(int planet) {
    switch (planet) {
    case kSun:
    case kMoon:
        return kSunMoonAspects;
    case kMars:
        return kMarsAspects;
    case kMercury:
    case kVenus:
        return kMercuryVenusAspects;
    case kJupiter:
        return kJupiterAspects;
    case kSaturn:
        return kSaturnAspects;
    default:
        return {};
    }
}

int LattaStar(int planet, int star) {
    const Latta& latta = kLatta[static_cast<size_t>(std::clamp(planet, kSun, kKetu) - 1)];
    return PositiveMod((latta.count - 1) * latta.direction + star, kStars28);
}

AngaLimb AngaGrahaLimb(int planet, int distance) {
    const std::span<const AngaRun> runs = AngaRuns(planet);
    int counted = 0;
    for (const AngaRun& run : runs) {
        counted += run.stars;
        if (distance < counted) return run.limb;
    }
    return runs.back().limb;
}
