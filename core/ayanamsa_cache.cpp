#include "core/ayanamsa_cache.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include <swephexp.h>

#include "core/ephemeris_calls.h"
#include "core/ephemeris_flags.h"

namespace {

// Bumped by ForgetCachedAyanamsas; an entry made under an older generation answers nothing.
std::atomic<std::uint64_t> g_generation{1};

struct Key {
    std::uint64_t generation = 0; // 0: empty
    double jdUt = 0.0;
    std::int32_t flags = 0;
    int siderealMode = 0;
    std::string star;

    bool operator==(const Key&) const = default;
};

struct Entry {
    Key key;
    double value = 0.0;
};

thread_local Entry t_ayanamsa;
thread_local Entry t_star;

} // namespace

CalcValue LibraryAyanamsa(double jdUt, std::int32_t flags, int siderealMode) {
    const Key key{g_generation.load(std::memory_order_relaxed), jdUt, flags, siderealMode, {}};
    if (t_ayanamsa.key == key) return {t_ayanamsa.value, {}};
    double ayanamsa = 0.0;
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kAyanamsa);
    if (swe_get_ayanamsa_ex_ut(jdUt, flags, &ayanamsa, error) < 0) return CalcValue::Failure(error);
    t_ayanamsa = {key, ayanamsa};
    return {ayanamsa, {}};
}

CalcValue LibraryStarLongitude(const std::string& star, double jdUt, std::int32_t flags) {
    const bool remember = (flags & kFlagTopocentric) == 0;
    // The speed bit changes no position: a search step and a chart moment share the entry.
    const Key key{g_generation.load(std::memory_order_relaxed), jdUt, flags & ~kFlagSpeed, 0, star};
    if (remember && t_star.key == key) return {t_star.value, {}};
    // The library writes the star's full name back into the buffer it is given.
    std::vector<char> name(star.begin(), star.end());
    name.resize(std::max<std::size_t>(name.size() + 1, 2 * SE_MAX_STNAME + 1), '\0');
    double position[6] = {};
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kStar);
    if (swe_fixstar2(name.data(), jdUt + swe_deltat(jdUt), flags, position, error) < 0) {
        return CalcValue::Failure(error);
    }
    if (remember) t_star = {key, position[0]};
    return {position[0], {}};
}

void ForgetCachedAyanamsas() {
    g_generation.fetch_add(1, std::memory_order_relaxed);
}
