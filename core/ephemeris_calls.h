#pragma once
// Counts of the program's calls into the ephemeris library, by kind. A chart's cost is mostly these
// calls, so the benchmarks report them per chart. Each count is a relaxed atomic increment: cheap
// beside the call it counts, and right from any thread.
#include <cstdint>

enum class EphemerisCall {
    kBody,        // a planet or node (swe_calc)
    kHouses,      // house cusps and angles (swe_houses_ex2)
    kStar,        // a fixed star (swe_fixstar2)
    kAyanamsa,    // the library's ayanamsa (swe_get_ayanamsa_ex_ut)
    kRiseTransit, // a rise, set or meridian transit (swe_rise_trans)
};

struct EphemerisCallCounts {
    std::int64_t bodies = 0;
    std::int64_t houses = 0;
    std::int64_t stars = 0;
    std::int64_t ayanamsas = 0;
    std::int64_t riseTransits = 0;

    std::int64_t Total() const { return bodies + houses + stars + ayanamsas + riseTransits; }
};

void CountEphemerisCall(EphemerisCall call);
EphemerisCallCounts EphemerisCallsSoFar(); // since the process started
