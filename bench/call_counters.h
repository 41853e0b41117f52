#pragma once
// The library calls a benchmark made while it ran, per iteration, by kind, as counters beside its time.
#include <benchmark/benchmark.h>

#include "core/ephemeris_calls.h"

class CallCounters {
public:
    CallCounters() : m_start(EphemerisCallsSoFar()) {}
    void Report(benchmark::State& state) const {
        const EphemerisCallCounts end = EphemerisCallsSoFar();
        const auto perIteration = [](std::int64_t calls) {
            return benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kAvgIterations);
        };
        state.counters["calls"] = perIteration(end.Total() - m_start.Total());
        state.counters["bodies"] = perIteration(end.bodies - m_start.bodies);
        state.counters["houses"] = perIteration(end.houses - m_start.houses);
        state.counters["stars"] = perIteration(end.stars - m_start.stars);
        state.counters["ayanamsas"] = perIteration(end.ayanamsas - m_start.ayanamsas);
        state.counters["riseTransits"] = perIteration(end.riseTransits - m_start.riseTransits);
    }

private:
    EphemerisCallCounts m_start;
};
