#pragma once
// The dasa-transit correlation: during one span of time (a dasa period), when the slow bodies
// Jupiter, Saturn, Rahu and Ketu transit each of the twelve houses counted from a sign (the period's).
// Searched with probes of the birth place; nothing else is touched. No Qt.
//
// Units: Julian days UT; moments local civil time in the birth record's zone (positive WEST);
// signs 0 Aries .. 11 Pisces, house 1 = the sign itself.
#include <array>
#include <functional>
#include <vector>

#include "core/angle_time.h"
#include "core/calc_status.h"

class CChartCore;

inline constexpr int kListedTransitBodies = 4;
inline constexpr std::array<int, kListedTransitBodies> kListedTransitBodyOrder = {5, 7, 8, 9}; // Ju Sa Ra Ke
// A body's stays in one house during a period are kept up to this many; later ones are dropped.
inline constexpr int kMaxTransitStays = 40;

// One stay of a body in a house, cut to the period.
struct TransitStay {
    double entryJdUt = 0.0;
    double exitJdUt = 0.0;
    CLocalDateTime entry; // the later of the entry and the period's start
    CLocalDateTime exit;  // the earlier of the exit and the period's end
};

inline constexpr int kTransitSearches = 12 * kListedTransitBodies; // house and body pairs

struct DasaTransitListing {
    // [house 0-11][body in kListedTransitBodyOrder]: the stays in time order.
    std::array<std::array<std::vector<TransitStay>, kListedTransitBodies>, 12> stays;
    CalcStatus status; // a moment that could not be calculated
    bool cancelled = false;
    // House and body pairs searched to the end, counted in listing order (house by house, the bodies
    // of each in kListedTransitBodyOrder): all of them unless the search was cancelled or failed.
    int searched = 0;
    bool Stopped() const { return searched < kTransitSearches; }
};

// Told after each house and body searched (done, 48 in all) and before the first; false cancels.
using ListingProgress = std::function<bool(int done, int total)>;

// The stays from `start` to `end` (local civil times, each in its own zone) of the listed bodies in the
// houses counted from `sign`, searched at `birth`'s place and told in its zone. A stay running at the
// start begins at the start. A failure or a cancel stops at once.
DasaTransitListing ListDasaTransits(const CChartCore& birth, const CLocalDateTime& start,
                                    const CLocalDateTime& end, int sign,
                                    const ListingProgress& progress = {});
