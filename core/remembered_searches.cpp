#include "core/remembered_searches.h"

#include "core/remembered_ring.h"

namespace {

// A second, days: the results are kept a second away from the instants they were found at, which the
// searches place to within a second.
constexpr double kMargin = 1.0 / 86400.0;

struct Stay {
    double from = 0.0;
    double to = 0.0;
    double end = 0.0;
};

struct EntryMoon {
    double from = 0.0;
    double to = 0.0;
    int moonSign = 0;
};

struct LunationKey {
    double elongation = 0.0;
    MomentKey place;

    bool operator==(const LunationKey&) const = default;
};

struct SunDayKey {
    int sunriseDefinition = 0;
    MomentKey place;

    bool operator==(const SunDayKey&) const = default;
};

struct PositionKey {
    int body = 0;
    MomentKey moment;

    bool operator==(const PositionKey&) const = default;
};

// Nine bodies of twelve charts recalculated in turn (see calculated_moments.cpp).
thread_local RememberedRing<SignStayKey, Stay, 128> t_stays;
thread_local RememberedRing<SignStayKey, EntryMoon, 128> t_entryMoons;
thread_local RememberedRing<LunationKey, LunationFacts, 32> t_lunations;
thread_local RememberedRing<SunDayKey, SunDayMoments, 32> t_sunDays;
// Six upagrahas and eight sign entries of twelve charts.
thread_local RememberedRing<PositionKey, double, 192> t_positions;

} // namespace

std::optional<double> RememberedStayEnd(const SignStayKey& key, double jdUt) {
    const Stay* stay = t_stays.Find(key, [jdUt](const Stay& s) { return s.from <= jdUt && jdUt <= s.to; });
    if (stay == nullptr) return std::nullopt;
    return stay->end;
}

void RememberStay(const SignStayKey& key, double from, double to, double end) {
    if (from <= to) t_stays.Add(key, {from, to, end});
}

std::optional<int> RememberedEntryMoonSign(const SignStayKey& key, double jdUt) {
    const EntryMoon* entry =
        t_entryMoons.Find(key, [jdUt](const EntryMoon& e) { return e.from <= jdUt && jdUt <= e.to; });
    if (entry == nullptr) return std::nullopt;
    return entry->moonSign;
}

void RememberEntryMoonSign(const SignStayKey& key, double from, double to, int moonSign) {
    if (from <= to) t_entryMoons.Add(key, {from, to, moonSign});
}

std::optional<LunationFacts> RememberedLunations(double elongation, const MomentKey& place, double jdUt) {
    const LunationFacts* facts = t_lunations.Find({elongation, place}, [jdUt](const LunationFacts& f) {
        return f.last + kMargin < jdUt && jdUt < f.next - kMargin;
    });
    if (facts == nullptr) return std::nullopt;
    return *facts;
}

void RememberLunations(double elongation, const MomentKey& place, const LunationFacts& facts) {
    t_lunations.Add({elongation, place}, facts);
}

std::optional<SunDayMoments> RememberedSunDay(int sunriseDefinition, const MomentKey& place, double jdUt) {
    // Strictly inside: a moment on a sunrise may be taken for either day.
    const SunDayMoments* day = t_sunDays.Find({sunriseDefinition, place}, [jdUt](const SunDayMoments& d) {
        return d.front() < jdUt && jdUt < d.back();
    });
    if (day == nullptr) return std::nullopt;
    return *day;
}

void RememberSunDay(int sunriseDefinition, const MomentKey& place, const SunDayMoments& day) {
    t_sunDays.Add({sunriseDefinition, place}, day);
}

CalcValue RememberedSearchPosition(CChartCore& probe, int body, double jdUt) {
    const PositionKey key{body, KeyOfMoment(probe, jdUt)};
    if (const double* longitude = t_positions.Find(key)) return {*longitude, {}};
    std::uint8_t retrograde = 0;
    const CalcValue longitude = probe.CalcBody(body, jdUt, retrograde, false);
    if (longitude.ok()) t_positions.Add(key, longitude.value);
    return longitude;
}
