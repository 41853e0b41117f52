#include "core/ayanamsa_cache.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include <swephexp.h>

#include "core/angle_time.h"
#include "core/damaged_ephemeris_files.h"
#include "core/ephemeris_calls.h"
#include "core/ephemeris_flags.h"
#include "core/julian_day.h"
#include "core/star_catalogue_copy.h"
#include "core/star_catalogue_line.h"

namespace {

// Bumped by ForgetCachedAyanamsas; an entry made under an older generation answers nothing.
std::atomic<std::uint64_t> g_generation{1};

// What a value depends on besides the moment.
struct Key {
    std::uint64_t generation = 0; // 0: empty
    std::int32_t flags = 0;
    int siderealMode = 0;
    std::string star;

    bool operator==(const Key&) const = default;
};

struct Entry {
    Key key;
    double jdUt = 0.0;
    double value = 0.0; // degrees
};

// The last two exact values of one kind, the newer first.
class RememberedValues {
public:
    // `longitudes`: the values are longitudes in [0, 360), which may wrap between two moments.
    explicit RememberedValues(bool longitudes) : m_longitudes(longitudes) {}

    template <class Ask> CalcValue Get(const Key& key, double jdUt, AyanamsaUse use, bool remember, Ask ask) {
        if (!remember) return ask();
        for (const Entry& entry : m_entries) {
            if (entry.key == key && entry.jdUt == jdUt) return {entry.value, {}};
        }
        if (use == AyanamsaUse::kSearchStep) {
            if (const auto between = Interpolated(key, jdUt)) return {*between, {}};
        }
        const CalcValue value = ask();
        if (value.ok()) {
            m_entries[1] = std::move(m_entries[0]);
            m_entries[0] = {key, jdUt, value.value};
        }
        return value;
    }

private:
    std::optional<double> Interpolated(const Key& key, double jdUt) const {
        const Entry& a = m_entries[0];
        const Entry& b = m_entries[1];
        if (!(a.key == key) || !(b.key == key)) return std::nullopt;
        if (std::fabs(a.jdUt - b.jdUt) > kAyanamsaInterpolationSpan) return std::nullopt;
        if (jdUt <= std::min(a.jdUt, b.jdUt) || jdUt >= std::max(a.jdUt, b.jdUt)) return std::nullopt;
        const double fraction = (jdUt - a.jdUt) / (b.jdUt - a.jdUt);
        if (!m_longitudes) return a.value + (b.value - a.value) * fraction;
        // The line runs the short way round.
        return Reduce360(a.value + (Reduce360(b.value - a.value + 180.0) - 180.0) * fraction);
    }

    bool m_longitudes;
    Entry m_entries[2];
};

thread_local RememberedValues t_ayanamsas(false);
thread_local RememberedValues t_stars(true);

} // namespace

std::uint64_t CachedAyanamsaGeneration() {
    return g_generation.load(std::memory_order_relaxed);
}

CalcValue LibraryAyanamsa(double jdUt, std::int32_t flags, int siderealMode, AyanamsaUse use) {
    return t_ayanamsas.Get({CachedAyanamsaGeneration(), flags, siderealMode, {}}, jdUt, use, true,
                           [&]() -> CalcValue {
                               double ayanamsa = 0.0;
                               char error[AS_MAXCH] = "";
                               CountEphemerisCall(EphemerisCall::kAyanamsa);
                               if (swe_get_ayanamsa_ex_ut(jdUt, flags, &ayanamsa, error) < 0)
                                   return CalcValue::Failure(error);
                               return {ayanamsa, {}};
                           });
}

CalcStatus LibraryStarPlace(const std::string& star, double jdUt, std::int32_t flags, StarPlace& place) {
    return LibraryStarPlace(star, EphemerisMoment(jdUt), flags, place);
}

CalcStatus LibraryStarPlace(const std::string& star, const EphemerisMoment& moment, std::int32_t flags,
                            StarPlace& place) {
    if (const std::string& refusal = StarCatalogueRefusal(); !refusal.empty())
        return CalcStatus::Failure(refusal);
    // The library computes a star three times over for its speed, which changes no bit of the position
    // (checked over 20,000 moments, 1585-2317): the speed is never asked for.
    const std::int32_t positionFlags = flags & ~kFlagSpeed;
    // The library writes the star's full name back into the buffer it is given: one of the size it asks
    // for on the stack (a star is read at every step of a search), a longer star code's on the heap.
    std::array<char, 2 * SE_MAX_STNAME + 1> nameOnStack;
    std::vector<char> longName;
    char* name = nameOnStack.data();
    if (star.size() >= nameOnStack.size()) {
        longName.resize(star.size() + 1);
        name = longName.data();
    }
    std::copy(star.begin(), star.end(), name);
    name[star.size()] = '\0';
    double position[6] = {};
    char error[AS_MAXCH] = "";
    CountEphemerisCall(EphemerisCall::kStar);
    if (swe_fixstar2(name, moment.jdEt, positionFlags, position, error) < 0)
        return CalcStatus::Failure(NamingTheDamagedFile(error));
    if (!IsTheStarAsked(star, name)) {
        return CalcStatus::Failure("The Swiss Ephemeris finds no star \"" + star + "\": it would take \"" +
                                   std::string(name) + "\" for it.");
    }
    // A catalogue line with a number out of all measure gives a position that is not a number, with
    // success flags: no place at all.
    if (!std::isfinite(position[0]) || !std::isfinite(position[1]))
        return CalcStatus::Failure("The Swiss Ephemeris gives no place for the star \"" + star + "\".");
    place = {position[0], position[1]};
    return {};
}

CalcValue LibraryStarLongitude(const std::string& star, double jdUt, std::int32_t flags, AyanamsaUse use) {
    const bool remember = (flags & kFlagTopocentric) == 0;
    const Key key{CachedAyanamsaGeneration(), flags & ~kFlagSpeed, 0, star};
    return t_stars.Get(key, jdUt, use, remember, [&]() -> CalcValue {
        StarPlace place;
        CalcStatus status = LibraryStarPlace(star, jdUt, flags, place);
        return {place.longitude, std::move(status)};
    });
}

void ForgetCachedAyanamsas() {
    g_generation.fetch_add(1, std::memory_order_relaxed);
}
