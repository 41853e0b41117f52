#pragma once
// The last few chart moments whose 13 bodies CChartCore::CalcPlanets calculated, and the last few single
// bodies CChartCore::CalcPlanet calculated alone. A record cast again for a moment and place already
// calculated under the same position options (a varga child at its parent's moment, the Sun at the
// birth day's sunrise while the birth time steps within one day) takes the positions back instead of
// asking the library again. Each thread keeps its own, as the library keeps its own state per thread.
#include <optional>
#include <string>

#include "core/chart_core.h"

// Everything besides the moment and the place that the positions of CChartCore::CalcBody depend on: the
// ayanamsa settings, the library flags, the node, house, model and calendar options, the custom star
// and the state of the ephemeris files (ForgetCachedAyanamsas). A new option that CalcBody reads
// belongs here.
struct PositionOptions {
    int ayanamsaId = 0;
    int ownValue = 0;
    int siderealMode = 0;
    double correction = 0.0;
    std::int32_t flags = 0;
    bool topocentric = false;
    bool trueNodes = false;
    bool refraction = false;
    int houseType = 0;
    int siddhanta = 0;
    int calendar = 0;
    std::string customStar;
    double customStarLongitude = 0.0;
    std::uint64_t ephemerisGeneration = 0;

    bool operator==(const PositionOptions&) const = default;
};
PositionOptions CurrentPositionOptions();

// The moment of a record, UT Julian day, with its place and the options in force.
struct MomentKey {
    double jdUt = 0.0;
    double longitude = 0.0; // degrees, positive west
    double latitude = 0.0;
    double altitude = 0.0;    // metres
    double pressure = 0.0;    // mbar
    double temperature = 0.0; // degrees C
    PositionOptions options;

    bool operator==(const MomentKey&) const = default;
};
MomentKey KeyOfMoment(const CChartCore& record, double jdUt);

// A record calculated for the key, or nullptr.
const CChartCore* RememberedMoment(const MomentKey& key);
void RememberMoment(const MomentKey& key, const CChartCore& calculated);
// Body 0-12 of a record calculated for the key, whole (RememberMoment) or that body alone
// (RememberBody), or nullptr.
const CRasiLongitude* RememberedBody(const MomentKey& key, int body);
void RememberBody(const MomentKey& key, int body, const CRasiLongitude& calculated);
