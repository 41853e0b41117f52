#pragma once
// What every benchmark program's main ends with: run the benchmarks the command line asks for, then
// close the ephemeris library as the program does at exit.
#include <benchmark/benchmark.h>

#include "core/data_folder.h"

inline int RunBenchmarks(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseEphemeris();
    return 0;
}
