// The varga step of a chart computation: the whole sign table for 105 bodies.
#include <cmath>

#include <benchmark/benchmark.h>

#include "core/varga_sign_table.h"

namespace {

struct SpreadChart {
    SpreadChart() {
        for (int b = 0; b < kBodyCount; ++b) {
            bodies[b].m_dLongitude = std::fmod(b * 47.137 + 0.31, 360.0);
            bodies[b].SplitLongitude();
        }
        for (int i = 0; i < 12; ++i) {
            houses[i].m_start.m_dLongitude = 30.0 * i + 7;
            houses[i].m_end.m_dLongitude = std::fmod(30.0 * (i + 1) + 7, 360.0);
        }
    }
    CRasiLongitude bodies[kBodyCount];
    CBhava houses[12];
};

void BM_VargaSignTable(benchmark::State& state) {
    const SpreadChart chart;
    // The pipeline hands over its existing child charts' records; here the chart stands in for them.
    const VargaChildBodies children = [&](int) { return VargaBodies(chart.bodies); };
    CVargaSignTable table;
    for (auto _ : state) {
        ComputeVargaSigns(chart.bodies, chart.houses, children, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_VargaSignTable);

void BM_ChildVargaSigns(benchmark::State& state) {
    const SpreadChart chart;
    CVargaSignTable table;
    for (auto _ : state) {
        ComputeChildVargaSigns(chart.bodies, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ChildVargaSigns);

} // namespace
