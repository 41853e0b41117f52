#include "core/ephemeris_calls.h"

#include <atomic>

namespace {

constexpr int kCallKinds = 5;
std::atomic<std::int64_t> g_calls[kCallKinds];

std::int64_t CallsOf(EphemerisCall call) {
    return g_calls[static_cast<int>(call)].load(std::memory_order_relaxed);
}

} // namespace

void CountEphemerisCall(EphemerisCall call) {
    g_calls[static_cast<int>(call)].fetch_add(1, std::memory_order_relaxed);
}

EphemerisCallCounts EphemerisCallsSoFar() {
    return {CallsOf(EphemerisCall::kBody), CallsOf(EphemerisCall::kHouses), CallsOf(EphemerisCall::kStar),
            CallsOf(EphemerisCall::kAyanamsa), CallsOf(EphemerisCall::kRiseTransit)};
}
