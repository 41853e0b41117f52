// The varga step of a chart computation: the whole sign table for 105 bodies.
#include <cmath>

#include <benchmark/benchmark.h>

#include "core/varga_sign_table.h"

namespace {

VargaBodies SpreadBodies() {
    VargaBodies bodies;
    for (int b = 0; b < kVargaRows; ++b) bodies[b] = VargaBodyAt(std::fmod(b * 47.137 + 0.31, 360.0));
    return bodies;
}

void BM_VargaSignTable(benchmark::State& state) {
    const VargaBodies bodies = SpreadBodies();
    std::array<HouseSpan, 12> houses;
    for (int i = 0; i < 12; ++i) houses[i] = {30.0 * i + 7, 30.0 * (i + 1) + 7};
    // The pipeline hands over its child charts' records; copying 105 records is that cost.
    const VargaChildBodies children = [&](int, VargaBodies& out) { out = bodies; };
    CVargaSignTable table;
    for (auto _ : state) {
        ComputeVargaSigns(bodies, houses, children, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_VargaSignTable);

void BM_ChildVargaSigns(benchmark::State& state) {
    const VargaBodies bodies = SpreadBodies();
    CVargaSignTable table;
    for (auto _ : state) {
        ComputeChildVargaSigns(bodies, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ChildVargaSigns);

} // namespace
