#include <benchmark/benchmark.h>

#include "core/data_folder.h"

int main(int argc, char** argv) {
    InitialiseEphemeris();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseEphemeris();
    return 0;
}
